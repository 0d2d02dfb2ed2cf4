#include "users/settings_line.h"

#include <gtest/gtest.h>

#include "users/questionnaire_lines.h"

namespace ventelle {
namespace {

TEST(SettingsLine, QuotedAndBareFieldsReadAlike) {
  const auto bare = readSettingsLine("V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",8");
  const auto quoted =
      readSettingsLine("\"V 6.1\",\"Classique\",7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",8");
  EXPECT_TRUE(bare.ignoredFields.empty());
  EXPECT_EQ(bare.settings, quoted.settings);
  EXPECT_EQ(bare.settings, Settings{});
}

TEST(SettingsLine, SaveFormReadsBackAndQuotesTexts) {
  Settings s;
  s.skinName = "Bleu nuit";
  s.examIndex = 11;
  s.partie = {false, true, false, true, false, true, false, false, false, false};
  s.includeLowerLevels = false;
  s.stopMode = -1;
  s.examConformMarking = 0;
  s.instructorTest = 1;
  s.chapterPriority = false;
  s.training = false;
  s.questionsAsked = "3";
  s.totalPoints = "12";
  s.maxPoints = "18";
  s.moyenne = "13";
  s.reaskPeriod = 16;
  const std::string line = writeSettingsLine(s);
  EXPECT_EQ(line,
            "\"V 6.1\",\"Bleu nuit\",11,1,0,1,0,1,0,0,0,0,#FALSE#,-1,0,1,0,#FALSE#,#FALSE#,\"3\",\"12\",\"18\",\"13\",16");
  const auto read = readSettingsLine(line);
  EXPECT_TRUE(read.ignoredFields.empty());
  EXPECT_EQ(read.settings, s);
}

// The save form quotes the skin name and so cannot hold a double quote: a
// skin name holding one is refused when read, and what is read saves and
// reads back the same.
TEST(SettingsLine, SkinNameWithAQuoteIsRefusedSoThatWhatIsReadSavesAlike) {
  for (const char* line : {"V 6.1,.\"", "V 6.1,ciel\"bleu"}) {
    const auto read = readSettingsLine(line);
    EXPECT_EQ(read.settings.skinName, "Classique") << line;
    ASSERT_FALSE(read.ignoredFields.empty());
    EXPECT_EQ(read.ignoredFields.front(), "l'habillage");
    EXPECT_EQ(readSettingsLine(writeSettingsLine(read.settings)).settings, read.settings) << line;
  }
}

TEST(SettingsLine, MinusOneAndNumbersCountAsBooleans) {
  const auto read = readSettingsLine("V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,-1,0,1,0,0,0,#TRUE#,\"\",\"\",\"\",\"\",8");
  EXPECT_TRUE(read.ignoredFields.empty());
  EXPECT_TRUE(read.settings.includeLowerLevels);
  EXPECT_FALSE(read.settings.chapterPriority);
}

TEST(SettingsLine, DamagedFieldsKeepTheirDefaultAndAreNamed) {
  // exam out of range, a box of 2, a word for a boolean, a skin with a path,
  // an unknown period, and the line cut before the last field.
  const auto read = readSettingsLine("V 6.1,../../etc/passwd,12,1,2,1,1,1,1,1,1,0,oui,0,1,0,0,#TRUE#,#TRUE#,\"4\",\"20\"");
  EXPECT_EQ(read.settings.skinName, "Classique");
  EXPECT_EQ(read.settings.examIndex, 7);
  EXPECT_TRUE(read.settings.partie[2]);
  EXPECT_TRUE(read.settings.includeLowerLevels);
  EXPECT_EQ(read.settings.questionsAsked, "4");
  EXPECT_EQ(read.settings.totalPoints, "20");
  EXPECT_EQ(read.settings.reaskPeriod, 8);
  EXPECT_EQ(read.ignoredFields,
            (std::vector<std::string>{"l'habillage", "l'examen", "le chapitre 2", "l'inclusion des QCMs inférieurs",
                                      "le maximum de points", "la moyenne", "la fréquence de repose"}));
}

TEST(SettingsLine, ANumberTooLongIsNotTakenForAnotherOne) {
  // 4294967300 would wrap round to 4 in 32 bits.
  const auto read = readSettingsLine("V 6.1,Classique,4294967300,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8");
  EXPECT_EQ(read.settings.examIndex, 7);
  EXPECT_EQ(read.ignoredFields, std::vector<std::string>{"l'examen"});
}

TEST(SettingsLine, AnEmptyLineIsAllDefaults) {
  const auto read = readSettingsLine("");
  Settings defaults;
  defaults.formatTag.clear();
  EXPECT_EQ(read.settings, defaults);
  EXPECT_EQ(read.ignoredFields.size(), 23u);
}

TEST(QuestionnaireLines, BothFormsRoundTrip) {
  SavedQuestion q{3, 14, {0, 2, 1, 3, 0, 0}, {0, 0, 1, 0, 0, 0}, {}};
  EXPECT_EQ(writeTrainingLine(q), "3,14");
  EXPECT_EQ(writeFullQuestionnaireLine(q), "3,14,2,0,1,1,3,0,0,0,0,0");
  const auto full = readFullQuestionnaireLine("3,14,2,0,1,1,3,0,0,0,0,0");
  ASSERT_TRUE(full);
  EXPECT_EQ(full->ordre, q.ordre);
  EXPECT_EQ(full->coche, q.coche);
  const auto training = readTrainingLine("3,14");
  ASSERT_TRUE(training);
  EXPECT_EQ(training->chapter, 3);
  EXPECT_EQ(training->index, 14);
  EXPECT_EQ(training->name, "");  // a line saved before names were kept

  // The name goes to the block of names, never into the line.
  q.name = "314i";
  EXPECT_EQ(writeTrainingLine(q), "3,14");
  EXPECT_EQ(writeFullQuestionnaireLine(q), "3,14,2,0,1,1,3,0,0,0,0,0");
}

// A name is written between double quotes, in the block of names or, as
// lines were once written, at the end of its line; one holding a quote or a
// comma must still be found again.
TEST(QuestionnaireLines, NameHoldingQuotesAndCommasReadsBackAsWritten) {
  for (const std::string name : {"314i", "D3'\"", "a\"b", "\"x\"", "a, \"b\", c", " 12 "}) {
    EXPECT_EQ(readNameLine(writeNameLine(name)), name);
    EXPECT_EQ(readTrainingLine("3,5,\"" + name + "\"")->name, name);
    EXPECT_EQ(readFullQuestionnaireLine("3,5,2,1,1,0,0,0,0,0,0,0,\"" + name + "\"")->name, name);
  }
  EXPECT_EQ(writeNameLine("D3'\""), "\"D3'\"\"");
  // Written by hand: a bare name, and a quoted one followed by other text.
  EXPECT_EQ(readNameLine(" 314i "), "314i");
  EXPECT_EQ(readTrainingLine("3,5, 314i ")->name, "314i");
  EXPECT_EQ(readTrainingLine("3,5,\"314i\" suite")->name, "314i");
}

TEST(QuestionnaireLines, DamagedLinesAreRefused) {
  EXPECT_FALSE(readTrainingLine("3"));
  EXPECT_FALSE(readTrainingLine("x,1"));
  EXPECT_FALSE(readTrainingLine("10,1"));
  EXPECT_FALSE(readTrainingLine("-1,1"));
  EXPECT_FALSE(readTrainingLine("99999999999,1"));
  EXPECT_FALSE(readFullQuestionnaireLine("3,14"));
  EXPECT_FALSE(readFullQuestionnaireLine("3,14,6,0,1,1,3,0,0,0,0,0"));
  EXPECT_FALSE(readFullQuestionnaireLine("3,14,2,2,1,1,3,0,0,0,0,0"));
}

}  // namespace
}  // namespace ventelle
