#pragma once
// Counting in characters, not bytes, in the UTF-8 text used inside the program.
#include <cstddef>
#include <string>
#include <string_view>

namespace ventelle {

// Appends one character (below U+10000) in UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// The text without its first `front` and last `back` characters; empty when
// it holds no more than front + back characters.
std::string trimCharacters(std::string_view text, std::size_t front, std::size_t back);

// The text as compared where a no-break space (U+00A0) counts as a blank:
// each no-break space made a plain one, and the blanks at both ends removed.
std::string withPlainBlanks(std::string_view text);

}  // namespace ventelle
