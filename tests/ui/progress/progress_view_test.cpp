#include <gtest/gtest.h>

#include "core/file_io.h"
#include "progress/journal_file.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

// Answers questions 1..count of chapter 3 in training, missing every fourth.
void answerChapter3(ModelHarness& h, int count) {
  h.onlyChapter(3, 1);
  for (int k = 1; k <= count; ++k) {
    h.mark({k % 4 == 0 ? "Zéro" : "Six"});
    h.next(3, k + 1);
  }
}

Journal journalOf(const ModelHarness& h, const std::string& user) {
  return readJournalFile(h.folder.path() / (user + ".journal"));
}

TEST(Progress, FortyAnswersGiveFiguresThatARestartShowsAgainAndADayLaterKeepsInItsHistory) {
  ModelHarness h;
  h.start();
  ASSERT_TRUE(h.model.initialiseUser("Jean"));
  h.model.loadUser("Jean");
  answerChapter3(h, 40);
  const Journal journal = journalOf(h, "Jean");
  ASSERT_EQ(journal.answers.size(), 40u);
  EXPECT_EQ(journal.answers[3], (JournalAnswer{h.clock.time, 7, 3, "4", 0, 6, false, AnswerMode::Training, ""}));
  const std::string& tip = h.controls().partie[3].toolTip;
  EXPECT_EQ(tip.substr(tip.find('\n')), "\nRéussite estimée : 70 % (entre 58 et 80 %), 67 % des questions vues");
  EXPECT_NE(h.controls().partie[8].toolTip.find("Réussite estimée : "), std::string::npos);

  h.model.menuCommand("mnuProgres");
  EXPECT_TRUE(h.model.takeProgressWindowRequest());
  const ProgressView before = h.model.progressView();
  EXPECT_NE(before.chance.find(" % (± "), std::string::npos) << before.chance;
  const Readiness& chapter3 = before.chapters.at(2).readiness;
  EXPECT_TRUE(chapter3.answers == 40 && chapter3.seenShare == 40.0 / 60 && chapter3.chance > 0.6 && chapter3.chance < 0.85);
  ASSERT_EQ(before.missed.size(), 10u);
  EXPECT_EQ(before.missed[0].label, "3.40 : manquée 1 fois sur 1");
  EXPECT_EQ(before.missed[0].text, "Texte de la question 40 ?");

  MainWindowModel again(h.dialogs, h.desktop, h.random, h.library, h.printer, silentSound(), h.clock);
  again.start();
  again.loadUser("Jean");
  const ProgressView after = again.progressView();
  EXPECT_EQ(after.chance, before.chance);
  EXPECT_EQ(after.chapters.at(2).readiness.chance, chapter3.chance);
  EXPECT_EQ(after.missed.at(9).label, before.missed[9].label);

  h.clock.time = "2026-12-06T08:00:00+01:00";
  const ProgressView nextDay = again.progressView();
  ASSERT_EQ(nextDay.chanceHistory.size(), 2u);
  EXPECT_TRUE(nextDay.chanceHistory[0].day == "2026-12-05" && nextDay.chanceHistory[0].percent == nextDay.chanceHistory[1].percent);
  again.progressView();
  EXPECT_EQ(journalOf(h, "Jean").chances.size(), 1u) << "one figure a day";
}

TEST(Progress, AFullQuestionnaireIsWrittenOnceWhenMarkedAndShowsItsMark) {
  ModelHarness h;
  h.startFullQuestionnaire();
  for (int k = 1; k <= 60; ++k) h.answerButton(k, k <= 6 ? "Zéro" : "Six");
  h.model.questionClick();
  h.model.boutonClick(1);  // its correction
  const auto answers = journalOf(h, "parapente").answers;
  ASSERT_EQ(answers.size(), 60u);
  EXPECT_TRUE(answers.front().mode == AnswerMode::Questionnaire && answers.front().questionnaire == h.clock.time);
  EXPECT_EQ(h.model.progressView().marks.at(0).outOf20, 18);
}

TEST(Progress, TheJournalExportsAsCsvTheDefaultUsersStartsAfreshAResetEmptiesItAndADeletionRemovesIt) {
  ModelHarness h;
  h.start();
  h.mark({"Juste"});
  EXPECT_EQ(h.model.progressView().chance,
            "Chance de réussite à l'examen : encore 29 réponses aux questions de l'examen avant de l'estimer");
  const auto file = h.folder.path() / "export.csv";
  EXPECT_EQ(h.model.exportJournal(file), std::nullopt);
  EXPECT_EQ(*readFileBytes(file),
            "date;examen;chapitre;question;points;points max;juste;mode;questionnaire\n"
            "2026-12-05T10:00:00+01:00;7;1;A;6;6;1;entrainement;\n");
  EXPECT_EQ(h.model.exportJournal(h.folder.path()),
            "Le fichier \"" + h.folder.path().filename().string() +
                "\" n'a pas pu être écrit (dossier protégé en écriture ou disque plein).");
  h.next(1, 4);
  h.mark({"Six"});  // S: its right answer is the last
  EXPECT_EQ(h.model.progressView().missed.at(0).detail, "Bonne(s) réponse(s) :\n- Bon\n\nCommentaire : Pas de commentaire.");
  MainWindowModel again(h.dialogs, h.desktop, h.random, h.library, h.printer, silentSound(), h.clock);
  again.start();
  EXPECT_TRUE(journalOf(h, "parapente").answers.empty());

  ASSERT_TRUE(h.model.initialiseUser("Jean"));
  h.model.loadUser("Jean");
  answerChapter3(h, 2);
  ASSERT_TRUE(h.model.initialiseUser("Jean"));
  EXPECT_TRUE(journalOf(h, "Jean").answers.empty() && h.model.progressView().chapters.at(2).readiness.answers == 0);
  answerChapter3(h, 1);
  EXPECT_TRUE(h.model.deleteProfile("Jean"));
  EXPECT_FALSE(std::filesystem::exists(h.folder.path() / "Jean.journal"));
}

}  // namespace
}  // namespace ventelle
