#include "quiz/mistake_routing.h"

#include <array>
#include <cctype>
#include <optional>

namespace ventelle {
namespace {

constexpr int kCurrent = 0;

struct Route {
  int first, last;
  int paragliderExam, paragliderChapter;
  int hangGliderExam, hangGliderChapter;
};

// Numbers shared by both wings go to the column of the current wing; numbers
// proper to one wing carry the same destination in both columns.
constexpr std::array<Route, 30> kRoutes = {{
    {1, 25, 6, kCurrent, 9, kCurrent},
    {47, 63, 6, kCurrent, 9, kCurrent},
    {177, 179, 6, kCurrent, 9, kCurrent},
    {360, 374, 6, 6, 9, 6},
    {26, 34, 7, kCurrent, 10, kCurrent},
    {64, 104, 7, kCurrent, 10, kCurrent},
    {180, 190, 7, kCurrent, 10, kCurrent},
    {271, 321, 7, kCurrent, 10, kCurrent},
    {375, 425, 7, kCurrent, 10, kCurrent},
    {35, 46, 8, kCurrent, 11, kCurrent},
    {105, 130, 8, kCurrent, 11, kCurrent},
    {191, 195, 8, kCurrent, 11, 3},
    {322, 359, 8, kCurrent, 11, 4},
    {426, 452, 8, kCurrent, 11, 5},
    {131, 135, 6, kCurrent, 6, kCurrent},
    {196, 218, 6, kCurrent, 6, kCurrent},
    {453, 478, 6, 7, 6, 7},
    {136, 154, 7, kCurrent, 7, kCurrent},
    {219, 240, 7, kCurrent, 7, kCurrent},
    {479, 518, 7, kCurrent, 7, kCurrent},
    {155, 164, 8, kCurrent, 8, kCurrent},
    {241, 254, 8, kCurrent, 8, kCurrent},
    {519, 547, 8, kCurrent, 8, kCurrent},
    {165, 172, 9, kCurrent, 9, kCurrent},
    {255, 261, 9, kCurrent, 9, kCurrent},
    {548, 559, 9, 7, 9, 7},
    {580, 583, 11, 6, 11, 6},
    {173, 176, 10, kCurrent, 10, kCurrent},
    {262, 270, 10, kCurrent, 10, kCurrent},
    {560, 579, 10, kCurrent, 10, kCurrent},
}};

std::optional<int> leadingNumber(const std::string& name) {
  std::size_t digits = 0;
  while (digits < name.size() && digits < 9 && std::isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
  if (digits == 0) return std::nullopt;
  return std::stoi(name.substr(0, digits));
}

std::optional<Route> routeOf(int number) {
  for (const auto& route : kRoutes)
    if (number >= route.first && number <= route.last) return route;
  return std::nullopt;
}

// With the lower levels included a brevet shows the eight chapters of the
// pilot brevet. The initial brevets' seven chapters stand behind shown
// chapters 1 to 5, 7 and 8, the hang-glider confirmed brevet's six behind 1,
// 2, 4, 6, 7 and 8 (0: none). A mistake is kept under the brevet's own chapter;
// one on a shown chapter without a counterpart goes to the pilot brevet's
// chapter, so that it is neither lost nor written outside the brevet's lines.
ListKey ownChapterList(int exam, int shownChapter) {
  static constexpr std::array<int, 9> kInitial = {0, 1, 2, 3, 4, 5, 0, 6, 7};
  static constexpr std::array<int, 9> kHangGliderConfirmed = {0, 1, 2, 0, 3, 0, 4, 5, 6};
  const bool initial = exam == 6 || exam == 9;
  if ((!initial && exam != 11) || shownChapter < 1 || shownChapter > 8) return {exam, shownChapter};
  const auto& own = initial ? kInitial : kHangGliderConfirmed;
  const int chapter = own[static_cast<std::size_t>(shownChapter)];
  const int pilot = exam == 6 ? 7 : 10;
  return chapter != 0 ? ListKey{exam, chapter} : ListKey{pilot, shownChapter};
}

}  // namespace

ListKey mistakeList(int examIndex, int chapter, bool includeLowerLevels, const std::string& questionName) {
  const ListKey current{examIndex, chapter};
  if (!includeLowerLevels || examIndex < 6) return current;
  const auto number = leadingNumber(questionName);
  const auto route = number ? routeOf(*number) : std::nullopt;
  if (!route) return current;
  const bool paraglider = examIndex == 7 || examIndex == 8;
  const int exam = paraglider ? route->paragliderExam : route->hangGliderExam;
  const int destination = paraglider ? route->paragliderChapter : route->hangGliderChapter;
  if (destination != kCurrent) return {exam, destination};
  return ownChapterList(exam, chapter);
}

}  // namespace ventelle
