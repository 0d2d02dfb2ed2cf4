#include <gtest/gtest.h>

#include "fakes/recording_print_device.h"
#include "print/print_job.h"

namespace ventelle {
namespace {

using Text = RecordingPrintDevice::Text;

// The fake printer's 10-point lines are 4 mm high, 2 mm a character; the
// footer zone begins at 277 - 3.2 (its 8-point line) - 2.
constexpr double kFooterZoneTop = 271.8;

PrintedQuestion question(std::string text, PrintedPicture picture = {}) {
  return {std::move(text), std::move(picture), {"Oui", "Non", "Cela dépend du vent"}, {}};
}

RecordingPrintDevice printed(std::vector<PrintedQuestion> questions, int copies = 1) {
  PrintJob job;
  job.copies = copies;
  job.questionnaire = {"QCM Parapente v2004 (FFVL)", "- brevet de pilote -", 2, 10, true, std::move(questions), "7KQ2MX"};
  RecordingPrintDevice device;
  drawDocument(device, job);
  return device;
}

double widthOf(const Text& t) { return RecordingPrintDevice().textWidth(t.text) * t.font.size / 10; }

// The texts of each question but the page feet, label first, in print order.
std::vector<std::vector<Text>> byQuestion(const RecordingPrintDevice& device) {
  std::vector<std::vector<Text>> questions;
  for (const auto& t : device.texts) {
    if (t.text.starts_with("Question N°")) questions.emplace_back();
    if (!questions.empty() && t.font.size != 8) questions.back().push_back(t);
  }
  return questions;
}

// The question's text: its lines in the text column, joined.
std::string questionText(const std::vector<Text>& texts) {
  std::string text;
  for (const auto& t : texts)
    if (t.x == 57) text += t.text;
  return text;
}

TEST(Questionnaire, AQuestionPrintsItsLabelTextAndAnswersInTheirColumns) {
  const auto device = printed({question("Qu'est-ce qu'un thermique ?"), question("Et un cumulus ?")});
  // x < 0: centred.
  for (const auto& [text, x, y, font] : {
           std::tuple{"Session                       ", 5, 9, PrintFont{10, true, true}},
           {"QCM Parapente v2004 (FFVL)", -1, 20, {20, true, true}}, {"- brevet de pilote -", -1, 28, {15, true, false}},
           {"Question N°1", 15, 40, {10, true, true}}, {"Qu'est-ce qu'un thermique ?", 57, 44, {10, true, false}},
           {"Réponse A :", 20, 49, {10, true, false}}, {"Oui", 47, 49, {10, false, false}},
           {"Cela dépend du vent", 47, 57, {10, false, false}},
           {"Question N°2", 15, 71, {10, true, true}}}) {  // 10 mm below the last answer
    const Text t = device.find(text).at(0);
    EXPECT_NEAR(x < 0 ? t.x + widthOf(t) / 2 : t.x, x < 0 ? 95 : x, 0.5) << text;
    EXPECT_NEAR(t.y, y, 0.5) << text;
    EXPECT_EQ(t.font, font) << text;
  }
}

TEST(Questionnaire, EveryPageEndsWithTheFooterItsPaperCodeAndItsNumberRestartingPerCopy) {
  const auto device = printed(std::vector<PrintedQuestion>(20, question("Quelle est la finesse max ?")), 2);
  EXPECT_EQ(device.pagesEnded, 6);  // three pages a copy
  EXPECT_EQ(device.blankPagesEnded, 0);
  EXPECT_FALSE(device.drawnAfterLastPage());
  for (int page = 1; page <= 6; ++page) {
    const auto texts = device.textsOn(page);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2].text, "Ventelle V 6.1 - par l'équipe Ventelle - réf. 7KQ2MX") << page;
    EXPECT_EQ(texts.back().text, "Page " + std::to_string((page - 1) % 3 + 1));
  }
  EXPECT_EQ(device.find("Question N°1").at(1).page, 4);
}

// A question that fits is never split; a taller one runs on over the next
// pages; nothing, picture or text, reaches the footer.
TEST(Questionnaire, QuestionsBreakToANewPageBeforeTheFooter) {
  std::vector<PrintedQuestion> questions;
  for (int q = 0; q < 30; ++q) {
    std::string text = "Une question de longueur variable";
    for (int i = 0; i < q % 7; ++i) text += " avec encore quelques mots pour la rallonger";
    questions.push_back(question(text, q % 4 == 1 ? PrintedPicture{"image.jpg", 40, 36} : PrintedPicture{}));
  }
  std::string tall;
  for (int i = 0; i < 800; ++i) tall += "lorem ipsum ";
  questions.push_back(question(tall, {"p.jpg", 40, 36}));
  const auto device = printed(questions);
  ASSERT_GT(device.pagesEnded, 6);
  EXPECT_EQ(device.blankPagesEnded, 0);
  int page = 1;
  for (const auto& texts : byQuestion(device)) {
    SCOPED_TRACE(texts.front().text);
    if (texts.front().text != "Question N°31") EXPECT_EQ(texts.front().page, texts.back().page);
    for (const auto& t : texts) {
      if (t.page != page) EXPECT_NEAR(t.y, 15, 0.5) << "first on page " << t.page;
      page = t.page;
      EXPECT_LE(t.y + 4, kFooterZoneTop + 0.01) << t.text;
    }
  }
  for (const auto& p : device.pictures) EXPECT_LE(p.top + p.height, kFooterZoneTop);
  const auto last = byQuestion(device).back();
  EXPECT_EQ(questionText(last), tall);
  EXPECT_GE(last.back().page, last.front().page + 2);
  EXPECT_EQ(device.pagesEnded, last.back().page);
  // After seven short questions the picture of a tall one no longer fits on the first page.
  std::vector<PrintedQuestion> seven(7, question("Courte ?"));
  seven.push_back(question(tall, {"p.jpg", 40, 36}));
  EXPECT_EQ(byQuestion(printed(seven)).back().front().page, 2);
}

TEST(Questionnaire, TheTextAndTheAnswersStayClearOfThePicture) {
  // The label prints at 40 mm and the text from 44 mm.
  const std::string text = "Que montre ce profil " + std::string(70, 'x') + " ?";
  for (const auto& [picture, firstAnswerY, textRight] : {
           std::tuple{PrintedPicture{"profil.jpg", 40, 30}, 71.0, 140.0},  // answers below the picture
           {{"profil.jpg", 20, 10}, 61, 160},                               // a small picture keeps 21 mm
           {{"profil.jpg", 150, 20}, 44 + 21 + 4 * 3, 180},  // so wide that the text goes under it
           {{"", 40, 30}, 57, 180}}) {                       // no file, no picture
    SCOPED_TRACE(picture.widthMm);
    const auto device = printed({question(text, picture)});
    const auto texts = byQuestion(device).at(0);
    EXPECT_EQ(questionText(texts), text);
    EXPECT_NEAR(device.find("Réponse A :").at(0).y, firstAnswerY, 0.5);
    for (const auto& t : texts) EXPECT_LE(t.x + widthOf(t), textRight + 0.01) << t.text;
    ASSERT_EQ(device.pictures.size(), picture.path.empty() ? 0u : 1u);
    for (const auto& p : device.pictures) {
      EXPECT_NEAR(p.left, 190 - picture.widthMm - 9, 0.5);
      EXPECT_NEAR(p.top, picture.widthMm > 100 ? 44 : 40, 0.5);
      for (const auto& t : texts)
        EXPECT_TRUE(t.x + widthOf(t) <= p.left || t.y + 4 <= p.top || t.y >= p.top + p.height) << t.text;
    }
  }
}

}  // namespace
}  // namespace ventelle
