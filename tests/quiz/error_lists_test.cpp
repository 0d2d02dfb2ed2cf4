#include <gtest/gtest.h>

#include "quiz/error_report.h"
#include "quiz/mistake_routing.h"

namespace ventelle {
namespace {

using Lines = std::vector<std::string>;
constexpr ListKey kKey{7, 3};

TEST(ErrorLists, KeepCommaSeparatedNamesPerChapterAndMatchWholeFields) {
  ErrorLists lists;
  for (const char* name : {"123", "45", "D7i"}) lists.add(kKey, name);
  EXPECT_EQ(lists.list(kKey), "123,45,D7i");
  EXPECT_EQ(lists.count(kKey), 3);
  EXPECT_EQ(lists.list({7, 4}) + lists.list({8, 3}), "");
  for (const auto& [name, held] : {std::pair{"123", true}, {"D7i", true}, {"12", false}, {"5", false}, {"D7", false}})
    EXPECT_EQ(lists.contains(kKey, name), held) << name;
}

TEST(ErrorLists, RemoveTakesTheFirstEqualFieldAndOneComma) {
  using Names = std::vector<std::string>;
  for (const auto& [names, removed, after] :
       {std::tuple{Names{"12"}, "12", ""}, {{"12", "7", "3"}, "12", "7,3"}, {{"12", "7", "3"}, "7", "12,3"},
        {{"12", "7", "3"}, "3", "12,7"}, {{"1", "2", "1"}, "1", "2,1"}, {{"12", "123"}, "12", "123"},
        {{"123", "12"}, "12", "123"}, {{"123", "7"}, "23", "123,7"}, {{}, "12", ""}}) {
    ErrorLists lists;
    for (const auto& name : names) lists.add(kKey, name);
    lists.remove(kKey, removed);
    EXPECT_EQ(lists.list(kKey), after) << "removing " << removed;
  }
}

// Exam, chapter, lower levels included, question name, list it goes to.
TEST(MistakeList, GoesToTheBrevetOfTheQuestionNumber) {
  for (const auto& [exam, chapter, include, name, list] : {
           // each wing's brevets, numbers proper to one wing, range boundaries
           std::tuple{7, 3, true, "20", ListKey{6, 3}}, {7, 3, true, "150", {7, 3}}, {10, 2, true, "191", {11, 3}},
           {7, 2, true, "191", {8, 2}}, {11, 1, true, "365", {9, 6}}, {8, 5, true, "12i", {6, 5}},
           {8, 2, true, "560", {10, 2}}, {7, 1, true, "548", {9, 7}}, {10, 1, true, "453", {6, 7}},
           {10, 1, true, "530", {8, 1}}, {7, 1, true, "25", {6, 1}}, {8, 2, true, "26", {7, 2}},
           {7, 1, true, "47", {6, 1}}, {10, 1, true, "360", {9, 6}}, {10, 1, true, "375", {10, 1}},
           // a shown chapter stands for the lower brevet's own chapter, or
           // for the pilot brevet's when the lower one has none behind it
           {7, 7, true, "20", {6, 6}}, {7, 8, true, "20", {6, 7}}, {7, 6, true, "20", {7, 6}},
           {10, 8, true, "50", {9, 7}}, {11, 7, true, "40", {11, 5}}, {11, 3, true, "40", {10, 3}},
           // stays with the current exam and chapter
           {7, 3, false, "20", {7, 3}}, {7, 3, true, "P12", {7, 3}}, {7, 3, true, "584", {7, 3}},
           {7, 3, true, "0", {7, 3}}, {7, 3, true, "", {7, 3}}, {2, 4, true, "20", {2, 4}}}) {
    const ListKey got = mistakeList(exam, chapter, include, name);
    EXPECT_EQ(got, list) << exam << "/" << chapter << " " << name << " went to " << got.exam << "/" << got.chapter;
  }
}

// Every exam's chapters 1 to 9 hold one mistake named exam * 100 + chapter,
// so each line tells which lists it was made of.
ErrorLists everyListFilled() {
  ErrorLists errors;
  for (int exam = 1; exam <= 11; ++exam)
    for (int chapter = 1; chapter <= 9; ++chapter) errors.add({exam, chapter}, std::to_string(exam * 100 + chapter));
  return errors;
}

TEST(ErrorReport, EachLineHoldsTheListsOfItsChapterWithTheLowerLevelsOnlyWhereTheExamTakesThem) {
  const ErrorLists errors = everyListFilled();
  const std::vector<int> chapters = {6, 9, 6, 6, 5, 7, 8, 8, 7, 8, 6};
  for (int exam = 1; exam <= 11; ++exam) {
    for (const bool ticked : {false, true}) {
      if (ticked && (exam == 7 || exam == 8 || exam >= 10)) continue;  // these take the lower levels
      const ErrorReport report = errorReport(exam, ticked, errors);
      ASSERT_EQ(report.chapterCount(), chapters[exam - 1]) << exam;
      for (int k = 1; k <= report.chapterCount(); ++k) EXPECT_EQ(report.line(k), std::to_string(exam * 100 + k));
    }
  }
  // With them each line joins the lists behind its chapter.
  const ErrorReport pilot = errorReport(10, true, errors);
  EXPECT_EQ(pilot.lines, (Lines{"-Initial:901-Pilote:1001", "-Initial:902-Pilote:1002", "-Initial:903-Pilote:1003",
                                "-Initial:904-Pilote:1004", "-Initial:905-Pilote:1005", "-Pilote:1006",
                                "-Initial:906-Pilote:1007", "-Initial:907-Pilote:1008"}));
  // The six confirmed hang-glider chapters fall on lines 1, 2, 4, 6, 7 and 8.
  const ErrorReport hangGlider = errorReport(11, true, errors);
  EXPECT_EQ((Lines{hangGlider.line(3), hangGlider.line(4), hangGlider.line(8)}),
            (Lines{"-Initial:903-Pilote:1003", "-Initial:904-Pilote:1004-Confirmé:1103",
                   "-Initial:907-Pilote:1008-Confirmé:1106"}));
}

TEST(ErrorReport, TitlesNameTheExamAndTheLevelsIncluded) {
  for (const auto& [exam, ticked, title, subtitle] :
       {std::tuple{2, true, "2000", ""}, {10, true, "Delta 2004", "- Brevet de Pilote - QCMs B. Initial inclus"},
        {8, true, "Parapente 2004", "- Brevet de Pilote Confirmé - QCMs B. Initial & Pilote inclus"}}) {
    const ErrorReport report = errorReport(exam, ticked, ErrorLists{});
    EXPECT_EQ(report.title + " " + report.subtitle, std::string(title) + " " + subtitle) << exam;
  }
}

TEST(ErrorReport, ACombinedLineHoldsOnlyTheLevelsThatHaveMistakes) {
  ErrorLists errors;
  // {6, 6} is the initial brevet's piloting chapter, on line 7.
  for (const auto& [key, name] : {std::pair{ListKey{6, 3}, "12"}, {{6, 3}, "15"}, {{7, 3}, "4"}, {{7, 4}, "44"},
                                  {{8, 5}, "55"}, {{6, 6}, "66"}})
    errors.add(key, name);
  EXPECT_EQ(errorReport(7, true, errors).lines,
            (Lines{"", "", "-Initial:12,15-Pilote:4", "-Pilote:44", "", "", "-Initial:66", ""}));
  EXPECT_EQ(errorReport(8, true, errors).line(5), "-Confirmé:55");
  const ErrorReport none = errorReport(11, true, ErrorLists{});
  EXPECT_EQ(none.lines, Lines(8, ""));
  EXPECT_EQ(none.line(9) + none.line(0), "");
}

}  // namespace
}  // namespace ventelle
