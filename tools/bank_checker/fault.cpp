#include "bank_checker/fault.h"

namespace ventelle::bankcheck {

std::string shownPath(std::string programPath) {
  for (char& c : programPath)
    if (c == '\\') c = '/';
  return programPath;
}

std::string describe(const Fault& fault) {
  std::string text = fault.file;
  if (!fault.question.empty()) text += " [" + fault.question + "]";
  if (fault.line > 0) text += " ligne " + std::to_string(fault.line);
  return text + " : " + fault.message;
}

}  // namespace ventelle::bankcheck
