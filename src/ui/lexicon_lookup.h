#pragma once
// Until the lexicon window exists, the lexicon paperclip shows the entry's
// definition from "Lexique.dat" in a message box.
#include <optional>
#include <string>

#include "core/text_file.h"
#include "ui/window_context.h"

namespace ventelle {

// The definition of the first entry whose term is exactly that word.
std::optional<std::string> lexiconDefinition(const TextLines& lexicon, const std::string& word);

void showLexiconEntry(WindowContext& ctx, const std::string& word);

}  // namespace ventelle
