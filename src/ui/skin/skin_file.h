#pragma once
// Reads one skin file, skin/<name>.col: sixteen values, colours and picture
// names, each the text after the first "=" of a significant line. The whole
// file is checked before anything is used, so a skin is taken whole or not
// at all.
#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "core/program_folder.h"
#include "core/text_file.h"
#include "ui/window/skin_colours.h"

namespace ventelle {

constexpr int kSkinValues = 16;

// A skin ready to apply. Pictures are files on disk, empty when the skin
// gives a colour instead.
struct Skin {
  SkinColours colours;
  std::string windowPicture;      // value 2
  std::string questionPicture;    // value 4, held in bpara
  std::string evaluationPicture;  // value 6, held in bsol

  bool operator==(const Skin&) const = default;
};

enum class SkinFaultKind {
  RefusedName,     // the skin name is not a plain file name
  MissingFile,     // no such file, or it cannot be read
  TooFewValues,    // fewer than sixteen significant lines
  BadColour,       // a colour value that is not a whole number 0..16777215
  RefusedPicture,  // a picture name that would leave the skin folder
  MissingPicture,  // a picture that is not there or is not a picture
};

struct SkinFault {
  SkinFaultKind kind;
  int value = 0;      // the value in fault (1..16), or how many were found for TooFewValues
  std::string text;   // the value as written, for colours and pictures
};

using SkinRead = std::variant<Skin, SkinFault>;

// The sixteen values as written, in order, or what is wrong with them.
using SkinValues = std::array<std::string, kSkinValues + 1>;  // 1..16
std::variant<SkinValues, SkinFault> readSkinValues(const TextLines& lines);

// A skin name or picture name that names a file of the skin folder and
// nothing else: no separator, no "..", no quote, no control character.
bool isPlainSkinFileName(std::string_view name);

// The skin of that name: skin/<name>.col, its name matched without regard
// to case, with its pictures found in the skin folder.
SkinRead readSkin(const ProgramFolder& folder, const std::string& name);

}  // namespace ventelle
