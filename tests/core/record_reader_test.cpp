#include "core/record_reader.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

TEST(RecordReader, SplitsKeyAndValueAtTheFirstEqualsSignAndKeepsLineHasNoKeyUntilReset) {
  for (const auto& [line, key, data, noKey] :
       {std::tuple{"Question = Quelle est ... = ?", "Question", "Quelle est ... = ?", false},
        {"= valeur", "", "valeur", false}, {"  Non ", "", "Non", true},
        {"\tTab =1 ", "\tTab", "1", false},  // tabs are not blanks
        {"Oui\u00A0? =\u00A02", "Oui\u00A0?", "\u00A02", false}}) {  // nor are no-break spaces
    const TextLines lines{line, "Oui = 2"};
    RecordReader reader(lines);
    reader.nextLine();
    const std::string item = reader.item();
    EXPECT_EQ(std::tuple(item, reader.data(), reader.lineHasNoKey()), std::tuple(key, data, noKey)) << line;
    reader.nextLine();
    reader.item();
    EXPECT_EQ(reader.lineHasNoKey(), noKey) << line;
    reader.resetLineHasNoKey();
    EXPECT_FALSE(reader.lineHasNoKey());
  }
}

// Blanks and comments are skipped; a closing bracket before the opening one
// is no header, nor is one on the last line, which stays the current line.
TEST(RecordReader, EachSearchMovesToTheNextHeaderAndLeavesItsTrimmedName) {
  const TextLines lines{"", "; [banque] = 1", "]x[", "[ 12i ]", "Question = a", "", "[13]", "Question = b", "[14]"};
  RecordReader reader(lines);
  reader.nextLine();
  for (const auto& [name, position] : {std::pair{"12i", 4u}, {"13", 7u}}) {
    reader.findNextSection();
    EXPECT_EQ(std::pair(reader.currentLine(), reader.position()), std::pair(std::string(name), std::size_t{position}));
  }
  reader.findNextSection();
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(reader.currentLine(), "[14]");
  reader.setCurrentLine("gardée");
  reader.nextLine();  // already at the end: nothing changes
  EXPECT_EQ(reader.currentLine(), "gardée");
}

TEST(Fields, CountsTheEmptyLastFieldAndTakesFieldKOfNUntrimmedTheLastRunningToTheEnd) {
  for (const auto& [text, n] : {std::pair{"", 0}, {"abc", 1}, {"A1,B2,", 3}, {",", 2}})
    EXPECT_EQ(countFields(text), n) << '"' << text << '"';
  for (const auto& [text, k, n, expected] :
       {std::tuple{"a,b,c", 1, 3, "a"}, {"a,b,c", 2, 3, "b"}, {"a,b,c", 3, 3, "c"}, {"A1,B2,", 3, 3, ""},
        {" x , y ", 2, 2, " y "}, {"a,b,c,d", 3, 4, "c"}, {"a,b,c", 2, 2, "b,c"}})
    EXPECT_EQ(field(text, k, n), expected) << text << " k=" << k << " n=" << n;
}

}  // namespace
}  // namespace ventelle
