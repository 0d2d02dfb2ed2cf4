#pragma once
// The tips of "Tip.txt" and the drawing of one of them, shared by the splash
// and the tips window.
#include <optional>
#include <string>

#include "core/program_folder.h"
#include "core/random_source.h"

namespace ventelle {

inline const std::string kTipFile = "Tip.txt";
inline const std::string kTipHeading = "Astuce";

// One tip of the program folder's "Tip.txt", each equally likely, drawn with
// one draw of the random source. A tip is a whole line that is neither blank
// nor a ";" comment, trimmed; one on the file's very last line counts like
// any other. Nothing, and no draw, when the file is missing, unreadable or
// holds no tip.
std::optional<std::string> drawRandomTip(const ProgramFolder& folder, RandomSource& random);

}  // namespace ventelle
