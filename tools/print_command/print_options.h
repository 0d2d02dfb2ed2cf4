#pragma once
// The command line of ventelle-print: which exam, which documents, where.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ventelle {

struct PrintOptions {
  int exam = 7;
  std::optional<std::uint64_t> seed;  // the same seed draws the same questionnaire
  int copies = 1;
  std::optional<int> size;  // 20, 30 or 60 questions; the exam's own size when absent
  bool includeLower = false;
  std::optional<std::filesystem::path> folder;  // the program folder
  std::optional<std::filesystem::path> questionnaire;
  std::optional<std::filesystem::path> answerSheets;
  std::optional<std::filesystem::path> correction;
  std::optional<std::string> user;
  std::optional<std::filesystem::path> errorReport;
  bool help = false;
};

// The options, or the French message that says what is wrong with them.
std::variant<PrintOptions, std::string> parsePrintOptions(const std::vector<std::string>& arguments);

// What --help prints.
std::string printUsage();

}  // namespace ventelle
