#pragma once
// The words the goose board shows around the game's own state: the help
// beside the name box and the tips over the squares.
#include <array>
#include <string_view>

namespace ventelle::game_texts {

// Label, beside the name box while the players are entered.
inline constexpr std::array<std::string_view, 3> kEntryHelp = {
    "4 joueurs maximum :",
    "Passer au joueur suivant en validant avec la touche Enter (Entrée).",
    "ou terminer en validant deux fois.",
};

// Labelentrée shows this followed by the number of the player being entered.
inline constexpr std::string_view kEntryNumberPrefix = "#";

// Tip of the die, which the keyboard throws too.
inline constexpr std::string_view kDieTip = "Lancer le dé (touche Entrée ou Espace)";

// Tips of the squares that ask no question (a question square names its
// chapter).
inline constexpr std::string_view kPlayAgainTip = "Rejouez";
inline constexpr std::string_view kBonusTip = "1000 points de plus";
inline constexpr std::string_view kPenaltyTip = "1000 points de moins";

}  // namespace ventelle::game_texts
