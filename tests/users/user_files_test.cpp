#include "users/user_files.h"

#include <gtest/gtest.h>

#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

using Names = std::vector<std::string>;

TEST(UserFiles, DeletingAProfileMatchesItsNameInAnyCaseAndTouchesNothingElse) {
  TempFolder folder;
  for (const char* file : {"MARIE.Ini", "Marie.cfg", "Marie2.ini", "Marie"}) folder.write(file, "x");
  const ProgramFolder programFolder(folder.path());
  EXPECT_TRUE(deleteProfileFile(programFolder, "marie"));
  EXPECT_EQ(listProfileFiles(programFolder), Names{"Marie2.ini"});
  for (const char* kept : {"Marie.cfg", "Marie"}) EXPECT_TRUE(std::filesystem::exists(folder.path() / kept)) << kept;

  EXPECT_TRUE(deleteProfileFile(programFolder, "marie"));  // already gone
}

}  // namespace
}  // namespace ventelle
