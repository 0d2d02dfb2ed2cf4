#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "bank_checker/command.h"
#include "bank_checker/folder_check.h"
#include "fakes/temp_folder.h"

namespace ventelle::bankcheck {
namespace {

using namespace std::string_literals;

// Smallest file that the program's JPEG reader takes for a 180 x 135 picture.
const std::string kTinyJpeg("\xFF\xD8\xFF\xC0\x00\x0B\x08\x00\x87\x00\xB4\x01\x01\x11\x00", 15);

// A folder that the checker passes: one question per module and chapter, a
// picture question and lexicon comments.
void writeCleanFolder(const TempFolder& folder) {
  folder.write("Lexique.dat", "Portance=Force qui soutient l'aile.\nTraînée=Force qui freine l'aile.\n");
  for (int module = 1; module <= kModuleCount; ++module) {
    const std::string first = std::to_string(moduleNameRange(module).first);
    folder.write("2004/" + std::to_string(module) + ".qcm", "[" + first + "]\nQuestion=Vrai ?\nOui=6\nNon=-6\n");
  }
  const struct {
    const char* prefix;
    int chapters;
    bool dgac;  // a single right answer
  } banks[] = {{"manuel/", 6, false}, {"2000/n", 9, false}, {"avion/a", 6, true}, {"ulm/u", 6, true},
               {"planeur/p", 5, true}};
  for (const auto& bank : banks)
    for (int k = 1; k <= bank.chapters; ++k)
      folder.write(std::string(bank.prefix) + "Chapitre" + std::to_string(k) + ".dat",
                   "; chapitre\n[" + std::to_string(k) + "01]\nQuestion=Quelle réponse ?\nCmt=Lex:\"Portance\"\n" +
                       (bank.dgac ? "Oui=6\nNon=-2\n" : "Oui=3\nAussi=3\nNon=-6\n"));
  folder.write("manuel/Chapitre1.dat",
               "[101]\nQuestion=Q ?\nOui=6\nNon=-6\n\n[102i]\nQuestion=Sur l'image ?\nCmt=Lex:\"Traînée\"\n"
               "Oui=6\nNon=-1\n");
  folder.writeBytes("manuel/102i.jpg", kTinyJpeg);
}

std::vector<std::string> faultLines(const TempFolder& folder) {
  std::vector<std::string> lines;
  for (const auto& file : checkProgramFolder(ProgramFolder(folder.path())).files)
    for (const auto& fault : file.faults) lines.push_back(describe(fault));
  return lines;
}

using Change = std::function<void(const TempFolder&)>;
Change write(std::string file, std::string text) {
  return [=](const TempFolder& f) { f.write(file, text); };
}
Change writeBytes(std::string file, std::string bytes) {
  return [=](const TempFolder& f) { f.writeBytes(file, bytes); };
}
Change remove(std::string file) {
  return [=](const TempFolder& f) { std::filesystem::remove_all(f.path() / file); };
}
Change rename(std::string from, std::string to) {
  return [=](const TempFolder& f) { std::filesystem::rename(f.path() / from, f.path() / to); };
}
Change both(Change first, Change second) {
  return [=](const TempFolder& f) { first(f); second(f); };
}

struct FaultCase {
  std::string name;
  Change change;
  std::vector<std::string> expected;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FaultInjection : public testing::TestWithParam<FaultCase> {};

// The clean folder (see BankCheckCommand), changed in one place, gives exactly the expected faults.
TEST_P(FaultInjection, ReportsExactlyTheInjectedFault) {
  TempFolder folder;
  writeCleanFolder(folder);
  GetParam().change(folder);
  EXPECT_EQ(faultLines(folder), GetParam().expected);
}

const std::string kChapter2 = "manuel/Chapitre2.dat";

INSTANTIATE_TEST_SUITE_P(
    BankChecker, FaultInjection,
    testing::Values(
        // Bytes and line ends.
        FaultCase{"UndefinedByte", writeBytes(kChapter2, "[201]\r\nQuestion=A\x81?\r\nOui=6\r\nNon=-6\r\n"),
                  {"manuel/Chapitre2.dat ligne 2 : octet 0x81 non défini en Windows-1252 (colonne 11)"}},
        FaultCase{"ControlByte", writeBytes(kChapter2, "[201]\r\nQuestion=A\r\nOui\0=6\r\nNon=-6\r\n"s),
                  {"manuel/Chapitre2.dat ligne 3 : caractère de contrôle 0x00 (colonne 4)"}},
        FaultCase{"LfWithoutCr", writeBytes(kChapter2, "[201]\r\nQuestion=A\nOui=6\r\nNon=-6\r\n"),
                  {"manuel/Chapitre2.dat ligne 2 : fin de ligne LF sans CR"}},
        FaultCase{"CrAlone", writeBytes(kChapter2, "[201]\r\nQuestion=A\rB\r\nOui=6\r\nNon=-6\r\n"),
                  {"manuel/Chapitre2.dat ligne 2 : retour chariot (CR) isolé (colonne 11)"}},
        FaultCase{"LastLineUnended", writeBytes(kChapter2, "[201]\r\nQuestion=A\r\nOui=6\r\nNon=-6"),
                  {"manuel/Chapitre2.dat ligne 4 : dernière ligne sans fin de ligne CR LF"}},
        // Missing files.
        FaultCase{"MissingFile", remove("2004/17.qcm"), {"2004/17.qcm : fichier absent"}},
        FaultCase{"MissingBankFolder", remove("planeur"), {"planeur : dossier absent"}},
        FaultCase{"NoQuestion", write(kChapter2, "; rien encore\n"), {"manuel/Chapitre2.dat : aucune question"}},
        // The program's loader. A module is read as the first chapter file it
        // becomes: module 5 is chapter 2 of exam 7.
        FaultCase{"RejectedByLoader", write("2004/5.qcm", "[64]\nQuestion=Q ?\nSans égal\n"),
                  {"2004/5.qcm [64] : refusée par le programme : Le fichier 2004\\4Chapitre2.dat est corrompu à "
                   "la question 64, l'application va se terminer"}},
        FaultCase{"HeaderOnLastLine", write(kChapter2, "[201]\nQuestion=Q ?\nOui=6\nNon=-6\n[202]\n"),
                  {"manuel/Chapitre2.dat [202] ligne 5 : en-tête sur la dernière ligne du fichier : le programme "
                   "ne voit pas cette question"}},
        // Answers and values.
        FaultCase{"NoAnswer", write(kChapter2, "[201]\nQuestion=Q ?\nCmt=Rien à cocher\n"),
                  {"manuel/Chapitre2.dat [201] : aucune réponse"}},
        FaultCase{"SixAnswers", write(kChapter2, "[201]\nQuestion=Q ?\nA=6\nB=-1\nC=-1\nD=-1\nE=-1\nF=-1\n"),
                  {"manuel/Chapitre2.dat [201] : 6 réponses : le programme ne lit que les 5 premières"}},
        FaultCase{"LineWithoutEquals", write(kChapter2, "[201]\nQuestion=Q ?\nOui=6\nPeut-être\nNon=-6\n"),
                  {"manuel/Chapitre2.dat [201] ligne 4 : ligne sans « = » : le programme arrête là la lecture "
                   "des réponses"}},
        // 2.5 and 1.5 are marked as 2 (halves to even): the sum stays 6.
        FaultCase{"ValuesNotWhole", write(kChapter2, "[201]\nQuestion=Q ?\nA=2.5\nB=1.5\nC=2 pts\nNon=-6\n"),
                  {"manuel/Chapitre2.dat [201] : la valeur « 2.5 » de la réponse « A » n'est pas un nombre entier",
                   "manuel/Chapitre2.dat [201] : la valeur « 1.5 » de la réponse « B » n'est pas un nombre entier",
                   "manuel/Chapitre2.dat [201] : la valeur « 2 pts » de la réponse « C » n'est pas un nombre entier"}},
        FaultCase{"PositiveSumNotSix", write("2004/5.qcm", "[64]\nQuestion=Q ?\nOui=5\nNon=-6\n"),
                  {"2004/5.qcm [64] : les valeurs positives totalisent 5 au lieu de 6"}},
        FaultCase{"DgacTwoRightAnswers", write("avion/aChapitre1.dat", "[101]\nQuestion=Q ?\nA=3\nB=3\nC=-6\n"),
                  {"avion/aChapitre1.dat [101] : 2 bonnes réponses (banque DGAC : une seule, valant 6)"}},
        FaultCase{"DgacNoRightAnswer", write("ulm/uChapitre1.dat", "[101]\nQuestion=Q ?\nA=-3\nB=0\n"),
                  {"ulm/uChapitre1.dat [101] : aucune bonne réponse (banque DGAC : une seule, valant 6)"}},
        FaultCase{"DgacRightAnswerWorthLess", write("planeur/pChapitre5.dat", "[501]\nQuestion=Q ?\nA=4\nB=-2\n"),
                  {"planeur/pChapitre5.dat [501] : la bonne réponse vaut 4 au lieu de 6 (banque DGAC)"}},
        // Names.
        FaultCase{"DuplicateInFile", write(kChapter2, "[201]\nQuestion=Q ?\nOui=6\n[201]\nQuestion=R ?\nOui=6\n"),
                  {"manuel/Chapitre2.dat [201] : nom déjà employé ligne 1"}},
        // Module ranges do not overlap, so a name shared by two modules is also out of range in one.
        FaultCase{"DuplicateAcrossModules", write("2004/8.qcm", "[131]\nQuestion=Q ?\nOui=6\n"),
                  {"2004/8.qcm [131] : numéro 131 hors des numéros du module 8 (136 à 154)",
                   "2004/8.qcm [131] : nom déjà employé dans 2004/7.qcm"}},
        FaultCase{"NameOutOfModuleRange",
                  write("2004/30.qcm", "[579]\nQuestion=Q ?\nOui=6\n[584]\nQuestion=R ?\nOui=6\n"),
                  {"2004/30.qcm [579] : numéro 579 hors des numéros du module 30 (580 à 583)",
                   "2004/30.qcm [584] : numéro 584 hors des numéros du module 30 (580 à 583)"}},
        FaultCase{"NameWithoutNumber", write("2004/3.qcm", "[abc]\nQuestion=Q ?\nOui=6\n"),
                  {"2004/3.qcm [abc] : le nom ne commence pas par un numéro, attendu pour le module 3 (35 à 46)"}},
        FaultCase{"CommaInName", write(kChapter2, "[2,1]\nQuestion=Q ?\nOui=6\n"),
                  {"manuel/Chapitre2.dat [2,1] : le nom contient une virgule, qui sépare les noms dans les listes "
                   "d'erreurs"}},
        // Pictures: bank prefix + name + ".jpg".
        FaultCase{"MissingPicture", write("2000/nChapitre1.dat", "[112i]\nQuestion=Q ?\nOui=6\n"),
                  {"2000/nChapitre1.dat [112i] : image 2000/n112i.jpg absente"}},
        FaultCase{"PictureNotJpeg", writeBytes("manuel/102i.jpg", "GIF89a"),
                  {"manuel/Chapitre1.dat [102i] : image manuel/102i.jpg illisible : pas une image JPEG"}},
        // Lexicon comments.
        FaultCase{"LexiconTermAbsent", write(kChapter2, "[201]\nQuestion=Q ?\nCmt=Lex:\"portance\"\nOui=6\n"),
                  {"manuel/Chapitre2.dat [201] : terme « portance » absent de Lexique.dat"}},  // case matters
        FaultCase{"LexiconCommentWithoutTerm", write(kChapter2, "[201]\nQuestion=Q ?\nCmt=Lex:\"\"\nOui=6\n"),
                  {"manuel/Chapitre2.dat [201] : le commentaire « Lex:\"\" » ne nomme aucun terme du lexique"}},
        // Accepted: a tab, a signed value, a capital I (no picture), wing letters, a picture name in any
        // case, and any term when there is no lexicon.
        FaultCase{"AcceptedText", write(kChapter2, "[201I]\nQuestion=A\tB ?\nOui=+6\nNon=-6\nBof=0\n"), {}},
        FaultCase{"WingLetterBeforeNumber",
                  write("2004/3.qcm", "[D35]\nQuestion=Q ?\nOui=6\n[p46]\nQuestion=R ?\nOui=6\n"), {}},
        FaultCase{"PictureFoundWhateverItsCase", rename("manuel/102i.jpg", "manuel/102I.JPG"), {}},
        FaultCase{"LexiconTermWithANoBreakSpace",
                  both(write("Lexique.dat", "Portance=P.\nTraînée=T.\nVent\u00A0arrière=V.\n"),
                       write(kChapter2, "[201]\nQuestion=Q ?\nCmt=Lex:\"Vent arrière\"\nOui=6\n")),
                  {}},
        FaultCase{"NoLexiconNoTermCheck",
                  both(remove("Lexique.dat"), write(kChapter2, "[201]\nQuestion=Q ?\nCmt=Lex:\"Inconnu\"\nOui=6\n")),
                  {}}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

struct CommandRun {
  int code;
  std::string out, err;
};

CommandRun run(std::vector<std::string> arguments) {
  std::ostringstream out, err;
  const int code = runBankCheck(arguments, out, err);
  return {code, out.str(), err.str()};
}

TEST(BankCheckCommand, CleanFolderWithCountsListsEveryFileAndExitsZero) {
  TempFolder folder;
  writeCleanFolder(folder);
  const auto result = run({"--counts", folder.path().string()});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out.rfind("2004/1.qcm : 1 question\n", 0), 0u) << result.out;
  EXPECT_NE(result.out.find("\nmanuel/Chapitre1.dat : 2 questions\n"), std::string::npos);
  // 30 modules and 32 chapter files of one question each, one chapter holding two.
  EXPECT_NE(result.out.find("\nplaneur/pChapitre5.dat : 1 question\nTotal : 63 questions\n0 faute(s)\n"),
            std::string::npos)
      << result.out;
}

TEST(BankCheckCommand, FaultsArePrintedThenCountedAndExitOne) {
  TempFolder folder;
  writeCleanFolder(folder);
  std::filesystem::remove(folder.path() / "manuel/102i.jpg");
  folder.write("ulm/uChapitre2.dat", "[201]\nQuestion=Q ?\nA=3\nB=3\n");
  const auto result = run({folder.path().string()});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out,
            "manuel/Chapitre1.dat [102i] : image manuel/102i.jpg absente\n"
            "ulm/uChapitre2.dat [201] : 2 bonnes réponses (banque DGAC : une seule, valant 6)\n"
            "2 faute(s)\n");
}

TEST(BankCheckCommand, CuesArePrintedPerBankAndAFigureOutOfBoundsExitsOne) {
  TempFolder folder;
  // Its DGAC answers "Oui" and "Non" are as long: the right one is never the
  // longest; and each bank asks one question in every chapter.
  writeCleanFolder(folder);
  const auto result = run({"--cues", folder.path().string()});
  EXPECT_EQ(result.code, 1);
  EXPECT_NE(result.out.find("0 faute(s)\nTournures restrictives comptées : « ne » ou « n' » suivi plus loin de « que » "
                            "ou « qu' », « seul(e)(s) », « quel(le)(s) que soi(en)t », « exclusivement »\n"
                            "Indices de la banque 2004 (30 questions) :\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Indices de la banque ulm (6 questions) :\n"
                            "  réponse juste la plus longue : 0 % de 6 questions à une réponse (hasard : 50 %)\n"
                            "  réponse juste la plus courte : 0 % de 6 questions à une réponse (hasard : 50 %)\n"
                            "  mot absolu dans 0 % des 6 réponses fausses\n"
                            "  tournure restrictive dans 0,0 % des 6 réponses fausses et 0,0 % des 6 réponses justes\n"
                            "  presque semblables (100 %) : ulm/uChapitre1.dat [101] et ulm/uChapitre2.dat [201]\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("  hors limite : réponse juste la plus longue dans 0 % des questions à une réponse, pour un "
                            "hasard de 50 % (écart permis : 10 points)\n"
                            "  hors limite : réponse juste la plus courte dans 0 % des questions à une réponse, pour un "
                            "hasard de 50 % (écart permis : 10 points)\n"
                            "  hors limite : 15 paire(s) de questions presque semblables\n"
                            "Indices de la banque planeur"),
            std::string::npos);
}

TEST(BankCheckCommand, BadUsageExitsTwoWithAMessage) {
  TempFolder folder;
  const std::string path = folder.path().string();
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {}, {"--verbose", path}, {path, path}, {(folder.path() / "absent").string()}}) {
    const auto result = run(arguments);
    EXPECT_EQ(result.code, 2) << testing::PrintToString(arguments);
    EXPECT_FALSE(result.err.empty());
    EXPECT_TRUE(result.out.empty());
  }
}

}  // namespace
}  // namespace ventelle::bankcheck
