#include "core/user_copy.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/interrupted_writes.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

// The file's bytes stand for its checksum: two files have the same checksum
// exactly when they hold the same bytes, as with a real one.
std::string bytesOf(const std::filesystem::path& file) { return readFileBytes(file).value_or("?"); }

// A user's folder seeded by an earlier version, and the shipped folder of a
// newer one whose list knows every version's files.
struct Upgrade {
  TempFolder user, shipped;
  Upgrade() {
    shipped.writeBytes("2004/1.qcm", "v3");
    shipped.writeBytes("Tip.txt", "astuces2");
    shipped.writeBytes("skin/classique.col", "couleurs1");
    shipped.writeBytes("aide/FrmVersion.txt", "aide1");
    shipped.write(kShippedChecksumsFile,
                  "; liste\n"
                  "v1 2004/1.qcm\nv2 2004/1.qcm\nv3 2004/1.qcm\n"
                  "astuces\tTip.txt\nastuces2 Tip.txt\n"
                  "couleurs1 skin/classique.col\n"
                  "ancien retiré.txt\n"
                  "aide1 aide/FrmVersion.txt\n");
  }
  UserCopyReview review() const { return reviewUserCopy(user.path(), shipped.path(), bytesOf); }
  bool userHas(const char* file) const { return std::filesystem::exists(user.path() / file); }
};

TEST(UserCopy, RemovesUntouchedCopiesOfAnyVersionSoThatTheShippedFilesAreRead) {
  Upgrade upgrade;
  upgrade.user.writeBytes("2004/1.qcm", "v1");
  upgrade.user.writeBytes("skin/classique.col", "couleurs1");
  upgrade.user.writeBytes("retiré.txt", "ancien");
  const auto review = upgrade.review();
  EXPECT_EQ(review.removed, (std::vector<std::string>{"2004/1.qcm", "retiré.txt", "skin/classique.col"}));
  EXPECT_TRUE(review.newEdits.empty());
  EXPECT_FALSE(upgrade.userHas("2004/1.qcm"));
  EXPECT_FALSE(upgrade.userHas("skin/classique.col"));
}

TEST(UserCopy, KeepsTheProgramsAndTheUsersOwnFilesAndMakesTheShippedSubfolders) {
  Upgrade upgrade;
  upgrade.user.writeBytes("Marie.ini", "v1");
  upgrade.user.writeBytes("2004/4Chapitre1.dat", "v1");
  upgrade.user.writeBytes("skin/maison.col", "couleurs1");
  const auto review = upgrade.review();
  EXPECT_TRUE(review.removed.empty());
  for (const char* file : {"Marie.ini", "2004/4Chapitre1.dat", "skin/maison.col"}) EXPECT_TRUE(upgrade.userHas(file));
  EXPECT_TRUE(std::filesystem::is_directory(upgrade.user.path() / "aide"));
}

TEST(UserCopy, KeepsAnEditedCopyAndTellsOfItOnceUntilItIsEditedAgain) {
  Upgrade upgrade;
  upgrade.user.writeBytes("Tip.txt", "mesastuces");
  upgrade.user.writeBytes("2004/1.qcm", "v2");
  auto review = upgrade.review();
  EXPECT_EQ(review.newEdits, (std::vector<std::string>{"Tip.txt"}));
  EXPECT_EQ(review.removed, (std::vector<std::string>{"2004/1.qcm"}));
  EXPECT_EQ(bytesOf(upgrade.user.path() / "Tip.txt"), "mesastuces");

  EXPECT_TRUE(upgrade.review().newEdits.empty());
  EXPECT_TRUE(upgrade.userHas("Tip.txt"));

  upgrade.user.writeBytes("Tip.txt", "mesastuces2");
  EXPECT_EQ(upgrade.review().newEdits, (std::vector<std::string>{"Tip.txt"}));
}

// The record of edits already told is only a courtesy: when it cannot be
// written the user is told again, and a record cut short by a kill is never
// read, so earlier edits are not told twice.
TEST(UserCopy, ARecordThatFindsNoRoomOrIsCutShortLosesNothing) {
  Upgrade upgrade;
  upgrade.user.writeBytes("Tip.txt", "mesastuces");
  {
    const DiskFullAfter fullDisk(20);
    EXPECT_EQ(upgrade.review().newEdits, (std::vector<std::string>{"Tip.txt"}));
  }
  EXPECT_EQ(bytesOf(upgrade.user.path() / "Tip.txt"), "mesastuces");
  EXPECT_EQ(upgrade.review().newEdits, (std::vector<std::string>{"Tip.txt"}));  // told again, now recorded

  upgrade.user.writeBytes("2004/1.qcm", "mes questions");
  ASSERT_TRUE(killedWhileWriting(20, [&] { upgrade.review(); }));
  EXPECT_EQ(upgrade.review().newEdits, (std::vector<std::string>{"2004/1.qcm"}));
  EXPECT_EQ(bytesOf(upgrade.user.path() / "2004/1.qcm"), "mes questions");
}

TEST(UserCopy, KeepsEverythingWhenTheShippedListIsMissing) {
  Upgrade upgrade;
  std::filesystem::remove(upgrade.shipped.path() / kShippedChecksumsFile);
  upgrade.user.writeBytes("2004/1.qcm", "v1");
  const auto review = upgrade.review();
  EXPECT_TRUE(review.removed.empty());
  EXPECT_TRUE(review.newEdits.empty());
  EXPECT_TRUE(upgrade.userHas("2004/1.qcm"));
}

TEST(UserCopy, SaysSoWhenTheUsersFolderCannotBeMade) {
  Upgrade upgrade;
  upgrade.user.writeBytes("fichier", "x");
  EXPECT_FALSE(reviewUserCopy(upgrade.user.path() / "fichier" / "Ventelle", upgrade.shipped.path(), bytesOf).folderMade);
  EXPECT_TRUE(upgrade.review().folderMade);
}

TEST(UserCopy, ReadsChecksumsByPathSkippingCommentsAndLinesWithoutAPath) {
  const auto checksums = readShippedChecksums({"; commentaire", "", "abc 2004/1.qcm", "def  2004/1.qcm ", "seul"});
  EXPECT_EQ(checksums, (ShippedChecksums{{"2004/1.qcm", {"abc", "def"}}}));
}

}  // namespace
}  // namespace ventelle
