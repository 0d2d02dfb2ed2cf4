#include "ui/skin/skin_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "core/record_reader.h"

namespace ventelle {
namespace {

constexpr std::uint32_t kLargestColour = 16777215;  // 0x00FFFFFF
constexpr std::string_view kSkinFolder = "skin";

// Values 2, 4 and 6 name pictures; the others are colours.
bool isPictureValue(int k) { return k == 2 || k == 4 || k == 6; }

std::optional<Colour> colourOf(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > kLargestColour) return std::nullopt;
  return value;
}

// GIF, JPEG, PNG or BMP, by the first bytes of the file: a text file or an
// empty file given a picture's name is not taken for one.
bool looksLikePicture(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char head[8] = {};
  in.read(head, sizeof head);
  const std::string_view bytes(head, static_cast<std::size_t>(in.gcount()));
  return bytes.starts_with("GIF8") || bytes.starts_with("\xFF\xD8\xFF") || bytes.starts_with("\x89PNG\r\n\x1A\n") ||
         bytes.starts_with("BM");
}

bool isInside(const std::filesystem::path& file, const std::filesystem::path& folder) {
  std::error_code error;
  const auto canonicalFile = std::filesystem::weakly_canonical(file, error);
  if (error) return false;
  const auto canonicalFolder = std::filesystem::weakly_canonical(folder, error);
  return !error && canonicalFile.parent_path() == canonicalFolder;
}

// The picture's file, or the fault of value k.
std::variant<std::string, SkinFault> pictureFile(const ProgramFolder& folder, int k, const std::string& name) {
  if (name.empty()) return std::string();
  if (!isPlainSkinFileName(name)) return SkinFault{SkinFaultKind::RefusedPicture, k, name};
  const auto file = folder.resolve(std::string(kSkinFolder) + "/" + name);
  std::error_code error;
  const auto skinFolders = folder.foldersOf(kSkinFolder);
  const bool inSkinFolder = std::any_of(skinFolders.begin(), skinFolders.end(),
                                        [&](const std::filesystem::path& skins) { return isInside(file, skins); });
  if (!std::filesystem::is_regular_file(file, error) || !inSkinFolder || !looksLikePicture(file))
    return SkinFault{SkinFaultKind::MissingPicture, k, name};
  return file.string();
}

}  // namespace

bool isPlainSkinFileName(std::string_view name) {
  if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:\"*?<>|").find(c) != std::string_view::npos)
      return false;
  }
  return true;
}

std::variant<SkinValues, SkinFault> readSkinValues(const TextLines& lines) {
  RecordReader reader(lines);
  SkinValues values;
  for (int k = 1; k <= kSkinValues; ++k) {
    if (!reader.nextLine()) return SkinFault{SkinFaultKind::TooFewValues, k - 1, {}};
    values[k] = reader.data();
    if (!isPictureValue(k) && !colourOf(values[k])) return SkinFault{SkinFaultKind::BadColour, k, values[k]};
  }
  return values;
}

SkinRead readSkin(const ProgramFolder& folder, const std::string& name) {
  if (!isPlainSkinFileName(name)) return SkinFault{SkinFaultKind::RefusedName, 0, name};
  const auto lines = readTextFile(folder.resolve(std::string(kSkinFolder) + "/" + name + ".col"));
  if (!lines) return SkinFault{SkinFaultKind::MissingFile, 0, {}};
  const auto read = readSkinValues(*lines);
  if (const auto* fault = std::get_if<SkinFault>(&read)) return *fault;
  const SkinValues& v = std::get<SkinValues>(read);

  Skin skin;
  std::string* pictures[] = {nullptr, nullptr, &skin.windowPicture, nullptr, &skin.questionPicture,
                             nullptr, &skin.evaluationPicture};
  for (const int k : {2, 4, 6}) {
    auto file = pictureFile(folder, k, v[k]);
    if (const auto* fault = std::get_if<SkinFault>(&file)) return *fault;
    *pictures[k] = std::get<std::string>(std::move(file));
  }
  auto colour = [&v](int k) { return *colourOf(v[k]); };
  SkinColours& c = skin.colours;
  c.windowBack = colour(1);
  c.questionButton = colour(3);
  c.evaluationButton = colour(5);
  c.chapterBack = colour(7);
  c.chapterText = colour(8);
  c.drawnChapterBack = colour(9);
  c.drawnChapterText = colour(10);
  c.questionText = colour(11);
  c.numberText = colour(12);
  c.answerBack = colour(13);
  c.answerText = colour(14);
  c.mistakeText = colour(15);
  c.labelsText = colour(16);
  return skin;
}

}  // namespace ventelle
