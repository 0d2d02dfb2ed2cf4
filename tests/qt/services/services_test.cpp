// The Qt services: where the program finds its folder and the dialog boxes.
#include "core/text_file.h"
#include "core/user_copy.h"
#include "qt/services/french_translations.h"
#include "qt/services/program_location.h"
#include "qt/services/qt_dialogs.h"
#include "qt/shell_checks.h"

namespace ventelle {

// An installed program writes in the user's data folder and reads what it
// ships from share; a build tree works in the folder beside the program.
TEST(ProgramLocation, AnInstalledProgramWritesInTheUsersFolderAndABuildTreeBesideItself) {
  TempFolder prefix, home, build;
  const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path().string()));
  for (const std::string file : {"share/ventelle/Lexique.dat", "share/ventelle/2004/1.qcm", "share/ventelle/fichiers-livres.txt", "bin/ventelle"}) prefix.write(file, "");
  build.write("data/Lexique.dat", "[Aile]\n");
  EXPECT_EQ(locateProgramFolder(build.path()).folder.root(), build.path() / "data");
  EXPECT_FALSE(std::filesystem::exists(home.path() / "Ventelle"));
  const auto installed = locateProgramFolder(prefix.path() / "bin");
  qputenv("XDG_DATA_HOME", oldHome);
  const auto user = home.path() / "Ventelle";
  EXPECT_EQ(installed.folder.root(), user);
  EXPECT_EQ(installed.folder.resolve("Lexique.dat"), prefix.path() / "share" / "ventelle" / "Lexique.dat");
  EXPECT_EQ(installed.folder.resolveForWriting("2004\\4Chapitre1.dat"), user / "2004" / "4Chapitre1.dat");
  EXPECT_TRUE(std::filesystem::is_directory(user / "2004"));
}

// Without today's checksums in the list, an installed program would take a
// user's untouched copy of a shipped file for an edit and keep it.
TEST(ShippedChecksums, ListEveryShippedFileAsItIsToday) {
  const std::filesystem::path data = VENTELLE_DATA_DIR;
  const auto checksums = readShippedChecksums(readTextFile(data / kShippedChecksumsFile).value_or(TextLines{}));
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data))
    if (const auto path = std::filesystem::relative(entry.path(), data).generic_string(); entry.is_regular_file() && path != kShippedChecksumsFile && ++files) {
      EXPECT_TRUE(checksums.contains(path) && checksums.at(path).contains(fileChecksum(entry.path()))) << path << " : lancer scripts/update-checksums.sh";
    }
  EXPECT_GT(files, 100);
}

// The boxes speak French under an English system, and a box with a second
// button tells which button closed it.
TEST(QtDialogs, TheBoxesSpeakFrenchAndTellTheButtonPressed) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  ASSERT_TRUE(installFrenchTranslations(*QCoreApplication::instance()));
  QStringList captions;
  QTimer::singleShot(0, [&captions] {
    auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (auto* button : box->findChild<QDialogButtonBox*>()->buttons()) captions << button->text();
    box->reject();
  });
  QtDialogs dialogs;
  EXPECT_EQ(dialogs.input("Nouvel utilisateur", "Nom :", ""), std::nullopt);
  captions.sort();
  EXPECT_EQ(captions, (QStringList{"Annuler", "OK"}));
  for (const bool other : {false, true}) {
    QTimer::singleShot(0, [other] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* button : box->buttons()) {
        if ((button->text() == "Voir") == other) return button->click();
      }
    });
    EXPECT_EQ(dialogs.messageWithButton(MessageIcon::Information, "", "Texte", "Voir"), other);
  }
}

}  // namespace ventelle
