#include "core/user_copy.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/interrupted_writes.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

using Files = std::vector<std::string>;

// The file's bytes stand for its checksum: two files have the same checksum
// exactly when they hold the same bytes, as with a real one.
std::string bytesOf(const std::filesystem::path& file) { return readFileBytes(file).value_or("?"); }

// A user's folder seeded by an earlier version, and the shipped folder of a
// newer one whose list knows every version's files ("v2" once with blanks
// around its path, and a line without a path).
struct UserCopy : testing::Test {
  TempFolder user, shipped;
  UserCopy() {
    for (const char* file : {"2004/1.qcm", "Tip.txt", "skin/classique.col", "aide/FrmVersion.txt"})
      shipped.writeBytes(file, "livré");
    shipped.write(kShippedChecksumsFile,
                  "; liste\n\nv1 2004/1.qcm\nv2  2004/1.qcm \nv3 2004/1.qcm\nastuces\tTip.txt\nastuces2 Tip.txt\nseul\n"
                  "couleurs1 skin/classique.col\nancien retiré.txt\n");
  }
  UserCopyReview review() const { return reviewUserCopy(user.path(), shipped.path(), bytesOf); }
  bool userHas(const char* file) const { return std::filesystem::exists(user.path() / file); }
};

TEST_F(UserCopy, RemovesUntouchedCopiesOfAnyVersionAndKeepsTheUsersOwnFiles) {
  for (const auto& [file, bytes] : {std::pair{"2004/1.qcm", "v1"}, {"skin/classique.col", "couleurs1"},
                                    {"retiré.txt", "ancien"}, {"Marie.ini", "v1"}, {"2004/4Chapitre1.dat", "v1"},
                                    {"skin/maison.col", "couleurs1"}})
    user.writeBytes(file, bytes);
  const auto result = review();
  EXPECT_EQ(result.removed, (Files{"2004/1.qcm", "retiré.txt", "skin/classique.col"}));
  EXPECT_TRUE(result.newEdits.empty());
  EXPECT_FALSE(userHas("2004/1.qcm"));
  for (const char* file : {"Marie.ini", "2004/4Chapitre1.dat", "skin/maison.col"}) EXPECT_TRUE(userHas(file)) << file;
  EXPECT_TRUE(std::filesystem::is_directory(user.path() / "aide"));
}

// An edited copy is kept and told of once until it is edited again. The
// record of edits already told is only a courtesy: when it cannot be written
// the user is told again, and a record cut short by a kill is never read.
TEST_F(UserCopy, KeepsAnEditedCopyAndTellsOfItOnceEvenWhenItsRecordFails) {
  user.writeBytes("Tip.txt", "mesastuces");
  user.writeBytes("2004/1.qcm", "v2");
  {
    const DiskFullAfter fullDisk(20);
    const auto first = review();
    EXPECT_EQ(std::pair(first.newEdits, first.removed), std::pair(Files{"Tip.txt"}, Files{"2004/1.qcm"}));
  }
  EXPECT_EQ(review().newEdits, Files{"Tip.txt"});  // told again, now recorded
  EXPECT_TRUE(review().newEdits.empty());
  EXPECT_EQ(bytesOf(user.path() / "Tip.txt"), "mesastuces");
  user.writeBytes("skin/classique.col", "mescouleurs");
  ASSERT_TRUE(killedWhileWriting(20, [&] { review(); }));
  EXPECT_EQ(review().newEdits, Files{"skin/classique.col"});
  user.writeBytes("Tip.txt", "mesastuces2");
  EXPECT_EQ(review().newEdits, Files{"Tip.txt"});
}

TEST_F(UserCopy, KeepsEverythingWithoutTheShippedListAndSaysSoWhenTheFolderCannotBeMade) {
  std::filesystem::remove(shipped.path() / kShippedChecksumsFile);
  user.writeBytes("2004/1.qcm", "v1");
  EXPECT_TRUE(review().removed.empty());
  EXPECT_TRUE(userHas("2004/1.qcm"));
  EXPECT_FALSE(reviewUserCopy(user.path() / "2004/1.qcm" / "Ventelle", shipped.path(), bytesOf).folderMade);
}

}  // namespace
}  // namespace ventelle
