#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/text_file.h"
#include "core/user_copy.h"
#include "fakes/temp_folder.h"
#include "qt/services/french_translations.h"
#include "qt/services/program_location.h"
#include "qt/services/qt_dialogs.h"

namespace ventelle {
namespace {

// The desktop's data folder for this test, put back afterwards.
class DataHome {
 public:
  explicit DataHome(const std::filesystem::path& folder) : old_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.string()));
  }
  ~DataHome() { qputenv("XDG_DATA_HOME", old_); }

 private:
  QByteArray old_;
};

TEST(ProgramLocation, AnInstalledProgramWritesInTheUsersFolderAndReadsWhatItShipsFromShare) {
  TempFolder prefix, home;
  prefix.writeBytes("bin/ventelle", "");
  prefix.write("share/ventelle/Lexique.dat", "[Aile]\n");
  prefix.write(std::string("share/ventelle/") + kShippedChecksumsFile, "");
  prefix.write("share/ventelle/2004/1.qcm", "[1]\n");
  const DataHome dataHome(home.path());
  const auto location = locateProgramFolder(prefix.path() / "bin");
  const auto user = home.path() / "Ventelle";
  EXPECT_EQ(location.folder.root(), user);
  EXPECT_EQ(location.folder.resolve("Lexique.dat"), prefix.path() / "share" / "ventelle" / "Lexique.dat");
  EXPECT_EQ(location.folder.resolveForWriting("2004\\4Chapitre1.dat"), user / "2004" / "4Chapitre1.dat");
  EXPECT_TRUE(std::filesystem::is_directory(user / "2004"));
}

TEST(ProgramLocation, ABuildTreeWorksInTheFolderBesideTheProgram) {
  TempFolder build, home;
  build.write("data/Lexique.dat", "[Aile]\n");
  const DataHome dataHome(home.path());
  const auto location = locateProgramFolder(build.path());
  EXPECT_EQ(location.folder.root(), build.path() / "data");
  EXPECT_EQ(location.folder.resolve("Lexique.dat"), build.path() / "data" / "Lexique.dat");
  EXPECT_FALSE(std::filesystem::exists(home.path() / "Ventelle"));
}

// Without today's checksums in the list, an installed program would take a
// user's untouched copy of a shipped file for an edit and keep it.
TEST(ShippedChecksums, ListEveryShippedFileAsItIsToday) {
  const std::filesystem::path data = VENTELLE_DATA_DIR;
  const auto lines = readTextFile(data / kShippedChecksumsFile);
  ASSERT_TRUE(lines) << "la liste des fichiers livrés manque";
  const auto checksums = readShippedChecksums(*lines);
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
    const auto path = std::filesystem::relative(entry.path(), data).generic_string();
    if (!entry.is_regular_file() || path == kShippedChecksumsFile) continue;
    ++files;
    const auto known = checksums.find(path);
    EXPECT_TRUE(known != checksums.end() && known->second.contains(fileChecksum(entry.path())))
        << path << " : lancer scripts/update-checksums.sh";
  }
  EXPECT_GT(files, 100);
}

TEST(FrenchDialogs, TheInputBoxSpeaksFrenchUnderAnEnglishSystem) {
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
  EXPECT_EQ(captions, (QStringList{QStringLiteral("Annuler"), QStringLiteral("OK")}));
}

}  // namespace
}  // namespace ventelle
