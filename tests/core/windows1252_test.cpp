#include "core/windows1252.h"

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

std::string byteString(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Windows1252, EveryByteSurvivesDecodeThenEncode) {
  std::string all;
  for (int b = 0; b < 256; ++b) {
    all += byteString(b);
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(byteString(b))), byteString(b)) << "byte " << b;
  }
  EXPECT_EQ(encodeWindows1252(decodeWindows1252(all)), all);
}

// 0x81 and 0x9D are two of the five bytes Windows-1252 leaves undefined.
TEST(Windows1252, MapsEachByteToItsCharacterBothWays) {
  for (const auto& [byte, utf8] :
       {std::pair{0x41, "A"}, {0x80, "€"}, {0x8A, "Š"}, {0x8C, "Œ"}, {0x92, "’"}, {0x96, "–"}, {0x9C, "œ"},
        {0x9F, "Ÿ"}, {0xA0, "\u00A0"}, {0xE9, "é"}, {0xFF, "ÿ"}, {0x81, "\u0081"}, {0x9D, "\u009D"}}) {
    EXPECT_EQ(decodeWindows1252(byteString(byte)), utf8) << "byte " << byte;
    EXPECT_EQ(encodeWindows1252(utf8), byteString(byte)) << utf8;
  }
}

TEST(Windows1252, WritesAQuestionMarkForWhatItCannotEncode) {
  for (const auto& [utf8, bytes] : {std::pair{"Ā", "?"}, std::pair{"a日b", "a?b"}, std::pair{"\U0001F600", "?"},
                                    std::pair{"\u0080", "?"},       // C1 control that 0x80 does not hold
                                    std::pair{"\xE9t\xE9", "?t?"},  // Latin-1 bytes, not UTF-8
                                    std::pair{"\xC3" "A", "?A"},    // broken sequence keeps what follows
                                    std::pair{"\xE2\x82", "??"}})   // truncated at the end
    EXPECT_EQ(encodeWindows1252(utf8), bytes) << utf8;
}

TEST(SplitLines, GivesTheLinesWithoutTheirEnds) {
  for (const auto& [text, lines] :
       {std::pair{"", TextLines{}}, std::pair{"a\r\nb\r\n", TextLines{"a", "b"}}, std::pair{"a\nb", TextLines{"a", "b"}},
        std::pair{"a\r\nb\nc", TextLines{"a", "b", "c"}}, std::pair{"a\r\n\r\n b", TextLines{"a", "", " b"}}})
    EXPECT_EQ(splitLines(text), lines) << text;
}

TEST(ReadTextFile, DecodesWindows1252LinesAndReportsAMissingOrUnreadableFile) {
  TempFolder folder;
  folder.writeBytes("t.dat", "Cha\xEEne\r\n\x80 = 2\r\n");
  std::filesystem::create_directory(folder.path() / "dossier.dat");
  EXPECT_EQ(readTextFile(folder.path() / "t.dat"), (TextLines{"Chaîne", "€ = 2"}));
  EXPECT_FALSE(readTextFile(folder.path() / "absent.dat").has_value());
  EXPECT_FALSE(readTextFile(folder.path() / "dossier.dat").has_value());
}

}  // namespace
}  // namespace ventelle
