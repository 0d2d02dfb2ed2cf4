#include "ui/help/random_tip.h"

#include <vector>

#include "core/record_reader.h"
#include "core/text_file.h"

namespace ventelle {
namespace {

// nextLine() answers true for a record that ends the file, so none is lost.
std::vector<std::string> tipsOf(const TextLines& lines) {
  std::vector<std::string> tips;
  RecordReader reader(lines);
  while (reader.nextLine()) tips.push_back(reader.currentLine());
  return tips;
}

}  // namespace

std::optional<std::string> drawRandomTip(const ProgramFolder& folder, RandomSource& random) {
  const auto lines = readTextFile(folder.resolve(kTipFile));
  if (!lines) return std::nullopt;
  const auto tips = tipsOf(*lines);
  if (tips.empty()) return std::nullopt;
  return tips[random.draw(static_cast<int>(tips.size())) - 1];
}

}  // namespace ventelle
