#pragma once
// The page routines every printed document shares: the footer, the page
// number, centred lines and wrapped paragraphs and lists.
#include <string>
#include <string_view>
#include <vector>

#include "core/version.h"
#include "print/print_cursor.h"

namespace ventelle {

// The footer line: the product and its version, then the credit.
inline const std::string kFooterText = "Ventelle V " + std::string(kVersion) + " - par l'équipe Ventelle";

// C°_BasDePage: the footer in 8 points, not bold, at the bottom right of the
// page, ending with the paper code when there is one ("... - réf. 7KQ2MX").
// Leaves the cursor in that font.
void printFooter(PrintCursor& cursor, std::string_view paperCode = {});
// NuméroterPage: "Page n" at the bottom left, in the current font (the
// footer's when called after it).
void printPageNumber(PrintCursor& cursor, int page);
// Where the footer zone begins: the footer's line and 2 mm above it. Text
// kept above it never touches the footer or the page number.
double footerZoneTop(const PrintCursor& cursor);

// Centre: the text centred on the page, line ended. A text wider than the
// page is wrapped at its blanks and each line centred.
void printCentred(PrintCursor& cursor, std::string_view text);

// Imprime: the text as a paragraph between the margins (from the left edge
// and from the right edge), each line starting at the left margin and ended.
void printParagraph(PrintCursor& cursor, std::string_view text, double left, double right);

// ImprimeV: a comma-separated list, each line starting at `column` and
// ended, wrapped after the comma that follows the first character to go
// past `width`, so no line ends inside a list item.
void printCommaList(PrintCursor& cursor, std::string_view list, double column, double width);

// The lines of a paragraph `width` wide. A line ends after the last blank
// before the first character to overflow; a word wider than the line is cut
// before that character, one character at least per line. Only a plain
// blank breaks a line (a non-breaking one never does) and never inside a
// character. The lines keep their blanks: joined, they are the text.
std::vector<std::string_view> wrapAtBlanks(const PrintCursor& cursor, std::string_view text, double width);
// The lines of a list: each wider one ends with the first comma at or after
// the first character to overflow, or the last one before it; a rest with
// no comma to break at is one line, whatever its width. Joined, they are
// the list.
std::vector<std::string_view> wrapAtCommas(const PrintCursor& cursor, std::string_view list, double width);

}  // namespace ventelle
