#include "ui/lexicon_window.h"

#include "core/record_reader.h"
#include "ui/help_texts.h"

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
  if (word.empty()) return;
  for (std::size_t i = 0; i < terms_.size(); ++i) {
    if (terms_[i] == word) {
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
  for (std::size_t k = 0; k < terms_.size(); ++k) {
    if (terms_[k] == term_) {
      definition_ = definitions_[k];
      return;
    }
  }
}

}  // namespace ventelle
