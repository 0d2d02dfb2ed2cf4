#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/text_file.h"
#include "core/windows1252.h"
#include "fakes/interrupted_writes.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

std::string byteString(int b) { return std::string(1, static_cast<char>(b)); }

// 0x81 and 0x9D are two of the five bytes Windows-1252 leaves undefined.
TEST(Windows1252, MapsEachByteToItsCharacterAndEveryByteSurvivesDecodeThenEncode) {
  for (const auto& [byte, utf8] :
       {std::pair{0x41, "A"}, {0x80, "€"}, {0x8A, "Š"}, {0x8C, "Œ"}, {0x92, "’"}, {0x96, "–"}, {0x9C, "œ"},
        {0x9F, "Ÿ"}, {0xA0, "\u00A0"}, {0xE9, "é"}, {0xFF, "ÿ"}, {0x81, "\u0081"}, {0x9D, "\u009D"}}) {
    EXPECT_EQ(decodeWindows1252(byteString(byte)), utf8) << "byte " << byte;
    EXPECT_EQ(encodeWindows1252(utf8), byteString(byte)) << utf8;
  }
  std::string all;
  for (int b = 0; b < 256; ++b) all += byteString(b);
  EXPECT_EQ(encodeWindows1252(decodeWindows1252(all)), all);
}

TEST(Windows1252, WritesAQuestionMarkForWhatItCannotEncode) {
  for (const auto& [utf8, bytes] : {std::pair{"Ā", "?"}, {"a日b", "a?b"}, {"\U0001F600", "?"},
                                    {"\u0080", "?"},       // C1 control that 0x80 does not hold
                                    {"\xE9t\xE9", "?t?"},  // Latin-1 bytes, not UTF-8
                                    {"\xC3" "A", "?A"},    // broken sequence keeps what follows
                                    {"\xE2\x82", "??"}})   // truncated at the end
    EXPECT_EQ(encodeWindows1252(utf8), bytes) << utf8;
}

// A write that fails part-way, because the disk fills up or the process is
// killed, leaves the old file whole and nothing beside it.
TEST(FailedWrites, AFullDiskOrAKillHalfWayKeepsTheOldFileAndTheNextWriteSucceeds) {
  TempFolder folder;
  const auto file = folder.path() / "Marie.ini";
  const std::string old(4000, 'a'), longer(100'000, 'b');
  ASSERT_TRUE(writeFileAtomically(file, old, Durability::UserData));
  {
    const DiskFullAfter fullDisk(6000);
    EXPECT_FALSE(writeFileAtomically(file, longer, Durability::UserData));
  }
  EXPECT_EQ(readFileBytes(file), old);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Marie.ini.tmp"));
  ASSERT_TRUE(killedWhileWriting(6000, [&] { writeFileAtomically(file, longer, Durability::UserData); }));
  EXPECT_EQ(readFileBytes(file), old);
  EXPECT_TRUE(writeFileAtomically(file, "V 6.1,nouveau\r\n", Durability::UserData));  // over the leftover
  EXPECT_EQ(readFileBytes(file), "V 6.1,nouveau\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Marie.ini.tmp"));
}

TEST(ReadTextFile, SplitsDecodedLinesWithoutTheirEndsAndReportsAMissingFile) {
  for (const auto& [text, lines] : {std::pair{"", TextLines{}}, {"a\r\nb\r\n", TextLines{"a", "b"}},
                                    {"a\r\nb\nc", TextLines{"a", "b", "c"}}, {"a\r\n\r\n b", TextLines{"a", "", " b"}}})
    EXPECT_EQ(splitLines(text), lines) << text;
  TempFolder folder;
  folder.writeBytes("t.dat", "Cha\xEEne\r\n\x80 = 2\r\n");
  EXPECT_EQ(readTextFile(folder.path() / "t.dat"), (TextLines{"Chaîne", "€ = 2"}));
  EXPECT_FALSE(readTextFile(folder.path() / "absent.dat").has_value());
}

}  // namespace
}  // namespace ventelle
