#include "bank/chapter_library.h"

#include "core/record_reader.h"

namespace ventelle {

std::optional<int> ChapterIndex::placeOf(const std::string& name) const {
  for (std::size_t i = 0; i < headers.size(); ++i)
    if (headers[i].name == name) return static_cast<int>(i + 1);
  return std::nullopt;
}

ChapterIndex indexChapter(TextLines lines) {
  ChapterIndex index{std::move(lines), {}};
  RecordReader reader(index.lines);
  reader.nextLine();
  while (!reader.atEnd()) {
    reader.findNextSection();
    if (!reader.atEnd()) index.headers.push_back({reader.currentLine(), reader.position()});
  }
  return index;
}

const ChapterIndex* ChapterLibrary::chapter(const std::string& programPath) {
  const auto path = folder_.resolve(programPath);
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(path, error);
  const auto size = error ? 0 : std::filesystem::file_size(path, error);
  if (error) {
    cache_.erase(path);
    return nullptr;
  }
  auto found = cache_.find(path);
  if (found != cache_.end() && found->second.modified == modified && found->second.size == size)
    return &found->second.index;
  auto lines = readTextFile(path);
  if (!lines) return nullptr;
  auto& entry = cache_[path];
  entry = Entry{modified, size, indexChapter(std::move(*lines))};
  return &entry.index;
}

}  // namespace ventelle
