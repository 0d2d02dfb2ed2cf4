#include "quiz/error_lists.h"

#include "core/record_reader.h"

namespace ventelle {

const std::string& ErrorLists::list(ListKey key) const {
  static const std::string kEmpty;
  const auto found = lists_.find(key);
  return found == lists_.end() ? kEmpty : found->second;
}

int ErrorLists::count(ListKey key) const { return countFields(list(key)); }

bool ErrorLists::contains(ListKey key, const std::string& name) const {
  const std::string& text = list(key);
  const int n = countFields(text);
  for (int k = 1; k <= n; ++k)
    if (field(text, k, n) == name) return true;
  return false;
}

void ErrorLists::add(ListKey key, const std::string& name) {
  std::string& text = lists_[key];
  text = text.empty() ? name : text + "," + name;
}

void ErrorLists::remove(ListKey key, const std::string& name) {
  const auto found = lists_.find(key);
  if (found == lists_.end()) return;
  std::string& text = found->second;
  std::size_t start = 0;
  while (start <= text.size()) {
    auto end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    if (text.compare(start, end - start, name) == 0) {
      if (end < text.size()) {
        text.erase(start, end - start + 1);  // the field and the comma after it
      } else {
        text.erase(start == 0 ? 0 : start - 1);  // the last field and the comma before it
      }
      return;
    }
    start = end + 1;
  }
}

}  // namespace ventelle
