#pragma once
// The user's folder of an installed program. Earlier versions filled it with
// a copy of every shipped file, and such a copy would hide the file of a newer
// package. A copy the user never changed, whose checksum is one that some
// version shipped under that path, is removed so that the shipped file is
// read; a copy the user edited is kept, and told about once.
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/text_file.h"

namespace ventelle {

// Checksums of the files every version has shipped, by path in the folder
// ("2004/1.qcm"). A line reads "<checksum> <path>"; ";" starts a comment.
using ShippedChecksums = std::map<std::string, std::set<std::string>>;
ShippedChecksums readShippedChecksums(const TextLines& lines);

// The files of the shipped folder's list, itself left out of the list.
inline constexpr const char* kShippedChecksumsFile = "fichiers-livres.txt";
// The user's edited copies already told about, in the same form.
inline constexpr const char* kToldEditsFile = "fichiers-personnels.txt";

using Checksum = std::function<std::string(const std::filesystem::path&)>;

struct UserCopyReview {
  bool folderMade = true;              // false: the user's folder cannot be made
  std::vector<std::string> removed;    // untouched copies of shipped files
  std::vector<std::string> newEdits;   // edited copies not told about before
};

// Makes the user's folder and the shipped folder's subfolders in it, then
// sorts out the copies of shipped files it holds.
UserCopyReview reviewUserCopy(const std::filesystem::path& userFolder, const std::filesystem::path& shippedFolder,
                              const Checksum& checksumOf);

}  // namespace ventelle
