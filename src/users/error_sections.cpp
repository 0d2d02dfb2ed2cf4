#include "users/error_sections.h"

#include <algorithm>

#include "core/record_reader.h"

namespace ventelle {
namespace {

bool isHeader(const std::string& line) {
  std::string name;
  return sectionName(line, name);
}

// Significant lines (neither blank nor ";" comments) of the file, from the
// second on: the first is the settings line.
std::vector<std::string> significantLines(const TextLines& lines) {
  std::vector<std::string> kept;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string trimmed = trimSpaces(lines[k]);
    if (!trimmed.empty() && !trimmed.starts_with(';')) kept.push_back(lines[k]);
  }
  return kept;
}

std::string valueOf(const std::string& line) {
  const auto equals = line.find('=');
  return equals == std::string::npos ? std::string() : trimSpaces(std::string_view(line).substr(equals + 1));
}

std::string headerOf(const std::string& line) { return trimSpaces(line); }

}  // namespace

const std::array<ErrorSection, 11>& errorSections() {
  static const std::array<ErrorSection, 11> kSections = {{
      {"[Manuel]", 1, 6},
      {"[2000]", 2, 9},
      {"[2004PI]", 6, 7},
      {"[2004PP]", 7, 8},
      {"[2004PC]", 8, 8},
      {"[2004DI]", 9, 7},
      {"[2004DP]", 10, 8},
      {"[2004DC]", 11, 6},
      {"[Planeur]", 5, 5},
      {"[ULM]", 4, 6},
      {"[Avion]", 3, 6},
  }};
  return kSections;
}

void appendErrorSections(const ErrorLists& errors, TextLines& out) {
  for (const auto& section : errorSections()) {
    out.push_back(section.header);
    for (int k = 1; k <= section.chapters; ++k)
      out.push_back("Chapitre" + std::to_string(k) + "=" + errors.list({section.exam, k}));
    out.emplace_back();
  }
  out.push_back(kHistoryHeader);
}

ErrorSectionsRead readErrorSections(const TextLines& lines) {
  ErrorSectionsRead read;
  const auto significant = significantLines(lines);
  std::size_t at = 0;
  for (const auto& section : errorSections()) {
    if (at >= significant.size() || headerOf(significant[at]) != section.header) {
      read.problems.push_back("la section " + section.header + " est absente ou mal placée");
      // Resynchronise on the header if it stands further on.
      const auto found = std::find_if(significant.begin() + static_cast<long>(std::min(at, significant.size())),
                                      significant.end(),
                                      [&section](const std::string& line) { return headerOf(line) == section.header; });
      if (found == significant.end()) continue;
      at = static_cast<std::size_t>(found - significant.begin());
    }
    ++at;  // the header
    int chapter = 0;
    while (at < significant.size() && !isHeader(significant[at])) {
      if (++chapter <= section.chapters) {
        const std::string list = valueOf(significant[at]);
        if (!list.empty()) read.errors.add({section.exam, chapter}, list);
      } else if (chapter == section.chapters + 1) {
        read.problems.push_back("la section " + section.header + " a des lignes en trop");
      }
      ++at;
    }
    if (chapter < section.chapters) read.problems.push_back("la section " + section.header + " est incomplète");
  }
  return read;
}

}  // namespace ventelle
