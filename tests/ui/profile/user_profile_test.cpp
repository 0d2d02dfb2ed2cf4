// The main window's profiles as files: what start-up, choosing a user and
// marking read and write, and what a damaged, unreadable or unwritable
// profile leaves and tells.
#include <gtest/gtest.h>

#include "core/exam_catalogue.h"
#include "core/file_io.h"
#include "fakes/interrupted_writes.h"
#include "fakes/model_on_folder.h"
#include "fakes/unreadable_file.h"
#include "quiz/colour.h"
#include "ui/window/messages.h"
#include "users/profile_store.h"

namespace ventelle {
namespace {

namespace fs = std::filesystem;

std::string builtIn() { return profileBytes(defaultProfileLines()); }
const std::string kJeanSettings = "V 6.1,Classique,4,1,1,1,1,1,1,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,";

class UserProfile : public ModelOnFolder {
 public:
  std::string bytesOf(const std::string& file) const { return readFileBytes(folder.path() / file).value_or("<absent>"); }
  void startAndChooseJean() {
    model.start();
    dialogs.shown.clear();
    model.menuCommand("mnuUtilisateur1");
  }
  // Every mistake of the profile's user, in any exam.
  static int mistakes(const MainWindowModel& m) {
    int n = 0;
    for (int exam = 1; exam <= kExamCount; ++exam)
      for (int chapter = 1; chapter <= kChapterBoxes; ++chapter) n += m.errorLists().count({exam, chapter});
    return n;
  }
  void markTwice() {
    for (int k = 0; k < 4; ++k) model.questionClick();  // marks with nothing ticked, then the next question
  }
};

// The default user starts afresh; a profile of an older format is set aside
// after its message.
TEST(StartUpProfile, TheDefaultUserStartsAfreshAndOldFormatsAreSetAside) {
  UserProfile f;
  f.folder.write("parapente.ini", "V 6.1,Bleu,4\n\n[Manuel]\nChapitre1=5,6\n");
  f.folder.write("Ancien.ini", "\"V 5.0\",Classique,7\n");
  f.folder.write("parapente.cfg", "V 6.0\n");
  f.model.start();
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].title, "ATTENTION: Changement de format des fichiers \"Utilisateurs\"");
  EXPECT_EQ(f.dialogs.shown[0].text,
            "Le fichier utilisateur \"Ancien.ini\" va être supprimé. Vous devrez \néventuellement le recréer avec le "
            "menu \"Gestion des Utilisateur\"\nSon contenu est gardé sous le nom \"Ancien.ini.ancien-format\".");
  EXPECT_EQ(f.bytesOf("Ancien.ini.ancien-format"), "\"V 5.0\",Classique,7\r\n");
  EXPECT_EQ(f.bytesOf("Ancien.ini") + f.bytesOf("parapente.cfg"), "<absent><absent>");
  EXPECT_EQ(f.bytesOf("parapente.ini"), builtIn());
  EXPECT_EQ(f.model.examIndex(), 7);

}

// Each kind of damage loads what is sound, says what was not, and keeps the
// original beside the profile; without room for the copy none is claimed.
TEST(DamagedProfile, LoadsWhatIsSoundAndKeepsTheOriginal) {
  const std::pair<std::function<void(TextLines&)>, std::string> damages[] = {
      {[](TextLines& l) { l.front() = "V 6.1,../skin,12,1,1,1,1,1,1,1,x,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,,,,,3"; },
       "réglages illisibles, remplacés par leur valeur par défaut : l'habillage, l'examen, le chapitre 8, "
       "la fréquence de repose"},
      {[](TextLines& l) { l.resize(40); }, "la section [2004PC] est absente ou mal placée"},
      {[](TextLines& l) {
         l.front() = kJeanSettings + "\"3\",\"12\",\"18\",\"13\",8";
         l.insert(l.end(), {"1,1", "1,999", "8,1"});
       },
       "la question n°2 du questionnaire enregistré n'a pas été retrouvée dans les questions, ou une autre question a "
       "pris sa place"},
  };
  for (std::size_t i = 0; i < std::size(damages) + 1; ++i) {
    const bool room = i < std::size(damages);  // last, the lost question again on a full disk
    const auto& [damage, told] = damages[room ? i : 2];
    UserProfile f;
    TextLines lines = defaultProfileLines();
    *(std::find(lines.begin(), lines.end(), "[Manuel]") + 1) = "Chapitre1=12,14";
    damage(lines);
    const std::string original = profileBytes(lines);
    f.folder.writeBytes("Jean.ini", original);
    f.model.start();
    f.dialogs.shown.clear();
    {
      const DiskFullAfter fullDisk(room ? 1 << 20 : original.size() / 2);
      f.model.menuCommand("mnuUtilisateur1");
    }
    ASSERT_EQ(f.dialogs.shown.size(), 1u) << told;
    EXPECT_EQ(f.dialogs.shown[0].title, "Fichier utilisateur endommagé");
    const std::string& text = f.dialogs.shown[0].text;
    EXPECT_NE(text.find("- " + told + "\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(room ? "Le fichier d'origine est gardé sous le nom \"Jean.ini.endommage\"."
                                    : "il sera remplacé au prochain enregistrement.")) << text;
    EXPECT_EQ(f.bytesOf("Jean.ini.endommage"), room ? original : "<absent>");
    EXPECT_EQ(f.bytesOf("Jean.ini"), original);  // loading writes nothing
    EXPECT_EQ(f.model.errorLists().list({1, 1}), "12,14");
  }
}

// A profile that is there but cannot be read is never taken for a missing
// one: whatever reads it leaves it byte for byte, says so once, and the user
// whose profile it is does not become active.
TEST(UnreadableProfile, IsLeftByteForByteByEveryReaderAndToldOnce) {
  const auto chooseJean = [](UserProfile& f) { f.startAndChooseJean(); };
  const struct {
    std::function<void(UserProfile&)> before, act;  // with the profile readable, then once it cannot be read
    std::string told, activeAfter;
  } readers[] = {
      {[](UserProfile&) {}, [](UserProfile& f) { f.model.start(); }, messages::unreadableProfile("Jean.ini"),
       "parapente"},
      {[](UserProfile& f) { f.model.start(); }, [](UserProfile& f) { f.model.menuCommand("mnuUtilisateur1"); },
       messages::unreadableProfileNotLoaded("Jean.ini", "Utilisateur par défaut"), "parapente"},
      {chooseJean, [](UserProfile& f) { f.model.menuCommand("mnuReprendre"); },
       messages::unreadableProfileNotLoaded("Jean.ini", "Jean"), "Jean"},
      {chooseJean, [](UserProfile& f) { f.markTwice(); }, messages::unreadableProfileMistakes("Jean.ini"), "Jean"},
  };
  for (const auto& reader : readers) {
    UserProfile f;
    TextLines lines = defaultProfileLines();
    lines.front() = kJeanSettings + "\"1\",\"6\",\"6\",\"20\",8";
    lines.push_back("2,3");
    f.folder.writeBytes("Jean.ini", profileBytes(lines));
    reader.before(f);
    const std::string original = f.bytesOf("Jean.ini");
    f.dialogs.shown.clear();
    {
      const UnreadableFile unreadable(f.folder.path() / "Jean.ini");
      if (!unreadable.holds()) GTEST_SKIP() << "this process may read any file";
      reader.act(f);
    }
    EXPECT_EQ(f.bytesOf("Jean.ini"), original);
    EXPECT_EQ(f.model.controls().menus.at("mnuUtilisateur1").caption, "Jean");
    EXPECT_TRUE(f.dialogs.shown.size() == 1u && f.dialogs.count(reader.told) == 1) << reader.told;
    EXPECT_EQ(f.model.activeUserName(), reader.activeAfter);
  }
}

// A full disk is told and keeps the old profile; the next write with room
// writes every mistake so far, and the next start finds them.
TEST(ProfileWrites, AFullDiskIsToldAndKeepsTheOldProfileUntilThereIsRoomAgain) {
  UserProfile f;
  f.folder.writeBytes("Jean.ini", builtIn());
  f.startAndChooseJean();
  {
    const DiskFullAfter fullDisk(builtIn().size() / 2);
    f.markTwice();
  }
  EXPECT_TRUE(f.dialogs.shown.size() == 1u && f.dialogs.count(messages::unwritableProfile("Jean.ini")) == 1);
  EXPECT_EQ(f.bytesOf("Jean.ini") + f.bytesOf("Jean.ini.tmp"), builtIn() + "<absent>");
  f.model.menuCommand("mnuEnregistrer");
  ModelOnFolder again(f.folder.path());
  again.model.start();
  again.model.menuCommand("mnuUtilisateur1");
  EXPECT_TRUE(again.dialogs.shown.empty() && again.model.controls().historique == f.model.controls().historique);
  EXPECT_EQ(UserProfile::mistakes(again.model), 2);
}

// With the lower levels included, a chapter's light adds the initial
// brevet's mistakes of the chapter it continues (chapter 7 continues 6).
TEST(ChapterLights, AddTheLowerLevelsMistakesWhileTheyAreIncluded) {
  UserProfile f;
  TextLines lines = defaultProfileLines();
  const auto section = [&lines](const std::string& header) { return std::find(lines.begin(), lines.end(), header); };
  *(section("[2004PI]") + 1) = "Chapitre1=a,b,c";
  *(section("[2004PI]") + 6) = "Chapitre6=e";
  *(section("[2004PP]") + 1) = "Chapitre1=d";
  f.folder.writeBytes("Jean.ini", profileBytes(lines));
  f.startAndChooseJean();
  const auto& feu = f.model.controls().feu;
  EXPECT_EQ(std::tuple(feu[1].mistakes, feu[1].colour, feu[6].mistakes, feu[7].mistakes),
            std::tuple(4, colours::kOrange, 0, 1));
  f.model.menuCommand("mnuInclure");
  EXPECT_EQ(std::tuple(feu[1].mistakes, feu[7].mistakes), std::tuple(1, 0));
}

}  // namespace
}  // namespace ventelle
