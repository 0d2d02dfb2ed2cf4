#pragma once
// The 2004 chapter files "2004\4Chapitre<k>.dat" are built from the numbered
// module files "2004\<m>.qcm". Each chapter file is written whole into a
// temporary file and renamed, so none is ever half written, and it is dropped
// from the chapter library so its new questions are read.
#include <string>
#include <vector>

#include "bank/chapter_library.h"
#include "core/exam_catalogue.h"

namespace ventelle {

// What could not be done; the other chapters were built.
struct ModuleProblems {
  std::vector<std::string> unreadableModules;   // program paths
  std::vector<std::string> unwritableChapters;  // program paths

  bool empty() const { return unreadableModules.empty() && unwritableChapters.empty(); }
};

std::string modulePath(int module);

// The module files a 2004 brevet's chapter file is built from, in order: its
// own module, then those of the lower levels when they are included (the
// confirmed hang-glider brevet with its lower levels is laid out as the
// pilot brevet).
std::vector<std::string> chapterSources(int examIndex, bool lowerLevels, int chapter);
std::string chapter2004Path(int chapter);

// Copies module modules[k-1] over chapter k for every k whose module is not
// 0. A chapter whose module cannot be read is removed, so that it is never
// asked with another brevet's questions.
ModuleProblems copyModules(ChapterLibrary& library, const std::vector<int>& modules);

// Appends to the chapter file two empty lines and the lines of module a, then
// one empty line and the lines of module b (when b is not 0), then one empty
// line; every copied line ends with CR LF. A module that cannot be read is
// left out.
ModuleProblems joinModules(ChapterLibrary& library, const ModuleJoin& join);

}  // namespace ventelle
