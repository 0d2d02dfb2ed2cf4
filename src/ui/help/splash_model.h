#pragma once
// The splash window FrmLogo shown at start-up: the letters Q, C, M appear
// one by one over the logo and blink once, then a random tip replaces the
// logo; the splash closes on tick 20 or on a click on its label.
#include <string>

#include "core/program_folder.h"
#include "core/random_source.h"
#include "ui/window/model_timer.h"

namespace ventelle {

struct SplashControls {
  bool logoShown = true;  // the window's background picture
  bool q = false;         // the letter images Q, C and M
  bool c = false;
  bool m = false;
  std::string etiquette;
  ModelTimer timerLogo{450, true};
  bool closed = false;

  bool operator==(const SplashControls&) const = default;
};

class SplashModel {
 public:
  SplashModel(const ProgramFolder& folder, RandomSource& random) : folder_(folder), random_(random) {}

  const SplashControls& controls() const { return controls_; }

  // TimerLogo_Timer: the ticks count from 1; a closed splash ignores them.
  void tick();
  // Etiquette_Click: closes the splash at once.
  void labelClick();

 private:
  void showLetters(bool shown);
  // Replaces the logo by a tip; without any tip the logo stays to the end.
  void showTip();
  void close();

  const ProgramFolder& folder_;
  RandomSource& random_;
  SplashControls controls_;
  int ticks_ = 0;
};

}  // namespace ventelle
