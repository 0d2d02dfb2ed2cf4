#include "bank_checker/text_checks.h"

#include <cstdio>

namespace ventelle::bankcheck {
namespace {

std::string hexByte(unsigned char b) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(b));
  return text;
}

bool undefinedInWindows1252(unsigned char b) {
  return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

bool forbiddenControl(unsigned char b) {
  return (b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F;
}

// The first byte of a line (without its LF) that is not text; CR only counts
// when it does not stand right before the LF.
std::string badByte(std::string_view line, bool endedByLf) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto b = static_cast<unsigned char>(line[i]);
    const std::string where = " (colonne " + std::to_string(i + 1) + ")";
    if (undefinedInWindows1252(b)) return "octet " + hexByte(b) + " non défini en Windows-1252" + where;
    if (forbiddenControl(b)) return "caractère de contrôle " + hexByte(b) + where;
    const bool lineEndCr = endedByLf && i + 1 == line.size();
    if (b == '\r' && !lineEndCr) return "retour chariot (CR) isolé" + where;
  }
  return {};
}

}  // namespace

Faults checkTextBytes(const std::string& file, std::string_view bytes) {
  Faults faults;
  std::size_t start = 0;
  int number = 0;
  while (start < bytes.size()) {
    ++number;
    const auto lf = bytes.find('\n', start);
    const bool endedByLf = lf != std::string_view::npos;
    const auto line = bytes.substr(start, (endedByLf ? lf : bytes.size()) - start);
    if (auto message = badByte(line, endedByLf); !message.empty()) faults.push_back({file, "", number, message});
    if (!endedByLf) {
      faults.push_back({file, "", number, "dernière ligne sans fin de ligne CR LF"});
      break;
    }
    if (line.empty() || line.back() != '\r') faults.push_back({file, "", number, "fin de ligne LF sans CR"});
    start = lf + 1;
  }
  return faults;
}

}  // namespace ventelle::bankcheck
