#include "bank_checker/cue_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

TEST(NearDuplicates, LeaveOutNeighbouringPointsAskedInContrastAndCalculationsOfOtherValues) {
  const auto pairFound = [](const CueQuestion& a, const CueQuestion& b) {
    return !measureCues("essai", {a, b}, always, CueThresholds{}).duplicates.empty();
  };
  const auto climbing = [](const char* text, const char* right) {
    return question(text, {{right, 6}, {"Environ +9 m/s", -2}, {"Environ -9 m/s", -2}});
  };
  // The same sum asked twice with the same data, then with other data.
  EXPECT_TRUE(pairFound(climbing("Dans une ascendance de 3 m/s, votre taux de chute est de 1 m/s. Le variomètre indique :",
                                 "Environ +2 m/s"),
                        climbing("Votre taux de chute est de 1 m/s dans une ascendance de 3 m/s. Le variomètre indique :",
                                 "Environ +2 m/s")));
  EXPECT_FALSE(pairFound(climbing("Dans une ascendance de 3 m/s, votre taux de chute est de 1 m/s. Le variomètre indique :",
                                  "Environ +2 m/s"),
                         climbing("Dans une ascendance de 4 m/s, votre taux de chute est de 1 m/s. Le variomètre indique :",
                                  "Environ +3 m/s")));
  // Each right answer a wrong one of the other question.
  const auto rising = question("Quand l'aile s'élève en ascendance thermique, la pression de l'air ambiant :",
                               {{"Diminue nettement", 6}, {"Augmente nettement", -2}});
  const auto sinking = question("Quand l'aile descend en descendance thermique, la pression de l'air ambiant :",
                                {{"Augmente nettement", 6}, {"Diminue nettement", -2}});
  EXPECT_FALSE(pairFound(rising, sinking));
  EXPECT_TRUE(pairFound(rising, question("Quand l'aile s'élève en ascendance thermique, la pression de l'air :",
                                         {{"Diminue nettement", 6}, {"Reste constante", -2}})));
}

// Five pairs an examiner found in the 2004 bank, as they were written: each
// asks one point twice, and one brevet can draw both of a pair.
TEST(NearDuplicates, FlagTheFivePairsAnExaminerFound) {
  const std::pair<int, std::string> modules[] = {
      {1, R"([20]
Question=Un vent régulier souffle perpendiculairement à une longue crête. Où trouve-t-on l'ascendance due au vent, dite ascendance dynamique ?
Cmt=Le vent qui rencontre la pente est dévié vers le haut : l'ascendance se trouve devant la pente exposée au vent et au-dessus de la crête. Derrière la crête, on trouve au contraire des descendances et des turbulences.
Devant la pente exposée au vent et au-dessus de la crête=6
Derrière la crête, du côté abrité du vent=-5
Au pied de la pente, au ras du fond de la vallée=-2
Au-dessus de la vallée, loin en avant de la pente=-2
)"},
      {5, R"([68]
Question=En altitude, où l'air est moins dense, pour une même incidence, la vitesse air vraie de l'aile :
Est plus grande qu'au niveau de la mer=6
Est plus faible qu'au niveau de la mer=-2
Est identique=-2
)"},
      {6, R"([113]
Question=En vol de pente, pourquoi effectue-t-on les demi-tours en s'écartant du relief ?
Parce que le vent pousse l'aile vers la pente pendant le virage=6
Parce que les ascendances sont plus fortes loin du relief, là où le vent est moins freiné=-2
Ce n'est pas nécessaire : on peut virer face à la pente=-6
[110]
Question=À 4000 m d'altitude en atmosphère standard, par rapport au niveau de la mer et à incidence égale, la vitesse air vraie de votre aile est :
Cmt=Lex:"Atmosphère standard"
Plus grande d'environ 20 %=6
Identique=-2
Plus faible d'environ 20 %=-2
Doublée=-1
)"},
      {8, R"([141]
Question=Relâcher les trims d'un parapente, en position rapide, a pour effet :
Cmt=Lex:"Trim"
D'augmenter la vitesse bras hauts en diminuant l'incidence=6
De réduire la vitesse bras hauts=-2
De rendre l'aile moins sensible aux fermetures, grâce à une voile plus tendue=-3
)"},
      {15, R"([212]
Question=Vous venez d'acheter une sellette. Comment la réglez-vous avant de voler avec ?
Cmt=Suspendu sous un portique, on règle assise, dossier, cuissardes et ventrale dans la position de vol, et l'on vérifie que la poignée du secours tombe bien sous la main.
Suspendu à un portique, en position de vol, en vérifiant l'accès à la poignée du secours=6
Posée au sol, assis dessus, en serrant au plus court toutes les sangles, pour être bien tenu=-3
En vol, au premier décollage, en ajustant les sangles une fois assis=-5
Debout, sellette enfilée, sangles desserrées au maximum pour courir librement=-3
)"},
      {16, R"([235]
Question=Vous venez d'acheter une nouvelle sellette. Comment la réglez-vous avant votre premier vol ?
Cmt=Suspendu à un portique, on règle la ventrale, les cuissardes, les épaulières et l'inclinaison du dossier ; on vérifie qu'on s'assoit sans peine et qu'on atteint l'accélérateur et la poignée du secours.
Suspendu à un portique, assis comme en vol, en ajustant chaque sangle=6
En vol, au premier thermique, quand je sens mieux ma position=-4
Avec les réglages d'usine, prévus pour convenir à toutes les tailles de pilote=-3
Toutes sangles serrées au plus court, pour être bien maintenu en turbulence=-3
[221]
Question=Sur une aile équipée de trims, que produit le relâchement des trims ?
Cmt=Lex:"Trim"
Une diminution de l'incidence et une augmentation de la vitesse=6
Une augmentation de l'incidence et une baisse de la vitesse=-3
Un léger freinage symétrique du bord de fuite, comme en tirant un peu les deux commandes=-2
)"},
      {23, R"([393]
Question=En vol de pente, par vent régulier face au relief, où se trouve en général la meilleure ascendance dynamique ?
Cmt=Le vent dévié vers le haut par le relief monte devant la pente, surtout à hauteur de la crête et un peu au-dessus. Au pied de la pente, le vent est freiné ; derrière le sommet, l'air redescend et tourbillonne : c'est la zone sous le vent, à fuir.
Au vent de la crête, devant le relief et un peu au-dessus de son sommet=6
Derrière la crête, où l'air qui vient de passer le sommet monte encore un moment=-6
Au pied de la pente, où le vent arrive avec le plus de force contre le relief=-3
Loin devant le relief, à plusieurs kilomètres, là où l'air est le plus régulier=-3
[377]
Question=En vol de pente, de quel côté faites-vous vos demi-tours ?
Cmt=Un virage vers la pente peut vous y plaquer, surtout avec la dérive due au vent.
Du côté opposé à la pente, en s'en écartant=6
Du côté de la pente, pour rester dans la meilleure ascendance=-6
Indifféremment, selon la place=-5
)"},
  };
  TempFolder folder;
  for (const auto& [module, text] : modules) folder.write("2004/" + std::to_string(module) + ".qcm", text);
  const auto banks = measureFolderCues(ProgramFolder(folder.path()), CueThresholds{});
  ASSERT_EQ(banks.front().questions, 10);
  std::set<std::pair<std::string, std::string>> found;
  for (const auto& pair : banks.front().duplicates) found.insert({pair.first, pair.second});
  const std::set<std::pair<std::string, std::string>> expected = {
      {"2004/1.qcm [20]", "2004/23.qcm [393]"}, {"2004/5.qcm [68]", "2004/6.qcm [110]"},
      {"2004/6.qcm [113]", "2004/23.qcm [377]"}, {"2004/8.qcm [141]", "2004/16.qcm [221]"},
      {"2004/15.qcm [212]", "2004/16.qcm [235]"}};
  EXPECT_EQ(found, expected);
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
