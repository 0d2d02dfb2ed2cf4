#include "core/user_copy.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/windows1252.h"

namespace ventelle {
namespace {

using Pairs = std::set<std::pair<std::string, std::string>>;  // (path, checksum)

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

Pairs readPairs(const TextLines& lines) {
  Pairs pairs;
  for (const auto& raw : lines) {
    const std::string line = trimmed(raw);
    if (line.empty() || line.front() == ';') continue;
    const auto blank = line.find_first_of(" \t");
    if (blank == std::string::npos) continue;
    pairs.emplace(trimmed(line.substr(blank)), line.substr(0, blank));
  }
  return pairs;
}

// False when the user's folder itself cannot be made.
bool makeFolders(const std::filesystem::path& userFolder, const std::filesystem::path& shippedFolder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(userFolder, error);
  if (!fs::is_directory(userFolder, error)) return false;
  for (auto it = fs::recursive_directory_iterator(shippedFolder, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    std::error_code ignored;
    if (it->is_directory(ignored)) fs::create_directories(userFolder / fs::relative(it->path(), shippedFolder, ignored), ignored);
  }
  return true;
}

}  // namespace

ShippedChecksums readShippedChecksums(const TextLines& lines) {
  ShippedChecksums checksums;
  for (const auto& [path, checksum] : readPairs(lines)) checksums[path].insert(checksum);
  return checksums;
}

UserCopyReview reviewUserCopy(const std::filesystem::path& userFolder, const std::filesystem::path& shippedFolder,
                              const Checksum& checksumOf) {
  namespace fs = std::filesystem;
  UserCopyReview review;
  review.folderMade = makeFolders(userFolder, shippedFolder);
  const auto list = readTextFile(shippedFolder / kShippedChecksumsFile);
  if (!list) return review;  // without the list, nothing tells a copy from an edit: keep all
  const ShippedChecksums shipped = readShippedChecksums(*list);
  const Pairs told = readPairs(readTextFile(userFolder / kToldEditsFile).value_or(TextLines{}));

  Pairs edits;
  std::vector<fs::path> untouched;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(userFolder, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    const std::string path = fs::relative(it->path(), userFolder, ignored).generic_string();
    const auto known = shipped.find(path);
    if (known == shipped.end()) continue;  // the program's or the user's own file
    const std::string checksum = checksumOf(it->path());
    if (known->second.contains(checksum)) {
      untouched.push_back(it->path());
    } else {
      edits.emplace(path, checksum);
      if (!told.contains({path, checksum})) review.newEdits.push_back(path);
    }
  }
  for (const auto& file : untouched) {
    std::error_code ignored;
    if (fs::remove(file, ignored)) review.removed.push_back(fs::relative(file, userFolder, ignored).generic_string());
  }
  // Told once: a record that cannot be written only means telling again.
  if (!review.newEdits.empty()) {
    std::string record = "; Vos copies modifiées de fichiers livrés, déjà signalées\r\n";
    for (const auto& [path, checksum] : edits) record += checksum + " " + path + "\r\n";
    writeFileAtomically(userFolder / kToldEditsFile, encodeWindows1252(record));
  }
  std::sort(review.removed.begin(), review.removed.end());
  std::sort(review.newEdits.begin(), review.newEdits.end());
  return review;
}

}  // namespace ventelle
