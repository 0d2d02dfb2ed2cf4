// ventelle-print run as an instructor would, its PDFs read back with
// pdftotext.
#include <gtest/gtest.h>

#include <csignal>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>

#include "core/file_io.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string output;  // standard output and error
};

Outcome run(const std::string& command) {
  Outcome result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  std::array<char, 4096> buffer{};
  while (const auto got = std::fread(buffer.data(), 1, buffer.size(), pipe)) result.output.append(buffer.data(), got);
  result.status = WEXITSTATUS(::pclose(pipe));
  return result;
}

std::string pageText(const fs::path& pdf, int page) {
  return run("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf.string() +
             "' -")
      .output;
}

int pageCount(const fs::path& pdf) {
  std::smatch match;
  const std::string info = run("pdfinfo '" + pdf.string() + "'").output;
  return std::regex_search(info, match, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(match[1]) : 0;
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> contents(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = *readFileBytes(entry.path());
  return files;
}

// A profile on `exam` with the lower levels included or not, the size
// options as given, and `errors` in chapter 1 of that exam's section.
std::string profile(int exam, bool includeLower, int instructor, int confirmed, const std::string& errors) {
  const std::vector<std::pair<int, int>> sections = {{1, 6}, {2, 9}, {6, 7}, {7, 8}, {8, 8}, {9, 7},
                                                     {10, 8}, {11, 6}, {5, 5}, {4, 6}, {3, 6}};
  const std::vector<std::string> names = {"[Manuel]", "[2000]",  "[2004PI]", "[2004PP]", "[2004PC]", "[2004DI]",
                                          "[2004DP]", "[2004DC]", "[Planeur]", "[ULM]",    "[Avion]"};
  std::string text = "V 6.1,Classique," + std::to_string(exam) + ",1,1,1,1,1,1,1,1,0," +
                     (includeLower ? "#TRUE#" : "#FALSE#") + ",0,1," + std::to_string(instructor) + "," +
                     std::to_string(confirmed) + ",#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",8\n\n";
  for (std::size_t s = 0; s < sections.size(); ++s) {
    text += names[s] + "\n";
    for (int k = 1; k <= sections[s].second; ++k)
      text += "Chapitre" + std::to_string(k) + "=" + (sections[s].first == exam && k == 1 ? errors : "") + "\n";
    text += "\n";
  }
  return text + "[Historique]\n";
}

std::string allText(const fs::path& pdf) { return run("pdftotext -layout '" + pdf.string() + "' -").output; }

class PrintCommand : public ::testing::Test {
 protected:
  void SetUp() override { fs::copy(VENTELLE_DATA_DIR, program.path(), fs::copy_options::recursive); }
  std::string command(const std::string& arguments) const {
    return std::string(VENTELLE_PRINT) + " --folder '" + program.path().string() + "' " + arguments;
  }
  Outcome print(const std::string& arguments) { return run(command(arguments)); }
  fs::path out(const std::string& name) const { return output.path() / name; }

  TempFolder program;
  TempFolder output;
};

TEST_F(PrintCommand, WritesTheFourDocumentsAndLeavesTheProgramFolderAsItWas) {
  program.write("Lucie.ini", "");  // purged as an old profile in the private copy only
  const auto before = contents(program.path());
  const Outcome done = print("--exam 7 --seed 1 --copies 2 --questionnaire '" + out("q.pdf").string() +
                         "' --answer-sheets '" + out("a.pdf").string() + "' --correction '" + out("c.pdf").string() +
                         "' --error-report '" + out("r.pdf").string() + "'");
  ASSERT_EQ(done.status, 0) << done.output;
  EXPECT_EQ(contents(program.path()), before);

  // Two copies, each numbered from page 1, every question once per copy in order.
  const int pages = pageCount(out("q.pdf"));
  ASSERT_GT(pages, 4);
  int expectedPage = 1, nextQuestion = 1, copies = 0;
  for (int page = 1; page <= pages; ++page) {
    const std::string text = pageText(out("q.pdf"), page);
    EXPECT_NE(text.find("Ventelle V 6.1"), std::string::npos) << "page " << page;
    std::smatch number;
    ASSERT_TRUE(std::regex_search(text, number, std::regex("Page (\\d+)"))) << "page " << page;
    if (std::stoi(number[1]) == 1 && page > 1) {
      EXPECT_EQ(nextQuestion, 61);
      nextQuestion = 1;
      expectedPage = 1;
    }
    EXPECT_EQ(std::stoi(number[1]), expectedPage++);
    copies += std::stoi(number[1]) == 1;
    const std::regex label("Question N°(\\d+)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), label); it != std::sregex_iterator(); ++it)
      EXPECT_EQ(std::stoi((*it)[1]), nextQuestion++);
  }
  EXPECT_EQ(copies, 2);
  EXPECT_EQ(nextQuestion, 61);

  EXPECT_EQ(pageCount(out("a.pdf")), 2);
  const std::string sheet = pageText(out("a.pdf"), 1);
  for (const char* text : {"Nom:", "Prénom:", "Note:", " 1 ", "15", "16", "60"})
    EXPECT_NE(sheet.find(text), std::string::npos) << text;
  EXPECT_EQ(pageCount(out("c.pdf")), 1);
  EXPECT_NE(pageText(out("c.pdf"), 1).find("Grille de Correction"), std::string::npos);
  EXPECT_NE(pageText(out("r.pdf"), 1).find("Historique des erreurs sur le QCM Parapente 2004"), std::string::npos);
}

TEST_F(PrintCommand, RefusesWhatItCannotDoWithAMessage) {
  for (const auto& [arguments, message] : std::vector<std::pair<std::string, std::string>>{
           {"--exam 4 --size 20 --correction x.pdf", "l'examen 4 propose 40 questions, pas 20."},
           {"--exam 7 --size 30 --correction x.pdf", "l'examen 7 propose 60 questions, pas 30."},
           {"--exam 8 --size 60 --correction x.pdf", "l'examen 8 propose 20 ou 30 questions, pas 60."},
           {"--exam 4 --include-lower --correction x.pdf", "cet examen n'a pas de QCMs inférieurs à inclure."},
           {"--user Personne --error-report x.pdf", "l'utilisateur Personne n'a pas de profil"},
           {"--copies 0 --correction x.pdf", "--copies attend un nombre d'exemplaires de 1 à 100."}}) {
    const Outcome refused = print(arguments);
    EXPECT_EQ(refused.status, 2) << arguments;
    EXPECT_NE(refused.output.find(message), std::string::npos) << refused.output;
  }
  const Outcome unwritable = print("--correction /proc/ventelle/c.pdf");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.output.find("ventelle-print : le fichier /proc/ventelle/c.pdf n'a pas pu être écrit (dossier "
                                   "introuvable ou protégé en écriture, ou disque plein).\n"),
            std::string::npos)
      << unwritable.output;
  EXPECT_EQ(unwritable.output.find("imprim"), std::string::npos) << unwritable.output;
}

// A user's papers are those of the user's exam, options and lower levels,
// unless the command line says otherwise.
TEST_F(PrintCommand, AUserPrintsTheirOwnExamAndOptionsUnlessToldOtherwise) {
  program.write("Lucie.ini", profile(10, true, 0, 0, "27"));  // Delta pilot brevet, lower levels included
  program.write("Marc.ini", profile(6, false, 0, 1, ""));      // paraglider initial brevet, 30 questions
  struct Row {
    std::string arguments;
    std::vector<std::string> shown;  // on the error report, then on the correction grid
  };
  const std::vector<Row> rows = {
      {"--user Lucie", {"Delta 2004", "- Brevet de Pilote - QCMs B. Initial inclus", "-Pilote:27",
                        "- brevet de pilote - QCMs cumulés -"}},
      {"--user Lucie --no-include-lower", {"- Brevet de Pilote -", "27", "- brevet de pilote -"}},
      {"--user Lucie --exam 7", {"Parapente 2004", "QCM Parapente v2004 (FFVL)"}},
      {"--user Marc", {"- Brevet Initial -", "- brevet initial (30 questions) -"}},
      {"--user Marc --size 60", {"- brevet initial (60 questions) -"}},
      {"--user Marc --size 20", {"- brevet initial (20 questions) -"}},
      {"--exam 4 --size 40", {"ULM", "- certificat d'aptitude -"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const Outcome done = print(row.arguments + " --seed 3 --error-report '" + out("r.pdf").string() +
                               "' --correction '" + out("c.pdf").string() + "'");
    ASSERT_EQ(done.status, 0) << done.output;
    const std::string text = allText(out("r.pdf")) + allText(out("c.pdf"));
    for (const auto& shown : row.shown) EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
  }
}

// One draw for the questionnaire, its answer sheets and its grid, which
// carry its code; the seed drawn is told, and gives the same papers again.
TEST_F(PrintCommand, TheThreePapersOfARunShareOneCodeAndTheToldSeedDrawsThemAgain) {
  const std::string papers = "--questionnaire '" + out("q.pdf").string() + "' --answer-sheets '" +
                             out("a.pdf").string() + "' --correction '" + out("c.pdf").string() +
                             "' --error-report '" + out("r.pdf").string() + "'";
  const Outcome first = print(papers);
  ASSERT_EQ(first.status, 0) << first.output;
  std::smatch told;
  ASSERT_TRUE(std::regex_search(first.output, told,
                                std::regex("Graine du tirage : (\\d+) \\(--seed \\1 tire le même questionnaire\\)\n"
                                           "Référence des papiers : ([0-9A-Z]{6})\n")))
      << first.output;
  const std::string seed = told[1], code = told[2];
  for (const char* name : {"q.pdf", "a.pdf", "c.pdf"})
    EXPECT_NE(allText(out(name)).find("réf. " + code), std::string::npos) << name;
  EXPECT_EQ(allText(out("r.pdf")).find("réf."), std::string::npos);
  const std::string questionnaire = allText(out("q.pdf"));

  const Outcome again = print("--seed " + seed + " " + papers);
  ASSERT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(again.output.find("Graine"), std::string::npos) << again.output;
  EXPECT_NE(again.output.find("Référence des papiers : " + code), std::string::npos) << again.output;
  EXPECT_EQ(allText(out("q.pdf")), questionnaire);
}

// Files may grow to 100 KiB only (the shell counts 512-byte blocks): room for
// the tool's working copy of the program folder, not for three questionnaires,
// so the disk fills up, or the tool is killed, in the middle of the PDF.
TEST_F(PrintCommand, AFullDiskOrAKillWhileWritingLeavesTheOldPdfWhole) {
  output.writeBytes("q.pdf", "ancien PDF");
  const std::string questionnaires = command("--exam 7 --copies 3 --questionnaire '" + out("q.pdf").string() + "'");

  const Outcome full = run("trap '' XFSZ; ulimit -f 200; " + questionnaires);
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.output.find("n'a pas pu être écrit"), std::string::npos) << full.output;
  EXPECT_EQ(readFileBytes(out("q.pdf")), "ancien PDF");
  EXPECT_FALSE(fs::exists(out("q.pdf.tmp")));

  const Outcome killed = run("ulimit -f 200; " + questionnaires);
  EXPECT_EQ(killed.status, 128 + SIGXFSZ) << killed.output;
  EXPECT_EQ(readFileBytes(out("q.pdf")), "ancien PDF");

  ASSERT_EQ(run(questionnaires).status, 0);
  EXPECT_GE(pageCount(out("q.pdf")), 3);
  EXPECT_FALSE(fs::exists(out("q.pdf.tmp")));
}

// Without room for its working copy, the tool says so and leaves nothing behind.
TEST_F(PrintCommand, AFullDiskBeforeTheWorkingCopyIsMadeIsToldInFrench) {
  const TempFolder temporary;
  const Outcome full = run("trap '' XFSZ; ulimit -f 8; TMPDIR='" + temporary.path().string() + "' " +
                           command("--correction '" + out("c.pdf").string() + "'"));
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.output.find("la copie de travail du dossier du programme n'a pas pu être faite"), std::string::npos)
      << full.output;
  EXPECT_FALSE(fs::exists(out("c.pdf")));
  for (const auto& entry : fs::directory_iterator(temporary.path()))
    EXPECT_FALSE(entry.path().filename().string().starts_with("ventelle-print")) << entry.path();
}

}  // namespace
}  // namespace ventelle
