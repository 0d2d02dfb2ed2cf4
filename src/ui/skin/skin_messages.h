#pragma once
// The French texts told when a skin chosen in the "&Affichage" menu cannot
// be applied.
#include <string>

#include "ui/skin/skin_file.h"

namespace ventelle::messages {

// The one message for a skin that was not applied: what is wrong, and that
// the window keeps its look.
std::string skinNotApplied(const std::string& skinName, const SkinFault& fault);

}  // namespace ventelle::messages
