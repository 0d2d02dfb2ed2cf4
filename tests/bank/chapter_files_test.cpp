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

// A chapter whose module is missing is removed: it must not keep the
// questions of the brevet built before.
TEST(CopyModules, BuildsEveryChapterWhoseModuleExistsAndRemovesTheOthers) {
  TempFolder folder;
  folder.write("2004/5.qcm", chapterText({"5"}));
  folder.write("2004/9.qcm", chapterText({"9"}));
  folder.write("2004/4Chapitre1.dat", "ancien");
  folder.write("2004/4Chapitre4.dat", "ancien");
  ChapterLibrary library{ProgramFolder(folder.path())};
  const auto problems = copyModules(library, {5, 0, 9, 12});
  EXPECT_EQ(problems.unreadableModules, (std::vector<std::string>{"2004\\12.qcm"}));
  EXPECT_TRUE(problems.unwritableChapters.empty());
  const auto dir = folder.path() / "2004";
  EXPECT_EQ(contents(dir / "4Chapitre1.dat"), contents(dir / "5.qcm"));
  EXPECT_FALSE(std::filesystem::exists(dir / "4Chapitre2.dat"));
  EXPECT_EQ(contents(dir / "4Chapitre3.dat"), contents(dir / "9.qcm"));
  EXPECT_FALSE(std::filesystem::exists(dir / "4Chapitre4.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "4Chapitre1.dat.tmp"));
}

// A folder in the chapter file's place cannot be replaced.
TEST(CopyModules, AChapterThatCannotBeWrittenIsReportedAndNoTemporaryFileStays) {
  TempFolder folder;
  folder.write("2004/1.qcm", chapterText({"1"}));
  folder.write("2004/4Chapitre1.dat/garde", "x");
  ChapterLibrary library{ProgramFolder(folder.path())};
  const auto problems = copyModules(library, {1});
  EXPECT_EQ(problems.unwritableChapters, (std::vector<std::string>{"2004\\4Chapitre1.dat"}));
  EXPECT_TRUE(problems.unreadableModules.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "2004" / "4Chapitre1.dat.tmp"));
}

// Two rebuilds of the same size within one tick of the file clock.
TEST(CopyModules, ARebuiltChapterIsReadAgainEvenWithTheSameSizeAndTime) {
  TempFolder folder;
  folder.write("2004/1.qcm", chapterText({"1"}));
  folder.write("2004/2.qcm", chapterText({"2"}));
  ChapterLibrary library{ProgramFolder(folder.path())};
  copyModules(library, {1});
  const auto path = folder.path() / "2004" / "4Chapitre1.dat";
  const auto time = std::filesystem::last_write_time(path);
  ASSERT_EQ(library.chapter("2004\\4Chapitre1.dat")->headers.front().name, "1");

  copyModules(library, {2});
  std::filesystem::last_write_time(path, time);

  EXPECT_EQ(library.chapter("2004\\4Chapitre1.dat")->headers.front().name, "2");
}

TEST(JoinModules, AppendsBothModulesLineByLineBetweenEmptyLines) {
  TempFolder folder;
  folder.writeBytes("2004/4Chapitre3.dat", "[8]\r\nQuestion=Q\r\nOui=6\r\n");
  folder.writeBytes("2004/1.qcm", "[1]\r\nQuestion=\xE9t\xE9 ?\nOui=6");  // LF and no final line end
  folder.writeBytes("2004/2.qcm", "[2]\r\n");
  ChapterLibrary library{ProgramFolder(folder.path())};
  ASSERT_EQ(library.chapter("2004\\4Chapitre3.dat")->questionCount(), 1);

  const auto problems = joinModules(library, {3, 1, 2});

  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(contents(folder.path() / "2004" / "4Chapitre3.dat"),
            "[8]\r\nQuestion=Q\r\nOui=6\r\n\r\n\r\n[1]\r\nQuestion=\xE9t\xE9 ?\r\nOui=6\r\n\r\n[2]\r\n\r\n");
  EXPECT_EQ(library.chapter("2004\\4Chapitre3.dat")->questionCount(), 3);
}

TEST(JoinModules, LeavesOutAModuleThatCannotBeReadAndNamesIt) {
  TempFolder folder;
  folder.writeBytes("2004/4Chapitre6.dat", "[8]\r\n");
  folder.writeBytes("2004/21.qcm", "[21]\r\n");
  ChapterLibrary library{ProgramFolder(folder.path())};

  const auto problems = joinModules(library, {6, 20, 21});

  EXPECT_EQ(problems.unreadableModules, (std::vector<std::string>{"2004\\20.qcm"}));
  EXPECT_EQ(contents(folder.path() / "2004" / "4Chapitre6.dat"), "[8]\r\n\r\n\r\n\r\n[21]\r\n\r\n");
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

namespace ventelle {
namespace {

TEST(ChapterSources, OwnModuleThenTheLowerLevelsWhenIncluded) {
  using Paths = std::vector<std::string>;
  EXPECT_EQ(chapterSources(7, false, 1), (Paths{"2004\\2.qcm"}));
  EXPECT_EQ(chapterSources(7, true, 1), (Paths{"2004\\2.qcm", "2004\\1.qcm"}));
  EXPECT_EQ(chapterSources(8, true, 1), (Paths{"2004\\3.qcm", "2004\\1.qcm", "2004\\2.qcm"}));
  EXPECT_EQ(chapterSources(6, true, 1), (Paths{"2004\\1.qcm"}));  // the initial brevet has no lower level
  EXPECT_EQ(chapterSources(6, false, 8), Paths{});                 // nor an eighth chapter
  // The confirmed hang-glider brevet with its lower levels is laid out as the pilot brevet.
  EXPECT_EQ(chapterSources(11, false, 3), (Paths{"2004\\14.qcm"}));
  EXPECT_EQ(chapterSources(11, true, 3), (Paths{"2004\\11.qcm", "2004\\10.qcm"}));
}

}  // namespace
}  // namespace ventelle
