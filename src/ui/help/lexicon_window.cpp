#include "ui/help/lexicon_window.h"

#include "core/record_reader.h"
#include "core/utf8_text.h"
#include "ui/help/help_texts.h"

namespace ventelle {

LexiconWindow::LexiconWindow(const ProgramFolder& folder, const std::string& word) {
  if (const auto lines = readTextFile(folder.resolve(kLexiconFile))) {
    RecordReader reader(*lines);
    while (reader.nextLine()) {
      reader.resetLineHasNoKey();
      std::string term = reader.item();
      if (reader.lineHasNoKey() || term.empty()) continue;
      terms_.push_back(std::move(term));
      definitions_.push_back(reader.data());
    }
  }
  if (terms_.empty()) {
    definition_ = help_texts::kNoLexicon;
    return;
  }
  // A no-break space in the word or a term counts as a blank.
  const std::string wanted = withPlainBlanks(word);
  if (wanted.empty()) return;
  for (std::size_t i = 0; i < terms_.size(); ++i) {
    if (withPlainBlanks(terms_[i]) == wanted) {
      select(i);
      return;
    }
  }
}

void LexiconWindow::select(std::size_t i) {
  if (i >= terms_.size()) return;
  selected_ = i;
  term_ = terms_[i];
  // A term listed twice shows the definition of its first line.
  const std::string wanted = withPlainBlanks(term_);
  for (std::size_t k = 0; k < terms_.size(); ++k) {
    if (withPlainBlanks(terms_[k]) == wanted) {
      definition_ = definitions_[k];
      return;
    }
  }
}

}  // namespace ventelle
