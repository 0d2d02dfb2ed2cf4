#include "ui/help/splash_model.h"

#include <gtest/gtest.h>

#include "fakes/planned_random.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

constexpr const char* kTips = "; Astuces du jour\nVérifiez la météo.\n\nFaites la visite prévol.\nRestez humble.";

struct Splash {
  explicit Splash(const char* tips = kTips) {
    if (tips) folder.write("Tip.txt", tips);
  }
  const SplashControls& ticks(int n) {
    for (int i = 0; i < n; ++i) model.tick();
    return model.controls();
  }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  SplashModel model{programFolder, random};
};

// What shows from the opening on, after each tick: the letters come one by
// one, blink once, then the tip replaces the logo on tick 8.
TEST(Splash, LettersComeOneByOneAndBlinkBeforeTheTipReplacesTheLogo) {
  struct Shown {
    bool logo, q, c, m;
  };
  const Shown afterTick[] = {
      {true, false, false, false},  {true, true, false, false}, {true, true, true, false},  // opening, 1, 2
      {true, true, true, true},     {true, false, false, false}, {true, true, true, true},  // 3, 4, 5
      {true, true, true, true},     {true, true, true, true},   {false, false, false, false},  // 6, 7, 8
  };
  Splash s;
  for (int tick = 0; tick <= 8; ++tick) {
    SCOPED_TRACE(testing::Message() << "tick " << tick);
    const SplashControls& c = s.ticks(tick == 0 ? 0 : 1);
    const Shown& want = afterTick[tick];
    EXPECT_EQ(c.logoShown, want.logo);
    EXPECT_EQ(c.q, want.q);
    EXPECT_EQ(c.c, want.c);
    EXPECT_EQ(c.m, want.m);
    EXPECT_EQ(c.etiquette.empty(), tick < 8);
  }
}

TEST(Splash, TickEightShowsTheDrawnTipUnderItsHeading) {
  Splash s;
  s.random.queueDraw(2, 3);
  s.ticks(7);
  EXPECT_EQ(s.random.pending(), 1u);

  EXPECT_EQ(s.ticks(1).etiquette, "Astuce\n\nFaites la visite prévol.");
  EXPECT_EQ(s.random.pending(), 0u);
}

// Tick 20 comes about 9 s after the splash opened; the tip is drawn once.
TEST(Splash, ClosesOnTickTwentyAndIgnoresLaterTicks) {
  Splash s;
  s.random.queueDraw(3, 3);
  s.random.queueDraw(1, 3);
  const SplashControls atNineteen = s.ticks(19);
  EXPECT_FALSE(atNineteen.closed);
  EXPECT_EQ(atNineteen.timerLogo, (ModelTimer{450, true}));
  EXPECT_EQ(atNineteen.etiquette, "Astuce\n\nRestez humble.");

  const SplashControls atTwenty = s.ticks(1);
  EXPECT_TRUE(atTwenty.closed);
  EXPECT_FALSE(atTwenty.timerLogo.running);

  EXPECT_EQ(s.ticks(30), atTwenty);
  EXPECT_EQ(s.random.pending(), 1u);
}

TEST(Splash, ClickOnTheLabelClosesAtOnceAndFreezesWhatShows) {
  for (const int ticksBefore : {0, 2, 4, 8, 19}) {
    SCOPED_TRACE(testing::Message() << ticksBefore << " ticks before the click");
    Splash s;
    s.ticks(ticksBefore);
    s.model.labelClick();
    const SplashControls closed = s.model.controls();
    EXPECT_TRUE(closed.closed);
    EXPECT_FALSE(closed.timerLogo.running);

    EXPECT_EQ(s.ticks(25), closed);
  }
}

// Without a tip the splash keeps its finished logo rather than show a bare
// heading, and still closes on time.
TEST(Splash, WithoutAnyTipTheLogoAndLettersStayToTheEnd) {
  for (const char* tips : {static_cast<const char*>(nullptr), "; rien\n\n"}) {
    SCOPED_TRACE(tips ? "no tip in the file" : "no file");
    Splash s(tips);
    const SplashControls& c = s.ticks(8);
    EXPECT_TRUE(c.logoShown);
    EXPECT_TRUE(c.q && c.c && c.m);
    EXPECT_EQ(c.etiquette, "");
    EXPECT_TRUE(s.ticks(12).closed);
  }
}

}  // namespace
}  // namespace ventelle
