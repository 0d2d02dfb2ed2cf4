#include "ui/lexicon_lookup.h"

#include "core/record_reader.h"

namespace ventelle {

std::optional<std::string> lexiconDefinition(const TextLines& lexicon, const std::string& word) {
  RecordReader reader(lexicon);
  while (reader.nextLine()) {
    reader.resetLineHasNoKey();
    if (reader.item() == word && !reader.lineHasNoKey()) return reader.data();
  }
  return std::nullopt;
}

void showLexiconEntry(WindowContext& ctx, const std::string& word) {
  const auto lexicon = readTextFile(ctx.library.folder().resolve("Lexique.dat"));
  const auto definition = lexicon ? lexiconDefinition(*lexicon, word) : std::nullopt;
  ctx.dialogs.message(MessageIcon::Information, "Lexique",
                      definition ? word + " : " + *definition : "Le terme « " + word + " » est absent du lexique.");
}

}  // namespace ventelle
