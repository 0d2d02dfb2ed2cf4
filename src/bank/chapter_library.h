#pragma once
// Chapter files held in memory with the place of every question header, so
// counting, naming and loading a question cost no rereading of the file.
// A file is read again when its size or modification time changes.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/program_folder.h"
#include "core/text_file.h"

namespace ventelle {

struct QuestionHeader {
  std::string name;            // the bare header name
  std::size_t lineAfterHeader; // reader position once the header is found
};

struct ChapterIndex {
  TextLines lines;
  // Headers in file order, as the record reader finds them: a header on the
  // file's very last line is not one of them.
  std::vector<QuestionHeader> headers;

  int questionCount() const { return static_cast<int>(headers.size()); }
  // Place (1-based) of the first question of that name, if any.
  std::optional<int> placeOf(const std::string& name) const;
};

ChapterIndex indexChapter(TextLines lines);

class ChapterLibrary {
 public:
  explicit ChapterLibrary(ProgramFolder folder) : folder_(std::move(folder)) {}

  const ProgramFolder& folder() const { return folder_; }

  // The chapter file at that program path, or nullptr when it cannot be read.
  const ChapterIndex* chapter(const std::string& programPath);

  // Drops a file the program has just rewritten or removed: file times are
  // too coarse to tell two rewrites of the same size apart.
  void forget(const std::string& programPath) { cache_.erase(folder_.resolve(programPath)); }

 private:
  struct Entry {
    std::filesystem::file_time_type modified;
    std::uintmax_t size = 0;
    ChapterIndex index;
  };
  ProgramFolder folder_;
  std::map<std::filesystem::path, Entry> cache_;
};

}  // namespace ventelle
