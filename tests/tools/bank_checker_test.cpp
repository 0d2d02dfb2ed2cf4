#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "bank_checker/command.h"
#include "bank_checker/cue_report.h"
#include "bank_checker/folder_check.h"
#include "fakes/temp_folder.h"
#include "fakes/tiny_jpeg.h"

namespace ventelle::bankcheck {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

// A folder that the checker passes: one question per module and chapter, a
// picture question and lexicon comments.
void writeCleanFolder(const TempFolder& folder) {
  folder.write("Lexique.dat", "Portance=Force qui soutient l'aile.\nTraînée=Force qui freine l'aile.\n");
  for (int module = 1; module <= kModuleCount; ++module)
    folder.write("2004/" + std::to_string(module) + ".qcm",
                 "[" + std::to_string(moduleNameRange(module).first) + "]\nQuestion=Vrai ?\nOui=6\nNon=-6\n");
  // The authority's banks (avion, ulm, planeur) take a single right answer.
  for (const auto& [prefix, chapters, dgac] : {std::tuple{"manuel/", 6, false}, {"2000/n", 9, false},
                                               {"avion/a", 6, true}, {"ulm/u", 6, true}, {"planeur/p", 5, true}})
    for (int k = 1; k <= chapters; ++k)
      folder.write(std::string(prefix) + "Chapitre" + std::to_string(k) + ".dat",
                   "; chapitre\n[" + std::to_string(k) + "01]\nQuestion=Quelle réponse ?\nCmt=Lex:\"Portance\"\n" +
                       (dgac ? "Oui=6\nNon=-2\n" : "Oui=3\nAussi=3\nNon=-6\n"));
  folder.write("manuel/Chapitre1.dat", "[101]\nQuestion=Q ?\nOui=6\nNon=-6\n\n[102i]\nQuestion=Sur l'image ?\n"
                                       "Cmt=Lex:\"Traînée\"\nOui=6\nNon=-1\n");
  folder.writeBytes("manuel/102i.jpg", tinyJpeg(180, 135));
}

// The clean folder changed in one place: a file written (as text, or as raw
// bytes when `bytes`), or removed when the text is empty; then maybe a second
// file written.
struct FaultCase {
  std::string name, file, text;
  Lines expected;
  bool bytes = false;
  std::string secondFile = "", secondText = "";
};

class FaultInjection : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultInjection, ReportsExactlyTheInjectedFault) {
  TempFolder folder;
  writeCleanFolder(folder);
  const FaultCase& c = GetParam();
  if (c.text.empty()) std::filesystem::remove_all(folder.path() / c.file);
  else if (c.bytes) folder.writeBytes(c.file, c.text);
  else folder.write(c.file, c.text);
  if (c.bytes && !c.secondFile.empty()) folder.writeBytes(c.secondFile, c.secondText);
  else if (!c.secondFile.empty()) folder.write(c.secondFile, c.secondText);
  Lines faults;
  for (const auto& file : checkProgramFolder(ProgramFolder(folder.path())).files)
    for (const auto& fault : file.faults) faults.push_back(describe(fault));
  EXPECT_EQ(faults, c.expected);
}

// The second chapter of the manual, and its question [201].
const std::string ch2 = "manuel/Chapitre2.dat", at2 = ch2 + " [201] : ", q = "[201]\nQuestion=Q ?\n";

INSTANTIATE_TEST_SUITE_P(
    BankChecker, FaultInjection,
    testing::Values(
        // Bytes and line ends.
        FaultCase{"UndefinedByte", ch2, "[201]\r\nQuestion=A\x81?\r\nOui=6\r\n",
                  {ch2 + " ligne 2 : octet 0x81 non défini en Windows-1252 (colonne 11)"}, true},
        FaultCase{"ControlByte", ch2, "[201]\r\nQuestion=A\r\nOui\0=6\r\n"s,
                  {ch2 + " ligne 3 : caractère de contrôle 0x00 (colonne 4)"}, true},
        FaultCase{"LfWithoutCr", ch2, "[201]\r\nQuestion=A\nOui=6\r\n", {ch2 + " ligne 2 : fin de ligne LF sans CR"},
                  true},
        FaultCase{"CrAlone", ch2, "[201]\r\nQuestion=A\rB\r\nOui=6\r\n",
                  {ch2 + " ligne 2 : retour chariot (CR) isolé (colonne 11)"}, true},
        FaultCase{"LastLineUnended", ch2, "[201]\r\nQuestion=A\r\nOui=6",
                  {ch2 + " ligne 3 : dernière ligne sans fin de ligne CR LF"}, true},
        // Missing files and questions; the program's loader, which reads a
        // module as the first chapter file it becomes: module 5 is chapter 2 of exam 7.
        FaultCase{"MissingFile", "2004/17.qcm", "", {"2004/17.qcm : fichier absent"}},
        FaultCase{"MissingBankFolder", "planeur", "", {"planeur : dossier absent"}},
        FaultCase{"NoQuestion", ch2, "; rien encore\n", {ch2 + " : aucune question"}},
        FaultCase{"RejectedByLoader", "2004/5.qcm", "[64]\nQuestion=Q ?\nSans égal\n",
                  {"2004/5.qcm [64] : refusée par le programme : Le fichier 2004\\4Chapitre2.dat est corrompu à la "
                   "question 64, l'application va se terminer"}},
        FaultCase{"HeaderOnLastLine", ch2, q + "Oui=6\n[202]\n",
                  {ch2 + " [202] ligne 4 : en-tête sur la dernière ligne du fichier : le programme ne voit pas "
                         "cette question"}},
        // Answers and values; 3.5 is marked as 4 (halves to even): the sum stays 6.
        FaultCase{"NoAnswer", ch2, q + "Cmt=Rien à cocher\n", {at2 + "aucune réponse"}},
        FaultCase{"SixAnswers", ch2, q + "A=6\nB=-1\nC=-1\nD=-1\nE=-1\nF=-1\n",
                  {at2 + "6 réponses : le programme ne lit que les 5 premières"}},
        FaultCase{"LineWithoutEquals", ch2, q + "Oui=6\nPeut-être\nNon=-6\n",
                  {ch2 + " [201] ligne 4 : ligne sans « = » : le programme arrête là la lecture des réponses"}},
        FaultCase{"ValuesNotWhole", ch2, q + "A=3.5\nB=2 pts\nNon=-6\n",
                  {at2 + "la valeur « 3.5 » de la réponse « A » n'est pas un nombre entier",
                   at2 + "la valeur « 2 pts » de la réponse « B » n'est pas un nombre entier"}},
        FaultCase{"PositiveSumNotSix", ch2, q + "Oui=5\nNon=-6\n",
                  {at2 + "les valeurs positives totalisent 5 au lieu de 6"}},
        FaultCase{"DgacTwoRightAnswers", "avion/aChapitre1.dat", "[101]\nQuestion=Q ?\nA=3\nB=3\nC=-6\n",
                  {"avion/aChapitre1.dat [101] : 2 bonnes réponses (banque DGAC : une seule, valant 6)"}},
        FaultCase{"DgacNoRightAnswer", "ulm/uChapitre1.dat", "[101]\nQuestion=Q ?\nA=-3\nB=0\n",
                  {"ulm/uChapitre1.dat [101] : aucune bonne réponse (banque DGAC : une seule, valant 6)"}},
        FaultCase{"DgacRightAnswerWorthLess", "planeur/pChapitre5.dat", "[501]\nQuestion=Q ?\nA=4\nB=-2\n",
                  {"planeur/pChapitre5.dat [501] : la bonne réponse vaut 4 au lieu de 6 (banque DGAC)"}},
        // Names. Module ranges do not overlap, so a name shared by two modules is also out of range in one.
        FaultCase{"DuplicateInFile", ch2, q + "Oui=6\n" + q + "Oui=6\n", {at2 + "nom déjà employé ligne 1"}},
        FaultCase{"DuplicateAcrossModules", "2004/8.qcm", "[131]\nQuestion=Q ?\nOui=6\n",
                  {"2004/8.qcm [131] : numéro 131 hors des numéros du module 8 (136 à 154)",
                   "2004/8.qcm [131] : nom déjà employé dans 2004/7.qcm"}},
        FaultCase{"NameOutOfModuleRange", "2004/30.qcm", "[579]\nQuestion=Q ?\nOui=6\n[584]\nQuestion=R ?\nOui=6\n",
                  {"2004/30.qcm [579] : numéro 579 hors des numéros du module 30 (580 à 583)",
                   "2004/30.qcm [584] : numéro 584 hors des numéros du module 30 (580 à 583)"}},
        FaultCase{"NameWithoutNumber", "2004/3.qcm", "[abc]\nQuestion=Q ?\nOui=6\n",
                  {"2004/3.qcm [abc] : le nom ne commence pas par un numéro, attendu pour le module 3 (35 à 46)"}},
        FaultCase{"CommaInName", ch2, "[2,1]\nQuestion=Q ?\nOui=6\n",
                  {ch2 + " [2,1] : le nom contient une virgule, qui sépare les noms dans les listes d'erreurs"}},
        // Pictures: bank prefix + name + ".jpg"; lexicon terms, whose case matters.
        FaultCase{"MissingPicture", "2000/nChapitre1.dat", "[112i]\nQuestion=Q ?\nOui=6\n",
                  {"2000/nChapitre1.dat [112i] : image 2000/n112i.jpg absente"}},
        FaultCase{"PictureNotJpeg", "manuel/102i.jpg", "GIF89a",
                  {"manuel/Chapitre1.dat [102i] : image manuel/102i.jpg illisible : pas une image JPEG"}, true},
        FaultCase{"LexiconTermAbsent", ch2, q + "Cmt=Lex:\"portance\"\nOui=6\n",
                  {at2 + "terme « portance » absent de Lexique.dat"}},
        FaultCase{"LexiconCommentWithoutTerm", ch2, q + "Cmt=Lex:\"\"\nOui=6\n",
                  {at2 + "le commentaire « Lex:\"\" » ne nomme aucun terme du lexique"}},
        // Accepted: a tab, a signed value, a capital I (no picture), wing letters, a picture name in any
        // case, a term with a no-break space, and any term when there is no lexicon.
        FaultCase{"AcceptedText", ch2, "[201I]\nQuestion=A\tB ?\nOui=+6\nNon=-6\nBof=0\n", {}},
        FaultCase{"WingLetterBeforeNumber", "2004/3.qcm", "[D35]\nQuestion=Q ?\nA=6\n[p46]\nQuestion=R ?\nA=6\n", {}},
        FaultCase{"PictureFoundWhateverItsCase", "manuel/102i.jpg", "", {}, true, "manuel/102I.JPG",
                  tinyJpeg(180, 135)},
        FaultCase{"LexiconTermWithANoBreakSpace", "Lexique.dat", "Portance=P.\nTraînée=T.\nVent\u00A0arrière=V.\n", {},
                  false, ch2, q + "Cmt=Lex:\"Vent arrière\"\nOui=6\n"},
        FaultCase{"NoLexiconNoTermCheck", "Lexique.dat", "", {}, false, ch2, q + "Cmt=Lex:\"Inconnu\"\nOui=6\n"}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

// The exit code, then what was printed on the output and on the error stream.
std::tuple<int, std::string, std::string> run(const Lines& arguments) {
  std::ostringstream out, err;
  const int code = runBankCheck(arguments, out, err);
  return {code, out.str(), err.str()};
}

// Exit 0 when clean, 1 with faults or cues out of bounds, 2 on bad usage.
// The clean folder holds 30 modules and 32 chapter files of one question
// each, one chapter holding two; its DGAC answers "Oui" and "Non" are as long,
// and each of its banks asks one question in every chapter.
TEST(BankCheckCommand, PrintsCountsFaultsAndCuesAndItsExitCodeTellsWhichOrBadUsage) {
  TempFolder folder;
  writeCleanFolder(folder);
  const std::string path = folder.path().string();
  const auto [cleanCode, counts, cleanErr] = run({"--counts", path});
  EXPECT_EQ(cleanCode, 0);
  EXPECT_TRUE(counts.ends_with("\nplaneur/pChapitre5.dat : 1 question\nTotal : 63 questions\n0 faute(s)\n"));
  const auto [cuesCode, cues, cuesErr] = run({"--cues", path});
  EXPECT_EQ(cuesCode, 1);
  EXPECT_NE(cues.find("  tournure restrictive dans 0,0 % des 6 réponses fausses et 0,0 % des 6 réponses justes\n"
                      "  presque semblables (100 %) : ulm/uChapitre1.dat [101] et ulm/uChapitre2.dat [201]\n"),
            std::string::npos)
      << cues;
  // 2004 modules are compared only where one brevet draws both: modules 7
  // and 8 (the paraglider pilot brevet), never 7 and 10 (the hang-glider one).
  EXPECT_NE(cues.find(" 2004/7.qcm [131] et 2004/8.qcm [136]\n"), std::string::npos);
  EXPECT_EQ(cues.find(" 2004/7.qcm [131] et 2004/10.qcm [165]\n"), std::string::npos);

  std::filesystem::remove(folder.path() / "manuel/102i.jpg");
  folder.write("ulm/uChapitre2.dat", "[201]\nQuestion=Q ?\nA=3\nB=3\n");
  EXPECT_EQ(run({path}), std::tuple(1,
                                    "manuel/Chapitre1.dat [102i] : image manuel/102i.jpg absente\nulm/uChapitre2.dat "
                                    "[201] : 2 bonnes réponses (banque DGAC : une seule, valant 6)\n2 faute(s)\n",
                                    ""));
  for (const auto& arguments : std::vector<Lines>{{}, {"--verbose", path}, {path, path}, {path + "/absent"}}) {
    const auto [code, out, err] = run(arguments);
    EXPECT_EQ(std::tuple(code, out.empty(), err.empty()), std::tuple(2, true, false)) << arguments.size();
  }
}

using Answers = std::vector<std::pair<std::string, double>>;
using Pairs = std::set<std::pair<std::string, std::string>>;

CueQuestion question(std::string text, Answers answers) {
  static int n = 0;
  return {"q" + std::to_string(++n), 0, std::move(text), std::move(answers)};
}
bool always(const CueQuestion&, const CueQuestion&) { return true; }
bool never(const CueQuestion&, const CueQuestion&) { return false; }
std::vector<std::string> breaches(const std::vector<CueQuestion>& bank) {
  return measureCues("essai", bank, never, CueThresholds{}).breaches(CueThresholds{});
}
Pairs pairsOf(const std::vector<NearDuplicate>& found) {
  Pairs pairs;
  for (const auto& pair : found) pairs.insert({pair.first, pair.second});
  return pairs;
}

// Whole words whatever their case and accents; a run of blanks counts as one.
TEST(CueWords, AbsoluteAndRestrictiveWordingAreFoundAsWholeWordsAndLengthsCountCharacters) {
  for (const auto& [text, a, r] :
       {std::tuple{"À aucun prix", true, false}, {"TOUJOURS, partout", true, false}, {"Seuls eux", false, true},
        {"Il ne vole que le matin", false, true}, {"On n\u2019y entre qu\u2019avec lui", false, true},
        {"Quelle\u00A0que\u00A0soit l'heure", false, true}, {"Exclusivement au sol", true, true},
        {"Il faut que le vent ne tourne pas", false, false}, {"Seulement le matin", true, false},
        {"Quelque soit", false, false}, {"Le nez que voici", false, false}})
    EXPECT_EQ(std::pair(holdsAbsoluteWord(text), holdsRestrictiveWording(text)), std::pair(a, r)) << text;
  for (const auto& [text, length] : {std::pair{"2\u00A0 0\tft", 6u}, {" Oui ", 3u}, {"Été", 3u}})
    EXPECT_EQ(answerLength(text), length) << text;
}

TEST(CueFigures, CountARightAnswerStrictlyLongerThanTheOthersAndAbsoluteWordsInWrongAnswers) {
  const std::vector<CueQuestion> bank = {
      question("Un ?", {{"La bonne réponse, longue", 6}, {"Jamais", -2}, {"Aucun", -3}}),  // longest and right
      question("Deux ?", {{"Égale", 6}, {"Égals", -2}}),                                  // a tie: no cue
      // The longest is wrong; the words of the right one do not count.
      question("Trois ?", {{"Toujours", 6}, {"Non, bien plus longue", -2}}),
      question("Quatre ?", {{"Ééé", 6}, {"abcd", -2}}),  // counted in characters, not bytes: the wrong one is longer
      question("Cinq ?", {{"Une moitié longue", 3}, {"Autre", 3}, {"Faux", -6}, {"Non", -1}}),  // several right
  };
  const BankCues cues = measureCues("essai", bank, always, CueThresholds{});
  EXPECT_EQ(std::tuple(cues.singleAnswer, cues.singleLongestRight, cues.multiAnswer, cues.multiLongestRight,
                       cues.multiChanceShare(), cues.wrongAnswers, cues.wrongAbsolute, cues.everyWrongAbsolute),
            std::tuple(4, 1, 1, 1, 0.5, 7, 2, Lines{bank[0].where}));
}

// Ten questions of three options (chance 33 %): the right answer is strictly
// the longest in the first `longest`, strictly the shortest in the next
// `shortest`, and neither in the rest. With `cues`, every wrong answer of the
// last four carries an absolute word and one other restrictive wording, each
// as long as the answer it stands for.
TEST(CueThresholds, HoldLengthsWithinTenPointsOfChanceAndWrongAnswersWordingWithinItsBounds) {
  const auto bank = [](int longest, int shortest, bool cues) {
    std::vector<CueQuestion> questions;
    for (int i = 0; i < 10; ++i)
      questions.push_back(question("Sujet " + std::to_string(i) + " ?",
                                   {{i < longest ? "Juste, longue" : i < longest + shortest ? "Oui" : "Juste", 6},
                                    {cues && i >= 6 ? "Rien" : cues && i == 5 ? "Seul" : "Faux", -2},
                                    {cues && i >= 6 ? "Jamais" : "Fausse", -2}}));
    return questions;
  };
  // 40 % is 6.7 points above chance, 50 % 16.7 points above, 20 % 13.3 points below.
  for (const auto& [longest, shortest, breach] :
       {std::tuple{4, 3, ""}, {5, 3, "longue dans 50 %"}, {2, 3, "longue dans 20 %"}, {3, 2, "courte dans 20 %"}})
    EXPECT_EQ(breaches(bank(longest, shortest, false)),
              *breach ? Lines{std::string("réponse juste la plus ") + breach +
                              " des questions à une réponse, pour un hasard de 33 % (écart permis : 10 points)"}
                      : Lines{});
  EXPECT_EQ(breaches(bank(3, 3, true)),
            (std::vector<std::string>{"mot absolu dans 40 % des réponses fausses (au plus 5 %)",
                                      "tournure restrictive dans 5,0 % des réponses fausses, pour 0,0 % des réponses "
                                      "justes (écart permis : 1,5 points)",
                                      "4 question(s) dont chaque réponse fausse porte un mot absolu"}));
}

// Five pairs an examiner found in the 2004 bank, as they were written (their
// texts and right answers): each asks one point twice, and no other two of
// them do.
TEST(NearDuplicates, FlagTheFivePairsAnExaminerFound) {
  std::vector<CueQuestion> bank;
  for (const auto& [text, right] : std::vector<std::pair<std::string, std::string>>{
           {"Un vent régulier souffle perpendiculairement à une longue crête. Où trouve-t-on l'ascendance due au vent, "
            "dite ascendance dynamique ?", "Devant la pente exposée au vent et au-dessus de la crête"},
           {"En vol de pente, par vent régulier face au relief, où se trouve en général la meilleure ascendance "
            "dynamique ?", "Au vent de la crête, devant le relief et un peu au-dessus de son sommet"},
           {"En altitude, où l'air est moins dense, pour une même incidence, la vitesse air vraie de l'aile :",
            "Est plus grande qu'au niveau de la mer"},
           {"À 4000 m d'altitude en atmosphère standard, par rapport au niveau de la mer et à incidence égale, la "
            "vitesse air vraie de votre aile est :", "Plus grande d'environ 20 %"},
           {"En vol de pente, pourquoi effectue-t-on les demi-tours en s'écartant du relief ?",
            "Parce que le vent pousse l'aile vers la pente pendant le virage"},
           {"En vol de pente, de quel côté faites-vous vos demi-tours ?",
            "Du côté opposé à la pente, en s'en écartant"},
           {"Relâcher les trims d'un parapente, en position rapide, a pour effet :",
            "D'augmenter la vitesse bras hauts en diminuant l'incidence"},
           {"Sur une aile équipée de trims, que produit le relâchement des trims ?",
            "Une diminution de l'incidence et une augmentation de la vitesse"},
           {"Vous venez d'acheter une sellette. Comment la réglez-vous avant de voler avec ?",
            "Suspendu à un portique, en position de vol, en vérifiant l'accès à la poignée du secours"},
           {"Vous venez d'acheter une nouvelle sellette. Comment la réglez-vous avant votre premier vol ?",
            "Suspendu à un portique, assis comme en vol, en ajustant chaque sangle"}})
    bank.push_back(question(text, {{right, 6}, {"Autre chose", -6}}));
  Pairs expected;
  for (std::size_t i = 0; i < bank.size(); i += 2) expected.insert({bank[i].where, bank[i + 1].where});
  EXPECT_EQ(pairsOf(measureCues("essai", bank, always, CueThresholds{}).duplicates), expected);
}

}  // namespace
}  // namespace ventelle::bankcheck
