#pragma once
// A user's journal as a file beside the profile. Each line reaches the disk
// in one write before the next one is made.
#include <filesystem>
#include <string>

#include "progress/journal.h"

namespace ventelle {

// Appends one line; a new file starts with the header, and a last line cut
// by a crash is ended first so the new line stands on its own. False when the
// line could not be written whole.
bool appendJournalLine(const std::filesystem::path& file, const std::string& line);

// What the file holds; an absent or unreadable file reads as an empty journal.
Journal readJournalFile(const std::filesystem::path& file);

// Empties the journal by removing its file; false when it is still there.
bool removeJournalFile(const std::filesystem::path& file);

}  // namespace ventelle
