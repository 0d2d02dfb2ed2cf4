#include "core/page_layout.h"

#include <algorithm>

#include "core/exam_catalogue.h"

namespace ventelle {
namespace {

struct SizeAndSubtitle {
  int questionCount;
  std::string subtitle;
};

SizeAndSubtitle federationSize(const PageLayoutInputs& in) {
  const bool initial = in.examIndex == 6 || in.examIndex == 9;
  if (initial) {
    if (in.instructorTest) return {20, "- brevet initial (20 questions) -"};
    if (in.confirmedTest) return {30, "- brevet initial (30 questions) -"};
    return {60, "- brevet initial (60 questions) -"};
  }
  if (in.instructorTest) return {20, "- qualification biplace (QBi) -"};
  if (in.confirmedTest) return {30, "- brevet de pilote confirmé -"};
  return {60, "- brevet de pilote -"};
}

// The authority's exams keep their size; the instructor option only changes the subtitle.
SizeAndSubtitle sizeAndSubtitle(const PageLayoutInputs& in) {
  const std::string instructor = "- qualification instructeur -";
  if (in.bankPrefix == "ulm\\u") return {40, in.instructorTest ? instructor : "- certificat d'aptitude -"};
  if (in.bankPrefix == "planeur\\p") return {60, in.instructorTest ? instructor : "- certificat d'aptitude -"};
  if (in.bankPrefix == "avion\\a") return {60, in.instructorTest ? instructor : "- PPL -"};
  return federationSize(in);
}

std::string printTitle(const PageLayoutInputs& in) {
  const std::string& p = in.bankPrefix;
  if (p == "manuel\\") return "QCM du manuel du vol libre (FFVL)";
  if (p == "2000\\n") return "QCM 2000 (FFVL)";
  if (p == "planeur\\p") return "QCM Vol à Voile (DGAC)";
  if (p == "ulm\\u") return "QCM ULM (DGAC)";
  if (p == "avion\\a") return "QCM Pilote Privé Avion (DGAC)";
  if (p == "2004\\4") return in.paragliderBrevetChecked ? "QCM Parapente v2004 (FFVL)" : "QCM Delta v2004 (FFVL)";
  return {};
}

}  // namespace

PageLayout determinePageLayout(const PageLayoutInputs& inputs) {
  auto [count, subtitle] = sizeAndSubtitle(inputs);
  if (inputs.includesLowerLevels) subtitle += " QCMs cumulés -";
  PageLayout layout;
  layout.questionCount = count;
  layout.title = printTitle(inputs);
  layout.subtitle = std::move(subtitle);
  layout.gridColumns = count == 20 ? 2 : count == 30 ? 3 : 4;
  layout.gridRows = count == 60 ? 15 : 10;
  return layout;
}

std::vector<int> offeredQuestionCounts(int examIndex) {
  struct Options {
    bool instructor, confirmed;
  };
  const std::string& prefix = examInfo(examIndex).bankPrefix;
  std::vector<Options> reachable;
  if (examIndex == 7 || examIndex == 10)
    reachable = {{false, false}};
  else if (examIndex == 8 || examIndex == 11)
    reachable = {{true, false}, {false, true}};
  else if (isDgacBank(prefix))
    reachable = {{false, false}, {true, false}};
  else
    reachable = {{false, false}, {true, false}, {false, true}};
  std::vector<int> counts;
  for (const Options& o : reachable) {
    PageLayoutInputs in;
    in.examIndex = examIndex;
    in.bankPrefix = prefix;
    in.instructorTest = o.instructor;
    in.confirmedTest = o.confirmed;
    counts.push_back(determinePageLayout(in).questionCount);
  }
  std::sort(counts.begin(), counts.end());
  counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
  return counts;
}

}  // namespace ventelle
