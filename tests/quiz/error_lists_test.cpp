#include "quiz/error_lists.h"

#include <gtest/gtest.h>

#include "quiz/mistake_routing.h"

namespace ventelle {
namespace {

constexpr ListKey kKey{7, 3};

ErrorLists listsHolding(const std::vector<std::string>& names) {
  ErrorLists lists;
  for (const auto& name : names) lists.add(kKey, name);
  return lists;
}

TEST(ErrorLists, AddAppendsWithCommasAndKeepsEachChapterApart) {
  ErrorLists lists;
  EXPECT_EQ(lists.count(kKey), 0);
  lists.add(kKey, "12");
  EXPECT_EQ(lists.list(kKey), "12");
  lists.add(kKey, "D7i");
  EXPECT_EQ(lists.list(kKey), "12,D7i");
  EXPECT_EQ(lists.count(kKey), 2);
  EXPECT_EQ(lists.list({7, 4}), "");
  EXPECT_EQ(lists.list({8, 3}), "");
}

TEST(ErrorLists, ContainsMatchesWholeFieldsOnly) {
  const ErrorLists lists = listsHolding({"123", "45", "D7i"});
  for (const char* name : {"123", "45", "D7i"}) EXPECT_TRUE(lists.contains(kKey, name)) << name;
  for (const char* name : {"12", "5", "D7"}) EXPECT_FALSE(lists.contains(kKey, name)) << name;
  EXPECT_FALSE(lists.contains({7, 4}, "123"));
}

TEST(ErrorLists, RemoveTakesTheFirstEqualFieldAndOneComma) {
  using Names = std::vector<std::string>;
  for (const auto& [names, removed, after] :
       {std::tuple{Names{"12"}, "12", ""}, {{"12", "7", "3"}, "12", "7,3"}, {{"12", "7", "3"}, "7", "12,3"},
        {{"12", "7", "3"}, "3", "12,7"}, {{"1", "2", "1"}, "1", "2,1"}, {{"12", "123"}, "12", "123"},
        {{"123", "12"}, "12", "123"}, {{"123", "7"}, "12", "123,7"}, {{"123", "7"}, "23", "123,7"}, {{}, "12", ""}}) {
    ErrorLists lists = listsHolding(names);
    lists.remove(kKey, removed);
    EXPECT_EQ(lists.list(kKey), after) << "removing " << removed;
  }
}

// Exam, chapter, lower levels included, question name, list it goes to.
TEST(MistakeList, GoesToTheBrevetOfTheQuestionNumber) {
  for (const auto& [exam, chapter, include, name, list] : {
           std::tuple{7, 3, true, "20", ListKey{6, 3}}, {7, 3, true, "365", {6, 6}}, {7, 3, true, "150", {7, 3}},
           {10, 2, true, "191", {11, 3}}, {10, 2, true, "322", {11, 4}}, {7, 2, true, "191", {8, 2}},
           {11, 1, true, "20", {9, 1}}, {11, 1, true, "365", {9, 6}}, {8, 5, true, "12i", {6, 5}},
           {8, 2, true, "560", {10, 2}}, {7, 1, true, "548", {9, 7}}, {10, 1, true, "453", {6, 7}},
           {7, 1, true, "580", {11, 6}},
           // range boundaries
           {7, 1, true, "25", {6, 1}}, {7, 1, true, "26", {7, 1}}, {7, 1, true, "35", {8, 1}},
           {7, 1, true, "46", {8, 1}}, {7, 1, true, "47", {6, 1}}, {10, 1, true, "359", {11, 4}},
           {10, 1, true, "360", {9, 6}}, {10, 1, true, "374", {9, 6}}, {10, 1, true, "375", {10, 1}},
           {7, 1, true, "583", {11, 6}},
           // a shown chapter stands for the lower brevet's own chapter, or
           // for the pilot brevet's when the lower one has none behind it
           {7, 7, true, "20", {6, 6}}, {7, 8, true, "20", {6, 7}}, {7, 6, true, "20", {7, 6}},
           {10, 8, true, "50", {9, 7}}, {11, 7, true, "40", {11, 5}}, {11, 8, true, "110", {11, 6}},
           {11, 4, true, "40", {11, 3}}, {11, 3, true, "40", {10, 3}}, {11, 5, true, "110", {10, 5}},
           // stays with the current exam and chapter
           {7, 3, false, "20", {7, 3}}, {7, 3, true, "P12", {7, 3}}, {7, 3, true, "999", {7, 3}},
           {7, 3, true, "584", {7, 3}}, {7, 3, true, "0", {7, 3}}, {7, 3, true, "", {7, 3}},
           {2, 4, true, "20", {2, 4}}}) {
    const ListKey got = mistakeList(exam, chapter, include, name);
    EXPECT_EQ(got.exam, list.exam) << exam << " " << name;
    EXPECT_EQ(got.chapter, list.chapter) << exam << " " << name;
  }
}

}  // namespace
}  // namespace ventelle
