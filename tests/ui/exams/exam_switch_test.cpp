#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "fakes/model_on_folder.h"

namespace ventelle {
namespace {

// The model started on the default exam 7, on a copy of the shipped folder or
// on thirty small 2004 modules, module m holding the one question [m].
class SwitchFixture : public ModelOnFolder {
 public:
  explicit SwitchFixture(bool shipped) : ModelOnFolder(shipped) {
    if (!shipped)
      for (int m = 1; m <= 30; ++m) folder.writeBytes("2004/" + std::to_string(m) + ".qcm", moduleBytes(m));
    model.start();
  }
  static std::string moduleBytes(int m) {
    return "[" + std::to_string(m) + "]\r\nQuestion=Q ?\r\nOui=6\r\nNon=-6\r\n";
  }
  std::string chapterBytes(int k) const {
    std::ostringstream out;
    out << std::ifstream(folder.path() / "2004" / ("4Chapitre" + std::to_string(k) + ".dat"), std::ios::binary).rdbuf();
    return out.str();
  }
  const MenuItem& menu(const std::string& name) const { return model.controls().menus.at(name); }
  void markOne() {
    model.checkClick(1);
    model.questionClick();
  }
};

// The catalogue itself is checked in tests/core; here, what a switch shows.
TEST(ExamSwitch, TheWindowShowsTheExamChosenWithItsOptionsAndAFreshTest) {
  struct Case {
    const char *before, *item;
    int exam, chapters;
    bool chapterSixTicked, confirmed, inclureVisible;
  };
  for (const auto& [before, item, exam, chapters, six, confirmed, inclure] :
       {Case{"", "mnu2000", 2, 9, false, false, false}, {"", "mnuPConfirme", 8, 8, true, true, true},
        {"mnuPConfirme", "mnuManuel", 1, 6, true, true, false}, {"mnuPConfirme", "mnuULM", 4, 6, true, false, false}}) {
    SCOPED_TRACE(item);
    SwitchFixture f(true);
    if (*before) f.model.menuCommand(before);
    f.markOne();
    f.model.menuCommand(item);
    const WindowControls& c = f.model.controls();
    EXPECT_EQ(f.model.examIndex(), exam);
    EXPECT_EQ(c.title.substr(c.title.size() - 40), "               -Utilisateur par défaut-");
    EXPECT_TRUE(c.partie[chapters].visible);
    EXPECT_FALSE(c.partie[chapters + 1].visible);
    EXPECT_EQ(c.partie[6].ticked, six);
    EXPECT_TRUE(f.menu(item).checked);
    EXPECT_EQ(f.model.quiz().options.confirmedTest, confirmed);
    EXPECT_EQ(f.menu("mnuInclure").visible, inclure);
    EXPECT_EQ(c.nombreQuestionsPosees, "");
  }
}

TEST(ExamSwitch, ChoosingTheExamShownRebuildsAndResetsNothing) {
  SwitchFixture f(false);
  f.markOne();
  f.folder.writeBytes("2004/4Chapitre1.dat", "[1]\r\nQuestion=Modifié ?\r\nOui=6\r\n");
  f.model.menuCommand("mnuPPilote");
  EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "1");
  EXPECT_EQ(f.chapterBytes(1), "[1]\r\nQuestion=Modifié ?\r\nOui=6\r\n");
}

TEST(ExamSwitch, AFullQuestionnaireIsLaidOutAgainAtTheNewExamsSize) {
  SwitchFixture f(true);
  f.model.menuCommand("mnuEvaluation");
  f.model.boutonClick(2);
  f.model.menuCommand("mnuULM");
  EXPECT_EQ(f.model.controls().bouton.size(), 40u);
  EXPECT_EQ(f.model.controls().question.tag, "Boutons");
  EXPECT_EQ(f.model.quiz().questionRecords[1].nbRep, 0);  // button 2 is empty again
}

// The joins themselves are checked in tests/bank.
TEST(LowerLevels, TheItemRebuildsTheChaptersWithAndWithoutTheLowerModulesAndStartsOver) {
  SwitchFixture f(false);
  f.model.menuCommand("mnuPInitial");
  f.markOne();
  f.model.menuCommand("mnuInclure");  // hidden for the initial brevet
  EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "1");

  f.model.menuCommand("mnuPPilote");
  f.model.menuCommand("mnuInclure");
  EXPECT_TRUE(f.menu("mnuInclure").checked);
  EXPECT_EQ(f.chapterBytes(1), SwitchFixture::moduleBytes(2) + "\r\n\r\n" + SwitchFixture::moduleBytes(1) + "\r\n");
  f.markOne();
  f.model.menuCommand("mnuInclure");
  EXPECT_EQ(f.chapterBytes(1), SwitchFixture::moduleBytes(2));
  EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "");
}

// A missing module must neither leave the other brevet's questions under the
// new caption nor stop the switch.
TEST(ModuleFaults, MissingModulesAreNamedInOneMessageAndTheirChaptersLeft) {
  SwitchFixture f(false);
  std::filesystem::remove(f.folder.path() / "2004" / "6.qcm");
  std::filesystem::remove(f.folder.path() / "2004" / "9.qcm");
  f.model.menuCommand("mnuPConfirme");
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].text,
            "Les fichiers 2004\\6.qcm et 2004\\9.qcm sont introuvables ou illisibles : les chapitres qu'ils "
            "composent ne pourront pas être interrogés.");
  EXPECT_FALSE(std::filesystem::exists(f.folder.path() / "2004" / "4Chapitre2.dat"));
  EXPECT_EQ(f.chapterBytes(1), SwitchFixture::moduleBytes(3));
}

}  // namespace
}  // namespace ventelle
