#pragma once
// The lexicon FrmLexique: the terms of "Lexique.dat" in file order, and the
// definition of the one chosen.
#include <optional>
#include <string>
#include <vector>

#include "core/program_folder.h"

namespace ventelle {

inline const std::string kLexiconFile = "Lexique.dat";

class LexiconWindow {
 public:
  // Reads the lexicon and selects the first term that is exactly `word`;
  // nothing is selected for an empty word or one the lexicon lacks.
  LexiconWindow(const ProgramFolder& folder, const std::string& word);

  // The list Lexique: one entry per "term=definition" line.
  const std::vector<std::string>& terms() const { return terms_; }
  const std::optional<std::size_t>& selected() const { return selected_; }
  // Etiquette(1) and Etiquette(2): the term chosen and its definition.
  const std::string& term() const { return term_; }
  const std::string& definition() const { return definition_; }

  // A click on entry i: shows it and the definition of the first line of its
  // term.
  void select(std::size_t i);

 private:
  std::vector<std::string> terms_;
  std::vector<std::string> definitions_;
  std::optional<std::size_t> selected_;
  std::string term_;
  std::string definition_;
};

}  // namespace ventelle
