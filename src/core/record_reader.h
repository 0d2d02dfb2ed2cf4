#pragma once
// The line reader shared by every data file: skips blank and ";" comment
// lines, splits "key = value" lines and finds "[section]" headers.
//
// The reader keeps the last significant line in currentLine(). Callers rely
// on two quirks: the line read last carries over between operations, and
// lineHasNoKey() is sticky (only the caller resets it).
#include <string>
#include <string_view>

#include "core/text_file.h"

namespace ventelle {

class RecordReader {
 public:
  explicit RecordReader(const TextLines& lines, std::size_t position = 0)
      : lines_(lines), position_(position) {}

  // Ligne_Suivante: advances to the next line that is neither blank nor a
  // comment. Returns false when the file ends first; currentLine() then holds
  // the last line read, whatever it was.
  bool nextLine();
  // Trouve_Item: key of the current line; sets lineHasNoKey() when it has no "=".
  std::string item();
  // Trouve_Data: value of the current line (the whole line without "=").
  std::string data() const;
  // FindNextSection: moves to the next "[name]" line and leaves the bare name.
  void findNextSection();

  bool atEnd() const { return position_ >= lines_.size(); }
  std::size_t position() const { return position_; }
  const std::string& currentLine() const { return currentLine_; }
  void setCurrentLine(std::string line) { currentLine_ = std::move(line); }
  bool lineHasNoKey() const { return lineHasNoKey_; }
  void resetLineHasNoKey() { lineHasNoKey_ = false; }

 private:
  const TextLines& lines_;
  std::size_t position_;
  std::string currentLine_;
  bool lineHasNoKey_ = false;
};

// Trims spaces (not tabs) at both ends.
std::string trimSpaces(std::string_view text);

// Nombre_Virgules: fields of a comma-separated text (0 for an empty text).
int countFields(std::string_view text);

// Quel_Numero_Repose: field k (1-based) of a text holding n fields; fields are not trimmed.
std::string field(std::string_view text, int k, int n);

// The name between the first "[" and the following "]", when the line is a header.
bool sectionName(std::string_view line, std::string& name);

}  // namespace ventelle
