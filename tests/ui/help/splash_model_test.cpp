#include "ui/help/splash_model.h"

#include <gtest/gtest.h>

#include "fakes/planned_random.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

// After each tick: the letters come one by one and blink once, then the
// drawn tip replaces the logo on tick 8, or without a tip (blank and comment
// lines are none) the logo stays; tick 20 (about 9 s) closes, and nothing
// changes after.
TEST(Splash, LettersComeOneByOneAndBlinkBeforeTheTipReplacesTheLogo) {
  for (const char* tips : {"; Astuces\nVérifiez la météo.\n\nFaites la visite prévol.\nRestez humble.", "; rien\n"}) {
    TempFolder folder;
    folder.write("Tip.txt", tips);
    const ProgramFolder programFolder(folder.path());
    PlannedRandom random;
    random.queueDraw(3, 3);  // the last tip too
    SplashModel model(programFolder, random);
    const std::string withTip[] = {"L...", "LQ..", "LQC.", "LQCM", "L...", "LQCM", "LQCM", "LQCM", "...."};
    for (int tick = 0; tick <= 19; ++tick) {
      const SplashControls& c = model.controls();
      const std::string shown{c.logoShown ? 'L' : '.', c.q ? 'Q' : '.', c.c ? 'C' : '.', c.m ? 'M' : '.'};
      const bool tip = random.pending() == 0;
      EXPECT_EQ(shown, tick < 8 ? withTip[tick] : tip ? "...." : "LQCM") << "tick " << tick;
      EXPECT_EQ(c.etiquette, tick < 8 || !tip ? "" : "Astuce\n\nRestez humble.");
      EXPECT_FALSE(c.closed);
      model.tick();
    }
    const SplashControls atTwenty = model.controls();
    EXPECT_TRUE(atTwenty.closed && !atTwenty.timerLogo.running);
    for (int tick = 0; tick < 30; ++tick) model.tick();
    EXPECT_EQ(model.controls(), atTwenty);
  }
}

}  // namespace
}  // namespace ventelle
