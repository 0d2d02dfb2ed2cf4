#pragma once
// Checks of the questions of one chapter file (or 2004 module file), read the
// way the program reads them.
#include <optional>
#include <set>
#include <string>

#include "bank/chapter_library.h"
#include "bank_checker/fault.h"
#include "core/program_folder.h"
#include "core/text_file.h"

namespace ventelle::bankcheck {

// The numbers a 2004 module's question names may begin with.
struct NameRange {
  int module = 0;
  int first = 0;
  int last = 0;
};

// How the program sees one file of a bank.
struct BankFile {
  std::string file;        // shown name: "2004/5.qcm", "avion/aChapitre1.dat"
  std::string bankPrefix;  // prefix of its pictures and of the program's messages: "2004\\4", "avion\\a"
  int chapter = 0;         // chapter number under which the program reads it
  bool dgac = false;       // DGAC banks: exactly one right answer, worth 6
  std::optional<NameRange> names;  // 2004 modules only
};

// The terms of "Lexique.dat": the key of each of its lines, as the lexicon
// finds them (a no-break space counting as a blank).
std::set<std::string> lexiconTerms(const TextLines& lexicon);

// Every question of the file: the program's own loader must accept it; it
// needs one to five answers whose positive values add up to 6 (for a DGAC
// bank a single right answer worth 6), a unique name (in range for a 2004
// module), its picture when its name ends in "i", and, when `lexicon` is
// given, a lexicon term for a "Lex" comment. Also reports a header that the
// program cannot see because it is the file's last line.
Faults checkQuestions(const ChapterIndex& chapter, const BankFile& bank, const ProgramFolder& folder,
                      const std::set<std::string>* lexicon);

}  // namespace ventelle::bankcheck
