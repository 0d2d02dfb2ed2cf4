#pragma once
// The field syntax of profile lines: fields separated by ",", texts between
// double quotes, booleans as #TRUE# / #FALSE#.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventelle {

// Splits a line into fields. A field that begins with a double quote is the
// text up to the next double quote; any other field is the text up to the
// next "," or the end of the line, trimmed.
std::vector<std::string> splitProfileFields(std::string_view line);

// The first field of a line, quotes removed.
std::string firstProfileField(std::string_view line);

// A whole decimal number, with an optional leading "-"; nothing otherwise.
std::optional<int> wholeNumber(std::string_view field);

// #TRUE# / #FALSE#, or a number (any non-zero number is true).
std::optional<bool> booleanField(std::string_view field);

// The leading number of a caption ("12" -> 12, "" or "abc" -> 0, "7 sur" -> 7),
// bounded so that it never overflows.
int leadingValue(std::string_view caption);

std::string quotedField(std::string_view text);
std::string booleanText(bool value);

}  // namespace ventelle
