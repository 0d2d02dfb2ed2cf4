#include <gtest/gtest.h>

#include "fakes/recording_print_device.h"
#include "print/print_job.h"

namespace ventelle {
namespace {

using Text = RecordingPrintDevice::Text;

// The fake printer's 10-point lines are 4 mm high, 2 mm a character; the
// footer zone begins at 277 - 3.2 (its 8-point line) - 2.
constexpr double kFooterZoneTop = 271.8;

PrintedQuestion question(std::string text, PrintedPicture picture = {},
                         std::vector<std::string> answers = {"Oui", "Non", "Cela dépend du vent"}) {
  return {std::move(text), std::move(picture), std::move(answers), {}};
}

RecordingPrintDevice printed(std::vector<PrintedQuestion> questions, int copies = 1) {
  PrintJob job;
  job.kind = DocumentKind::Questionnaires;
  job.copies = copies;
  job.questionnaire = {"QCM Parapente v2004 (FFVL)", "- brevet de pilote -", 2, 10, true, std::move(questions)};
  RecordingPrintDevice device;
  drawDocument(device, job);
  return device;
}

double widthOf(const Text& t) { return RecordingPrintDevice().textWidth(t.text) * t.font.size / 10; }
bool isPageFoot(const Text& t) { return t.font.size == 8; }

// The texts of each question, label first, in print order.
std::vector<std::vector<Text>> byQuestion(const RecordingPrintDevice& device) {
  std::vector<std::vector<Text>> questions;
  for (const auto& t : device.texts) {
    if (t.text.starts_with("Question N°")) questions.emplace_back();
    if (!questions.empty() && !isPageFoot(t)) questions.back().push_back(t);
  }
  return questions;
}

// The lines printed in the question's text column, joined.
std::string questionText(const std::vector<Text>& texts) {
  std::string text;
  for (const auto& t : texts)
    if (t.x == 57) text += t.text;
  return text;
}

TEST(Questionnaire, AQuestionPrintsItsLabelTextAndAnswersInTheirColumns) {
  const auto device = printed({question("Qu'est-ce qu'un thermique ?"), question("Et un cumulus ?")});

  struct Expected {
    std::string text;
    double x, y;  // x < 0: centred
    PrintFont font;
  };
  const std::vector<Expected> expected = {
      {"Session                       ", 5, 9, {10, true, true}},
      {"QCM Parapente v2004 (FFVL)", -1, 20, {20, true, true}},
      {"- brevet de pilote -", -1, 28, {15, true, false}},
      {"Question N°1", 15, 40, {10, true, true}},
      {"Qu'est-ce qu'un thermique ?", 57, 44, {10, true, false}},
      {"Réponse A :", 20, 49, {10, true, false}},
      {"Oui", 47, 49, {10, false, false}},
      {"Réponse B :", 20, 53, {10, true, false}},
      {"Cela dépend du vent", 47, 57, {10, false, false}},
      {"Question N°2", 15, 71, {10, true, true}},  // 10 mm below the last answer
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.text);
    const Text t = device.find(e.text).at(0);
    EXPECT_NEAR(e.x < 0 ? t.x + widthOf(t) / 2 : t.x, e.x < 0 ? 95 : e.x, 0.5);
    EXPECT_NEAR(t.y, e.y, 0.5);
    EXPECT_EQ(t.font, e.font);
  }
}

TEST(Questionnaire, EveryPageEndsWithTheFooterAndItsNumberRestartingPerCopy) {
  const auto device = printed(std::vector<PrintedQuestion>(20, question("Quelle est la finesse max ?")), 2);

  EXPECT_EQ(device.pagesEnded, 6);  // three pages a copy
  EXPECT_EQ(device.blankPagesEnded, 0);
  EXPECT_FALSE(device.drawnAfterLastPage());
  std::vector<std::string> numbers;
  for (const auto& t : device.startingWith("Page ")) numbers.push_back(t.text);
  EXPECT_EQ(numbers, (std::vector<std::string>{"Page 1", "Page 2", "Page 3", "Page 1", "Page 2", "Page 3"}));
  for (int page = 1; page <= 6; ++page) {
    const auto texts = device.textsOn(page);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2].text, "Ventelle V 6.1 - par l'équipe Ventelle") << page;
    EXPECT_EQ(texts.back().page, page);
  }
  EXPECT_EQ(device.find("Question N°1").at(1).page, 4);
}

TEST(Questionnaire, AQuestionThatFitsIsNeverSplitAndNothingReachesTheFooter) {
  std::vector<PrintedQuestion> questions;
  for (int q = 0; q < 30; ++q) {
    std::string text = "Une question de longueur variable";
    for (int i = 0; i < q % 7; ++i) text += " avec encore quelques mots pour la rallonger";
    PrintedPicture picture;
    if (q % 4 == 1) picture = {"image.jpg", 40, 36};  // tall pictures near a page's bottom
    questions.push_back(question(text, picture));
  }
  const auto device = printed(questions);

  ASSERT_GT(device.pagesEnded, 3);
  int page = 1;
  for (const auto& texts : byQuestion(device)) {
    SCOPED_TRACE(texts.front().text);
    EXPECT_EQ(texts.front().page, texts.back().page);
    if (texts.front().page != page) {
      EXPECT_NEAR(texts.front().y, 15, 0.5);  // first of its page
      page = texts.front().page;
    }
    for (const auto& t : texts) EXPECT_LE(t.y + 4, kFooterZoneTop + 0.01) << t.text;
  }
  for (const auto& p : device.pictures) EXPECT_LE(p.top + p.height, kFooterZoneTop);
}

TEST(Questionnaire, AQuestionTallerThanAPageRunsOnOverTheNextPages) {
  std::string text;
  for (int i = 0; i < 800; ++i) text += "lorem ipsum ";
  // After one short question it starts on the first page; after seven, its
  // picture (36 mm) no longer fits there.
  for (const int before : {1, 7}) {
    SCOPED_TRACE(before);
    std::vector<PrintedQuestion> questions(before, question("Courte ?"));
    questions.push_back(question(text, before == 7 ? PrintedPicture{"p.jpg", 40, 36} : PrintedPicture{}));
    const auto device = printed(questions);

    const auto texts = byQuestion(device).back();
    EXPECT_EQ(texts.front().page, before == 1 ? 1 : 2);
    EXPECT_EQ(questionText(texts), text);
    EXPECT_GE(texts.back().page, texts.front().page + 2);
    EXPECT_EQ(device.pagesEnded, texts.back().page);
    EXPECT_EQ(device.blankPagesEnded, 0);
    double previous = 0;
    for (const auto& t : texts) {
      EXPECT_LE(t.y + 4, kFooterZoneTop + 0.01);
      if (t.y < previous) {
        EXPECT_NEAR(t.y, 15, 0.5);  // a new page
      }
      previous = t.y;
    }
    for (const auto& p : device.pictures) {
      EXPECT_EQ(p.page, texts.front().page);
      EXPECT_LE(p.top + p.height, kFooterZoneTop);
    }
  }
}

struct PictureRow {
  std::string why;
  PrintedPicture picture;
  double firstAnswerY;
  double textRight;  // no text line goes past it
};

TEST(Questionnaire, TheTextAndTheAnswersStayClearOfThePicture) {
  // The text's label prints at 40 mm and its text from 44 mm.
  const std::string text = "Que montre ce profil " + std::string(70, 'x') + " ?";
  const std::vector<PictureRow> rows = {
      {"beside the picture", {"profil.jpg", 40, 30}, 71, 140},  // answers below the picture
      {"a small picture keeps 21 mm", {"profil.jpg", 20, 10}, 61, 160},
      // Under the label, 20 mm high, then three lines of text.
      {"a wide picture has the text under it", {"profil.jpg", 150, 20}, 44 + 21 + 4 * 3, 180},
      {"no file, no picture", {"", 40, 30}, 57, 180},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const auto device = printed({question(text, row.picture)});
    const auto texts = byQuestion(device).at(0);
    EXPECT_EQ(questionText(texts), text);
    EXPECT_NEAR(device.find("Réponse A :").at(0).y, row.firstAnswerY, 0.5);
    for (const auto& t : texts) EXPECT_LE(t.x + widthOf(t), row.textRight + 0.01) << t.text;
    if (row.picture.path.empty()) {
      EXPECT_TRUE(device.pictures.empty());
      continue;
    }
    ASSERT_EQ(device.pictures.size(), 1u);
    const auto& p = device.pictures[0];
    EXPECT_NEAR(p.left, 190 - row.picture.widthMm - 9, 0.5);
    EXPECT_NEAR(p.top, row.picture.widthMm > 100 ? 44 : 40, 0.5);
    for (const auto& t : texts) {
      const bool beside = t.x + widthOf(t) <= p.left || t.x >= p.left + p.width;
      const bool aboveOrBelow = t.y + 4 <= p.top || t.y >= p.top + p.height;
      EXPECT_TRUE(beside || aboveOrBelow) << t.text;
    }
  }
}

}  // namespace
}  // namespace ventelle
