#include "qt/services/program_location.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStandardPaths>
#include <unistd.h>

#include "core/user_copy.h"

namespace ventelle {
namespace {

bool writable(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

// A program run from its build tree has its folder beside it and may write
// there; an installed one never writes in its shared folder, even as root.
bool isBuildTree(const std::filesystem::path& executableFolder) {
  std::error_code error;
  return std::filesystem::is_directory(executableFolder / "data", error);
}

}  // namespace

std::string fileChecksum(const std::filesystem::path& file) {
  QFile in(QString::fromStdString(file.string()));
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!in.open(QIODevice::ReadOnly) || !hash.addData(&in)) return {};
  return hash.result().toHex().toStdString();
}

ProgramFolders findProgramFolders(const std::filesystem::path& executableFolder) {
  const bool buildTree = isBuildTree(executableFolder);
  const auto shipped = buildTree ? executableFolder / "data"
                                 : (executableFolder / ".." / "share" / "ventelle").lexically_normal();
  if (buildTree && writable(shipped)) return {shipped, std::nullopt};
  return {shipped,
          std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()) /
              "Ventelle"};
}

ProgramLocation locateProgramFolder(const std::filesystem::path& executableFolder) {
  const ProgramFolders folders = findProgramFolders(executableFolder);
  if (!folders.user) return {ProgramFolder(folders.shipped), {}};
  auto review = reviewUserCopy(*folders.user, folders.shipped, fileChecksum);
  return {ProgramFolder(*folders.user, folders.shipped), std::move(review.newEdits), review.folderMade};
}

}  // namespace ventelle
