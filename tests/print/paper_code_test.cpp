#include "print/paper_code.h"

#include <gtest/gtest.h>

#include <set>

namespace ventelle {
namespace {

// Papers printed by another version or on another machine must keep their
// codes: these values are fixed once and for all.
TEST(PaperCode, IsFixedForAGivenText) {
  EXPECT_EQ(paperCode("7\n3.150:2,1,3\n"), "FB7NF3");
  EXPECT_EQ(paperCode(""), "7X1FY1");
}

TEST(PaperCode, SixReadableCharactersThatTellCloseTextsApart) {
  std::set<std::string> codes;
  for (int answer = 1; answer <= 200; ++answer) {
    const std::string code = paperCode("7\n3.150:" + std::to_string(answer) + "\n");
    ASSERT_EQ(code.size(), 6u);
    EXPECT_EQ(code.find_first_of("ILOUilou"), std::string::npos) << code;
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), 200u);
}

}  // namespace
}  // namespace ventelle
