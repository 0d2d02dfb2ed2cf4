#pragma once
// The tips window FrmTip: one tip of "Tip.txt" drawn at random, another at
// each press of "Suivant >".
#include <string>

#include "core/program_folder.h"
#include "core/random_source.h"

namespace ventelle {

class TipWindow {
 public:
  // Draws the first tip.
  TipWindow(const ProgramFolder& folder, RandomSource& random);

  // Etiquette(1); a notice when "Tip.txt" is missing or holds no tip.
  const std::string& tip() const { return tip_; }

  // Suivant: draws a new tip.
  void next();

 private:
  const ProgramFolder& folder_;
  RandomSource& random_;
  std::string tip_;
};

}  // namespace ventelle
