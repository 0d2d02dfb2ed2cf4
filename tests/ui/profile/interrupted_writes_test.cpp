// The files the main window writes, when the disk fills up or the program is
// killed in the middle of a write: the old file stays whole and is read as
// before on the next start, and a failed write is told in French.
#include <gtest/gtest.h>

#include "core/exam_catalogue.h"
#include "core/file_io.h"
#include "fakes/interrupted_writes.h"
#include "fakes/model_on_folder.h"
#include "ui/window/messages.h"
#include "users/profile_store.h"

namespace ventelle {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) { return readFileBytes(file).value_or("<absent>"); }

fs::path withTmp(fs::path file) { return file += ".tmp"; }

// The program started again on the folder an earlier run left.
struct Restart : ModelOver {
  explicit Restart(const fs::path& folder) : ModelOver(folder) { model.start(); }
};

// Jean, a user of his own (the default user starts afresh on every start),
// chosen after start-up with two questions marked.
class JeanAtWork : public ModelOnFolder {
 public:
  JeanAtWork() {
    folder.writeBytes("Jean.ini", profileBytes(defaultProfileLines()));
    model.start();
    model.menuCommand("mnuUtilisateur1");
    markOne();
    markOne();
    dialogs.shown.clear();
  }
  // Marks the question shown, with no answer ticked, and shows the next one.
  void markOne() {
    model.questionClick();
    model.questionClick();
  }
  fs::path profile() const { return folder.path() / "Jean.ini"; }
};

TEST(ProfileWrites, AFullDiskIsToldAndKeepsTheOldProfileUntilThereIsRoomAgain) {
  JeanAtWork f;
  const std::string old = bytesOf(f.profile());
  {
    const DiskFullAfter fullDisk(old.size() / 2);
    f.model.menuCommand("mnuEnregistrer");
  }
  EXPECT_EQ(f.dialogs.count(messages::unwritableProfile("Jean.ini")), 1);
  EXPECT_EQ(bytesOf(f.profile()), old);
  EXPECT_FALSE(fs::exists(withTmp(f.profile())));

  f.dialogs.shown.clear();
  f.model.menuCommand("mnuEnregistrer");
  EXPECT_TRUE(f.dialogs.shown.empty());
  Restart again(f.folder.path());
  again.model.menuCommand("mnuUtilisateur1");
  EXPECT_TRUE(again.dialogs.shown.empty());
  EXPECT_EQ(again.model.controls().nombreQuestionsPosees, "2");
  EXPECT_EQ(again.model.controls().historique, f.model.controls().historique);
}

TEST(ProfileWrites, AProgramKilledWhileMarkingLeavesTheOldProfileToStartFrom) {
  JeanAtWork f;
  const std::string old = bytesOf(f.profile());
  ASSERT_TRUE(killedWhileWriting(old.size() / 2, [&] { f.markOne(); }));
  EXPECT_EQ(bytesOf(f.profile()), old);
  EXPECT_EQ(fs::file_size(withTmp(f.profile())), old.size() / 2);  // the half-written new one

  Restart again(f.folder.path());
  EXPECT_EQ(again.model.controls().menus.at("mnuUtilisateur1").caption, "Jean");
  again.model.menuCommand("mnuUtilisateur1");
  EXPECT_TRUE(again.dialogs.shown.empty());
  int mistakes = 0;
  for (int exam = 1; exam <= kExamCount; ++exam)
    for (int chapter = 1; chapter <= kChapterBoxes; ++chapter) {
      EXPECT_EQ(again.model.errorLists().list({exam, chapter}), f.model.errorLists().list({exam, chapter}));
      mistakes += f.model.errorLists().count({exam, chapter});
    }
  EXPECT_EQ(mistakes, 2);  // the two questions marked before the kill
  again.model.questionClick();  // marks, and writes the profile anew
  EXPECT_FALSE(fs::exists(withTmp(f.profile())));
}

// Without room for the copy of a damaged profile, the user is told that none
// was kept, and the damaged original is left as it was.
TEST(ProfileWrites, ACopyOfADamagedProfileThatFindsNoRoomIsNotClaimed) {
  ModelOnFolder f;
  TextLines lines = defaultProfileLines();
  lines.front() = "V 6.1,Classique,4,oui,1,1,1,1,1,0,0,0,#FALSE#";  // ULM, whose chapters are not rebuilt
  const std::string damaged = profileBytes(lines);
  f.folder.writeBytes("Jean.ini", damaged);
  f.model.start();
  f.dialogs.shown.clear();
  {
    const DiskFullAfter fullDisk(damaged.size() / 2);
    f.model.menuCommand("mnuUtilisateur1");
  }
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  const std::string& told = f.dialogs.shown[0].text;
  EXPECT_EQ(told.find(".endommage"), std::string::npos) << told;
  EXPECT_NE(told.find("Aucune copie du fichier d'origine n'a pu être gardée"), std::string::npos) << told;
  EXPECT_EQ(bytesOf(f.folder.path() / "Jean.ini"), damaged);
  EXPECT_FALSE(fs::exists(f.folder.path() / "Jean.ini.endommage"));
  EXPECT_FALSE(fs::exists(f.folder.path() / "Jean.ini.endommage.tmp"));
}

// The eight 2004 chapter files, as "2004\4Chapitre1.dat" and on disk.
std::vector<std::string> chapterPaths() {
  std::vector<std::string> paths;
  for (int k = 1; k <= 8; ++k) paths.push_back("2004\\4Chapitre" + std::to_string(k) + ".dat");
  return paths;
}
fs::path chapterFile(const fs::path& folder, int k) {
  return folder / "2004" / ("4Chapitre" + std::to_string(k) + ".dat");
}

// A chapter that cannot be written is removed rather than left with the
// questions of another brevet.
TEST(ChapterWrites, AFullDiskIsToldAndLeavesNoChapterOfAnotherBrevet) {
  ModelOnFolder confirmed;  // the same switch with room enough
  confirmed.model.start();
  confirmed.model.menuCommand("mnuPConfirme");

  ModelOnFolder f;
  f.model.start();  // the paraglider pilot's chapters
  f.dialogs.shown.clear();
  {
    const DiskFullAfter fullDisk(100);
    f.model.menuCommand("mnuPConfirme");
  }
  ASSERT_FALSE(f.dialogs.shown.empty());
  EXPECT_EQ(f.dialogs.shown[0].title, messages::kWriteFailedTitle);
  EXPECT_EQ(f.dialogs.shown[0].text, messages::unwritableChapters(chapterPaths()));
  for (int k = 1; k <= 8; ++k) {
    EXPECT_FALSE(fs::exists(chapterFile(f.folder.path(), k))) << k;
    EXPECT_FALSE(fs::exists(withTmp(chapterFile(f.folder.path(), k)))) << k;
  }

  f.dialogs.shown.clear();
  f.model.menuCommand("mnuPPilote");
  f.model.menuCommand("mnuPConfirme");
  EXPECT_TRUE(f.dialogs.shown.empty());
  for (int k = 1; k <= 8; ++k)
    EXPECT_EQ(bytesOf(chapterFile(f.folder.path(), k)), bytesOf(chapterFile(confirmed.folder.path(), k))) << k;
}

TEST(ChapterWrites, AProgramKilledWhileRebuildingLeavesWholeChaptersThatTheNextStartRebuilds) {
  ModelOnFolder confirmed;  // the same switch, never interrupted
  confirmed.model.start();
  confirmed.model.menuCommand("mnuPConfirme");

  ModelOnFolder f;
  f.model.start();
  const std::string pilotChapter = bytesOf(chapterFile(f.folder.path(), 1));
  ASSERT_TRUE(killedWhileWriting(100, [&] { f.model.menuCommand("mnuPConfirme"); }));
  EXPECT_EQ(bytesOf(chapterFile(f.folder.path(), 1)), pilotChapter);
  EXPECT_TRUE(fs::exists(withTmp(chapterFile(f.folder.path(), 1))));

  Restart again(f.folder.path());
  EXPECT_TRUE(again.dialogs.shown.empty());
  again.model.menuCommand("mnuPConfirme");
  EXPECT_TRUE(again.dialogs.shown.empty());
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(bytesOf(chapterFile(f.folder.path(), k)), bytesOf(chapterFile(confirmed.folder.path(), k))) << k;
    EXPECT_FALSE(fs::exists(withTmp(chapterFile(f.folder.path(), k)))) << k;
  }
}

}  // namespace
}  // namespace ventelle
