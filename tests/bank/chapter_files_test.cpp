#include <gtest/gtest.h>

#include "bank/chapter_draw.h"
#include "bank/chapter_library.h"
#include "bank/module_files.h"
#include "bank/previous_edition.h"
#include "bank/question_loader.h"
#include "core/fatal_error.h"
#include "core/file_io.h"
#include "core/text_file.h"
#include "fakes/planned_random.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

using Paths = std::vector<std::string>;

using Answers = std::vector<std::pair<std::string, double>>;

Answers answersOf(const Question& q) {
  Answers answers;
  for (int i = 1; i <= q.answerCount; ++i) answers.emplace_back(q.answerTexts[i], q.answerValues[i]);
  return answers;
}

// What comes before the first header is no question; a line without "=" ends
// the answers, which stop at the fifth and at the end of the file. The reader
// leaves the last line read in place there: the closing comment must not come
// back as an answer.
TEST(ReadQuestion, ReadsTheTextCommentAndAnswersOfEachQuestionByPlace) {
  const ChapterIndex chapter = indexChapter(splitLines(
      "; Chapitre 3 : aérologie\r\nVersion = 2\r\n[1]\r\nQuestion = Quel nuage ?\r\nCmt = Lex:\"Cumulonimbus\"\r\n"
      "Le cumulonimbus = 6\r\n\r\n; entre deux réponses\r\nLe cirrus = -2\r\nLe stratus=-2\r\n"
      "[12I]\r\nQuestion = Par vent fort ?\r\nOui=2.5\r\nNon\r\nPeut-être = 3\r\n"
      "[7]\r\nQuestion = Six réponses ?\r\nA = 1\r\nB = 1\r\nC = 1\r\nD = 1\r\nE = 2\r\nF = 6\r\n"
      "[8]\r\nQuestion = Dernière question\r\nCmt = fin du chapitre\r\nOui = 6\r\nNon = -6\r\n; fin = 1"));
  EXPECT_EQ(chapter.placeOf("12I"), 2);
  EXPECT_EQ(chapter.placeOf("12i"), std::nullopt);
  for (const auto& [place, name, text, comment, answers] : {
           std::tuple{1, "1", "Quel nuage ?", "Lex:\"Cumulonimbus\"",
                      Answers{{"Le cumulonimbus", 6}, {"Le cirrus", -2}, {"Le stratus", -2}}},
           {2, "12I", "Par vent fort ?", "-", Answers{{"Oui", 2.5}}},
           {3, "7", "Six réponses ?", "-", Answers{{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}, {"E", 2}}},
           {4, "8", "Dernière question", "fin du chapitre", Answers{{"Oui", 6}, {"Non", -6}}}}) {
    const Question q = readQuestion(chapter, 3, place, "2004\\4");
    EXPECT_EQ(std::tuple(q.name, q.text, q.comment, answersOf(q)), std::tuple(name, text, comment, answers)) << place;
  }
}

TEST(ReadQuestion, DamagedQuestionStopsWithTheFileAndQuestionNamed) {
  // A key in small letters, a header right after a header, nothing after the
  // question, and a line neither comment nor answer.
  for (const char* text : {"[12]\nquestion = x\nOui = 6\n", "[12]\n[13]\nQuestion = x\nOui = 6\n", "[12]\nQuestion = x",
                           "[12]\nQuestion = x\n; fin = 1\n", "[12]\nQuestion = x\nTexte sans signe\nOui = 6\n"}) {
    try {
      readQuestion(indexChapter(splitLines(text)), 3, 1, "2004\\4");
      ADD_FAILURE() << "no error for " << text;
    } catch (const FatalError& error) {
      EXPECT_STREQ(error.what(),
                   "Le fichier 2004\\4Chapitre3.dat est corrompu à la question 12, l'application va se terminer");
    }
  }
}

// The comments come from Windows-1252 files: curly quotes and guillemets are
// one character each but several bytes once in UTF-8.
TEST(LexiconComment, NamesTheTermBetweenItsFiveLeadingCharactersAndItsClosingOne) {
  for (const auto& [comment, term] :
       {std::pair{"Lex:\"Ascendance\"", "Ascendance"}, {"Lex:“Éolienne”", "Éolienne"}, {"Lex:«Foehn»", "Foehn"},
        {"Lex: «Vent météo»", "«Vent météo"}, {"Lex:«é»", "é"}, {"Lex:«»", ""}, {"Lex:“", ""}, {"Lex", ""}})
    EXPECT_TRUE(isLexiconComment(comment) && lexiconWordOf(comment) == term) << comment;
  EXPECT_FALSE(isLexiconComment("Le lexique en parle"));
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOrZero) {
  for (const auto& [text, value] : {std::pair{"2.5", 2.5}, {"  6", 6.0}, {"-2", -2.0}, {"+3", 3.0}, {".5", 0.5},
                                    {"3 points", 3.0}, {"1,5", 1.0}, {"abc", 0.0}, {"", 0.0},
                                    {"99999999999", 1000.0}, {"-1000.5", -1000.0}})
    EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
}

TEST(ShuffleAnswers, RedrawsATakenPlaceAndRoundsValuesHalfToEven) {
  Question q = readQuestion(indexChapter(splitLines("[1]\nQuestion = q\nA = 2.5\nB = -2.5\nC = 3.5")), 1, 1, "ulm\\u");
  PlannedRandom random;
  for (const int r : {3, 3, 1, 2}) random.queueDraw(r, 3);
  shuffleAnswers(q, random);
  EXPECT_EQ(q.answerOrder, (std::array<int, 6>{0, 3, 1, 2, 0, 0}));
  EXPECT_EQ(answersOf(q), (Answers{{"C", 4}, {"A", 2}, {"B", -2}}));
}

TEST(RankHoldingQuestion, IsTheFirstRankWhoseRunningSumReachesR) {
  for (const auto& [r, rank] : {std::pair{25, 2}, {1, 1}, {10, 1}, {11, 2}, {30, 2}, {31, 3}, {60, 3}})
    EXPECT_EQ(rankHoldingQuestion({10, 20, 30}, r), rank) << "r=" << r;
  EXPECT_EQ(rankHoldingQuestion({0, 5}, 1), 2);  // an empty chapter holds nothing
}

// The confirmed hang-glider brevet with its lower levels is laid out as the pilot brevet.
TEST(ChapterSources, OwnModuleThenTheLowerLevelsWhenIncluded) {
  for (const auto& [exam, lower, chapter, sources] :
       {std::tuple{7, false, 1, Paths{"2004\\2.qcm"}}, {8, true, 1, Paths{"2004\\3.qcm", "2004\\1.qcm", "2004\\2.qcm"}},
        {11, true, 1, Paths{"2004\\2.qcm", "2004\\1.qcm", "2004\\3.qcm"}},
        {11, true, 3, Paths{"2004\\11.qcm", "2004\\10.qcm"}}})
    EXPECT_EQ(chapterSources(exam, lower, chapter), sources) << exam << " " << lower << " " << chapter;
}

// A chapter file of one-answer questions of these names.
std::string chapterText(std::initializer_list<const char*> names) {
  std::string text;
  for (const char* name : names) text += std::string("[") + name + "]\nQuestion = q\nOui = 6\n";
  return text;
}

struct ChapterFiles : testing::Test {
  TempFolder folder;
  ChapterLibrary library{ProgramFolder(folder.path())};
  std::string bytes(const char* file) const { return readFileBytes(folder.path() / file).value_or("<absent>"); }
  std::string firstName(const char* chapter) { return library.chapter(chapter)->headers.front().name; }
};

// A chapter whose module is missing is removed: it must not keep the
// questions of the brevet built before. A folder in a chapter file's place
// cannot be replaced. A rebuilt chapter is read again even with the same size
// and time (two rebuilds within one tick of the file clock).
TEST_F(ChapterFiles, CopyModulesBuildsEveryChapterWhoseModuleExistsAndRemovesTheOthers) {
  for (const char* m : {"5", "9", "12"}) folder.write(std::string("2004/") + m + ".qcm", chapterText({m}));
  folder.write("2004/4Chapitre1.dat", chapterText({"1"}));
  folder.write("2004/4Chapitre4.dat", "ancien");
  folder.write("2004/4Chapitre3.dat/garde", "x");
  const auto time = std::filesystem::last_write_time(folder.path() / "2004/4Chapitre1.dat");
  ASSERT_EQ(firstName("2004\\4Chapitre1.dat"), "1");
  const auto problems = copyModules(library, {5, 0, 9, 13});
  EXPECT_EQ(problems.unreadableModules, Paths{"2004\\13.qcm"});
  EXPECT_EQ(problems.unwritableChapters, Paths{"2004\\4Chapitre3.dat"});
  EXPECT_EQ(bytes("2004/4Chapitre1.dat"), bytes("2004/5.qcm"));
  std::filesystem::last_write_time(folder.path() / "2004/4Chapitre1.dat", time);
  EXPECT_EQ(firstName("2004\\4Chapitre1.dat"), "5");
  for (const char* gone : {"4Chapitre2.dat", "4Chapitre4.dat", "4Chapitre1.dat.tmp", "4Chapitre3.dat.tmp"})
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "2004" / gone)) << gone;
}

TEST_F(ChapterFiles, JoinModulesAppendsBothModulesLineByLineBetweenEmptyLinesAndLeavesOutAMissingOne) {
  folder.writeBytes("2004/4Chapitre3.dat", "[8]\r\nQuestion=Q\r\nOui=6\r\n");
  folder.writeBytes("2004/1.qcm", "[1]\r\nQuestion=\xE9t\xE9 ?\nOui=6");  // LF and no final line end
  folder.writeBytes("2004/2.qcm", "[2]\r\n");
  ASSERT_EQ(library.chapter("2004\\4Chapitre3.dat")->questionCount(), 1);
  EXPECT_TRUE(joinModules(library, {3, 1, 2}).empty());
  EXPECT_EQ(bytes("2004/4Chapitre3.dat"),
            "[8]\r\nQuestion=Q\r\nOui=6\r\n\r\n\r\n[1]\r\nQuestion=\xE9t\xE9 ?\r\nOui=6\r\n\r\n[2]\r\n\r\n");
  EXPECT_EQ(library.chapter("2004\\4Chapitre3.dat")->questionCount(), 3);

  EXPECT_EQ(joinModules(library, {3, 20, 2}).unreadableModules, Paths{"2004\\20.qcm"});
  EXPECT_TRUE(bytes("2004/4Chapitre3.dat").ends_with("[2]\r\n\r\n\r\n\r\n\r\n[2]\r\n\r\n"));
}

TEST_F(ChapterFiles, TheLibraryReadsAgainAFileThatChangedAndGivesNothingForAMissingOne) {
  folder.write("ulm/uChapitre1.dat", chapterText({"1", "2"}));
  EXPECT_EQ(library.chapter("ULM\\uchapitre1.dat")->questionCount(), 2);
  folder.write("ulm/uChapitre1.dat", chapterText({"1", "2", "3"}));  // another size
  EXPECT_EQ(library.chapter("ulm\\uChapitre1.dat")->questionCount(), 3);
  const auto path = folder.path() / "ulm" / "uChapitre1.dat";
  const auto before = std::filesystem::last_write_time(path);
  folder.write("ulm/uChapitre1.dat", chapterText({"7", "8", "9"}));  // the same size, a later time
  std::filesystem::last_write_time(path, before + std::chrono::seconds(5));
  EXPECT_EQ(firstName("ulm\\uChapitre1.dat"), "7");
  std::filesystem::remove(path);
  EXPECT_EQ(library.chapter("ulm\\uChapitre1.dat"), nullptr);
}

// Every question of the previous edition that was not replaced is still in
// its file today (questions were only added at the end of a file since), so
// that a questionnaire saved with it finds its questions.
TEST(PreviousEdition, TheShippedOneCoversEveryBankFileWhichStillHoldsEveryQuestionNotReplaced) {
  EXPECT_TRUE(readPreviousEdition(ProgramFolder("absent")).empty());

  const ProgramFolder shipped(VENTELLE_DATA_DIR);
  const PreviousEdition edition = readPreviousEdition(shipped);
  EXPECT_EQ(edition.size(), 30u + 6 + 9 + 6 + 6 + 5);
  for (const auto& [path, questions] : edition) {
    const auto lines = readTextFile(shipped.resolve(path));
    ASSERT_TRUE(lines) << path;
    for (std::size_t k = 0; k < questions.size(); ++k)
      if (!questions[k].replaced) EXPECT_EQ(indexChapter(*lines).headers.at(k).name, questions[k].name) << path;
  }
}

}  // namespace
}  // namespace ventelle
