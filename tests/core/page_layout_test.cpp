#include <gtest/gtest.h>

#include "core/exam_catalogue.h"
#include "core/page_layout.h"

namespace ventelle {
namespace {

PageLayoutInputs inputsFor(int exam, bool instructor, bool confirmed) {
  PageLayoutInputs in;
  in.examIndex = exam;
  in.bankPrefix = examInfo(exam).bankPrefix;
  in.instructorTest = instructor;
  in.confirmedTest = confirmed;
  in.paragliderBrevetChecked = isParagliderBrevet(exam);
  return in;
}

// One row per branch: the instructor option wins over the confirmed one, and
// the authority's exams (3, 4, 5) keep their size whatever the options.
TEST(PageLayout, SizeTitleSubtitleAndGridFollowTheExamAndItsOptions) {
  const std::string p2004 = "QCM Parapente v2004 (FFVL)", d2004 = "QCM Delta v2004 (FFVL)", ulm = "QCM ULM (DGAC)",
                    ppl = "QCM Pilote Privé Avion (DGAC)", initial = "- brevet initial (";
  using Row = std::tuple<int, bool, bool, int, std::string, std::string, int, int>;
  for (const auto& [exam, instructor, confirmed, count, subtitle, title, columns, rows] : std::vector<Row>{
           {6, true, true, 20, initial + "20 questions) -", p2004, 2, 10},
           {6, false, true, 30, initial + "30 questions) -", p2004, 3, 10},
           {9, false, false, 60, initial + "60 questions) -", d2004, 4, 15},
           {1, true, true, 20, "- qualification biplace (QBi) -", "QCM du manuel du vol libre (FFVL)", 2, 10},
           {2, false, true, 30, "- brevet de pilote confirmé -", "QCM 2000 (FFVL)", 3, 10},
           {10, false, false, 60, "- brevet de pilote -", d2004, 4, 15},
           {4, false, true, 40, "- certificat d'aptitude -", ulm, 4, 10},
           {5, false, true, 60, "- certificat d'aptitude -", "QCM Vol à Voile (DGAC)", 4, 15},
           {3, true, false, 60, "- qualification instructeur -", ppl, 4, 15},
           {3, false, true, 60, "- PPL -", ppl, 4, 15}}) {
    const PageLayout layout = determinePageLayout(inputsFor(exam, instructor, confirmed));
    EXPECT_EQ(std::tie(layout.questionCount, layout.subtitle, layout.title, layout.gridColumns, layout.gridRows),
              std::tie(count, subtitle, title, columns, rows))
        << "exam " << exam << " instructor " << instructor << " confirmed " << confirmed;
  }
  PageLayoutInputs lower = inputsFor(8, false, true);
  lower.includesLowerLevels = true;
  EXPECT_EQ(determinePageLayout(lower).subtitle, "- brevet de pilote confirmé - QCMs cumulés -");
}

// What the size options can reach on each exam's menus.
TEST(PageLayout, EachExamOffersTheSizesItsOptionsReach) {
  const std::vector<std::vector<int>> sizes = {
      {20, 30, 60}, {20, 30, 60}, {60}, {40}, {60}, {20, 30, 60}, {60}, {20, 30}, {20, 30, 60}, {60}, {20, 30}};
  for (int exam = 1; exam <= kExamCount; ++exam) EXPECT_EQ(offeredQuestionCounts(exam), sizes[exam - 1]) << exam;
}

}  // namespace
}  // namespace ventelle
