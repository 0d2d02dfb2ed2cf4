#pragma once
// The first line of a user profile: the user's exam, chapters, options, skin
// and the running score of the questionnaire in progress.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ventelle {

inline const std::string kProfileFormatTag = "V 6.1";

struct Settings {
  std::string formatTag = kProfileFormatTag;
  std::string skinName = "Classique";
  int examIndex = 7;
  std::array<bool, 10> partie{false, true, true, true, true, true, true, true, true, false};  // boxes 1..9
  bool includeLowerLevels = true;
  int stopMode = 0;  // -1 neither, 0 both, 1 on success only, 2 on failure only
  int examConformMarking = 1;
  int instructorTest = 0;
  int confirmedTest = 0;
  bool chapterPriority = true;
  bool training = true;
  std::string questionsAsked;
  std::string totalPoints;
  std::string maxPoints;
  std::string moyenne;
  int reaskPeriod = 8;

  bool operator==(const Settings&) const = default;
};

struct SettingsRead {
  Settings settings;
  // French names of the fields that could not be read and took their default.
  std::vector<std::string> ignoredFields;
};

// Reads the 24 fields, quoted or not; a missing or unreadable field keeps
// its default and is named in ignoredFields.
SettingsRead readSettingsLine(std::string_view line);

// The save form: texts quoted, booleans as #TRUE# / #FALSE#.
std::string writeSettingsLine(const Settings& settings);

// A skin name that names a file of the skin folder and nothing else, and
// that the save form can hold (no double quote).
bool isPlainSkinName(std::string_view name);

}  // namespace ventelle
