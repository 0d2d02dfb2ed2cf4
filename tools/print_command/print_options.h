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
  std::optional<int> exam;  // the user's own exam when absent, else the default exam
  std::optional<std::uint64_t> seed;  // the same seed draws the same questionnaire
  int copies = 1;
  std::optional<int> size;  // 20, 30, 40 or 60 questions; the size set by the options when absent
  std::optional<bool> includeLower;  // as the user's profile sets it when absent
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

// "20, 30 ou 60": the sizes an exam offers, as a French list.
std::string sizeList(int examIndex);

}  // namespace ventelle
