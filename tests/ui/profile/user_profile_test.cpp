#include <gtest/gtest.h>

#include "core/file_io.h"
#include <set>

#include "fakes/model_on_folder.h"
#include "fakes/unreadable_file.h"
#include "ui/profile/user_management.h"
#include "ui/window/messages.h"
#include "users/profile_store.h"

namespace ventelle {
namespace {

std::string builtInProfile() { return profileBytes(defaultProfileLines()); }

class UserProfile : public ModelOnFolder {
 public:
  std::string bytesOf(const std::string& file) const { return readFileBytes(folder.path() / file).value_or("<absent>"); }
  bool exists(const std::string& file) const { return std::filesystem::exists(folder.path() / file); }

  // Jean's profile: the built-in one with a first line and extra lines of our own.
  void writeJean(const std::string& settings, const std::vector<std::string>& questionnaire = {}) {
    TextLines lines = defaultProfileLines();
    lines.front() = settings;
    lines.insert(lines.end(), questionnaire.begin(), questionnaire.end());
    folder.writeBytes("Jean.ini", profileBytes(lines));
  }
  // Starts, then chooses Jean in the "&Fichier" menu.
  void startAndChooseJean() {
    model.start();
    dialogs.shown.clear();
    ASSERT_EQ(model.controls().menus.at("mnuUtilisateur1").caption, "Jean");
    model.menuCommand("mnuUtilisateur1");
  }
};

TEST(StartUpProfile, TheDefaultUserStartsAfreshFromTheBuiltInContent) {
  UserProfile f;
  f.folder.write("parapente.ini", "V 6.1,Bleu,4,1,1,1,1,1,1,0,0,0,#FALSE#\n\n[Manuel]\nChapitre1=5,6\n");
  f.model.start();
  EXPECT_EQ(f.bytesOf("parapente.ini"), builtInProfile());
  EXPECT_EQ(f.model.examIndex(), 7);
  EXPECT_TRUE(f.model.controls().menus.at("mnuInclure").checked);
  EXPECT_EQ(f.model.errorLists().list({1, 1}), "");
  EXPECT_EQ(f.model.skinName(), "Classique");
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(StartUpProfile, TheTemplateIsCopiedByteForByteAndApplied) {
  UserProfile f;
  TextLines lines = defaultProfileLines();
  lines.front() = "V 6.1,Bleu,4,1,0,1,0,1,0,0,0,1,#FALSE#,2,0,0,0,#FALSE#,#TRUE#,,,,,16";
  const std::string bytes = profileBytes(lines);
  f.folder.writeBytes("parapente.cfg", bytes);
  f.model.start();
  EXPECT_EQ(f.bytesOf("parapente.ini"), bytes);
  const auto& c = f.model.controls();
  EXPECT_EQ(f.model.examIndex(), 4);
  EXPECT_EQ(f.model.bankPrefix(), "ulm\\u");
  EXPECT_TRUE(c.partie[1].ticked);
  EXPECT_FALSE(c.partie[2].ticked);
  EXPECT_TRUE(c.partie[5].ticked);
  EXPECT_FALSE(c.feu[2].visible);
  EXPECT_FALSE(c.partie[9].ticked);  // ULM has six chapters: box 9 is never drawn
  EXPECT_FALSE(c.menus.at("mnuCompletRE1").checked);
  EXPECT_TRUE(c.menus.at("mnuCompletRE2").checked);
  EXPECT_FALSE(c.menus.at("mnuConforme").checked);
  EXPECT_TRUE(c.menus.at("mnuTQuest").checked);
  EXPECT_FALSE(c.menus.at("mnuTChap").checked);
  EXPECT_TRUE(c.menus.at("mnurepose16").checked);
  EXPECT_FALSE(c.menus.at("mnurepose8").checked);
  EXPECT_EQ(f.model.skinName(), "Bleu");
}

TEST(StartUpProfile, EveryStopModeIsRestoredWithItsCheckMarks) {
  for (const auto& [mode, first, second] : {std::tuple{-1, false, false}, {0, true, true}, {1, true, false}, {2, false, true}}) {
    UserProfile f;
    TextLines lines = defaultProfileLines();
    lines.front() = "V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#FALSE#," + std::to_string(mode) + ",1,0,0,#TRUE#,#TRUE#,,,,,8";
    f.folder.writeBytes("parapente.cfg", profileBytes(lines));
    f.model.start();
    EXPECT_EQ(f.model.controls().menus.at("mnuCompletRE1").checked, first) << mode;
    EXPECT_EQ(f.model.controls().menus.at("mnuCompletRE2").checked, second) << mode;
    EXPECT_EQ(static_cast<int>(f.model.quiz().options.stopMode), mode);
  }
}

TEST(StartUpProfile, AProfileOfAnOlderFormatIsPurgedAfterItsMessage) {
  UserProfile f;
  f.folder.write("Ancien.ini", "\"V 5.0\",Classique,7\n");
  f.folder.write("parapente.cfg", "V 6.0\n");
  f.model.start();
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].icon, MessageIcon::Stop);
  EXPECT_EQ(f.dialogs.shown[0].title, "ATTENTION: Changement de format des fichiers \"Utilisateurs\"");
  EXPECT_EQ(f.dialogs.shown[0].text,
            "Le fichier utilisateur \"Ancien.ini\" va être supprimé. Vous devrez \n"
            "éventuellement le recréer avec le menu \"Gestion des Utilisateur\"\n"
            "Son contenu est gardé sous le nom \"Ancien.ini.ancien-format\".");
  EXPECT_FALSE(f.exists("Ancien.ini"));
  EXPECT_EQ(f.bytesOf("Ancien.ini.ancien-format"), "\"V 5.0\",Classique,7\r\n");
  EXPECT_FALSE(f.model.controls().menus.contains("mnuUtilisateur1"));
  EXPECT_FALSE(f.exists("parapente.cfg"));
  EXPECT_EQ(f.bytesOf("parapente.ini"), builtInProfile());
}

TEST(ChoosingAUser, LoadsTheirProfileAndNamesThemInTheTitle) {
  UserProfile f;
  f.writeJean("V 6.1,Classique,5,1,1,0,0,1,0,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,4");
  f.startAndChooseJean();
  EXPECT_EQ(f.model.activeUserName(), "Jean");
  EXPECT_EQ(f.model.examIndex(), 5);
  EXPECT_NE(f.model.controls().title.find("               -Jean-"), std::string::npos);
  EXPECT_TRUE(f.dialogs.shown.empty());
  f.model.menuCommand("mnuUtilisateur0");
  EXPECT_EQ(f.model.activeUserName(), "parapente");
  EXPECT_EQ(f.model.examIndex(), 7);
  EXPECT_NE(f.model.controls().title.find("-Utilisateur par défaut-"), std::string::npos);
}

TEST(ChoosingAUser, TheirMistakesLightTheirChapters) {
  UserProfile f;
  TextLines lines = defaultProfileLines();
  lines.front() = "V 6.1,Classique,4,1,1,1,1,1,1,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8";
  const auto ulm = std::find(lines.begin(), lines.end(), "[ULM]");
  *(ulm + 2) = "Chapitre2=101,102,103,104";
  f.folder.writeBytes("Jean.ini", profileBytes(lines));
  f.startAndChooseJean();
  EXPECT_EQ(f.model.errorLists().list({4, 2}), "101,102,103,104");
  EXPECT_EQ(f.model.controls().feu[2].colour, 45311u);
  EXPECT_EQ(f.model.controls().feu[1].colour, 65280u);
}

// Each kind of damage loads what is sound, says what was not, and keeps the
// original beside the profile before anything can overwrite it.
TEST(DamagedProfile, LoadsWhatIsSoundAndKeepsTheOriginal) {
  struct Damage {
    std::string what;
    std::function<void(TextLines&)> apply;
    std::string told;
  };
  const std::vector<Damage> damages = {
      {"settings", [](TextLines& l) { l.front() = "V 6.1,../skin,12,1,1,1,1,1,1,1,x,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,,,,,3"; },
       "réglages illisibles, remplacés par leur valeur par défaut : l'habillage, l'examen, le chapitre 8, "
       "la fréquence de repose"},
      {"missing line", [](TextLines& l) { l.erase(std::find(l.begin(), l.end(), "[2000]") + 3); },
       "la section [2000] est incomplète"},
      {"truncated", [](TextLines& l) { l.resize(40); }, "la section [2004PC] est absente ou mal placée"},
      {"lost question",
       [](TextLines& l) {
         l.front() = "V 6.1,Classique,4,1,1,1,1,1,1,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,\"3\",\"12\",\"18\",\"13\",8";
         l.insert(l.end(), {"1,1", "1,999", "8,1"});
       },
       "la question n°2 du questionnaire enregistré n'a pas été retrouvée dans les questions, ou une autre question a "
       "pris sa place"},
  };
  for (const auto& damage : damages) {
    SCOPED_TRACE(damage.what);
    UserProfile f;
    TextLines lines = defaultProfileLines();
    *(std::find(lines.begin(), lines.end(), "[Manuel]") + 1) = "Chapitre1=12,14";
    damage.apply(lines);
    const std::string original = profileBytes(lines);
    f.folder.writeBytes("Jean.ini", original);
    f.startAndChooseJean();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].title, "Fichier utilisateur endommagé");
    const std::string& text = f.dialogs.shown[0].text;
    EXPECT_TRUE(text.starts_with("Le fichier utilisateur \"Jean.ini\" est endommagé.")) << text;
    EXPECT_NE(text.find("- " + damage.told + "\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("Le fichier d'origine est gardé sous le nom \"Jean.ini.endommage\".")) << text;
    EXPECT_EQ(f.bytesOf("Jean.ini.endommage"), original);
    EXPECT_EQ(f.bytesOf("Jean.ini"), original);  // loading writes nothing
    EXPECT_EQ(f.model.errorLists().list({1, 1}), "12,14");
  }
}

TEST(DamagedProfile, ALostQuestionLeavesTheOthersOfTheQuestionnaire) {
  UserProfile f;
  f.writeJean("V 6.1,Classique,4,1,1,1,1,1,1,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,\"3\",\"12\",\"18\",\"13\",8",
              {"1,1", "1,999", "2,1"});
  f.startAndChooseJean();
  const auto& history = f.model.controls().historique;
  ASSERT_EQ(history.size(), 2u);
  EXPECT_TRUE(history[0].starts_with("1."));
  EXPECT_TRUE(history[1].starts_with("2."));
  EXPECT_EQ(f.model.controls().totalPoints, "12");
}

TEST(DamagedProfile, BytesOutsideWindows1252AreReported) {
  UserProfile f;
  f.folder.writeBytes("Jean.ini", builtInProfile() + std::string("\x9D\x00", 2));
  f.startAndChooseJean();
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_NE(f.dialogs.shown[0].text.find("- le fichier contient des caractères illisibles\n"), std::string::npos);
}

TEST(DamagedProfile, AProfileGoneSinceStartUpIsMadeAfresh) {
  UserProfile f;
  f.writeJean("V 6.1,Classique,4,1,1,1,1,1,1,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8");
  f.model.start();
  std::filesystem::remove(f.folder.path() / "Jean.ini");
  f.dialogs.shown.clear();
  f.model.menuCommand("mnuUtilisateur1");
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].text, "Le fichier utilisateur \"Jean.ini\" est introuvable : un profil neuf a été créé.");
  EXPECT_EQ(f.bytesOf("Jean.ini"), builtInProfile());
  EXPECT_EQ(f.model.activeUserName(), "Jean");
  EXPECT_EQ(f.model.examIndex(), 7);
}

// A profile that is there but cannot be read is never taken for a missing
// one: whatever reads it leaves it byte for byte, says so once, and the user
// whose profile it is does not become active.
TEST(UnreadableProfile, IsLeftByteForByteByEveryReaderAndToldOnce) {
  struct Reader {
    std::string what;
    std::function<void(UserProfile&)> before;  // with the profile readable
    std::function<void(UserProfile&)> act;     // once it cannot be read
    std::string told;
    std::string activeAfter;
    bool windowAsBefore;  // title and exam
  };
  const auto markTwice = [](UserProfile& f) {
    for (int k = 0; k < 2; ++k) {
      f.model.questionClick();  // marks the question shown, no answer ticked
      f.model.questionClick();  // the next one
    }
  };
  const std::vector<Reader> readers = {
      {"start-up purge", [](UserProfile&) {}, [](UserProfile& f) { f.model.start(); },
       messages::unreadableProfile("Jean.ini"), "parapente", false},
      {"choosing the user", [](UserProfile& f) { f.model.start(); },
       [](UserProfile& f) { f.model.menuCommand("mnuUtilisateur1"); },
       messages::unreadableProfileNotLoaded("Jean.ini", "Utilisateur par défaut"), "parapente", true},
      {"taking the profile up again", [](UserProfile& f) { f.startAndChooseJean(); },
       [](UserProfile& f) { f.model.menuCommand("mnuReprendre"); },
       messages::unreadableProfileNotLoaded("Jean.ini", "Jean"), "Jean", true},
      {"marking", [](UserProfile& f) { f.startAndChooseJean(); }, markTwice,
       messages::unreadableProfileMistakes("Jean.ini"), "Jean", true},
      {"re-ask",
       [](UserProfile& f) {
         f.startAndChooseJean();
         f.model.menuCommand("mnurepose1");
         f.model.questionClick();  // marked: the next draw is a re-ask
       },
       [](UserProfile& f) { f.model.questionClick(); },
       messages::unreadableProfileMistakes("Jean.ini"), "Jean", true},
  };
  for (const auto& reader : readers) {
    SCOPED_TRACE(reader.what);
    UserProfile f;
    f.writeJean("V 6.1,Classique,4,1,1,1,1,1,1,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,\"1\",\"6\",\"6\",\"20\",8", {"2,3"});
    reader.before(f);
    const std::string original = f.bytesOf("Jean.ini");
    const std::string title = f.model.controls().title;
    const int exam = f.model.examIndex();
    f.dialogs.shown.clear();
    {
      const UnreadableFile unreadable(f.folder.path() / "Jean.ini");
      if (!unreadable.holds()) GTEST_SKIP() << "this process may read any file";
      reader.act(f);
    }
    EXPECT_EQ(f.bytesOf("Jean.ini"), original);
    EXPECT_EQ(f.model.controls().menus.at("mnuUtilisateur1").caption, "Jean");
    const auto readFailures = std::count_if(f.dialogs.shown.begin(), f.dialogs.shown.end(),
                                            [](const ShownMessage& m) { return m.title == "Lecture impossible"; });
    EXPECT_EQ(readFailures, 1);
    EXPECT_EQ(f.dialogs.count(reader.told), 1);
    EXPECT_EQ(f.model.activeUserName(), reader.activeAfter);
    if (reader.windowAsBefore) {
      EXPECT_EQ(f.model.controls().title, title);
      EXPECT_EQ(f.model.examIndex(), exam);
    }
  }
}

TEST(UnreadableProfile, ChoosingItsUserKeepsThePreviousOneWhoseWorkIsSavedInTheirOwnFile) {
  UserProfile f;
  f.writeJean("V 6.1,Classique,4,1,1,1,1,1,1,0,0,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8");
  f.folder.writeBytes("Lucie.ini", builtInProfile());
  f.model.start();
  f.model.menuCommand("mnuUtilisateur2");
  ASSERT_EQ(f.model.activeUserName(), "Lucie");
  // A folder has taken the place of Jean's profile since start-up.
  std::filesystem::remove(f.folder.path() / "Jean.ini");
  std::filesystem::create_directories(f.folder.path() / "Jean.ini" / "dedans");
  f.dialogs.shown.clear();
  f.model.menuCommand("mnuUtilisateur1");
  EXPECT_EQ(f.dialogs.count(messages::unreadableProfileNotLoaded("Jean.ini", "Lucie")), 1);
  EXPECT_EQ(f.model.activeUserName(), "Lucie");
  EXPECT_NE(f.model.controls().title.find("-Lucie-"), std::string::npos);
  f.model.menuCommand("mnuEnregistrer");
  EXPECT_TRUE(f.bytesOf("Lucie.ini").starts_with("\"V 6.1\",\"Classique\",7,"));
  EXPECT_TRUE(std::filesystem::exists(f.folder.path() / "Jean.ini" / "dedans"));
}

TEST(UnreadableProfile, AtStartUpTheWindowTakesTheBuiltInSettings) {
  UserProfile f;
  std::filesystem::create_directories(f.folder.path() / "parapente.ini" / "dedans");
  f.model.start();
  EXPECT_EQ(f.dialogs.count(messages::unreadableProfileDefaults("parapente.ini")), 1);
  EXPECT_EQ(f.model.examIndex(), 7);
  EXPECT_NE(f.model.controls().title.find("-Utilisateur par défaut-"), std::string::npos);
}

TEST(FailedWrite, IsToldOnceAndLeavesTheProfileWhole) {
  UserProfile f;
  f.model.start();
  f.model.menuCommand("mnuInclure");  // exam 7's own chapters
  // The temporary file cannot be made while a folder of its name is in the way.
  std::filesystem::create_directories(f.folder.path() / "parapente.ini.tmp" / "occupé");
  f.dialogs.shown.clear();
  for (int k = 0; k < 2; ++k) {
    f.model.questionClick();  // marks the question shown, no answer ticked
    f.model.questionClick();  // the next one
  }
  EXPECT_EQ(f.dialogs.count("Le fichier utilisateur \"parapente.ini\" n'a pas pu être écrit (dossier protégé en "
                            "écriture ou disque plein). Le fichier précédent est resté intact."),
            1);
  EXPECT_EQ(f.bytesOf("parapente.ini"), builtInProfile());
  // The disk has room again: the next marking writes every mistake so far.
  std::filesystem::remove_all(f.folder.path() / "parapente.ini.tmp");
  f.model.questionClick();
  const auto read = ProfileStore(ProgramFolder(f.folder.path())).read("parapente");
  ASSERT_TRUE(read);
  int written = 0;
  for (int k = 1; k <= 8; ++k) written += read->sections.errors.count({7, k});
  EXPECT_EQ(written, 3);
}

}  // namespace
}  // namespace ventelle

namespace ventelle {
namespace {

// What a named user finds after quitting: their mistakes, in their profile,
// lit on their chapter. The default user starts afresh.
TEST(NamedUser, AddedFromTheWindowMadeActiveAndFoundAgainAfterARestart) {
  UserProfile first;
  first.model.start();
  first.model.menuCommand("mnuInclure");  // the brevet's own questions only
  RecordingDialogs windowDialogs;
  {
    UserManagement window(first.model, windowDialogs);
    window.comboTextEdited("Lucie");
    window.cAjouterClick();
    EXPECT_EQ(first.model.controls().menus.at("mnuUtilisateur1").caption, "Lucie");
    EXPECT_EQ(first.bytesOf("Lucie.ini"), builtInProfile());
    EXPECT_EQ(first.model.activeUserName(), "parapente");
    const auto& entries = window.controls().combo.entries;
    const auto lucie = std::find(entries.begin(), entries.end(), "Lucie");
    ASSERT_NE(lucie, entries.end());
    window.comboEntryChosen(static_cast<std::size_t>(lucie - entries.begin()));
    window.cActifClick();
    EXPECT_TRUE(window.controls().closed);
  }
  EXPECT_TRUE(windowDialogs.shown.empty());
  EXPECT_EQ(first.model.activeUserName(), "Lucie");
  EXPECT_NE(first.model.controls().title.find("-Lucie-"), std::string::npos);
  first.model.menuCommand("mnuInclure");  // Lucie's profile includes the lower levels: her own questions only
  for (int k = 1; k <= 8; ++k)
    if (k != 3 && first.model.controls().partie[k].ticked) first.model.chapterBoxClick(k);
  first.model.menuCommand("mnurepose0");
  first.model.menuCommand("mnuReinitialiser");
  std::set<std::string> wrong;
  for (int k = 0; k < 4; ++k) {
    wrong.insert(first.model.quiz().question.name);
    first.model.questionClick();  // nothing ticked: a mistake
    first.model.questionClick();  // the next question
  }
  ASSERT_EQ(wrong.size(), 4u);
  EXPECT_EQ(first.model.controls().feu[3].colour, 45311u);

  // The program is started again on the same folder.
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  ScriptedRandom random{{0.9, 0.3, 0.5, 0.1, 0.7}};
  ChapterLibrary library{ProgramFolder(first.folder.path())};
  MainWindowModel second{dialogs, desktop, random, library, printer};
  second.start();
  EXPECT_EQ(second.activeUserName(), "parapente");
  EXPECT_EQ(first.bytesOf("parapente.ini"), builtInProfile());
  second.menuCommand("mnuUtilisateur1");
  EXPECT_EQ(second.activeUserName(), "Lucie");
  EXPECT_EQ(second.errorLists().count({7, 3}), 4);
  EXPECT_EQ(second.controls().feu[3].colour, 45311u);
  second.chapterBoxHelp(3);
  EXPECT_TRUE(second.controls().erreursVisible);
  for (const auto& name : wrong) EXPECT_NE(second.controls().afficheErreurs.find(name), std::string::npos) << name;
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace ventelle
