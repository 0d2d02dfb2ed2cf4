#include "users/settings_line.h"

#include <functional>

#include "users/profile_fields.h"

namespace ventelle {
namespace {

constexpr std::size_t kFieldCount = 24;

bool isReaskPeriod(int p) { return p == 0 || p == 1 || p == 4 || p == 8 || p == 16; }

// A field parser stores the value and says whether it could.
using FieldParser = std::function<bool(const std::string&, Settings&)>;

struct FieldRule {
  std::string name;  // as the user is told of it
  FieldParser parse;
};

FieldParser integerIn(int Settings::*member, int low, int high) {
  return [member, low, high](const std::string& field, Settings& s) {
    const auto value = wholeNumber(field);
    if (!value || *value < low || *value > high) return false;
    s.*member = *value;
    return true;
  };
}

FieldParser boolean(bool Settings::*member) {
  return [member](const std::string& field, Settings& s) {
    const auto value = booleanField(field);
    if (!value) return false;
    s.*member = *value;
    return true;
  };
}

FieldParser text(std::string Settings::*member) {
  return [member](const std::string& field, Settings& s) {
    s.*member = field;
    return true;
  };
}

FieldParser chapterBox(int box) {
  return [box](const std::string& field, Settings& s) {
    const auto value = wholeNumber(field);
    if (!value || *value < 0 || *value > 1) return false;
    s.partie[box] = *value == 1;
    return true;
  };
}

std::vector<FieldRule> fieldRules() {
  std::vector<FieldRule> rules;
  rules.push_back({"la version du format", text(&Settings::formatTag)});
  rules.push_back({"l'habillage", [](const std::string& field, Settings& s) {
                     if (!isPlainSkinName(field)) return false;
                     s.skinName = field;
                     return true;
                   }});
  rules.push_back({"l'examen", integerIn(&Settings::examIndex, 1, 11)});
  for (int box = 1; box <= 9; ++box) rules.push_back({"le chapitre " + std::to_string(box), chapterBox(box)});
  rules.push_back({"l'inclusion des QCMs inférieurs", boolean(&Settings::includeLowerLevels)});
  rules.push_back({"l'arrêt sur réussite ou échec", integerIn(&Settings::stopMode, -1, 2)});
  rules.push_back({"la notation conforme à l'examen", integerIn(&Settings::examConformMarking, 0, 1)});
  rules.push_back({"le test pour la QBi", integerIn(&Settings::instructorTest, 0, 1)});
  rules.push_back({"le brevet confirmé", integerIn(&Settings::confirmedTest, 0, 1)});
  rules.push_back({"le mode de tirage", boolean(&Settings::chapterPriority)});
  rules.push_back({"l'évaluation continue", boolean(&Settings::training)});
  rules.push_back({"le nombre de questions posées", text(&Settings::questionsAsked)});
  rules.push_back({"le total des points", text(&Settings::totalPoints)});
  rules.push_back({"le maximum de points", text(&Settings::maxPoints)});
  rules.push_back({"la moyenne", text(&Settings::moyenne)});
  rules.push_back({"la fréquence de repose", [](const std::string& field, Settings& s) {
                     const auto value = wholeNumber(field);
                     if (!value || !isReaskPeriod(*value)) return false;
                     s.reaskPeriod = *value;
                     return true;
                   }});
  return rules;
}

}  // namespace

bool isPlainSkinName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name)
    if (c == '/' || c == '\\' || c == ':' || c == '"' || static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

SettingsRead readSettingsLine(std::string_view line) {
  static const std::vector<FieldRule> rules = fieldRules();
  SettingsRead read;
  const auto fields = splitProfileFields(line);
  for (std::size_t k = 0; k < kFieldCount; ++k) {
    if (k < fields.size() && rules[k].parse(fields[k], read.settings)) continue;
    read.ignoredFields.push_back(rules[k].name);
  }
  return read;
}

std::string writeSettingsLine(const Settings& s) {
  std::string line = quotedField(s.formatTag) + "," + quotedField(s.skinName) + "," + std::to_string(s.examIndex);
  for (int box = 1; box <= 9; ++box) line += s.partie[box] ? ",1" : ",0";
  line += "," + booleanText(s.includeLowerLevels) + "," + std::to_string(s.stopMode) + "," +
          std::to_string(s.examConformMarking) + "," + std::to_string(s.instructorTest) + "," +
          std::to_string(s.confirmedTest) + "," + booleanText(s.chapterPriority) + "," + booleanText(s.training);
  for (const auto* caption : {&s.questionsAsked, &s.totalPoints, &s.maxPoints, &s.moyenne})
    line += "," + quotedField(*caption);
  return line + "," + std::to_string(s.reaskPeriod);
}

}  // namespace ventelle
