#include "bank/previous_edition.h"

#include "core/text_file.h"

namespace ventelle {

PreviousEdition readPreviousEdition(const ProgramFolder& folder) {
  PreviousEdition edition;
  const auto lines = readTextFile(folder.resolve(kPreviousEditionFile));
  if (!lines) return edition;
  for (const auto& line : *lines) {
    const auto equals = line.find('=');
    if (line.empty() || line.front() == ';' || equals == std::string::npos) continue;
    auto& questions = edition[line.substr(0, equals)];
    std::size_t start = equals + 1;
    while (start <= line.size()) {
      const auto comma = std::min(line.find(',', start), line.size());
      std::string name = line.substr(start, comma - start);
      const bool replaced = !name.empty() && name.back() == '*';
      if (replaced) name.pop_back();
      if (!name.empty()) questions.push_back({name, replaced});
      start = comma + 1;
    }
  }
  return edition;
}

}  // namespace ventelle
