#include "bank_checker/cue_report.h"

#include <gtest/gtest.h>

#include "fakes/temp_folder.h"

namespace ventelle::bankcheck {
namespace {

CueQuestion question(std::string text, std::vector<std::pair<std::string, double>> answers, int module = 0) {
  static int n = 0;
  return {"q" + std::to_string(++n), module, std::move(text), std::move(answers)};
}

bool always(const CueQuestion&, const CueQuestion&) { return true; }
bool never(const CueQuestion&, const CueQuestion&) { return false; }

TEST(AbsoluteWords, AreFoundAsWholeWordsWhateverTheirCaseAndAccents) {
  for (const char* text : {"Jamais", "À aucun moment", "Il faut systématiquement virer", "TOUJOURS, partout",
                           "C'est forcément dangereux"})
    EXPECT_TRUE(holdsAbsoluteWord(text)) << text;
  for (const char* text : {"Journalièrement", "Une aucuba", "Rienne", "Souvent", "Tout droit"})
    EXPECT_FALSE(holdsAbsoluteWord(text)) << text;
}

TEST(LongestAnswer, CountsOnlyARightAnswerStrictlyLongerThanTheOthers) {
  const std::vector<CueQuestion> bank = {
      question("Un ?", {{"La bonne réponse, longue", 6}, {"Courte", -2}}),             // longest and right
      question("Deux ?", {{"Égale", 6}, {"Égals", -2}}),                              // a tie: no cue
      question("Trois ?", {{"Oui", 6}, {"Non, bien plus longue", -2}}),                 // longest is wrong
      question("Quatre ?", {{"Ééé", 6}, {"abcd", -2}}),  // counted in characters, not bytes: the wrong one is longer
      question("Cinq ?", {{"Une moitié longue", 3}, {"Autre", 3}, {"Faux", -6}, {"Non", -1}}),  // several right
  };
  const BankCues cues = measureCues("essai", bank, always, CueThresholds{});
  EXPECT_EQ(cues.singleAnswer, 4);
  EXPECT_EQ(cues.singleLongestRight, 1);
  EXPECT_EQ(cues.multiAnswer, 1);
  EXPECT_EQ(cues.multiLongestRight, 1);
  EXPECT_DOUBLE_EQ(cues.multiChanceShare(), 0.5);
}

TEST(AbsoluteWords, AreCountedInWrongAnswersAndAQuestionWhereEveryWrongAnswerHasOne) {
  const std::vector<CueQuestion> bank = {
      question("Un ?", {{"Toujours vrai", 6}, {"Jamais", -2}, {"Aucun", -3}}),  // the right one does not count
      question("Deux ?", {{"Oui", 6}, {"Non", -2}, {"Seulement le lundi", -3}}),
  };
  const BankCues cues = measureCues("essai", bank, always, CueThresholds{});
  EXPECT_EQ(cues.wrongAnswers, 4);
  EXPECT_EQ(cues.wrongAbsolute, 3);
  ASSERT_EQ(cues.everyWrongAbsolute.size(), 1u);
  EXPECT_EQ(cues.everyWrongAbsolute.front(), bank[0].where);
}

TEST(NearDuplicates, AreTheSamePointAskedTwiceWithinReachOfOneQuestionnaire) {
  const auto same1 = question("Vous rejoignez un thermique où d'autres pilotes tournent déjà. Que faites-vous ?",
                              {{"Je tourne dans le même sens qu'eux", 6}, {"Je choisis mon sens", -4}});
  const auto same2 = question("Vous rejoignez un thermique où plusieurs pilotes tournent déjà. Dans quel sens tourner ?",
                              {{"Dans le même sens qu'eux", 6}, {"En sens inverse", -5}});
  // Related, but another point: only the right answer's words are shared.
  const auto related = question("Par vent de face, pour aller le plus loin possible en plané, il faut voler :",
                                {{"Plus vite que la vitesse de finesse maximale", 6}, {"Plus lentement", -4}});
  const auto other = question("À quoi correspond la vitesse de finesse maximale ?",
                              {{"La vitesse qui fait aller le plus loin possible en plané", 6}, {"La plus lente", -2}});
  const CueThresholds limits;
  const BankCues cues = measureCues("essai", {same1, same2, related, other}, always, limits);
  ASSERT_EQ(cues.duplicates.size(), 1u);
  EXPECT_EQ(cues.duplicates[0].first, same1.where);
  EXPECT_EQ(cues.duplicates[0].second, same2.where);
  EXPECT_TRUE(measureCues("essai", {same1, same2}, never, limits).duplicates.empty());
}

TEST(Thresholds, NameEveryFigureOutOfBoundsAndNothingForACleanBank) {
  std::vector<CueQuestion> giveaway;
  for (int i = 0; i < 4; ++i)
    giveaway.push_back(question("Question " + std::to_string(i) + " ?",
                                {{"La réponse juste et détaillée", 6}, {"Jamais", -2}, {"Toujours", -2}}));
  const auto breaches = measureCues("essai", giveaway, never, CueThresholds{}).breaches(CueThresholds{});
  ASSERT_EQ(breaches.size(), 3u);
  EXPECT_EQ(breaches[0], "réponse juste la plus longue dans 100 % des questions à une réponse (attendu de 20 % à 40 %)");
  EXPECT_EQ(breaches[1], "mot absolu dans 100 % des réponses fausses (au plus 5 %)");
  EXPECT_EQ(breaches[2], "4 question(s) dont chaque réponse fausse porte un mot absolu");

  std::vector<CueQuestion> fair;
  for (int i = 0; i < 10; ++i)
    fair.push_back(question("Sujet " + std::to_string(i) + " ?", i < 3 ? std::vector<std::pair<std::string, double>>{
                                                                             {"Juste et longue", 6}, {"Faux", -2}}
                                                                       : std::vector<std::pair<std::string, double>>{
                                                                             {"Juste", 6}, {"Fausse et longue", -2}}));
  EXPECT_TRUE(measureCues("essai", fair, never, CueThresholds{}).breaches(CueThresholds{}).empty());
}

TEST(FolderCues, Compare2004ModulesOnlyWhereOneBrevetDrawsBoth) {
  TempFolder folder;
  const std::string twice =
      "Question=Vous rejoignez un thermique où d'autres pilotes tournent déjà. Que faites-vous ?\n"
      "Je tourne dans le même sens qu'eux=6\nJe choisis le sens qui me convient=-4\n";
  folder.write("2004/7.qcm", "[136]\n" + twice);   // paraglider initial brevet
  folder.write("2004/10.qcm", "[165]\n" + twice);  // hang-glider initial brevet: never with module 7
  folder.write("2004/8.qcm", "[155]\n" + twice);   // paraglider pilot brevet, which includes module 7
  const auto banks = measureFolderCues(ProgramFolder(folder.path()), CueThresholds{});
  ASSERT_EQ(banks.front().bank, "2004");
  EXPECT_EQ(banks.front().questions, 3);
  ASSERT_EQ(banks.front().duplicates.size(), 1u);
  EXPECT_EQ(banks.front().duplicates[0].first, "2004/7.qcm [136]");
  EXPECT_EQ(banks.front().duplicates[0].second, "2004/8.qcm [155]");
  EXPECT_EQ(banks.size(), 6u);  // then manuel, 2000, avion, ulm, planeur
}

}  // namespace
}  // namespace ventelle::bankcheck
