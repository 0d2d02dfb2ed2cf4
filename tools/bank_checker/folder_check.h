#pragma once
// Checks every question bank of a program folder: the thirty 2004 module
// files and the chapter files of the other five banks.
#include <set>
#include <string>
#include <vector>

#include "bank_checker/fault.h"
#include "bank_checker/question_checks.h"
#include "core/program_folder.h"

namespace ventelle::bankcheck {

constexpr int kModuleCount = 30;

struct FileReport {
  std::string file;    // shown name: "2004/5.qcm", or a bank folder missing as a whole
  bool read = false;   // the file was found and read
  std::vector<std::string> questionNames;  // in file order, when read
  Faults faults;
};

struct FolderReport {
  std::vector<FileReport> files;  // 2004 modules 1..30, then the banks in exam order
  std::size_t faultCount() const;
};

// The numbers of the question names of a 2004 module (1..30).
NameRange moduleNameRange(int module);

// One bank file: its bytes, its line ends and its questions.
FileReport checkBankFile(const ProgramFolder& folder, const std::string& programPath, const BankFile& bank,
                         const std::set<std::string>* lexicon);

// Every bank of the folder. "Lex" comments are checked when the folder has a
// "Lexique.dat"; names must also be unique across the thirty 2004 modules.
FolderReport checkProgramFolder(const ProgramFolder& folder);

}  // namespace ventelle::bankcheck
