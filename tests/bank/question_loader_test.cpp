#include "bank/question_loader.h"

#include <gtest/gtest.h>

#include "core/fatal_error.h"
#include "fakes/planned_random.h"

namespace ventelle {
namespace {

const char* const kChapter =
    "; Chapitre 3 : aérologie\r\nVersion = 2\r\n"
    "[1]\r\nQuestion = Quel nuage annonce un orage ?\r\nCmt = Lex:\"Cumulonimbus\"\r\nLe cumulonimbus = 6\r\n"
    "\r\n; entre deux réponses\r\nLe cirrus = -2\r\nLe stratus=-2\r\n"
    "[D12i]\r\nQuestion = Que montre la photo ?\r\nUn delta = 6\r\n"
    "[12I]\r\nQuestion = Faut-il voler par vent fort ?\r\nOui=2.5\r\nNon\r\nPeut-être = 3\r\n"
    "[7]\r\nQuestion = Six réponses ?\r\nA = 1\r\nB = 1\r\nC = 1\r\nD = 1\r\nE = 2\r\nF = 6\r\n"
    "[8]\r\nQuestion = Dernière question\r\nCmt = fin du chapitre\r\nOui = 6\r\nNon = -6";

class ChapterQuestions : public testing::Test {
 protected:
  ChapterIndex chapter = indexChapter(splitLines(kChapter));
  Question read(int place) { return readQuestion(chapter, 3, place, "2004\\4"); }
};

TEST_F(ChapterQuestions, IndexListsHeadersInOrderAndIgnoresWhatComesBeforeTheFirst) {
  std::vector<std::string> names;
  for (const auto& header : chapter.headers) names.push_back(header.name);
  EXPECT_EQ(names, (std::vector<std::string>{"1", "D12i", "12I", "7", "8"}));
  EXPECT_EQ(chapter.placeOf("12I"), 3);
  EXPECT_EQ(chapter.placeOf("12i"), std::nullopt);
  // A header on the last line is not counted.
  EXPECT_EQ(indexChapter(splitLines("[1]\r\nQuestion = a\r\nOui = 6\r\n[2]\r\n")).questionCount(), 1);
}

TEST_F(ChapterQuestions, CommentAndThreeAnswersEndAtTheNextHeader) {
  const Question q = read(1);
  EXPECT_EQ(q.name, "1");
  EXPECT_EQ(q.text, "Quel nuage annonce un orage ?");
  EXPECT_EQ(lexiconWordOf(q.comment), "Cumulonimbus");
  ASSERT_EQ(q.answerCount, 3);
  EXPECT_EQ(q.answerTexts, (std::array<std::string, 6>{"", "Le cumulonimbus", "Le cirrus", "Le stratus", "", ""}));
  EXPECT_EQ(q.answerValues, (std::array<double, 6>{0, 6, -2, -2, 0, 0}));
  EXPECT_EQ(q.answerOrder, (std::array<int, 6>{0, 1, 2, 3, 0, 0}));
}

TEST_F(ChapterQuestions, LastQuestionReadsItsAnswersUpToTheEndOfTheFile) {
  const Question q = read(5);
  EXPECT_EQ(q.comment, "fin du chapitre");
  ASSERT_EQ(q.answerCount, 2);
  EXPECT_EQ(q.answerTexts[2], "Non");
  EXPECT_EQ(q.answerValues[2], -6);
}

TEST_F(ChapterQuestions, LineWithoutEqualsEndsTheAnswersAndHalvesRoundToEvenOnlyWhenShuffled) {
  Question q = read(3);
  EXPECT_EQ(q.comment, "-");
  ASSERT_EQ(q.answerCount, 1);
  EXPECT_EQ(q.answerValues[1], 2.5);
  PlannedRandom random;
  random.queueDraw(1, 1);
  shuffleAnswers(q, random);
  EXPECT_EQ(q.answerTexts[1], "Oui");
  EXPECT_EQ(q.answerValues[1], 2);
}

TEST_F(ChapterQuestions, AnswersBeyondTheFifthAreIgnored) {
  const Question q = read(4);
  ASSERT_EQ(q.answerCount, 5);
  EXPECT_EQ(q.answerTexts[5], "E");
  EXPECT_EQ(q.answerValues[5], 2);
}

// The reader leaves the last line read in place at the end of the file: a
// closing comment must not come back as an answer.
TEST(ReadQuestion, OnlyAnswerEndsTheFileOrComesBeforeAClosingComment) {
  for (const char* text : {"[5]\r\nQuestion = Seule ?\r\nOui = 6", "[5]\nQuestion = a\nOui = 6\n; fin = 1\n"}) {
    const Question q = readQuestion(indexChapter(splitLines(text)), 1, 1, "ulm\\u");
    EXPECT_EQ(q.comment, "-");
    ASSERT_EQ(q.answerCount, 1) << text;
    EXPECT_EQ(q.answerTexts[1], "Oui");
    EXPECT_EQ(q.answerValues[1], 6);
  }
}

TEST(ReadQuestion, DamagedQuestionStopsWithTheFileAndQuestionNamed) {
  for (const char* text : {"[12]\nQuestoin = x\nOui = 6\n", "[12]\nquestion = x\nOui = 6\n",
                           "[12]\n[13]\nQuestion = x\nOui = 6\n",                 // header right after header
                           "[12]\nQuestion = x\nTexte sans signe\nOui = 6\n",     // neither comment nor answer
                           "[12]\nQuestion = x", "[12]\nQuestion = x\n; fin = 1\n"}) {  // nothing after the question
    try {
      readQuestion(indexChapter(splitLines(text)), 3, 1, "2004\\4");
      ADD_FAILURE() << "no error for " << text;
    } catch (const FatalError& error) {
      EXPECT_STREQ(error.what(),
                   "Le fichier 2004\\4Chapitre3.dat est corrompu à la question 12, l'application va se terminer");
    }
  }
}

TEST(QuestionName, GivesWingMarkAndPicture) {
  for (const auto& [name, wingMark, picture] : {std::tuple{"D12i", 'D', true}, {"p", 'P', false}, {"P7i", 'P', true},
                                                 {"12I", '\0', false}, {"12i", '\0', true}, {"", '\0', false}}) {
    EXPECT_EQ(wingMarkOf(name), wingMark) << name;
    EXPECT_EQ(hasPicture(name), picture) << name;
  }
}

// The comments come from Windows-1252 files: curly quotes and guillemets are
// one character each but several bytes once in UTF-8.
TEST(LexiconComment, NamesTheTermBetweenItsFiveLeadingCharactersAndItsClosingOne) {
  for (const auto& [comment, term] :
       {std::pair{"Lex:\"Ascendance\"", "Ascendance"}, {"Lex:“Ascendance”", "Ascendance"}, {"Lex:«Foehn»", "Foehn"},
        {"Lex:“Éolienne”", "Éolienne"}, {"Lex: «Vent météo»", "«Vent météo"}, {"Lex:«é»", "é"},
        {"Lex:«»", ""}, {"Lex:“", ""}, {"Lex", ""}}) {
    EXPECT_TRUE(isLexiconComment(comment)) << comment;
    EXPECT_EQ(lexiconWordOf(comment), term) << comment;
  }
  EXPECT_FALSE(isLexiconComment("Le lexique en parle"));
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOrZero) {
  for (const auto& [text, value] : {std::pair{"2.5", 2.5}, std::pair{"  6", 6.0}, std::pair{"-2", -2.0},
                                    std::pair{"+3", 3.0}, std::pair{".5", 0.5}, std::pair{"3 points", 3.0},
                                    std::pair{"1,5", 1.0}, std::pair{"abc", 0.0}, std::pair{"", 0.0},
                                    std::pair{"99999999999", 1000.0}, std::pair{"-1000.5", -1000.0}})
    EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
  EXPECT_DOUBLE_EQ(leadingNumber(std::string(400, '9')), 1000.0);
}

TEST(ShuffleAnswers, RedrawsATakenPlaceAndRoundsValuesHalfToEven) {
  Question q;
  q.answerCount = 3;
  q.answerTexts = {"", "A", "B", "C", "", ""};
  q.answerValues = {0, 2.5, -2.5, 3.5, 0, 0};
  PlannedRandom random;
  for (const int r : {3, 3, 1, 2}) random.queueDraw(r, 3);
  shuffleAnswers(q, random);
  EXPECT_EQ(random.pending(), 0u);
  EXPECT_EQ(q.answerOrder, (std::array<int, 6>{0, 3, 1, 2, 0, 0}));
  EXPECT_EQ(q.answerTexts, (std::array<std::string, 6>{"", "C", "A", "B", "", ""}));
  EXPECT_EQ(q.answerValues, (std::array<double, 6>{0, 4, 2, -2, 0, 0}));
}

}  // namespace
}  // namespace ventelle
