#pragma once
// The eleven exams the program knows, fixed in the program.
#include <string>
#include <vector>

namespace ventelle {

struct ExamInfo {
  int index;                           // 1..11
  std::string menuItem;                // control name of its "&Version" menu item
  std::string bankPrefix;              // "2004\\4", "ulm\\u" ...
  std::string title;                   // window title before the user suffix
  std::vector<std::string> chapters;   // captions of the chapter boxes
};

constexpr int kExamCount = 11;

// The exam with that index (1..11).
const ExamInfo& examInfo(int examIndex);

// The 2004 module file of each chapter of a 2004 exam (0: chapter unused);
// empty for the other exams.
std::vector<int> modulesOf(int examIndex);

// The exam shown at start-up until a profile chooses another.
constexpr int kDefaultExam = 7;

// DGAC exams score all or nothing.
bool isDgacBank(const std::string& bankPrefix);

// Chapters ticked by default: all but chapter 6 of the 2000 and aeroplane banks.
bool isChapterTickedByDefault(const std::string& bankPrefix, int chapter);

// Path of chapter n's file: prefix + "Chapitre" + n + ".dat".
std::string chapterFilePath(const std::string& bankPrefix, int chapter);

// The 2004 brevets: 6 to 8 for the paraglider, 9 to 11 for the hang-glider.
inline bool is2004Exam(int examIndex) { return examIndex >= 6 && examIndex <= 11; }
inline bool isParagliderBrevet(int examIndex) { return examIndex >= 6 && examIndex <= 8; }

// One append of lower-level modules to a 2004 chapter file: module a, then
// module b unless it is 0.
struct ModuleJoin {
  int chapter;
  int a;
  int b = 0;
};

// The appends that include the lower brevets in the brevets that have them
// (7, 8, 10, 11); empty for the others. Exam 11 is first rebuilt as exam 10.
const std::vector<ModuleJoin>& lowerLevelJoins(int examIndex);

// Only the pilot and confirmed brevets can include the lower levels.
bool canIncludeLowerLevels(int examIndex);

}  // namespace ventelle
