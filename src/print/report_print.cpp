#include <cmath>
#include <string>

#include "print/documents_p.h"
#include "print/page_routines.h"

namespace ventelle {
namespace {

// The report is laid out in twips. Its lists start at the printer's tab
// column 5: four columns of 120 twips, the average width of a character of
// the report's 12-point text.
constexpr double kListColumn = 480;
// Taken off the page width for a list line: the column and a right margin.
constexpr double kListReserve = 1200;
constexpr double kTopOfNextPageMm = 15;

void finishPage(PrintCursor& cursor) {
  printFooter(cursor);
  cursor.endPage();
}

}  // namespace

void printErrorReport(PrintDevice& device, const PrintedErrorReport& report) {
  PrintCursor cursor(device);
  cursor.setUnit(PrintUnit::Twips);
  cursor.keepAbove(footerZoneTop(cursor), cursor.mm(kTopOfNextPageMm), finishPage);

  cursor.setFont({18, true, true});
  for (int i = 0; i < 3; ++i) cursor.printLine();
  printCentred(cursor, report.userName);
  cursor.setFont({14, true, false});
  for (int i = 0; i < 3; ++i) cursor.printLine();
  printCentred(cursor, "Historique des erreurs sur le QCM " + report.title);
  if (!report.subtitle.empty()) printCentred(cursor, report.subtitle);
  cursor.printLine();

  cursor.setSize(12);
  const double width = std::round(cursor.pageWidth() - kListReserve);
  for (std::size_t k = 0; k < report.chapterNames.size(); ++k) {
    const std::string& list = k < report.lines.size() ? report.lines[k] : std::string();
    cursor.setBold(true);
    // A chapter's name stays on the page of its list's first line.
    cursor.makeRoom(2 * cursor.textHeight(report.chapterNames[k]));
    cursor.x = kListColumn;
    cursor.printLine(report.chapterNames[k]);
    cursor.setBold(false);
    printCommaList(cursor, list, kListColumn, width);
  }
  cursor.stopKeepingAbove();
  finishPage(cursor);
}

}  // namespace ventelle
