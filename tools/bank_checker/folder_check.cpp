#include "bank_checker/folder_check.h"

#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>

#include "bank/chapter_library.h"
#include "bank_checker/text_checks.h"
#include "core/exam_catalogue.h"
#include "core/windows1252.h"

namespace ventelle::bankcheck {
namespace {

// First question number of each module; a module ends where the next begins.
constexpr std::array<int, kModuleCount + 1> kModuleFirstNumber = {
    1,   26,  35,  47,  64,  105, 131, 136, 155, 165, 173, 177, 180, 191, 196, 219,
    241, 255, 262, 271, 322, 360, 375, 426, 453, 479, 519, 548, 560, 580, 584};

constexpr int kFirstBankExam = 1;  // manuel, 2000, avion, ulm, planeur: exams 1 to 5
constexpr int kLastBankExam = 5;
constexpr int kFirst2004Exam = 6;
constexpr int kLast2004Exam = 11;

const std::string k2004Prefix = "2004\\4";

std::optional<std::string> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// The chapter a module first becomes, so that a loader message names the
// chapter file the program would report.
int chapterOfModule(int module) {
  for (int exam = kFirst2004Exam; exam <= kLast2004Exam; ++exam) {
    const auto modules = modulesOf(exam);
    for (std::size_t k = 0; k < modules.size(); ++k)
      if (modules[k] == module) return static_cast<int>(k + 1);
  }
  return 1;
}

bool folderExists(const ProgramFolder& folder, const std::string& name) {
  std::error_code error;
  return std::filesystem::is_directory(folder.resolve(name), error);
}

FileReport missingFolder(const std::string& name) {
  return {name, false, {}, {{name, "", 0, "dossier absent"}}};
}

void reportNamesSharedByModules(std::vector<FileReport>& modules) {
  std::map<std::string, std::string> firstFile;
  for (auto& report : modules) {
    for (const auto& name : report.questionNames) {
      const auto [seen, isNew] = firstFile.emplace(name, report.file);
      if (!isNew && seen->second != report.file)
        report.faults.push_back({report.file, name, 0, "nom déjà employé dans " + seen->second});
    }
  }
}

}  // namespace

std::size_t FolderReport::faultCount() const {
  std::size_t count = 0;
  for (const auto& file : files) count += file.faults.size();
  return count;
}

NameRange moduleNameRange(int module) {
  if (module < 1 || module > kModuleCount) throw std::out_of_range("2004 module number");
  return {module, kModuleFirstNumber[module - 1], kModuleFirstNumber[module] - 1};
}

FileReport checkBankFile(const ProgramFolder& folder, const std::string& programPath, const BankFile& bank,
                         const std::set<std::string>* lexicon) {
  FileReport report{bank.file, false, {}, {}};
  const auto path = folder.resolve(programPath);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    report.faults.push_back({bank.file, "", 0, "fichier absent"});
    return report;
  }
  const auto bytes = readBytes(path);
  if (!bytes) {
    report.faults.push_back({bank.file, "", 0, "fichier illisible"});
    return report;
  }
  report.read = true;
  report.faults = checkTextBytes(bank.file, *bytes);
  const ChapterIndex chapter = indexChapter(splitLines(decodeWindows1252(*bytes)));
  for (const auto& header : chapter.headers) report.questionNames.push_back(header.name);
  if (chapter.headers.empty()) report.faults.push_back({bank.file, "", 0, "aucune question"});
  auto questionFaults = checkQuestions(chapter, bank, folder, lexicon);
  report.faults.insert(report.faults.end(), questionFaults.begin(), questionFaults.end());
  return report;
}

FolderReport checkProgramFolder(const ProgramFolder& folder) {
  std::optional<std::set<std::string>> lexicon;
  const auto lexiconPath = folder.resolve("Lexique.dat");
  std::error_code error;
  if (std::filesystem::is_regular_file(lexiconPath, error)) {
    if (const auto lines = readTextFile(lexiconPath)) lexicon = lexiconTerms(*lines);
  }
  const std::set<std::string>* terms = lexicon ? &*lexicon : nullptr;

  FolderReport report;
  if (!folderExists(folder, "2004")) {
    report.files.push_back(missingFolder("2004"));
  } else {
    for (int module = 1; module <= kModuleCount; ++module) {
      const std::string programPath = "2004\\" + std::to_string(module) + ".qcm";
      const BankFile bank{shownPath(programPath), k2004Prefix, chapterOfModule(module), false,
                          moduleNameRange(module)};
      report.files.push_back(checkBankFile(folder, programPath, bank, terms));
    }
    reportNamesSharedByModules(report.files);
  }

  for (int exam = kFirstBankExam; exam <= kLastBankExam; ++exam) {
    const ExamInfo& info = examInfo(exam);
    const std::string bankFolder = info.bankPrefix.substr(0, info.bankPrefix.find('\\'));
    if (!folderExists(folder, bankFolder)) {
      report.files.push_back(missingFolder(bankFolder));
      continue;
    }
    for (int chapter = 1; chapter <= static_cast<int>(info.chapters.size()); ++chapter) {
      const std::string programPath = chapterFilePath(info.bankPrefix, chapter);
      const BankFile bank{shownPath(programPath), info.bankPrefix, chapter, isDgacBank(info.bankPrefix),
                          std::nullopt};
      report.files.push_back(checkBankFile(folder, programPath, bank, terms));
    }
  }
  return report;
}

}  // namespace ventelle::bankcheck
