#include <gtest/gtest.h>

#include "core/exam_catalogue.h"
#include "core/page_layout.h"

namespace ventelle {
namespace {

struct LayoutRow {
  int exam;
  bool instructor;
  bool confirmed;
  int count;
  std::string subtitle;
  int columns;
  int rows;
};

// The instructor option wins over the confirmed one where both are set.
const std::vector<LayoutRow> kRows = {
    {6, true, true, 20, "- brevet initial (20 questions) -", 2, 10},
    {6, false, true, 30, "- brevet initial (30 questions) -", 3, 10},
    {9, false, false, 60, "- brevet initial (60 questions) -", 4, 15},
    {1, true, false, 20, "- qualification biplace (QBi) -", 2, 10},
    {2, false, true, 30, "- brevet de pilote confirmé -", 3, 10},
    {7, false, false, 60, "- brevet de pilote -", 4, 15},
    {8, true, true, 20, "- qualification biplace (QBi) -", 2, 10},
    {10, false, false, 60, "- brevet de pilote -", 4, 15},
    {11, false, true, 30, "- brevet de pilote confirmé -", 3, 10},
    {4, true, false, 40, "- qualification instructeur -", 4, 10},
    {4, false, true, 40, "- certificat d'aptitude -", 4, 10},
    {4, false, false, 40, "- certificat d'aptitude -", 4, 10},
    {5, true, false, 60, "- qualification instructeur -", 4, 15},
    {5, false, true, 60, "- certificat d'aptitude -", 4, 15},
    {5, false, false, 60, "- certificat d'aptitude -", 4, 15},
    {3, true, false, 60, "- qualification instructeur -", 4, 15},
    {3, false, true, 60, "- PPL -", 4, 15},
    {3, false, false, 60, "- PPL -", 4, 15},
};

PageLayoutInputs inputsFor(int exam, bool instructor, bool confirmed) {
  PageLayoutInputs in;
  in.examIndex = exam;
  in.bankPrefix = examInfo(exam).bankPrefix;
  in.instructorTest = instructor;
  in.confirmedTest = confirmed;
  in.paragliderBrevetChecked = isParagliderBrevet(exam);
  return in;
}

TEST(PageLayout, SizeSubtitleAndGridFollowTheExamAndItsOptions) {
  for (const LayoutRow& row : kRows) {
    SCOPED_TRACE(testing::Message() << "exam " << row.exam << " instructor " << row.instructor << " confirmed "
                                    << row.confirmed);
    const PageLayout layout = determinePageLayout(inputsFor(row.exam, row.instructor, row.confirmed));
    EXPECT_EQ(layout.questionCount, row.count);
    EXPECT_EQ(layout.subtitle, row.subtitle);
    EXPECT_EQ(layout.gridColumns, row.columns);
    EXPECT_EQ(layout.gridRows, row.rows);
  }
}

TEST(PageLayout, IncludedLowerLevelsAreNamedAfterTheSubtitle) {
  PageLayoutInputs in = inputsFor(8, false, true);
  in.includesLowerLevels = true;
  EXPECT_EQ(determinePageLayout(in).subtitle, "- brevet de pilote confirmé - QCMs cumulés -");
}

TEST(PageLayout, TitleNamesTheBankAndFor2004TheWing) {
  const std::vector<std::pair<int, std::string>> titles = {
      {1, "QCM du manuel du vol libre (FFVL)"}, {2, "QCM 2000 (FFVL)"},
      {3, "QCM Pilote Privé Avion (DGAC)"},     {4, "QCM ULM (DGAC)"},
      {5, "QCM Vol à Voile (DGAC)"},            {6, "QCM Parapente v2004 (FFVL)"},
      {8, "QCM Parapente v2004 (FFVL)"},        {9, "QCM Delta v2004 (FFVL)"},
      {11, "QCM Delta v2004 (FFVL)"}};
  for (const auto& [exam, title] : titles) EXPECT_EQ(determinePageLayout(inputsFor(exam, false, false)).title, title) << exam;
}

// What the size options can reach on each exam's menus.
TEST(PageLayout, EachExamOffersTheSizesItsOptionsReach) {
  const std::vector<std::vector<int>> sizes = {
      {20, 30, 60}, {20, 30, 60}, {60}, {40}, {60}, {20, 30, 60}, {60}, {20, 30}, {20, 30, 60}, {60}, {20, 30}};
  for (int exam = 1; exam <= kExamCount; ++exam) EXPECT_EQ(offeredQuestionCounts(exam), sizes[exam - 1]) << exam;
}

}  // namespace
}  // namespace ventelle
