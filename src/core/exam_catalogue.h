#pragma once
// The eleven exams the program knows, fixed in the program.
#include <string>
#include <vector>

namespace ventelle {

struct ExamInfo {
  int index;                           // 1..11
  std::string bankPrefix;              // "2004\\4", "ulm\\u" ...
  std::string title;                   // window title before the user suffix
  std::vector<std::string> chapters;   // captions of the chapter boxes
};

// The exam with that index (1..11).
const ExamInfo& examInfo(int examIndex);

// The 2004 module file of each chapter of a 2004 exam (0: chapter unused);
// empty for the other exams.
std::vector<int> modulesOf(int examIndex);

// The exam shown when nothing else has been chosen.
constexpr int kDefaultExam = 7;

// DGAC exams score all or nothing.
bool isDgacBank(const std::string& bankPrefix);

// Chapters ticked by default: all but chapter 6 of the 2000 and aeroplane banks.
bool isChapterTickedByDefault(const std::string& bankPrefix, int chapter);

// Path of chapter n's file: prefix + "Chapitre" + n + ".dat".
std::string chapterFilePath(const std::string& bankPrefix, int chapter);

// Size of a questionnaire and the shape of its answer grid.
struct PageLayout {
  int gridColumns;  // the test has gridColumns x gridRows questions
  int gridRows;
};

struct TestOptions {
  bool instructorTest = false;
  bool confirmedTest = false;
};

PageLayout determinePageLayout(int examIndex, const TestOptions& options);

}  // namespace ventelle
