#include "print/page_routines.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace ventelle {
namespace {

const PrintFont kFooterFont{8, false, false};
constexpr double kFooterClearanceMm = 2;

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The byte offset where each character of the text ends.
std::vector<std::size_t> characterEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i <= text.size(); ++i)
    if (i == text.size() || startsCharacter(text[i])) ends.push_back(i);
  return ends;
}

// The fewest characters from the start of a text wider than `width` that
// are wider than it: the last of them is the first to overflow.
std::size_t overflowingCount(const PrintCursor& cursor, std::string_view text,
                             const std::vector<std::size_t>& ends, double width) {
  std::size_t low = 1;
  std::size_t high = ends.size();
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (cursor.textWidth(text.substr(0, ends[middle - 1])) > width)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

std::string_view withoutTrailingBlanks(std::string_view line) {
  const std::size_t last = line.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : line.substr(0, last + 1);
}

}  // namespace

std::vector<std::string_view> wrapAtBlanks(const PrintCursor& cursor, std::string_view text, double width) {
  std::vector<std::string_view> lines;
  std::string_view rest = text;
  while (!rest.empty() && cursor.textWidth(rest) > width) {
    const auto ends = characterEnds(rest);
    const std::size_t n = overflowingCount(cursor, rest, ends, width);
    const std::string_view fitting = rest.substr(0, ends[n - 1]);
    const std::size_t blank = fitting.find_last_of(' ');
    std::size_t cut;
    if (blank != std::string_view::npos && fitting.find_first_not_of(' ') < blank)
      cut = blank + 1;
    else
      cut = ends[std::max<std::size_t>(n - 1, 1) - 1];
    lines.push_back(rest.substr(0, cut));
    rest.remove_prefix(cut);
  }
  if (!rest.empty() || lines.empty()) lines.push_back(rest);
  return lines;
}

std::vector<std::string_view> wrapAtCommas(const PrintCursor& cursor, std::string_view list, double width) {
  std::vector<std::string_view> lines;
  std::string_view rest = list;
  while (!rest.empty() && cursor.textWidth(rest) > width) {
    const auto ends = characterEnds(rest);
    const std::size_t n = overflowingCount(cursor, rest, ends, width);
    const std::size_t overflowing = n == 1 ? 0 : ends[n - 2];
    std::size_t comma = rest.find(',', overflowing);
    if (comma == std::string_view::npos) comma = rest.rfind(',', overflowing);
    if (comma == std::string_view::npos) break;
    lines.push_back(rest.substr(0, comma + 1));
    rest.remove_prefix(comma + 1);
  }
  if (!rest.empty() || lines.empty()) lines.push_back(rest);
  return lines;
}

void printFooter(PrintCursor& cursor, std::string_view paperCode) {
  std::string footer = kFooterText;
  if (!paperCode.empty()) footer += " - réf. " + std::string(paperCode);
  cursor.setFont(kFooterFont);
  cursor.x = cursor.pageWidth() - cursor.textWidth(footer);
  cursor.y = cursor.pageHeight() - cursor.textHeight("A°");
  cursor.printLine(footer);
}

void printPageNumber(PrintCursor& cursor, int page) {
  cursor.x = cursor.mm(5);
  cursor.y = cursor.pageHeight() - cursor.textHeight("P");
  cursor.printLine("Page " + std::to_string(page));
}

double footerZoneTop(const PrintCursor& cursor) {
  PrintCursor probe = cursor.measuring();
  probe.setFont(kFooterFont);
  const double footerLine = std::max(probe.textHeight("A°"), probe.textHeight("P"));
  return cursor.pageHeight() - footerLine - cursor.mm(kFooterClearanceMm);
}

void printCentred(PrintCursor& cursor, std::string_view text) {
  const double width = std::round(cursor.pageWidth());
  for (const std::string_view line : wrapAtBlanks(cursor, text, width)) {
    const std::string_view shown = withoutTrailingBlanks(line);
    cursor.x = width / 2 - std::round(cursor.textWidth(shown)) / 2;
    cursor.printLine(shown);
  }
}

void printParagraph(PrintCursor& cursor, std::string_view text, double left, double right) {
  const double width = std::round(cursor.pageWidth() - left - right);
  for (const std::string_view line : wrapAtBlanks(cursor, text, width)) {
    cursor.x = left;
    cursor.printLine(line);
  }
}

void printCommaList(PrintCursor& cursor, std::string_view list, double column, double width) {
  for (const std::string_view line : wrapAtCommas(cursor, list, width)) {
    cursor.x = column;
    cursor.printLine(line);
  }
}

}  // namespace ventelle
