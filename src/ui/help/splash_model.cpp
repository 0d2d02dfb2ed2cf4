#include "ui/help/splash_model.h"

#include "ui/help/random_tip.h"

namespace ventelle {

void SplashModel::tick() {
  if (controls_.closed) return;
  switch (++ticks_) {
    case 1: controls_.q = true; break;
    case 2: controls_.c = true; break;
    case 3: controls_.m = true; break;
    case 4: showLetters(false); break;
    case 5: showLetters(true); break;
    case 8: showTip(); break;
    case 20: close(); break;
    default: break;
  }
}

void SplashModel::labelClick() { close(); }

void SplashModel::showLetters(bool shown) {
  controls_.q = shown;
  controls_.c = shown;
  controls_.m = shown;
}

void SplashModel::showTip() {
  const auto tip = drawRandomTip(folder_, random_);
  if (!tip) return;
  controls_.logoShown = false;
  showLetters(false);
  controls_.etiquette = kTipHeading + "\n\n" + *tip;
}

void SplashModel::close() {
  controls_.closed = true;
  controls_.timerLogo.running = false;
}

}  // namespace ventelle
