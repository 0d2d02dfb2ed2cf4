// The lexicon "Lexique.dat" as its window reads it, opened on the word of
// the input's first line as a question's paperclip opens it, then every
// entry clicked.
#include "core/utf8_text.h"
#include "fuzz_support.h"
#include "ui/help/lexicon_window.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::bytesOf(data, size);
  const auto& folder = fuzz::scratch();
  folder.write(kLexiconFile, bytes);
  const auto lines = fuzz::linesOf(bytes);
  const std::string word = lines.empty() ? std::string() : lines.front();

  LexiconWindow window(ProgramFolder(folder.path()), word);
  // A term is found whatever blanks, plain or no-break, stand at its ends.
  if (window.selected()) FUZZ_CHECK(withPlainBlanks(window.terms()[*window.selected()]) == withPlainBlanks(word));
  const std::size_t count = std::min<std::size_t>(window.terms().size(), 500);
  for (std::size_t i = 0; i <= count; ++i) {
    window.select(i);
    if (i < count) FUZZ_CHECK(window.term() == window.terms()[i] && window.selected() == i);
  }
  return 0;
}
