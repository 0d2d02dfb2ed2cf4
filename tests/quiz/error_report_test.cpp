#include "quiz/error_report.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

using Lines = std::vector<std::string>;

// Every exam's chapters 1 to 9 hold one mistake named exam * 100 + chapter,
// so each line tells which lists it was made of.
ErrorLists everyListFilled() {
  ErrorLists errors;
  for (int exam = 1; exam <= 11; ++exam)
    for (int chapter = 1; chapter <= 9; ++chapter) errors.add({exam, chapter}, std::to_string(exam * 100 + chapter));
  return errors;
}

struct ReportRow {
  int exam;
  bool included;
  std::string title;
  std::string subtitle;
  Lines lines;
};

const std::vector<ReportRow> kReports = {
    {1, false, "du manuel du vol libre", "", {"101", "102", "103", "104", "105", "106"}},
    {2, false, "2000", "", {"201", "202", "203", "204", "205", "206", "207", "208", "209"}},
    {3, false, "Pilote Privé Avion", "", {"301", "302", "303", "304", "305", "306"}},
    {4, false, "ULM", "", {"401", "402", "403", "404", "405", "406"}},
    {5, false, "Vol à Voile", "", {"501", "502", "503", "504", "505"}},
    {6, false, "Parapente 2004", "- Brevet Initial -", {"601", "602", "603", "604", "605", "606", "607"}},
    {7, false, "Parapente 2004", "- Brevet de Pilote -", {"701", "702", "703", "704", "705", "706", "707", "708"}},
    {7, true, "Parapente 2004", "- Brevet de Pilote - QCMs B. Initial inclus",
     {"-Initial:601-Pilote:701", "-Initial:602-Pilote:702", "-Initial:603-Pilote:703", "-Initial:604-Pilote:704",
      "-Initial:605-Pilote:705", "-Pilote:706", "-Initial:606-Pilote:707", "-Initial:607-Pilote:708"}},
    {8, false, "Parapente 2004", "- Brevet de Pilote Confirmé -",
     {"801", "802", "803", "804", "805", "806", "807", "808"}},
    {8, true, "Parapente 2004", "- Brevet de Pilote Confirmé - QCMs B. Initial & Pilote inclus",
     {"-Initial:601-Pilote:701-Confirmé:801", "-Initial:602-Pilote:702-Confirmé:802",
      "-Initial:603-Pilote:703-Confirmé:803", "-Initial:604-Pilote:704-Confirmé:804",
      "-Initial:605-Pilote:705-Confirmé:805", "-Pilote:706-Confirmé:806", "-Initial:606-Pilote:707-Confirmé:807",
      "-Initial:607-Pilote:708-Confirmé:808"}},
    {9, false, "Delta 2004", "- Brevet Initial -", {"901", "902", "903", "904", "905", "906", "907"}},
    {10, false, "Delta 2004", "- Brevet de Pilote -",
     {"1001", "1002", "1003", "1004", "1005", "1006", "1007", "1008"}},
    {10, true, "Delta 2004", "- Brevet de Pilote - QCMs B. Initial inclus",
     {"-Initial:901-Pilote:1001", "-Initial:902-Pilote:1002", "-Initial:903-Pilote:1003", "-Initial:904-Pilote:1004",
      "-Initial:905-Pilote:1005", "-Pilote:1006", "-Initial:906-Pilote:1007", "-Initial:907-Pilote:1008"}},
    {11, false, "Delta 2004", "- Brevet de Pilote Confirmé -", {"1101", "1102", "1103", "1104", "1105", "1106"}},
    // The six confirmed chapters fall on lines 1, 2, 4, 6, 7 and 8.
    {11, true, "Delta 2004", "- Brevet de Pilote Confirmé - QCMs B. Initial & Pilote inclus",
     {"-Initial:901-Pilote:1001-Confirmé:1101", "-Initial:902-Pilote:1002-Confirmé:1102", "-Initial:903-Pilote:1003",
      "-Initial:904-Pilote:1004-Confirmé:1103", "-Initial:905-Pilote:1005", "-Pilote:1006-Confirmé:1104",
      "-Initial:906-Pilote:1007-Confirmé:1105", "-Initial:907-Pilote:1008-Confirmé:1106"}},
};

TEST(ErrorReport, EachExamHasItsTitlesChaptersAndLines) {
  const ErrorLists errors = everyListFilled();
  for (const auto& row : kReports) {
    SCOPED_TRACE("exam " + std::to_string(row.exam) + (row.included ? " with the lower levels" : ""));
    const ErrorReport report = errorReport(row.exam, row.included, errors);
    EXPECT_EQ(report.title, row.title);
    EXPECT_EQ(report.subtitle, row.subtitle);
    EXPECT_EQ(report.chapterCount(), static_cast<int>(row.lines.size()));
    EXPECT_EQ(report.lines, row.lines);
  }
}

// Only the pilot and confirmed brevets have lower levels to include.
TEST(ErrorReport, TheOtherExamsIgnoreTheLowerLevelsItem) {
  const ErrorLists errors = everyListFilled();
  for (const int exam : {1, 2, 3, 4, 5, 6, 9}) {
    const ErrorReport plain = errorReport(exam, false, errors);
    const ErrorReport ticked = errorReport(exam, true, errors);
    EXPECT_EQ(ticked.subtitle, plain.subtitle) << exam;
    EXPECT_EQ(ticked.lines, plain.lines) << exam;
  }
}

TEST(ErrorReport, ACombinedLineHoldsOnlyTheLevelsThatHaveMistakes) {
  ErrorLists errors;
  errors.add({6, 3}, "12");
  errors.add({6, 3}, "15");
  errors.add({7, 3}, "4");
  errors.add({7, 4}, "44");
  errors.add({8, 5}, "55");
  errors.add({6, 6}, "66");  // the initial brevet's piloting chapter, on line 7

  const ErrorReport pilot = errorReport(7, true, errors);
  EXPECT_EQ(pilot.lines, (Lines{"", "", "-Initial:12,15-Pilote:4", "-Pilote:44", "", "", "-Initial:66", ""}));

  const ErrorReport confirmed = errorReport(8, true, errors);
  EXPECT_EQ(confirmed.line(5), "-Confirmé:55");
  EXPECT_EQ(confirmed.line(6), "");
}

TEST(ErrorReport, NoMistakesGiveEmptyLinesForEveryChapter) {
  const ErrorReport report = errorReport(11, true, ErrorLists{});
  EXPECT_EQ(report.lines, Lines(8, ""));
  EXPECT_EQ(report.line(9), "");
  EXPECT_EQ(report.line(0), "");
}

}  // namespace
}  // namespace ventelle
