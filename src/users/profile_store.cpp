#include "users/profile_store.h"

#include "core/file_io.h"
#include "core/record_reader.h"
#include "core/windows1252.h"
#include "users/profile_fields.h"
#include "users/questionnaire_lines.h"

namespace ventelle {
namespace {

const std::string kDefaultProfile = "parapente.ini";
// Added to the file name of a copy: never ".ini", so a copy is never taken for a user.
const std::string kDamagedCopySuffix = ".endommage";
const std::string kOtherFormatSuffix = ".ancien-format";
const std::string kDefaultSettingsLine =
    "V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",8";

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Bytes a Windows-1252 file cannot hold: NUL and the five undefined values.
bool holdsForeignBytes(const std::string& bytes) {
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0 || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) return true;
  }
  return false;
}

struct Layout {
  std::size_t historyHeader;  // index of the "[Historique]" line, or lines.size()
};

Layout layoutOf(const TextLines& lines) {
  for (std::size_t k = 1; k < lines.size(); ++k)
    if (trimSpaces(lines[k]) == kHistoryHeader) return {k};
  return {lines.size()};
}

// The lines from k up to the first empty one; k is left on that one.
TextLines linesUpToAnEmptyOne(const TextLines& lines, std::size_t& k) {
  TextLines kept;
  for (; k < lines.size() && !lines[k].empty(); ++k) kept.push_back(lines[k]);
  return kept;
}

// The questionnaire lines: after the header, up to the first empty line; then
// the block of their questions' names when it follows.
QuestionnaireText questionnaireOf(const TextLines& lines, Layout layout) {
  QuestionnaireText questionnaire;
  std::size_t k = layout.historyHeader + 1;
  questionnaire.lines = linesUpToAnEmptyOne(lines, k);
  while (k < lines.size() && lines[k].empty()) ++k;
  if (k < lines.size() && trimSpaces(lines[k]) == kQuestionNamesHeader) questionnaire.names = linesUpToAnEmptyOne(lines, ++k);
  return questionnaire;
}

TextLines profileLines(const std::string& settingsLine, const ErrorLists& errors) {
  TextLines lines{settingsLine, ""};
  appendErrorSections(errors, lines);
  return lines;
}

// The bytes of a whole profile, built in one buffer: a profile with long
// error lists is rewritten after every marking.
std::string profileBytes(const std::string& settingsLine, const ErrorLists& errors,
                         const QuestionnaireText& questionnaire) {
  std::size_t size = settingsLine.size() + 64;
  for (const auto& section : errorSections())
    for (int k = 1; k <= section.chapters; ++k) size += errors.list({section.exam, k}).size() + 16;
  for (const auto& line : questionnaire.lines) size += line.size() + 2;
  for (const auto& line : questionnaire.names) size += line.size() + 2;
  std::string text;
  text.reserve(size + 256);
  text += settingsLine;
  text += "\r\n\r\n";
  for (const auto& section : errorSections()) {
    text += section.header;
    text += "\r\n";
    for (int k = 1; k <= section.chapters; ++k) {
      text += "Chapitre";
      text += std::to_string(k);
      text += '=';
      text += errors.list({section.exam, k});
      text += "\r\n";
    }
    text += "\r\n";
  }
  text += kHistoryHeader;
  text += "\r\n";
  for (const auto& line : questionnaire.lines) {
    text += line;
    text += "\r\n";
  }
  if (!questionnaire.names.empty()) {
    text += "\r\n";
    text += kQuestionNamesHeader;
    text += "\r\n";
    for (const auto& line : questionnaire.names) {
      text += line;
      text += "\r\n";
    }
  }
  return encodeWindows1252(text);
}

}  // namespace

const TextLines& defaultProfileLines() {
  static const TextLines kLines = profileLines(kDefaultSettingsLine, ErrorLists{});
  return kLines;
}

std::string profileBytes(const TextLines& lines) {
  std::string text;
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return encodeWindows1252(text);
}

std::filesystem::path ProfileStore::pathOf(const std::string& user) const {
  return folder_.resolveForWriting(user + ".ini");
}

bool ProfileStore::initialise(const std::string& user) const {
  const auto templateBytes = readFileBytes(folder_.resolve(kProfileTemplate));
  const std::string bytes = templateBytes ? *templateBytes : profileBytes(defaultProfileLines());
  return writeFileAtomically(pathOf(user), bytes, durability_);
}

FromProfile<TextLines> ProfileStore::lines(const std::filesystem::path& path,
                                           std::vector<std::string>* problems) const {
  const FileRead file = readFile(path);
  if (!file.bytes) return {std::nullopt, file.absent ? ProfileFault::Absent : ProfileFault::Unreadable};
  if (problems && holdsForeignBytes(*file.bytes)) problems->push_back("le fichier contient des caractères illisibles");
  return {splitLines(decodeWindows1252(*file.bytes))};
}

ProfileFault ProfileStore::rewriteErrors(const std::string& user, const ErrorLists& errors) const {
  const auto path = pathOf(user);
  const auto old = lines(path, nullptr);
  if (old.fault == ProfileFault::Unreadable) return ProfileFault::Unreadable;
  const bool sound = old && !old->empty();
  const std::string settingsLine = sound ? old->front() : kDefaultSettingsLine;
  const QuestionnaireText questionnaire = sound ? questionnaireOf(*old, layoutOf(*old)) : QuestionnaireText{};
  return writeFileAtomically(path, profileBytes(settingsLine, errors, questionnaire), durability_)
             ? ProfileFault::None
             : ProfileFault::Unwritable;
}

bool ProfileStore::save(const std::string& user, const std::string& settingsLine, const ErrorLists& errors,
                        const QuestionnaireText& questionnaire) const {
  return writeFileAtomically(pathOf(user), profileBytes(settingsLine, errors, questionnaire), durability_);
}

FromProfile<ProfileRead> ProfileStore::read(const std::string& user) const {
  ProfileRead read;
  const auto text = lines(pathOf(user), &read.problems);
  if (!text) return {std::nullopt, text.fault};
  const std::string settingsLine = text->empty() ? std::string() : text->front();
  read.settings = readSettingsLine(settingsLine);
  read.sections = readErrorSections(*text);
  const Layout layout = layoutOf(*text);
  read.questionnaire = questionnaireOf(*text, layout);
  if (!read.settings.ignoredFields.empty()) {
    std::string fields;
    for (const auto& name : read.settings.ignoredFields) fields += (fields.empty() ? "" : ", ") + name;
    read.problems.push_back("réglages illisibles, remplacés par leur valeur par défaut : " + fields);
  }
  read.problems.insert(read.problems.end(), read.sections.problems.begin(), read.sections.problems.end());
  if (layout.historyHeader == text->size()) read.problems.push_back("la section [Historique] est absente");
  return {std::move(read)};
}

FromProfile<std::string> ProfileStore::errorList(const std::string& user, int exam, int chapter) const {
  const auto text = lines(pathOf(user), nullptr);
  if (!text) return {std::nullopt, text.fault};
  return {readErrorSections(*text).errors.list({exam, chapter})};
}

std::optional<std::string> ProfileStore::keepCopy(const std::string& user) const {
  const auto path = pathOf(user);
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  auto base = path;
  base += kDamagedCopySuffix;
  const auto copy = writeUnderFreeName(base, *bytes, durability_);
  return copy ? std::optional<std::string>(copy->filename().string()) : std::nullopt;
}

bool ProfileStore::remove(const std::string& user) const {
  std::error_code error;
  std::filesystem::remove(pathOf(user), error);
  return !error;
}

void ProfileStore::purgeOtherFormats(
    const std::function<void(const std::string&, const std::optional<std::string>&)>& setAside,
    const std::function<void(const std::string&)>& unreadable) const {
  auto moveAside = [](const std::filesystem::path& path) -> std::optional<std::string> {
    auto base = path;
    base += kOtherFormatSuffix;
    const auto copy = moveToFreeName(path, base);
    return copy ? std::optional<std::string>(copy->filename().string()) : std::nullopt;
  };
  // The first field, or nothing when the file cannot be read.
  auto formatOf = [this](const std::filesystem::path& path) -> std::optional<std::string> {
    const auto text = lines(path, nullptr);
    if (text.fault == ProfileFault::Unreadable) return std::nullopt;
    return text && !text->empty() ? firstProfileField(text->front()) : std::string();
  };
  for (const auto& file : folder_.listFiles("", ".ini")) {
    const auto path = folder_.root() / file;
    const bool defaultUser = lowered(file) == kDefaultProfile;
    const auto format = formatOf(path);
    if (!format) {
      if (!defaultUser) unreadable(file);
      continue;
    }
    if (*format == kProfileFormatTag) continue;
    if (defaultUser) {
      // Made afresh at every start: nothing of it is kept.
      std::error_code error;
      std::filesystem::remove(path, error);
    } else {
      setAside(file, moveAside(path));
    }
  }
  const auto templatePath = folder_.resolve(kProfileTemplate);
  std::error_code error;
  if (!std::filesystem::exists(templatePath, error)) return;
  const auto format = formatOf(templatePath);
  if (format && *format != kProfileFormatTag) moveAside(templatePath);
}

}  // namespace ventelle
