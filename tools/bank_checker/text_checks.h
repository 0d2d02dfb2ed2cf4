#pragma once
// Checks of a data file's raw bytes: Windows-1252 text, every line ended by CR LF.
#include <string>
#include <string_view>

#include "bank_checker/fault.h"

namespace ventelle::bankcheck {

// At most one fault per line for its bytes (the first byte that is not
// Windows-1252 text: one of the five undefined bytes, or a control character
// other than TAB, CR and LF) and one for its line end (LF without CR, a CR
// alone inside the line, or no line end at all after the last line).
Faults checkTextBytes(const std::string& file, std::string_view bytes);

}  // namespace ventelle::bankcheck
