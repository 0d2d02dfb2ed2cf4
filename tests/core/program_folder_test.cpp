#include "core/program_folder.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/jpeg_size.h"
#include "fakes/temp_folder.h"
#include "fakes/tiny_jpeg.h"

namespace ventelle {
namespace {

// An installed program: the user's folder over the shipped one. Each
// component is found without regard to case, the exact name first.
TEST(ProgramFolder, ReadsTheUsersFileFirstWithoutRegardToCaseAndWritesOnlyInTheUsersFolder) {
  TempFolder user, shipped;
  for (const char* file : {"Lexique.dat", "skin/Classique.col", "2004/4Chapitre1.dat", "jeu/a.txt", "jeu/A.txt"})
    shipped.write(file, "livré");
  user.write("skin/classique.col", "à moi");
  const ProgramFolder folder(user.path(), shipped.path());
  const auto s = shipped.path(), u = user.path();
  for (const auto& [name, found] :
       {std::pair{"lexique.DAT", s / "Lexique.dat"}, {"2004\\4chapitre1.DAT", s / "2004/4Chapitre1.dat"},
        {"jeu\\A.txt", s / "jeu/A.txt"}, {"jeu\\a.txt", s / "jeu/a.txt"},
        {"SKIN\\Classique.col", u / "skin/classique.col"}, {"Nouveau\\Marie.ini", u / "Nouveau/Marie.ini"}})
    EXPECT_EQ(folder.resolve(name), found) << name;
  EXPECT_EQ(folder.resolveForWriting("Lexique.dat"), u / "Lexique.dat");
  EXPECT_EQ(folder.resolveForWriting("skin\\CLASSIQUE.col"), u / "skin" / "classique.col");
}

// Question and picture names come from files: no path climbs out.
TEST(ProgramFolder, NoPathLeadsOutOfTheFolder) {
  TempFolder outside;
  outside.write("dossier/secret.jpg", "x");
  outside.write("dossier/2004/1.qcm", "x");
  const auto root = outside.path() / "dossier" / "programme";
  std::filesystem::create_directories(root / "2004");
  for (const ProgramFolder& folder : {ProgramFolder(root), ProgramFolder(root / "utilisateur", root)})
    for (const char* path : {"..\\secret.jpg", "2004\\..\\..\\secret.jpg", "./../secret.jpg", "/../secret.jpg",
                             "2004/../../2004/1.qcm"})
      for (const auto& resolved : {folder.resolve(path), folder.resolveForWriting(path)}) {
        const auto inside = std::filesystem::weakly_canonical(resolved).lexically_relative(root);
        EXPECT_FALSE(inside.empty() || *inside.begin() == ".." || std::filesystem::exists(resolved)) << path;
      }
}

TEST(ProgramFolder, ListsFilesOfAnExtensionInEitherCaseOnceEachSortedWithoutRegardToCase) {
  TempFolder user, shipped;
  for (const char* file : {"skin/classique.col", "skin/Bleu.COL", "skin/a.txt", "skin/col"}) shipped.write(file, "x");
  for (const char* file : {"skin/Classique.col", "skin/azur.col", "skin/dossier.col/x"}) user.write(file, "x");
  const ProgramFolder folder(user.path(), shipped.path());
  EXPECT_EQ(folder.listFiles("SKIN", ".col"), (std::vector<std::string>{"azur.col", "Bleu.COL", "Classique.col"}));
  EXPECT_TRUE(folder.listFiles("absent", ".col").empty());
  EXPECT_EQ(folder.foldersOf("skin"), (std::vector{user.path() / "skin", shipped.path() / "skin"}));
}

// A picture cut short gives nothing until its frame header is whole, the
// width's last byte included; each size is read high byte first.
TEST(JpegSize, CutPictureGivesNothingUntilItsFrameHeaderIsWhole) {
  const std::string whole = tinyJpeg(0x0102, 0x0304);
  const std::size_t frameHeaderEnd = whole.find("\xFF\xC0") + 9;  // marker, length, precision, height, width
  for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
    std::istringstream in(whole.substr(0, cut));
    const auto size = jpegSize(in);
    ASSERT_EQ(size.has_value(), cut >= frameHeaderEnd) << cut;
    if (size) EXPECT_EQ(std::pair(size->width, size->height), std::pair(0x0102, 0x0304)) << cut;
  }
  EXPECT_FALSE(jpegSize(std::filesystem::path("absente.jpg")).has_value());
}

}  // namespace
}  // namespace ventelle
