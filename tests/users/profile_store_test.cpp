#include "users/profile_store.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

// The built-in profile as a user's file must hold it, written out by hand.
std::string builtInProfileBytes() {
  std::string text = "V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",8\r\n\r\n";
  const std::pair<const char*, int> sections[] = {{"Manuel", 6}, {"2000", 9},    {"2004PI", 7}, {"2004PP", 8},
                                                  {"2004PC", 8}, {"2004DI", 7},  {"2004DP", 8}, {"2004DC", 6},
                                                  {"Planeur", 5}, {"ULM", 6},    {"Avion", 6}};
  for (const auto& [name, chapters] : sections) {
    text += std::string("[") + name + "]\r\n";
    for (int k = 1; k <= chapters; ++k) text += "Chapitre" + std::to_string(k) + "=\r\n";
    text += "\r\n";
  }
  return text + "[Historique]\r\n";
}

class ProfileStoreTest : public ::testing::Test {
 protected:
  std::string bytesOf(const std::string& file) const { return readFileBytes(folder.path() / file).value_or("<absent>"); }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  ProfileStore store{programFolder};
};

TEST_F(ProfileStoreTest, NewProfileIsTheBuiltInContentByteForByte) {
  folder.write("Jean.ini", "n'importe quoi\n");
  ASSERT_TRUE(store.initialise("Jean"));
  EXPECT_EQ(bytesOf("Jean.ini"), builtInProfileBytes());
}

TEST_F(ProfileStoreTest, NewProfileCopiesTheTemplateByteForByte) {
  const std::string odd = "V 6.1,Bleu,2,1,1,0,0,0,0,0,0,0\nsans CR\r\n\x92\x85";
  folder.writeBytes("parapente.cfg", odd);
  ASSERT_TRUE(store.initialise("parapente"));
  ASSERT_TRUE(store.initialise("Lucie"));
  EXPECT_EQ(bytesOf("parapente.ini"), odd);
  EXPECT_EQ(bytesOf("Lucie.ini"), odd);
}

TEST_F(ProfileStoreTest, RewritingErrorsChangesOnlyTheChapterLines) {
  folder.write("Jean.ini",
               "\"V 6.1\",\"Bleu\",4,1,1,1,1,1,1,0,0,0,#FALSE#,1,1,0,0,#TRUE#,#FALSE#,\"2\",\"6\",\"12\",\"10\",4\n\n"
               "[Manuel]\nChapitre1=\n\n[Historique]\n3,14,2,0,1,1,3,0,0,0,0,0\n4,2,1,0,2,0,0,0,0,0,0,0\n\n"
               "[Noms]\n\"3.14\"\n\"B,2\"\n\nreste\n");
  const auto before = store.read("Jean");
  ASSERT_TRUE(before);
  ErrorLists errors;
  errors.add({4, 2}, "3");
  errors.add({4, 2}, "12");
  errors.add({11, 6}, "580");
  ASSERT_EQ(store.rewriteErrors("Jean", errors), ProfileFault::None);
  const auto after = store.read("Jean");
  ASSERT_TRUE(after);
  EXPECT_TRUE(after->problems.empty());
  EXPECT_EQ(after->settings.settings, before->settings.settings);
  EXPECT_EQ(after->questionnaire, before->questionnaire);
  EXPECT_EQ(after->sections.errors.list({4, 2}), "3,12");
  EXPECT_EQ(after->sections.errors.list({11, 6}), "580");
  const std::string bytes = bytesOf("Jean.ini");
  EXPECT_NE(bytes.find("[ULM]\r\nChapitre1=\r\nChapitre2=3,12\r\nChapitre3=\r\n"), std::string::npos);
  EXPECT_TRUE(bytes.ends_with("[Historique]\r\n3,14,2,0,1,1,3,0,0,0,0,0\r\n4,2,1,0,2,0,0,0,0,0,0,0\r\n\r\n"
                              "[Noms]\r\n\"3.14\"\r\n\"B,2\"\r\n"));
}

TEST_F(ProfileStoreTest, ErrorsOfAVanishedProfileAreWrittenToAFreshOne) {
  ErrorLists errors;
  errors.add({7, 3}, "75");
  ASSERT_EQ(store.rewriteErrors("Parti", errors), ProfileFault::None);
  const auto read = store.read("Parti");
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->problems.empty());
  EXPECT_EQ(read->settings.settings, Settings{});
  EXPECT_EQ(read->sections.errors.list({7, 3}), "75");
}

TEST_F(ProfileStoreTest, ErrorSectionsAreReadByPosition) {
  // The numbers in the chapter lines are not what counts: their order is.
  folder.write("Jean.ini", "V 6.1\n\n[Manuel]\nChapitre9=1,2\n; remarque\nChapitre1=3\n");
  const auto read = store.read("Jean");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->sections.errors.list({1, 1}), "1,2");
  EXPECT_EQ(read->sections.errors.list({1, 2}), "3");
}

TEST_F(ProfileStoreTest, ASectionOutOfShapeSpoilsNoOtherSection) {
  std::string text = "V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8\n\n";
  for (const auto& section : errorSections()) {
    text += section.header + "\n";
    // [2000] loses its last line, [2004DC] carries two extra ones.
    const int lines = section.exam == 2 ? 8 : section.exam == 11 ? 8 : section.chapters;
    for (int k = 1; k <= lines; ++k) text += "Chapitre" + std::to_string(k) + "=" + std::to_string(section.exam) + "x" + std::to_string(k) + "\n";
    text += "\n";
  }
  folder.write("Jean.ini", text + "[Historique]\n");
  const auto read = store.read("Jean");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->sections.errors.list({2, 8}), "2x8");
  EXPECT_EQ(read->sections.errors.list({2, 9}), "");
  EXPECT_EQ(read->sections.errors.list({6, 1}), "6x1");
  EXPECT_EQ(read->sections.errors.list({11, 6}), "11x6");
  EXPECT_EQ(read->sections.errors.list({11, 7}), "");
  EXPECT_EQ(read->sections.errors.list({5, 1}), "5x1");
  EXPECT_EQ(read->problems, (std::vector<std::string>{"la section [2000] est incomplète",
                                                      "la section [2004DC] a des lignes en trop"}));
}

TEST_F(ProfileStoreTest, ATruncatedProfileKeepsWhatItHolds) {
  folder.write("Jean.ini", "V 6.1,Classique,4\n\n[Manuel]\nChapitre1=7\nChapitre2=8");
  const auto read = store.read("Jean");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->settings.settings.examIndex, 4);
  EXPECT_EQ(read->sections.errors.list({1, 2}), "8");
  EXPECT_EQ(read->problems.size(), 13u);  // settings, [Manuel] short, ten sections and [Historique] missing
  EXPECT_EQ(read->problems.back(), "la section [Historique] est absente");
}

TEST_F(ProfileStoreTest, ForeignBytesAreReported) {
  folder.writeBytes("Jean.ini", builtInProfileBytes() + std::string("\x81\0", 2));
  const auto read = store.read("Jean");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->problems, std::vector<std::string>{"le fichier contient des caractères illisibles"});
}

TEST_F(ProfileStoreTest, ErrorListOfOneChapterComesFromTheFile) {
  ErrorLists errors;
  errors.add({11, 6}, "44");
  errors.add({5, 1}, "12");
  ASSERT_EQ(store.rewriteErrors("Jean", errors), ProfileFault::None);
  EXPECT_EQ(store.errorList("Jean", 11, 6).value, "44");
  EXPECT_EQ(store.errorList("Jean", 11, 7).value, "");  // never kept: not the [Planeur] line that follows
  EXPECT_EQ(store.errorList("Jean", 5, 1).value, "12");
  EXPECT_EQ(store.errorList("Personne", 5, 1).fault, ProfileFault::Absent);
}

TEST_F(ProfileStoreTest, AFailedWriteLeavesTheOldProfileWhole) {
  ASSERT_TRUE(store.initialise("Jean"));
  // A disk that fills up: the temporary file is the full device.
  std::filesystem::create_symlink("/dev/full", folder.path() / "Jean.ini.tmp");
  ErrorLists errors;
  errors.add({1, 1}, "5");
  EXPECT_EQ(store.rewriteErrors("Jean", errors), ProfileFault::Unwritable);
  EXPECT_EQ(bytesOf("Jean.ini"), builtInProfileBytes());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Jean.ini.tmp"));
  // A folder that cannot take a new file.
  std::filesystem::create_directory(folder.path() / "Jean.ini.tmp");
  std::filesystem::create_directory(folder.path() / "Jean.ini.tmp" / "occupé");
  EXPECT_FALSE(store.save("Jean", "V 6.1", errors, {}));
  EXPECT_EQ(bytesOf("Jean.ini"), builtInProfileBytes());
}

// A copy never replaces an earlier one and is never taken for a user; the
// copies of damaged profiles and of profiles of another format are told apart.
TEST_F(ProfileStoreTest, CopiesTakeTheirOwnNamesAndNeverReplaceAnEarlierOne) {
  folder.write("Jean.ini", "abime\n");
  EXPECT_EQ(store.keepCopy("Jean"), "Jean.ini.endommage");
  folder.write("Jean.ini", "abime encore\n");
  EXPECT_EQ(store.keepCopy("Jean"), "Jean.ini.endommage-2");
  EXPECT_EQ(bytesOf("Jean.ini.endommage"), "abime\r\n");
  EXPECT_EQ(bytesOf("Jean.ini.endommage-2"), "abime encore\r\n");

  std::vector<std::pair<std::string, std::optional<std::string>>> told;
  const auto tell = [&told](const std::string& file, const std::optional<std::string>& copy) {
    told.emplace_back(file, copy);
  };
  const auto unreadable = [](const std::string& file) { ADD_FAILURE() << file; };
  folder.write("Jean.ini", "V 5.2\n");
  store.purgeOtherFormats(tell, unreadable);
  folder.write("Jean.ini", "V 5.3\n");
  store.purgeOtherFormats(tell, unreadable);
  using Told = std::pair<std::string, std::optional<std::string>>;
  EXPECT_EQ(told, (std::vector<Told>{{"Jean.ini", "Jean.ini.ancien-format"}, {"Jean.ini", "Jean.ini.ancien-format-2"}}));
  EXPECT_EQ(bytesOf("Jean.ini.ancien-format"), "V 5.2\r\n");
  EXPECT_EQ(bytesOf("Jean.ini.ancien-format-2"), "V 5.3\r\n");
  EXPECT_EQ(bytesOf("Jean.ini.endommage"), "abime\r\n");
  EXPECT_TRUE(programFolder.listFiles("", ".ini").empty());
}

TEST_F(ProfileStoreTest, ProfilesOfAnotherFormatAreSetAsideAtStartUp) {
  folder.write("Ancien.ini", "V 5.2,Classique,7\n");
  folder.write("parapente.ini", "\"V 6.0\"\n");
  folder.write("Vide.ini", "");
  folder.write("Bon.ini", "\"V 6.1\",Bleu\n");
  folder.write("parapente.cfg", "V 6\n");
  std::vector<std::string> told;
  store.purgeOtherFormats([&told](const std::string& file, const std::optional<std::string>&) { told.push_back(file); },
                          [](const std::string& file) { ADD_FAILURE() << file; });
  EXPECT_EQ(told, (std::vector<std::string>{"Ancien.ini", "Vide.ini"}));
  EXPECT_EQ(programFolder.listFiles("", ".ini"), std::vector<std::string>{"Bon.ini"});
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "parapente.cfg"));
  EXPECT_EQ(bytesOf("Ancien.ini.ancien-format"), "V 5.2,Classique,7\r\n");
  EXPECT_EQ(bytesOf("parapente.cfg.ancien-format"), "V 6\r\n");
}

}  // namespace
}  // namespace ventelle
