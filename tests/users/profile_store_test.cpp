#include "users/profile_store.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

using Lines = std::vector<std::string>;

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
  std::string bytesOf(const std::string& file) const { return readFileBytes(folder.path() / file).value_or("?"); }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  ProfileStore store{programFolder};
};

// Without a template, a new profile is the built-in content, over whatever
// the file held; with one, the template's bytes whatever they are.
TEST_F(ProfileStoreTest, NewProfileIsTheBuiltInContentOrTheTemplateByteForByte) {
  folder.write("Jean.ini", "n'importe quoi\n");
  ASSERT_TRUE(store.initialise("Jean"));
  EXPECT_EQ(bytesOf("Jean.ini"), builtInProfileBytes());
  const std::string odd = "V 6.1,Bleu,2,1,1,0,0,0,0,0,0,0\nsans CR\r\n\x92\x85";
  folder.writeBytes("parapente.cfg", odd);
  ASSERT_TRUE(store.initialise("Lucie"));
  EXPECT_EQ(bytesOf("Lucie.ini"), odd);
}

// The error list of one chapter comes from the file: [2004DC] keeps six
// chapters, not the [Planeur] line that follows.
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
  errors.add({5, 1}, "7");
  ASSERT_EQ(store.rewriteErrors("Jean", errors), ProfileFault::None);
  const auto after = store.read("Jean");
  ASSERT_TRUE(after);
  EXPECT_TRUE(after->problems.empty());
  EXPECT_EQ(after->settings.settings, before->settings.settings);
  EXPECT_EQ(after->questionnaire, before->questionnaire);
  const std::string bytes = bytesOf("Jean.ini");
  EXPECT_NE(bytes.find("[ULM]\r\nChapitre1=\r\nChapitre2=3,12\r\nChapitre3=\r\n"), std::string::npos);
  EXPECT_TRUE(bytes.ends_with("[Historique]\r\n3,14,2,0,1,1,3,0,0,0,0,0\r\n4,2,1,0,2,0,0,0,0,0,0,0\r\n\r\n"
                              "[Noms]\r\n\"3.14\"\r\n\"B,2\"\r\n"));
  for (const auto& [exam, chapter, list] : {std::tuple{4, 2, "3,12"}, {11, 6, "580"}, {11, 7, ""}, {5, 1, "7"}})
    EXPECT_EQ(store.errorList("Jean", exam, chapter).value, list) << exam << " " << chapter;
  EXPECT_EQ(store.errorList("Personne", 5, 1).fault, ProfileFault::Absent);
}

TEST_F(ProfileStoreTest, ErrorsOfAVanishedProfileAreWrittenToAFreshOne) {
  ErrorLists errors;
  errors.add({7, 3}, "75");
  ASSERT_EQ(store.rewriteErrors("Parti", errors), ProfileFault::None);
  const auto read = store.read("Parti");
  ASSERT_TRUE(read);
  EXPECT_EQ(std::tuple(read->problems, read->settings.settings, read->sections.errors.list({7, 3})),
            std::tuple(Lines{}, Settings{}, "75"));
}

// The numbers in the chapter lines are not what counts: their order is. A
// section out of shape ([2000] loses its last line, [2004DC] carries two
// extra ones) spoils no other section.
TEST_F(ProfileStoreTest, ErrorSectionsAreReadByPositionAndOneOutOfShapeSpoilsNoOther) {
  std::string text = "V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8\n\n";
  for (const auto& section : errorSections()) {
    const std::string exam = std::to_string(section.exam);
    text += section.header + "\n" + (section.exam == 1 ? "Chapitre9=1x1\n; remarque\n" : "Chapitre1=" + exam + "x1\n");
    const int last = section.exam == 2 || section.exam == 11 ? 8 : section.chapters;
    for (int k = 2; k <= last; ++k) text += "Chapitre" + std::to_string(k) + '=' + exam + 'x' + std::to_string(k) + '\n';
    text += "\n";
  }
  folder.write("Jean.ini", text + "[Historique]\n");
  const auto read = store.read("Jean");
  ASSERT_TRUE(read);
  for (const auto& [exam, chapter, list] : {std::tuple{1, 1, "1x1"}, {1, 2, "1x2"}, {2, 8, "2x8"}, {2, 9, ""},
                                            {6, 1, "6x1"}, {11, 6, "11x6"}, {11, 7, ""}, {5, 1, "5x1"}})
    EXPECT_EQ(read->sections.errors.list({exam, chapter}), list) << exam << " " << chapter;
  EXPECT_EQ(read->problems, (Lines{"la section [2000] est incomplète", "la section [2004DC] a des lignes en trop"}));
}

TEST_F(ProfileStoreTest, ATruncatedProfileKeepsWhatItHoldsAndForeignBytesAreReported) {
  folder.write("Jean.ini", "V 6.1,Classique,4\n\n[Manuel]\nChapitre1=7\nChapitre2=8");
  const auto read = store.read("Jean");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->settings.settings.examIndex, 4);
  EXPECT_EQ(read->sections.errors.list({1, 2}), "8");
  EXPECT_EQ(read->problems.size(), 13u);  // settings, [Manuel] short, ten sections and [Historique] missing
  EXPECT_EQ(read->problems.back(), "la section [Historique] est absente");
  folder.writeBytes("Jean.ini", builtInProfileBytes() + std::string("\x81\0", 2));
  EXPECT_EQ(store.read("Jean")->problems, Lines{"le fichier contient des caractères illisibles"});
}

// A disk that fills up: the temporary file is the full device; then a
// temporary name that cannot be taken.
TEST_F(ProfileStoreTest, AFailedWriteLeavesTheOldProfileWhole) {
  ASSERT_TRUE(store.initialise("Jean"));
  std::filesystem::create_symlink("/dev/full", folder.path() / "Jean.ini.tmp");
  ErrorLists errors;
  errors.add({1, 1}, "5");
  EXPECT_EQ(store.rewriteErrors("Jean", errors), ProfileFault::Unwritable);
  EXPECT_EQ(bytesOf("Jean.ini"), builtInProfileBytes());
  std::filesystem::create_directories(folder.path() / "Jean.ini.tmp" / "occupé");
  EXPECT_FALSE(store.save("Jean", "V 6.1", errors, {}));
  EXPECT_EQ(bytesOf("Jean.ini"), builtInProfileBytes());
}

// A copy never replaces an earlier one and is never taken for a user; the
// copies of damaged profiles and of profiles of another format are told
// apart. The default user's profile and the template of another format go
// too, without a word.
TEST_F(ProfileStoreTest, DamagedProfilesAndThoseOfAnotherFormatAreSetAsideUnderNamesOfTheirOwn) {
  folder.write("Jean.ini", "abime\n");
  EXPECT_EQ(store.keepCopy("Jean"), "Jean.ini.endommage");
  folder.write("Jean.ini", "abime encore\n");
  EXPECT_EQ(store.keepCopy("Jean"), "Jean.ini.endommage-2");
  using Told = std::pair<std::string, std::optional<std::string>>;
  std::vector<Told> told;
  const auto tell = [&told](const std::string& file, const auto& copy) { told.emplace_back(file, copy); };
  const auto purge = [&] { store.purgeOtherFormats(tell, [](const std::string& file) { ADD_FAILURE() << file; }); };
  for (const auto& [file, text] : {std::pair{"Jean.ini", "V 5.2\n"}, {"parapente.ini", "\"V 6.0\"\n"},
                                   {"Bon.ini", "\"V 6.1\",Bleu\n"}, {"Vide.ini", ""}, {"parapente.cfg", "V 6\n"}})
    folder.write(file, text);
  purge();
  folder.write("Jean.ini", "V 5.3\n");
  purge();
  EXPECT_EQ(told, (std::vector<Told>{{"Jean.ini", "Jean.ini.ancien-format"}, {"Vide.ini", "Vide.ini.ancien-format"},
                                     {"Jean.ini", "Jean.ini.ancien-format-2"}}));
  for (const auto& [file, bytes] :
       {std::pair{"Jean.ini.endommage", "abime\r\n"}, {"Jean.ini.endommage-2", "abime encore\r\n"},
        {"Jean.ini.ancien-format", "V 5.2\r\n"}, {"Jean.ini.ancien-format-2", "V 5.3\r\n"},
        {"parapente.cfg.ancien-format", "V 6\r\n"}})
    EXPECT_EQ(bytesOf(file), bytes) << file;
  EXPECT_EQ(programFolder.listFiles("", ".ini"), Lines{"Bon.ini"});
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "parapente.cfg"));
}

}  // namespace
}  // namespace ventelle
