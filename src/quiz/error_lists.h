#pragma once
// The names of the questions a user got wrong, one comma-separated list per
// exam and chapter.
#include <map>
#include <string>
#include <utility>

namespace ventelle {

struct ListKey {
  int exam = 0;
  int chapter = 0;
  auto operator<=>(const ListKey&) const = default;
};

class ErrorLists {
 public:
  const std::string& list(ListKey key) const;
  // Nombre_Virgules of the list.
  int count(ListKey key) const;
  // existe: the name is one of the list's fields (exact match).
  bool contains(ListKey key, const std::string& name) const;
  // Appends the name; the list is the name alone when it was empty.
  void add(ListKey key, const std::string& name);
  // efface: removes the first field equal to the name with one adjoining comma.
  void remove(ListKey key, const std::string& name);

 private:
  std::map<ListKey, std::string> lists_;
};

}  // namespace ventelle
