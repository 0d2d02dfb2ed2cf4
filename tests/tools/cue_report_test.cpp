#include "bank_checker/cue_report.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(Thresholds, NameEveryFigureOutOfBounds) {
  std::vector<CueQuestion> giveaway;
  for (int i = 0; i < 4; ++i)
    giveaway.push_back(question("Question " + std::to_string(i) + " ?",
                                {{"La réponse juste et détaillée", 6}, {"Jamais", -2}, {"Toujours", -2}}));
  const auto breaches = measureCues("essai", giveaway, never, CueThresholds{}).breaches(CueThresholds{});
  ASSERT_EQ(breaches.size(), 4u);
  EXPECT_EQ(breaches[2], "mot absolu dans 100 % des réponses fausses (au plus 5 %)");
  EXPECT_EQ(breaches[3], "4 question(s) dont chaque réponse fausse porte un mot absolu");
}

TEST(AnswerLength, CountsCharactersWithEveryRunOfBlanksAsOne) {
  const struct {
    const char* text;
    std::size_t length;
  } cases[] = {{"2 000 ft", 8},         {"2\u00A0000\u00A0ft", 8}, {"2  000\tft", 8},
               {" Oui ", 3},            {"Été", 3},                 {"\u00A0Non\u00A0?", 5}};
  for (const auto& c : cases) EXPECT_EQ(answerLength(c.text), c.length) << c.text;
}

TEST(RestrictiveWording, IsFoundAsWholeWordsWhateverTheirCase) {
  for (const char* text : {"Il ne vole que le matin", "On n'y entre qu'avec un accord", "Ne ... QUE",
                           "La seule issue", "Seuls les pilotes", "Quelle que soit la vitesse",
                           "quels que soient les vents", "Quelle\u00A0que\u00A0soit l'heure", "Exclusivement au sol", "On n\u2019y entre qu\u2019avec lui"})
    EXPECT_TRUE(holdsRestrictiveWording(text)) << text;
  for (const char* text : {"Que faire ?", "Il faut que le vent ne tourne pas", "Seulement le matin",
                           "Seuil de piste", "Quelle que", "Quelque soit", "Une neige", "Inexclusivement",
                           "Le nez que voici"})
    EXPECT_FALSE(holdsRestrictiveWording(text)) << text;
}

// Ten questions of three options (chance 33 %): the right answer is strictly
// the longest in the first `longest`, strictly the shortest in the next
// `shortest`, and neither in the rest.
std::vector<CueQuestion> lengthBank(int longest, int shortest) {
  std::vector<CueQuestion> bank;
  for (int i = 0; i < 10; ++i) {
    const std::string right = i < longest ? "Juste, longue" : i < longest + shortest ? "Oui" : "Juste";
    bank.push_back(question("Sujet " + std::to_string(i) + " ?", {{right, 6}, {"Faux", -2}, {"Fausse", -2}}));
  }
  return bank;
}

TEST(Thresholds, HoldTheLongestAndShortestRightWithinTenPointsOfChance) {
  const auto outside = [](const char* which, const char* share) {
    return std::string("réponse juste la plus ") + which + " dans " + share +
           " des questions à une réponse, pour un hasard de 33 % (écart permis : 10 points)";
  };
  const struct {
    int longest, shortest;
    std::vector<std::string> breaches;
  } cases[] = {
      {3, 3, {}},
      {4, 3, {}},                                        // 40 %: 6.7 points above
      {5, 3, {outside("longue", "50 %")}},               // 16.7 points above
      {2, 3, {outside("longue", "20 %")}},               // 13.3 points below
      {3, 2, {outside("courte", "20 %")}},
      {3, 4, {}},
      {0, 0, {outside("longue", "0 %"), outside("courte", "0 %")}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(measureCues("essai", lengthBank(c.longest, c.shortest), never, CueThresholds{}).breaches(CueThresholds{}),
              c.breaches)
        << c.longest << " " << c.shortest;
}

TEST(Thresholds, KeepRestrictiveWrongAnswersWithinOneAndAHalfPointsOfRightOnes) {
  const struct {
    int wrong, right;  // restrictive ones among 200 wrong and 100 right answers
    bool breach;
  } cases[] = {{0, 0, false}, {3, 0, false}, {4, 0, true}, {5, 1, false}, {6, 1, true}, {10, 10, false}};
  for (const auto& c : cases) {
    std::vector<CueQuestion> bank;
    for (int i = 0; i < 100; ++i)
      bank.push_back(question("Sujet ?", {{i < c.right ? "Le seul" : "Juste", 6},
                                          {2 * i < c.wrong ? "Lui seul" : "Faux", -2},
                                          {2 * i + 1 < c.wrong ? "Seuls eux" : "Fausse", -2}}));
    const BankCues cues = measureCues("essai", bank, never, CueThresholds{});
    ASSERT_EQ(cues.wrongRestrictive, c.wrong);
    ASSERT_EQ(cues.rightRestrictive, c.right);
    const auto breaches = cues.breaches(CueThresholds{});
    const bool found = std::any_of(breaches.begin(), breaches.end(),
                                   [](const std::string& b) { return b.rfind("tournure restrictive", 0) == 0; });
    EXPECT_EQ(found, c.breach) << c.wrong << " " << c.right;
  }
  EXPECT_EQ(measureCues("essai", {question("Q ?", {{"Oui", 6}, {"Seul lui", -2}})}, never, CueThresholds{})
                .breaches(CueThresholds{})
                .back(),
            "tournure restrictive dans 100,0 % des réponses fausses, pour 0,0 % des réponses justes (écart permis : "
            "1,5 points)");
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
