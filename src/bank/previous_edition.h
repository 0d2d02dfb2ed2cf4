#pragma once
// The previous edition of the question banks: the names of each bank file's
// questions in their order then. A questionnaire saved with that edition
// points at its questions by place only; this finds them again by name.
#include <map>
#include <string>
#include <vector>

#include "core/program_folder.h"

namespace ventelle {

inline const std::string kPreviousEditionFile = "questions-precedentes.txt";

struct PreviousQuestion {
  std::string name;
  bool replaced = false;  // another question stands under this name today
};

// By program path of a bank file ("2004\\5.qcm", "ulm\\uChapitre1.dat").
using PreviousEdition = std::map<std::string, std::vector<PreviousQuestion>>;

// Lines "path=name,name*,...", ";" comments and blank lines skipped; a name
// ending in "*" was replaced. Empty when the file is missing.
PreviousEdition readPreviousEdition(const ProgramFolder& folder);

}  // namespace ventelle
