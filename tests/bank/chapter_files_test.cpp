#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "bank/chapter_draw.h"
#include "bank/chapter_library.h"
#include "bank/module_files.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

TEST(RankHoldingQuestion, IsTheFirstRankWhoseRunningSumReachesR) {
  const std::vector<int> counts{10, 20, 30};
  for (const auto& [r, rank] : {std::pair{25, 2}, {1, 1}, {10, 1}, {11, 2}, {30, 2}, {31, 3}, {60, 3}})
    EXPECT_EQ(rankHoldingQuestion(counts, r), rank) << "r=" << r;
  EXPECT_EQ(rankHoldingQuestion({0, 5}, 1), 2);  // an empty chapter holds nothing
}

// A chapter file of one-answer questions of these names.
std::string chapterText(std::initializer_list<const char*> names) {
  std::string text;
  for (const char* name : names) text += std::string("[") + name + "]\nQuestion = q\nOui = 6\n";
  return text;
}

std::string contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(CopyModules, BuildsEveryChapterWhoseModuleExistsAndReportsTheMissingOnes) {
  TempFolder folder;
  folder.write("2004/5.qcm", chapterText({"5"}));
  folder.write("2004/9.qcm", chapterText({"9"}));
  folder.write("2004/4Chapitre1.dat", "ancien");
  folder.write("2004/4Chapitre4.dat", "ancien");
  const auto failed = copyModules(ProgramFolder(folder.path()), {5, 0, 9, 12});
  EXPECT_EQ(failed, (std::vector<std::string>{"2004\\12.qcm"}));
  const auto dir = folder.path() / "2004";
  EXPECT_EQ(contents(dir / "4Chapitre1.dat"), contents(dir / "5.qcm"));
  EXPECT_FALSE(std::filesystem::exists(dir / "4Chapitre2.dat"));
  EXPECT_EQ(contents(dir / "4Chapitre3.dat"), contents(dir / "9.qcm"));
  EXPECT_EQ(contents(dir / "4Chapitre4.dat"), "ancien");
}

TEST(ChapterLibrary, ReadsAgainAFileThatChangedAndGivesNothingForAMissingOne) {
  TempFolder folder;
  ChapterLibrary library{ProgramFolder(folder.path())};
  EXPECT_EQ(library.chapter("ulm\\uChapitre1.dat"), nullptr);
  folder.write("ulm/uChapitre1.dat", chapterText({"1", "2"}));
  const ChapterIndex* first = library.chapter("ULM\\uchapitre1.dat");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->questionCount(), 2);

  folder.write("ulm/uChapitre1.dat", chapterText({"1", "2", "3"}));
  ASSERT_NE(library.chapter("ulm\\uChapitre1.dat"), nullptr);
  EXPECT_EQ(library.chapter("ulm\\uChapitre1.dat")->questionCount(), 3);

  // Same size, later modification time.
  const auto path = folder.path() / "ulm" / "uChapitre1.dat";
  const auto before = std::filesystem::last_write_time(path);
  folder.write("ulm/uChapitre1.dat", chapterText({"7", "8", "9"}));
  std::filesystem::last_write_time(path, before + std::chrono::seconds(5));
  EXPECT_EQ(library.chapter("ulm\\uChapitre1.dat")->headers.front().name, "7");

  std::filesystem::remove(path);
  EXPECT_EQ(library.chapter("ulm\\uChapitre1.dat"), nullptr);
}

}  // namespace
}  // namespace ventelle
