#pragma once
// Which error list a mistake belongs to.
#include <string>

#include "quiz/error_lists.h"

namespace ventelle {

// The list of the current exam and chapter, except for a 2004 brevet that
// includes the lower levels: then the question's 2004 number names the brevet
// and chapter it comes from. A 2004 number outside every known range, or a
// name without a leading number, stays with the current exam and chapter.
ListKey mistakeList(int examIndex, int chapter, bool includeLowerLevels, const std::string& questionName);

}  // namespace ventelle
