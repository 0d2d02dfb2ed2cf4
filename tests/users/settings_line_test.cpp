#include "users/settings_line.h"

#include <gtest/gtest.h>

#include "users/questionnaire_lines.h"

namespace ventelle {
namespace {

using Fields = std::vector<std::string>;

// The built-in profile's line, bare or quoted, holds the default settings.
TEST(SettingsLine, QuotedAndBareFieldsReadAlikeAndMinusOneAndNumbersCountAsBooleans) {
  for (const char* line :
       {"V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",8",
        "\"V 6.1\",\"Classique\",7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",8",
        "V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,-1,0,1,0,0,1,#TRUE#,\"\",\"\",\"\",\"\",8"}) {
    const auto read = readSettingsLine(line);
    EXPECT_TRUE(read.ignoredFields.empty()) << line;
    EXPECT_EQ(read.settings, Settings{}) << line;
  }
  EXPECT_FALSE(readSettingsLine("V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,0,0,1,0,0,0").settings.chapterPriority);
}

TEST(SettingsLine, SaveFormQuotesTextsAndEachFieldReadsBackInItsPlace) {
  const std::string line =
      "\"V 6.1\",\"Bleu nuit\",11,1,0,1,0,1,0,0,0,0,#FALSE#,-1,0,1,0,#FALSE#,#FALSE#,\"3\",\"12\",\"18\",\"13\",16";
  const auto read = readSettingsLine(line);
  const Settings& s = read.settings;
  EXPECT_TRUE(read.ignoredFields.empty());
  EXPECT_EQ(std::tuple(s.skinName, s.examIndex, s.partie, s.includeLowerLevels, s.stopMode, s.examConformMarking,
                       s.instructorTest, s.chapterPriority, s.training, s.questionsAsked, s.totalPoints, s.maxPoints,
                       s.moyenne, s.reaskPeriod),
            std::tuple("Bleu nuit", 11, std::array<bool, 10>{false, true, false, true, false, true}, false, -1, 0, 1,
                       false, false, "3", "12", "18", "13", 16));
  EXPECT_EQ(writeSettingsLine(s), line);
}

// Exam out of range, a box of 2, a word for a boolean, a skin with a path or
// a quote (the save form could not hold it), an unknown period, a number that
// would wrap round to 4 in 32 bits, and lines cut short.
TEST(SettingsLine, DamagedFieldsKeepTheirDefaultAndAreNamed) {
  const auto read = readSettingsLine("V 6.1,../etc,12,1,2,1,1,1,1,1,1,0,oui,0,1,0,0,#TRUE#,#TRUE#,\"4\",\"20\"");
  EXPECT_EQ(std::tuple(read.settings.skinName, read.settings.examIndex, read.settings.partie[2],
                       read.settings.includeLowerLevels, read.settings.questionsAsked, read.settings.totalPoints,
                       read.settings.reaskPeriod),
            std::tuple("Classique", 7, true, true, "4", "20", 8));
  EXPECT_EQ(read.ignoredFields, (Fields{"l'habillage", "l'examen", "le chapitre 2", "l'inclusion des QCMs inférieurs",
                                        "le maximum de points", "la moyenne", "la fréquence de repose"}));
  for (const auto& [line, ignored] : {std::pair{"V 6.1,.\"", "l'habillage"}, {"V 6.1,ciel\"bleu", "l'habillage"},
                                      {"V 6.1,Classique,4294967300,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#",
                                       "l'examen"}}) {
    const auto damaged = readSettingsLine(line);
    EXPECT_EQ(std::pair(damaged.settings.skinName, damaged.settings.examIndex), std::pair(std::string("Classique"), 7));
    EXPECT_EQ(damaged.ignoredFields.front(), ignored) << line;
    EXPECT_EQ(readSettingsLine(writeSettingsLine(damaged.settings)).settings, damaged.settings) << line;
  }
  Settings defaults;
  defaults.formatTag.clear();
  EXPECT_EQ(readSettingsLine("").settings, defaults);
  EXPECT_EQ(readSettingsLine("").ignoredFields.size(), 23u);
}

// The name goes to the block of names, never into the line.
TEST(QuestionnaireLines, BothFormsRoundTrip) {
  const SavedQuestion q{3, 14, {0, 2, 1, 3, 0, 0}, {0, 0, 1, 0, 0, 0}, "314i"};
  EXPECT_EQ(writeTrainingLine(q), "3,14");
  EXPECT_EQ(writeFullQuestionnaireLine(q), "3,14,2,0,1,1,3,0,0,0,0,0");
  const auto full = readFullQuestionnaireLine("3,14,2,0,1,1,3,0,0,0,0,0");
  ASSERT_TRUE(full);
  EXPECT_EQ(std::tuple(full->chapter, full->index, full->ordre, full->coche), std::tuple(3, 14, q.ordre, q.coche));
  const auto training = readTrainingLine("3,14");
  ASSERT_TRUE(training);
  // A line saved before names were kept has none.
  EXPECT_EQ(std::tuple(training->chapter, training->index, training->name), std::tuple(3, 14, ""));
}

// A name is written between double quotes, in the block of names or, as
// lines were once written, at the end of its line; one holding a quote or a
// comma must still be found again. Written by hand: a bare name, and a quoted
// one followed by other text.
TEST(QuestionnaireLines, NameHoldingQuotesAndCommasReadsBackAsWritten) {
  for (const std::string name : {"314i", "D3'\"", "a\"b", "\"x\"", "a, \"b\", c", " 12 "}) {
    EXPECT_EQ(readNameLine(writeNameLine(name)), name);
    EXPECT_EQ(readTrainingLine("3,5,\"" + name + "\"")->name, name);
    EXPECT_EQ(readFullQuestionnaireLine("3,5,2,1,1,0,0,0,0,0,0,0,\"" + name + "\"")->name, name);
  }
  EXPECT_EQ(writeNameLine("D3'\""), "\"D3'\"\"");
  EXPECT_EQ(readNameLine(" 314i "), "314i");
  EXPECT_EQ(readTrainingLine("3,5, 314i ")->name, "314i");
  EXPECT_EQ(readTrainingLine("3,5,\"314i\" suite")->name, "314i");
}

TEST(QuestionnaireLines, DamagedLinesAreRefused) {
  for (const char* line : {"3", "x,1", "10,1", "-1,1", "99999999999,1"}) EXPECT_FALSE(readTrainingLine(line)) << line;
  for (const char* line : {"3,14", "3,14,6,0,1,1,3,0,0,0,0,0", "3,14,2,2,1,1,3,0,0,0,0,0"})
    EXPECT_FALSE(readFullQuestionnaireLine(line)) << line;
}

}  // namespace
}  // namespace ventelle
