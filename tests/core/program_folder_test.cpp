#include "core/program_folder.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/jpeg_size.h"
#include "fakes/temp_folder.h"
#include "fakes/tiny_jpeg.h"

namespace ventelle {
namespace {

TEST(ProgramFolder, ResolvesEachComponentWithoutRegardToCasePreferringTheExactName) {
  TempFolder folder;
  for (const char* file : {"2004/4Chapitre1.dat", "skin/Classique.col", "jeu/a.txt", "jeu/A.txt"})
    folder.write(file, "x");
  const ProgramFolder programFolder(folder.path());
  EXPECT_EQ(programFolder.resolve("2004\\4chapitre1.DAT"), folder.path() / "2004" / "4Chapitre1.dat");
  EXPECT_EQ(programFolder.resolve("SKIN/classique.col"), folder.path() / "skin" / "Classique.col");
  EXPECT_EQ(programFolder.resolve("jeu\\A.txt"), folder.path() / "jeu" / "A.txt");
  EXPECT_EQ(programFolder.resolve("jeu\\a.txt"), folder.path() / "jeu" / "a.txt");
  EXPECT_EQ(programFolder.resolve("Nouveau\\Marie.ini"), folder.path() / "Nouveau" / "Marie.ini");
}

// Question and picture names come from files: no path climbs out.
TEST(ProgramFolder, NoPathLeadsOutOfTheFolder) {
  TempFolder outside;
  outside.write("dossier/secret.jpg", "x");
  outside.write("dossier/2004/1.qcm", "x");
  const auto root = outside.path() / "dossier" / "programme";
  std::filesystem::create_directories(root / "2004");
  const ProgramFolder user(root / "utilisateur", root);
  for (const ProgramFolder& folder : {ProgramFolder(root), user})
    for (const char* path : {"..\\secret.jpg", "2004\\..\\..\\secret.jpg", "./../secret.jpg", "/../secret.jpg",
                             "2004/../../2004/1.qcm"}) {
      for (const auto& resolved : {folder.resolve(path), folder.resolveForWriting(path)}) {
        const auto inside = std::filesystem::weakly_canonical(resolved).lexically_relative(root);
        EXPECT_FALSE(inside.empty() || *inside.begin() == "..") << path << " gives " << resolved;
        EXPECT_FALSE(std::filesystem::exists(resolved)) << path;
      }
    }
}

TEST(ProgramFolder, ListsFilesOfAnExtensionInEitherCaseSortedWithoutRegardToCase) {
  TempFolder folder;
  for (const char* file : {"skin/vert.col", "skin/Bleu.COL", "skin/azur.col", "skin/notes.txt", "skin/col"})
    folder.write(file, "x");
  std::filesystem::create_directories(folder.path() / "skin" / "dossier.col");
  const ProgramFolder programFolder(folder.path());
  EXPECT_EQ(programFolder.listFiles("SKIN", ".col"), (std::vector<std::string>{"azur.col", "Bleu.COL", "vert.col"}));
  EXPECT_TRUE(programFolder.listFiles("absent", ".col").empty());
}

// An installed program: the user's folder over the shipped one.
TEST(ProgramFolder, ReadsTheUsersFileFirstThenTheShippedOneAndWritesOnlyInTheUsersFolder) {
  TempFolder user, shipped;
  shipped.write("Lexique.dat", "livré");
  shipped.write("skin/Classique.col", "livré");
  shipped.write("2004/1.qcm", "livré");
  user.write("skin/classique.col", "à moi");
  user.write("Marie.ini", "profil");
  const ProgramFolder folder(user.path(), shipped.path());
  EXPECT_EQ(folder.resolve("lexique.dat"), shipped.path() / "Lexique.dat");
  EXPECT_EQ(folder.resolve("skin\\Classique.col"), user.path() / "skin" / "classique.col");
  EXPECT_EQ(folder.resolve("marie.INI"), user.path() / "Marie.ini");
  EXPECT_EQ(folder.resolve("2004\\4Chapitre1.dat"), user.path() / "2004" / "4Chapitre1.dat");

  EXPECT_EQ(folder.resolveForWriting("Lexique.dat"), user.path() / "Lexique.dat");
  EXPECT_EQ(folder.resolveForWriting("skin\\CLASSIQUE.col"), user.path() / "skin" / "classique.col");
  EXPECT_EQ(folder.root(), user.path());
}

TEST(ProgramFolder, ListsTheFilesOfBothLayersOnceEach) {
  TempFolder user, shipped;
  for (const char* file : {"skin/classique.col", "skin/parapente.col"}) shipped.write(file, "x");
  for (const char* file : {"skin/Classique.col", "skin/maison.col"}) user.write(file, "x");
  const ProgramFolder folder(user.path(), shipped.path());
  EXPECT_EQ(folder.listFiles("skin", ".col"),
            (std::vector<std::string>{"Classique.col", "maison.col", "parapente.col"}));
  EXPECT_EQ(folder.foldersOf("SKIN"), (std::vector<std::filesystem::path>{user.path() / "skin", shipped.path() / "skin"}));
}

TEST(JpegSize, ReadsWidthAndHeightFromTheFrameHeader) {
  TempFolder folder;
  folder.writeBytes("2004/412i.jpg", tinyJpeg(513, 258));
  const auto size = jpegSize(folder.path() / "2004" / "412i.jpg");
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->width, 513);
  EXPECT_EQ(size->height, 258);
}

TEST(JpegSize, GivesNothingForAFileThatIsNotACompleteJpeg) {
  TempFolder folder;
  folder.writeBytes("image.png", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR");
  folder.writeBytes("coupee.jpg", tinyJpeg(513, 258).substr(0, 34));  // ends inside the frame header
  folder.writeBytes("vide.jpg", "");
  for (const char* name : {"image.png", "coupee.jpg", "vide.jpg", "absente.jpg"})
    EXPECT_FALSE(jpegSize(folder.path() / name).has_value()) << name;
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
    if (size) {
      EXPECT_EQ(std::pair(size->width, size->height), std::pair(0x0102, 0x0304)) << cut;
    }
  }
}

}  // namespace
}  // namespace ventelle
