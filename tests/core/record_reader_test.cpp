#include "core/record_reader.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

TEST(RecordReader, SkipsBlanksAndCommentsAndKeepsTheLastLineReadAtTheEnd) {
  const TextLines onlyComments{"", "   ", "  ; fin du fichier  "};
  RecordReader reader(onlyComments);
  reader.nextLine();
  EXPECT_EQ(reader.currentLine(), "; fin du fichier");
  EXPECT_TRUE(reader.atEnd());
  reader.setCurrentLine("gardée");
  reader.nextLine();  // already at the end: nothing changes
  EXPECT_EQ(reader.currentLine(), "gardée");

  const TextLines commentWithEquals{"; Question = pas une question", "  Cmt = oui  "};
  RecordReader second(commentWithEquals);
  second.nextLine();
  EXPECT_EQ(second.currentLine(), "Cmt = oui");
}

TEST(RecordReader, SplitsKeyAndValueAtTheFirstEqualsSign) {
  for (const auto& [line, key, data, noKey] :
       {std::tuple{"Question = Quelle est ... = ?", "Question", "Quelle est ... = ?", false},
        {"= valeur", "", "valeur", false}, {"  Non ", "", "Non", true},
        {"\tTab =1 ", "\tTab", "1", false},  // tabs are not blanks
        {"Oui\u00A0? =\u00A02", "Oui\u00A0?", "\u00A02", false}}) {  // nor are no-break spaces
    const TextLines lines{line};
    RecordReader reader(lines);
    reader.nextLine();
    EXPECT_EQ(reader.item(), key) << line;
    EXPECT_EQ(reader.data(), data) << line;
    EXPECT_EQ(reader.lineHasNoKey(), noKey) << line;
  }
}

TEST(RecordReader, LineHasNoKeyStaysSetUntilTheCallerResetsIt) {
  const TextLines lines{"Non", "Oui = 2"};
  RecordReader reader(lines);
  reader.nextLine();
  reader.item();
  reader.nextLine();
  EXPECT_EQ(reader.item(), "Oui");
  EXPECT_TRUE(reader.lineHasNoKey());
  reader.resetLineHasNoKey();
  reader.item();
  EXPECT_FALSE(reader.lineHasNoKey());
}

TEST(RecordReader, EachSearchMovesToTheNextHeaderAndLeavesItsTrimmedName) {
  const TextLines lines{"; banque", "]x[", "[ 12i ]", "Question = a", "", "[13]", "Question = b", "fin"};
  RecordReader reader(lines);
  reader.nextLine();
  reader.findNextSection();  // a closing bracket before the opening one is no header
  EXPECT_EQ(reader.currentLine(), "12i");
  EXPECT_EQ(reader.position(), 3u);
  reader.findNextSection();
  EXPECT_EQ(reader.currentLine(), "13");
  EXPECT_EQ(reader.position(), 6u);
}

TEST(RecordReader, HeaderOnTheLastLineIsNotFound) {
  const TextLines lines{"[1]", "Question = a", "[2]"};
  RecordReader reader(lines);
  reader.nextLine();
  reader.findNextSection();
  reader.findNextSection();
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(reader.currentLine(), "[2]");
}

TEST(CountFields, CountsTheEmptyLastFieldButNotAnEmptyText) {
  for (const auto& [text, n] : {std::pair{"", 0}, std::pair{"abc", 1}, std::pair{"A1,B2,", 3}, std::pair{",", 2}})
    EXPECT_EQ(countFields(text), n) << '"' << text << '"';
}

TEST(Field, TakesFieldKOfNUntrimmedAndTheLastRunsToTheEnd) {
  for (const auto& [text, k, n, expected] :
       {std::tuple{"a,b,c", 1, 3, "a"}, {"a,b,c", 2, 3, "b"}, {"a,b,c", 3, 3, "c"}, {"A1,B2,", 3, 3, ""},
        {" x , y ", 2, 2, " y "}, {"a,b,c,d", 3, 4, "c"}, {"a,b,c", 2, 2, "b,c"}})
    EXPECT_EQ(field(text, k, n), expected) << text << " k=" << k << " n=" << n;
}

}  // namespace
}  // namespace ventelle
