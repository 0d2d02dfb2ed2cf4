#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the same
// folder that is then renamed over the target, so a file is never left half
// written: readers see the old file or the new one.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ventelle {

// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Derived files that can be rebuilt need not reach the disk before the
// rename; a user's own data must.
enum class Durability { Derived, UserData };

// Replaces the file with these bytes; false (the old file kept) when it
// cannot be written.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         Durability durability = Durability::Derived);

}  // namespace ventelle
