#include "ui/help/splash_model.h"

#include <gtest/gtest.h>

#include "fakes/planned_random.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

struct Splash {
  explicit Splash(const char* tips = "; Astuces\nVérifiez la météo.\n\nFaites la visite prévol.\nRestez humble.") {
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

// After each tick: the letters come one by one, blink once, then the tip
// replaces the logo on tick 8; tick 20 (about 9 s) closes.
TEST(Splash, LettersComeOneByOneAndBlinkBeforeTheTipReplacesTheLogo) {
  const char* afterTick[] = {"L...", "LQ..", "LQC.", "LQCM", "L...", "LQCM", "LQCM", "LQCM", "...."};
  Splash s;
  s.random.queueDraw(2, 3);
  for (int tick = 0; tick <= 8; ++tick) {
    const SplashControls& c = s.ticks(tick == 0 ? 0 : 1);
    const std::string shown{c.logoShown ? 'L' : '.', c.q ? 'Q' : '.', c.c ? 'C' : '.', c.m ? 'M' : '.'};
    EXPECT_EQ(shown, afterTick[tick]) << "tick " << tick;
    EXPECT_EQ(c.etiquette, tick < 8 ? "" : "Astuce\n\nFaites la visite prévol.");
  }
  s.random.queueDraw(1, 3);
  EXPECT_FALSE(s.ticks(11).closed);
  EXPECT_EQ(s.model.controls().timerLogo, (ModelTimer{450, true}));
  const SplashControls atTwenty = s.ticks(1);
  EXPECT_TRUE(atTwenty.closed);
  EXPECT_FALSE(atTwenty.timerLogo.running);
  EXPECT_EQ(s.ticks(30), atTwenty);
  EXPECT_EQ(s.random.pending(), 1u);  // the tip is drawn once
}

TEST(Splash, ClickOnTheLabelClosesAtOnceAndFreezesWhatShows) {
  Splash s;
  s.ticks(4);
  s.model.labelClick();
  const SplashControls closed = s.model.controls();
  EXPECT_TRUE(closed.closed);
  EXPECT_FALSE(closed.timerLogo.running);
  EXPECT_EQ(s.ticks(25), closed);
}

// Without a tip the splash keeps its finished logo rather than show a bare heading.
TEST(Splash, WithoutAnyTipTheLogoAndLettersStayToTheEnd) {
  Splash s("; rien\n\n");
  const SplashControls& c = s.ticks(8);
  EXPECT_TRUE(c.logoShown && c.q && c.c && c.m);
  EXPECT_EQ(c.etiquette, "");
  EXPECT_TRUE(s.ticks(12).closed);
}

}  // namespace
}  // namespace ventelle
