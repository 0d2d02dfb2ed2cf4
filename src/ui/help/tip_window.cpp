#include "ui/help/tip_window.h"

#include "ui/help/help_texts.h"
#include "ui/help/random_tip.h"

namespace ventelle {

TipWindow::TipWindow(const ProgramFolder& folder, RandomSource& random) : folder_(folder), random_(random) { next(); }

void TipWindow::next() { tip_ = drawRandomTip(folder_, random_).value_or(help_texts::kNoTip); }

}  // namespace ventelle
