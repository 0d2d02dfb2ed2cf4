#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/exam_catalogue.h"
#include "fakes/model_on_folder.h"
#include "ui/exams/exam_switch.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

// The model on a program folder of its own, started on the default exam.
class SwitchFixture : public ModelOnFolder {
 public:
  // shipped: a copy of the program folder as shipped; otherwise thirty small
  // 2004 modules, module m holding the one question [m].
  explicit SwitchFixture(bool shipped) : ModelOnFolder(shipped) {
    if (!shipped)
      for (int m = 1; m <= 30; ++m) folder.writeBytes("2004/" + std::to_string(m) + ".qcm", moduleBytes(m));
    model.start();
  }

  static std::string moduleBytes(int m) {
    const std::string n = std::to_string(m);
    return "[" + n + "]\r\nQuestion=Question du module " + n + " ?\r\nOui=6\r\nNon=-6\r\n";
  }
  std::string chapterBytes(int k) const {
    std::ifstream in(folder.path() / "2004" / ("4Chapitre" + std::to_string(k) + ".dat"), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  const MenuItem& menu(const std::string& name) const { return model.controls().menus.at(name); }
  void choose(const std::string& item) { ASSERT_TRUE(model.menuCommand(item)) << item; }
  // Marks the question on screen so that the score is not blank.
  void markOne() {
    model.checkClick(1);
    model.questionClick();
    ASSERT_EQ(model.controls().nombreQuestionsPosees, "1");
  }
};

struct OptionItem {
  std::string caption;
  bool checked;
  bool visible;
};

struct ExamRow {
  int exam;
  std::string item;
  std::string prefix;
  std::string title;
  std::vector<std::string> chapters;
  std::set<int> unticked;
  OptionItem qbi;
  OptionItem confirmed;
  bool inclure;
  bool conforme;
};

const std::string kQBi = "&Test pour la QBi (20 questions)";
const std::string kConfirmed = "&Brevet Confirmé (30 questions)";
const std::vector<std::string> kParaglider = {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Parapente",
                                              "Matériel Général", "Matériel Parapente", "Réglementation",
                                              "Pilotage Général", "Pilotage Parapente"};
const std::vector<std::string> kHangGlider = {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Delta",
                                              "Matériel Général", "Matériel Delta", "Réglementation",
                                              "Pilotage Général", "Pilotage Delta"};

// Each exam as it shows after a switch from the default exam 7, whose two
// test-size items are hidden and unticked.
const std::vector<ExamRow> kExams = {
    {1, "mnuManuel", "manuel\\", "Ventelle - QCM Le manuel du vol libre - FFVL",
     {"Les bases du pilotage", "Théorie du vol et applications", "L'air et la météo", "Le matériel et son utilisation",
      "L'organisation", "Le ciel est à nous"},
     {}, {kQBi, false, true}, {kConfirmed, false, true}, false, true},
    {2, "mnu2000", "2000\\n", "Ventelle - QCM 2000 - FFVL",
     {"Météo", "Mécavol générale", "Mécavol parapente", "Matériel général", "Matériel parapente", "Cerf Volant",
      "Réglementation", "Pilotage général", "Pilotage parapente"},
     {6}, {kQBi, false, true}, {kConfirmed, false, true}, false, true},
    {3, "mnuAvion", "avion\\a", "Ventelle - QCM Pilote Privé Avion - Vol à Vue - DGAC",
     {"Phase I", "Phase II", "Phase III", "Phase IV", "Phase V", "Phase VI - Vol de nuit"},
     {6}, {"Qualification &Instructeur", false, true}, {kConfirmed, false, false}, false, false},
    {4, "mnuULM", "ulm\\u", "Ventelle - QCM ULM - DGAC",
     {"Facteurs humains", "L'air et la météo", "Matériel", "Mécanique de vol", "Navigation", "Réglementation"},
     {}, {"Qualification &Instructeur", false, true}, {kConfirmed, false, false}, false, false},
    {5, "mnuPlaneur", "planeur\\p", "Ventelle - QCM Vol à Voile - DGAC",
     {"Phase I - Phase II", "Phase III - Phase IV", "Phase V - Phase VI", "Phase VII - Phase VIII", "Phase IX - Phase X"},
     {}, {"Qualification &Instructeur", false, true}, {kConfirmed, false, false}, false, false},
    {6, "mnuPInitial", "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet Initial - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Parapente", "Matériel Général", "Matériel Parapente",
      "Pilotage Général", "Pilotage Parapente"},
     {}, {"&20 questions", false, true}, {"&30 questions", false, true}, false, true},
    {7, "mnuPPilote", "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet de Pilote - FFVL", kParaglider,
     {}, {kQBi, false, false}, {kConfirmed, false, false}, true, true},
    {8, "mnuPConfirme", "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet Confirmé - FFVL", kParaglider,
     {}, {kQBi, false, true}, {kConfirmed, true, true}, true, true},
    {9, "mnuDInitial", "2004\\4", "Ventelle - QCM 2004 Delta - Brevet Initial - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Delta", "Matériel Général", "Matériel Delta",
      "Pilotage Général", "Pilotage Delta"},
     {}, {"&20 questions", false, true}, {"&30 questions", false, true}, false, true},
    {10, "mnuDPilote", "2004\\4", "Ventelle - QCM 2004 Delta - Brevet de Pilote - FFVL", kHangGlider,
     {}, {kQBi, false, false}, {kConfirmed, false, false}, true, true},
    {11, "mnuDConfirme", "2004\\4", "Ventelle - QCM 2004 Delta - Brevet Confirmé - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Matériel Général", "Réglementation", "Pilotage Général",
      "Pilotage Delta"},
     {}, {kQBi, false, true}, {kConfirmed, true, true}, true, true},
};

void expectOption(const MenuItem& item, const OptionItem& expected, const char* name) {
  EXPECT_EQ(item.caption, expected.caption) << name;
  EXPECT_EQ(item.checked, expected.checked) << name;
  EXPECT_EQ(item.visible, expected.visible) << name;
}

void expectPathMarks(const SwitchFixture& f, int exam) {
  const bool paraglider = exam >= 6 && exam <= 8;
  const bool hangGlider = exam >= 9;
  EXPECT_EQ(f.menu("mnu2004").caption, paraglider || hangGlider ? ">>> 200&4 (FFVL)" : "200&4 (FFVL)");
  EXPECT_EQ(f.menu("mnuBParapente").caption, paraglider ? ">>> &Parapente" : "&Parapente");
  EXPECT_EQ(f.menu("mnuBDelta").caption, hangGlider ? ">>> &Delta" : "&Delta");
}

TEST(ExamSwitch, EveryExamShowsItsChaptersTitleOptionsAndAFreshTest) {
  for (const ExamRow& row : kExams) {
    SCOPED_TRACE(testing::Message() << "exam " << row.exam);
    SwitchFixture f(true);
    f.markOne();
    if (row.exam == 7) f.choose("mnuManuel");  // so that choosing exam 7 switches

    f.choose(row.item);

    const WindowControls& c = f.model.controls();
    EXPECT_EQ(f.model.examIndex(), row.exam);
    EXPECT_EQ(f.model.bankPrefix(), row.prefix);
    EXPECT_EQ(c.title, row.title + "               -Utilisateur par défaut-");
    for (int k = 1; k <= 9; ++k) {
      const bool used = k <= static_cast<int>(row.chapters.size());
      EXPECT_EQ(c.partie[k].visible, used) << "Partie" << k;
      EXPECT_EQ(c.partie[k].ticked, used && !row.unticked.contains(k)) << "Partie" << k;
      if (used) {
        EXPECT_EQ(c.partie[k].caption, row.chapters[k - 1]) << "Partie" << k;
      }
    }
    for (int i = 1; i <= 11; ++i)
      EXPECT_EQ(f.menu(examInfo(i).menuItem).checked, i == row.exam) << examInfo(i).menuItem;
    expectPathMarks(f, row.exam);
    expectOption(f.menu("mnuQBi"), row.qbi, "mnuQBi");
    expectOption(f.menu("mnuConfirme"), row.confirmed, "mnuConfirme");
    EXPECT_EQ(f.model.quiz().options.confirmedTest, row.confirmed.checked);
    EXPECT_FALSE(f.model.quiz().options.instructorTest);
    EXPECT_EQ(f.menu("mnuInclure").visible, row.inclure);
    EXPECT_FALSE(f.menu("mnuInclure").checked);
    EXPECT_EQ(f.menu("mnuConforme").visible, row.conforme);
    EXPECT_EQ(c.nombreQuestionsPosees, "");
    EXPECT_EQ(c.totalPoints, "");
    EXPECT_TRUE(c.historique.empty());
    EXPECT_EQ(c.question.caption, "Evaluation");
    EXPECT_FALSE(c.labelQuestion.empty());
    EXPECT_TRUE(f.dialogs.shown.empty());
  }
}

TEST(ExamSwitch, TitleNamesTheUserAfterFifteenSpaces) {
  EXPECT_EQ(windowTitle(4, "parapente"), "Ventelle - QCM ULM - DGAC               -Utilisateur par défaut-");
  EXPECT_EQ(windowTitle(4, "Marie"), "Ventelle - QCM ULM - DGAC               -Marie-");
}

TEST(ExamSwitch, ChoosingTheExamAlreadyShownRebuildsAndResetsNothing) {
  SwitchFixture f(false);
  f.markOne();
  f.folder.writeBytes("2004/4Chapitre1.dat", "[1]\r\nQuestion=Modifié ?\r\nOui=6\r\n");

  f.choose("mnuPPilote");

  EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "1");
  EXPECT_EQ(f.chapterBytes(1), "[1]\r\nQuestion=Modifié ?\r\nOui=6\r\n");
  EXPECT_TRUE(f.menu("mnuPPilote").checked);
}

// A full questionnaire is laid out again at the size of the exam switched to
// (or widened to its lower levels), still in full-questionnaire mode.
TEST(ExamSwitch, FullQuestionnaireModeIsBuiltAgainAtTheNewExamsSize) {
  struct Case {
    std::vector<std::string> before;  // chosen in training mode
    std::string item;
    std::size_t buttons;
  };
  // The default user starts with the lower levels included.
  const std::vector<Case> cases = {{{}, "mnuULM", 40},
                                   {{}, "mnuPConfirme", 30},
                                   {{}, "mnuManuel", 60},
                                   {{}, "mnuInclure", 60},
                                   {{"mnuInclure"}, "mnuInclure", 60}};
  for (const auto& [before, item, buttons] : cases) {
    SwitchFixture f(true);
    for (const auto& first : before) f.choose(first);
    f.choose("mnuEvaluation");
    ASSERT_EQ(f.model.controls().bouton.size(), 60u);
    f.model.boutonClick(2);  // a second question drawn in the old exam

    f.choose(item);

    const auto& c = f.model.controls();
    EXPECT_FALSE(f.menu("mnuEvaluation").checked) << item << before.size();
    EXPECT_EQ(c.bouton.size(), buttons) << item << before.size();
    EXPECT_EQ(c.nombreQuestionsPosees, std::to_string(buttons)) << item << before.size();
    EXPECT_EQ(c.question.tag, "Boutons") << item << before.size();
    EXPECT_EQ(f.model.quiz().currentButton, 1) << item << before.size();
    EXPECT_EQ(f.model.quiz().questionRecords[1].nbRep, 0) << item << before.size();  // button 2 is empty again
    EXPECT_FALSE(c.numero.empty()) << item << before.size();
    EXPECT_TRUE(f.dialogs.shown.empty()) << item << before.size();
  }
}

// The confirmed brevet forces the 30-question test; the federation's other
// exams keep it, and with it the 30-question layout.
TEST(ExamSwitch, ConfirmedTestSurvivesTheMoveFromTheConfirmedBrevetToAnotherFederationExam) {
  SwitchFixture f(true);
  f.choose("mnuPConfirme");
  f.choose("mnuManuel");

  expectOption(f.menu("mnuConfirme"), {kConfirmed, true, true}, "mnuConfirme");
  EXPECT_TRUE(f.model.quiz().options.confirmedTest);
  EXPECT_EQ(f.model.pageLayout().questionCount, 30);
}

// The initial brevet renames both items and clears both tests; the QBi item
// gets its caption back (and loses its tick) only because the caption differs.
TEST(ExamSwitch, InitialBrevetRenamesTheOptionsAndTheManualRenamesOnlyTheQBiItem) {
  SwitchFixture f(true);
  f.choose("mnuPInitial");
  f.choose("mnuQBi");
  ASSERT_TRUE(f.model.quiz().options.instructorTest);

  f.choose("mnuManuel");
  expectOption(f.menu("mnuQBi"), {kQBi, false, true}, "mnuQBi");
  expectOption(f.menu("mnuConfirme"), {kConfirmed, false, true}, "mnuConfirme");
  EXPECT_FALSE(f.model.quiz().options.instructorTest);

  f.choose("mnuQBi");
  f.choose("mnu2000");
  expectOption(f.menu("mnuQBi"), {kQBi, true, true}, "mnuQBi");
  EXPECT_EQ(f.model.pageLayout().questionCount, 20);
}

// A hidden option must not change how an exam is marked: the ULM test is 40
// questions even after the confirmed brevet forced the 30-question test.
TEST(ExamSwitch, AuthorityExamsDropTheHiddenConfirmedTest) {
  SwitchFixture f(true);
  f.choose("mnuPConfirme");
  f.choose("mnuULM");
  EXPECT_FALSE(f.model.quiz().options.confirmedTest);
  f.choose("mnuManuel");
  expectOption(f.menu("mnuConfirme"), {kConfirmed, false, true}, "mnuConfirme");
  EXPECT_EQ(f.model.pageLayout().questionCount, 60);
}

TEST(ExamSwitch, ChaptersBeyondTheExamAreHiddenAndTheTwoThousandFilesUntouched) {
  SwitchFixture f(false);
  f.folder.writeBytes("2004/4Chapitre8.dat", "ancien");
  f.choose("mnuPInitial");  // seven chapters: chapter 8 is not rebuilt
  EXPECT_EQ(f.chapterBytes(8), "ancien");
  EXPECT_FALSE(f.model.controls().partie[8].visible);
  EXPECT_FALSE(f.model.controls().partie[8].ticked);
  EXPECT_EQ(f.chapterBytes(1), SwitchFixture::moduleBytes(1));
}

// Module numbers of each chapter of each 2004 brevet, and of the chapters the
// lower levels add.
TEST(ExamSwitch, BuildsEach2004ChapterFromItsModule) {
  const std::map<int, std::vector<int>> modules = {{6, {1, 4, 7, 12, 15, 22, 25}},
                                                   {7, {2, 5, 8, 13, 16, 20, 23, 26}},
                                                   {8, {3, 6, 9, 14, 17, 21, 24, 27}},
                                                   {9, {1, 4, 10, 12, 18, 22, 28}},
                                                   {10, {2, 5, 11, 13, 19, 20, 23, 29}},
                                                   {11, {3, 6, 14, 21, 24, 30}}};
  for (const auto& [exam, own] : modules) {
    SwitchFixture f(false);
    if (exam == 7) f.choose("mnuPInitial");
    f.choose(examInfo(exam).menuItem);
    for (std::size_t k = 1; k <= own.size(); ++k)
      EXPECT_EQ(f.chapterBytes(static_cast<int>(k)), SwitchFixture::moduleBytes(own[k - 1]))
          << "exam " << exam << " chapter " << k;
  }
}

// Two empty lines, module a, an empty line and module b when there is one, an empty line.
std::string withLower(int own, int a, int b = 0) {
  std::string bytes = SwitchFixture::moduleBytes(own) + "\r\n\r\n" + SwitchFixture::moduleBytes(a);
  if (b != 0) bytes += "\r\n" + SwitchFixture::moduleBytes(b);
  return bytes + "\r\n";
}

struct InclusionRow {
  std::string item;
  std::vector<std::string> chapters;  // what each chapter file holds once the lower levels are in
};

TEST(LowerLevels, AppendTheLowerBrevetsModulesToEachChapter) {
  const std::vector<InclusionRow> rows = {
      {"mnuPPilote",
       {withLower(2, 1), withLower(5, 4), withLower(8, 7), withLower(13, 12), withLower(16, 15),
        SwitchFixture::moduleBytes(20), withLower(23, 22), withLower(26, 25)}},
      {"mnuPConfirme",
       {withLower(3, 1, 2), withLower(6, 4, 5), withLower(9, 7, 8), withLower(14, 12, 13), withLower(17, 15, 16),
        withLower(21, 20), withLower(24, 22, 23), withLower(27, 25, 26)}},
      {"mnuDPilote",
       {withLower(2, 1), withLower(5, 4), withLower(11, 10), withLower(13, 12), withLower(19, 18),
        SwitchFixture::moduleBytes(20), withLower(23, 22), withLower(29, 28)}},
      // The confirmed hang-glider brevet is first rebuilt as the pilot one.
      {"mnuDConfirme",
       {withLower(2, 1, 3), withLower(5, 4, 6), withLower(11, 10), withLower(13, 12, 14), withLower(19, 18),
        withLower(20, 21), withLower(23, 22, 24), withLower(29, 28, 30)}},
  };
  for (const InclusionRow& row : rows) {
    SCOPED_TRACE(row.item);
    SwitchFixture f(false);
    if (row.item == "mnuPPilote") f.choose("mnuPInitial");  // so that choosing exam 7 switches
    f.choose(row.item);
    f.markOne();

    f.choose("mnuInclure");

    EXPECT_TRUE(f.menu("mnuInclure").checked);
    for (std::size_t k = 1; k <= row.chapters.size(); ++k)
      EXPECT_EQ(f.chapterBytes(static_cast<int>(k)), row.chapters[k - 1]) << "chapter " << k;
    EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "");
    EXPECT_TRUE(f.dialogs.shown.empty());
  }
}

TEST(LowerLevels, TheConfirmedHangGliderBrevetTakesThePilotLayoutOfEightChapters) {
  SwitchFixture f(false);
  f.choose("mnuDConfirme");
  f.choose("mnuInclure");
  const WindowControls& c = f.model.controls();
  for (int k = 1; k <= 8; ++k) {
    EXPECT_TRUE(c.partie[k].visible) << k;
    EXPECT_TRUE(c.partie[k].ticked) << k;
    EXPECT_EQ(c.partie[k].caption, kHangGlider[k - 1]) << k;
  }
  EXPECT_FALSE(c.partie[9].visible);
  EXPECT_EQ(f.model.pageLayout().subtitle, "- brevet de pilote confirmé - QCMs cumulés -");
}

TEST(LowerLevels, UntickingRebuildsTheBrevetsOwnChaptersOnly) {
  SwitchFixture f(false);
  f.choose("mnuDConfirme");
  f.choose("mnuInclure");
  f.markOne();

  f.choose("mnuInclure");

  EXPECT_FALSE(f.menu("mnuInclure").checked);
  const std::vector<int> own = {3, 6, 14, 21, 24, 30};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(f.chapterBytes(k), SwitchFixture::moduleBytes(own[k - 1])) << k;
  EXPECT_FALSE(f.model.controls().partie[7].visible);
  EXPECT_EQ(f.model.controls().partie[3].caption, "Matériel Général");
  EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "");
  EXPECT_TRUE(f.menu("mnuDConfirme").checked);
  EXPECT_EQ(f.menu("mnuBDelta").caption, ">>> &Delta");
}

TEST(LowerLevels, TheCommandDoesNothingWhereTheItemIsHidden) {
  SwitchFixture f(false);
  f.choose("mnuPInitial");
  f.markOne();
  f.choose("mnuInclure");
  EXPECT_FALSE(f.menu("mnuInclure").checked);
  EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "1");
}

// A missing module must neither leave the other brevet's questions under the
// new caption nor stop the switch.
TEST(ModuleFaults, AMissingModuleIsNamedOnceAndItsChapterCannotBeAsked) {
  SwitchFixture f(false);
  std::filesystem::remove(f.folder.path() / "2004" / "6.qcm");
  std::filesystem::remove(f.folder.path() / "2004" / "9.qcm");

  f.choose("mnuPConfirme");

  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].title, "Fichier introuvable");
  EXPECT_EQ(f.dialogs.shown[0].text,
            "Les fichiers 2004\\6.qcm et 2004\\9.qcm sont introuvables ou illisibles : les chapitres qu'ils "
            "composent ne pourront pas être interrogés.");
  EXPECT_FALSE(std::filesystem::exists(f.folder.path() / "2004" / "4Chapitre2.dat"));
  EXPECT_EQ(f.chapterBytes(1), SwitchFixture::moduleBytes(3));

  for (int k = 1; k <= 8; ++k)
    if (k != 2 && f.model.controls().partie[k].ticked) f.model.chapterBoxClick(k);
  f.dialogs.shown.clear();
  f.choose("mnuReinitialiser");
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].text, messages::missingChapter("2004\\4Chapitre2.dat"));
}

TEST(ModuleFaults, AChapterThatCannotBeWrittenIsReported) {
  SwitchFixture f(false);
  std::filesystem::remove(f.folder.path() / "2004" / "4Chapitre3.dat");
  f.folder.write("2004/4Chapitre3.dat/garde", "x");  // a folder in the chapter file's place
  f.choose("mnuPConfirme");
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].title, "Ecriture impossible");
  EXPECT_EQ(f.dialogs.shown[0].text, "Le fichier 2004\\4Chapitre3.dat n'a pas pu être écrit (dossier protégé ou "
                                     "disque plein) : ce chapitre ne pourra pas être interrogé.");
}

TEST(ModuleFaults, AMissingLowerModuleLeavesItsQuestionsOut) {
  SwitchFixture f(false);
  std::filesystem::remove(f.folder.path() / "2004" / "4.qcm");
  f.choose("mnuPConfirme");
  ASSERT_TRUE(f.dialogs.shown.empty());

  f.choose("mnuInclure");

  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].text, "Le fichier 2004\\4.qcm est introuvable ou illisible : ses questions ne sont "
                                     "pas incluses.");
  EXPECT_EQ(f.chapterBytes(2), SwitchFixture::moduleBytes(6) + "\r\n\r\n\r\n" + SwitchFixture::moduleBytes(5) + "\r\n");
}

}  // namespace
}  // namespace ventelle
