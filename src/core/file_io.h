#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the same
// folder that is then renamed over the target, so a file is never left half
// written: readers see the old file or the new one.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ventelle {

// Derived files that can be rebuilt need not reach the disk before the
// rename; a user's own data must.
enum class Durability { Derived, UserData };

// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// What reading a file found: its bytes, or why there are none. A file that is
// there but cannot be read (no right to read it, a disk error, a folder of
// its name) is not an absent one: what it holds may still be wanted.
struct FileRead {
  std::optional<std::string> bytes;
  bool absent = false;  // nothing of that name: there is nothing to lose
};
FileRead readFile(const std::filesystem::path& path);

// Moves the file to the first name of base, base-2, base-3 ... that is not
// taken, never over an existing file; the name it took, or nothing when it
// could not be moved.
std::optional<std::filesystem::path> moveToFreeName(const std::filesystem::path& file,
                                                    const std::filesystem::path& base);

// Writes the bytes, through a temporary file, under the first free name of
// base, base-2, base-3 ...; the name used, or nothing when they could not be
// written.
std::optional<std::filesystem::path> writeUnderFreeName(const std::filesystem::path& base, std::string_view bytes,
                                                        Durability durability);

// Replaces the file with these bytes; false (the old file kept) when it
// cannot be written.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         Durability durability = Durability::Derived);

}  // namespace ventelle
