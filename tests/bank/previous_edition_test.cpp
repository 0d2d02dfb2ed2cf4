#include "bank/previous_edition.h"

#include <gtest/gtest.h>

#include "bank/chapter_library.h"
#include "core/text_file.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

TEST(PreviousEdition, ReadsNamesInOrderWithTheReplacedOnesMarked) {
  TempFolder folder;
  folder.write(kPreviousEditionFile, "; commentaire\n\n2004\\1.qcm=1,2*,7i\nulm\\uChapitre1.dat=101\n");
  const PreviousEdition edition = readPreviousEdition(ProgramFolder(folder.path()));
  ASSERT_EQ(edition.size(), 2u);
  const auto& module = edition.at("2004\\1.qcm");
  ASSERT_EQ(module.size(), 3u);
  EXPECT_EQ(module[1].name, "2");
  EXPECT_TRUE(module[1].replaced);
  EXPECT_EQ(module[2].name, "7i");
  EXPECT_FALSE(module[2].replaced);
  EXPECT_TRUE(readPreviousEdition(ProgramFolder(folder.path() / "absent")).empty());
}

// Every question of the previous edition that was not replaced is still in
// its file today, so that a questionnaire saved with it finds its questions.
TEST(PreviousEdition, ShippedEditionCoversEveryBankFileAndItsQuestionsAreStillThere) {
  const ProgramFolder folder(VENTELLE_DATA_DIR);
  const PreviousEdition edition = readPreviousEdition(folder);
  EXPECT_EQ(edition.size(), 30u + 6 + 9 + 6 + 6 + 5);
  for (const auto& [path, questions] : edition) {
    const auto lines = readTextFile(folder.resolve(path));
    ASSERT_TRUE(lines) << path;
    const ChapterIndex index = indexChapter(*lines);
    for (std::size_t k = 0; k < questions.size(); ++k) {
      if (questions[k].replaced) continue;
      // Questions were only added at the end of a file since.
      ASSERT_LT(k, index.headers.size()) << path;
      EXPECT_EQ(index.headers[k].name, questions[k].name) << path;
    }
  }
}

}  // namespace
}  // namespace ventelle
