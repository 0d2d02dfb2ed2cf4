#pragma once
// The paper code: a short reference printed in the footer of a composed
// questionnaire, its answer sheets and its correction grid, so that a grid is
// matched to its papers at a glance.
#include <string>
#include <string_view>

namespace ventelle {

// Six characters of 0-9 and A-Z without I, L, O and U, from a fixed hash of
// the text (64-bit FNV-1a): the same text gives the same code on every run
// and every machine.
std::string paperCode(std::string_view text);

}  // namespace ventelle
