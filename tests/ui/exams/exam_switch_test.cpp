#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/model_on_folder.h"

namespace ventelle {
namespace {

// Module m of thirty small 2004 modules holds the one question [m].
std::string moduleBytes(int m) { return "[" + std::to_string(m) + "]\r\nQuestion=Q ?\r\nOui=6\r\nNon=-6\r\n"; }

// The model started on the default exam 7, on the shipped folder or the thirty modules.
struct SwitchFixture : ModelOnFolder {
  explicit SwitchFixture(bool shipped) : ModelOnFolder(shipped) {
    for (int m = 1; m <= 30 && !shipped; ++m) folder.writeBytes("2004/" + std::to_string(m) + ".qcm", moduleBytes(m));
    model.start();
    model.checkClick(1);
    model.questionClick();  // one question marked
  }
  std::string chapterBytes(int k) const {
    return readFileBytes(folder.path() / "2004" / ("4Chapitre" + std::to_string(k) + ".dat")).value_or("");
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
    SwitchFixture f(true);
    f.model.menuCommand(before);
    f.model.menuCommand(item);
    const WindowControls& c = f.model.controls();
    EXPECT_EQ(f.model.examIndex(), exam) << item;
    EXPECT_TRUE(c.partie[chapters].visible && !c.partie[chapters + 1].visible && c.menus.at(item).checked) << item;
    EXPECT_EQ(c.partie[6].ticked, six) << item;
    EXPECT_TRUE(f.model.quiz().options.confirmedTest == confirmed && c.menus.at("mnuInclure").visible == inclure) << item;
    EXPECT_EQ(c.nombreQuestionsPosees, "") << item;
  }
}

// The joins themselves are checked in tests/bank. A missing module must
// neither leave the other brevet's questions under the new caption nor stop the switch.
TEST(LowerLevels, TheItemAndTheSwitchRebuildTheChaptersAndMissingModulesAreNamedInOneMessage) {
  SwitchFixture f(false);
  f.folder.writeBytes("2004/4Chapitre1.dat", "changé");
  f.model.menuCommand("mnuPPilote");  // the exam shown: nothing is rebuilt
  EXPECT_EQ(f.chapterBytes(1), "changé");
  f.model.menuCommand("mnuInclure");  // the default user starts with them
  EXPECT_EQ(f.chapterBytes(1), moduleBytes(2));
  EXPECT_EQ(f.model.controls().nombreQuestionsPosees, "");
  f.model.menuCommand("mnuDConfirme");  // first rebuilt as the pilot brevet
  f.model.menuCommand("mnuInclure");
  EXPECT_EQ(f.chapterBytes(1),
            moduleBytes(2) + "\r\n\r\n" + moduleBytes(1) + "\r\n" + moduleBytes(3) + "\r\n");

  for (const char* module : {"6.qcm", "9.qcm"}) std::filesystem::remove(f.folder.path() / "2004" / module);
  f.model.menuCommand("mnuPConfirme");
  EXPECT_EQ(f.dialogs.count("Les fichiers 2004\\6.qcm et 2004\\9.qcm sont introuvables ou illisibles : les "
                            "chapitres qu'ils composent ne pourront pas être interrogés."),
            1);
  EXPECT_FALSE(std::filesystem::exists(f.folder.path() / "2004" / "4Chapitre2.dat"));
  EXPECT_EQ(f.chapterBytes(1), moduleBytes(3));
}

}  // namespace
}  // namespace ventelle
