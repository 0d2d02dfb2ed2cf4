// ventelle-print run as an instructor would, its PDFs read back with
// pdftotext. What the papers hold is tested with the window model; here, what
// the tool adds: its options, its private copy, its messages and its exit
// statuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "users/profile_store.h"
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
  char buffer[4096];
  while (const auto got = std::fread(buffer, 1, sizeof buffer, pipe)) result.output.append(buffer, got);
  result.status = WEXITSTATUS(::pclose(pipe));
  return result;
}



class PrintCommand : public ::testing::Test {
 protected:
  void SetUp() override { fs::copy(VENTELLE_DATA_DIR, program.path(), fs::copy_options::recursive); }
  std::string command(const std::string& arguments) const {
    return std::string(VENTELLE_PRINT) + " --folder '" + program.path().string() + "' " + arguments;
  }
  Outcome print(const std::string& arguments) { return run(command(arguments)); }
  std::string out(const std::string& name) const { return "'" + (output.path() / name).string() + "'"; }
  std::string pdf(const std::string& name) const { return run("pdftotext -layout " + out(name) + " -").output; }

  TempFolder program;
  TempFolder output;
};

// One draw for the questionnaire, its answer sheets and its grid, which
// carry its code; the seed drawn is told, and gives the same papers again.
// The old profile is purged in the private copy only.
TEST_F(PrintCommand, WritesTheDocumentsOfOneDrawAndLeavesTheProgramFolderAsItWas) {
  program.write("Lucie.ini", "");
  const std::string papers = "--exam 7 --copies 2 --questionnaire " + out("q.pdf") + " --answer-sheets " +
                             out("a.pdf") + " --correction " + out("c.pdf") + " --error-report " + out("r.pdf");
  const Outcome first = print(papers);
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_EQ(run("diff -r '" + std::string(VENTELLE_DATA_DIR) + "' '" + program.path().string() + "'").output,
            "Only in " + program.path().string() + ": Lucie.ini\n");
  std::smatch told;
  ASSERT_TRUE(std::regex_search(first.output, told,
                                std::regex("Graine du tirage : (\\d+) \\(--seed \\1 tire le même questionnaire\\)\n"
                                           "Référence des papiers : ([0-9A-Z]{6})\n")))
      << first.output;
  const std::string seed = told[1], code = told[2], questionnaire = pdf("q.pdf");
  for (const char* n : {"q.pdf", "a.pdf", "c.pdf"}) EXPECT_NE(pdf(n).find("réf. " + code), std::string::npos) << n;
  EXPECT_NE(questionnaire.find("Question N°60"), questionnaire.rfind("Question N°60"));  // two copies

  const Outcome again = print("--seed " + seed + " " + papers);
  ASSERT_EQ(again.status, 0) << again.output;
  EXPECT_NE(again.output.find("Référence des papiers : " + code + "\n"), std::string::npos) << again.output;
  EXPECT_EQ(pdf("q.pdf"), questionnaire);
}

// Refused: exit status 2 and a French message; a file that cannot be
// written: 1, told by the tool and not as the window tells of a printer.
// Help needs no document, and lists the exams with the sizes each offers.
TEST_F(PrintCommand, RefusesWhatItCannotDoWithAMessageAndItsExitStatus) {
  for (const auto& [arguments, status, message] : std::vector<std::tuple<std::string, int, std::string>>{
           {"--exam 12 --correction x.pdf", 2, "--exam attend un numéro d'examen de 1 à 11."},
           {"--copies 0 --correction x.pdf", 2, "--copies attend un nombre d'exemplaires de 1 à 100."},
           {"--copies 101 --correction x.pdf", 2, "--copies attend un nombre d'exemplaires de 1 à 100."},
           {"--size 50 --correction x.pdf", 2, "--size attend 20, 30, 40 ou 60 questions."},
           {"--seed -1 --correction x.pdf", 2, "--seed attend un nombre entier positif."},
           {"--couleur rouge", 2, "Option inconnue : --couleur (voir --help)."},
           {"q.pdf", 2, "Argument inattendu : q.pdf (voir --help)."},
           {"--correction", 2, "--correction attend une valeur."},
           {"--exam 7", 2,
            "Aucun document demandé : indiquez au moins --questionnaire, --answer-sheets, --correction ou "
            "--error-report."},
           {"--exam 4 --size 20 --correction x.pdf", 2, "l'examen 4 propose 40 questions, pas 20."},
           {"--exam 8 --size 60 --correction x.pdf", 2, "l'examen 8 propose 20 ou 30 questions, pas 60."},
           {"--exam 4 --include-lower --correction x.pdf", 2, "cet examen n'a pas de QCMs inférieurs à inclure."},
           {"--user Personne --error-report x.pdf", 2, "l'utilisateur Personne n'a pas de profil"},
           {"--correction /proc/ventelle/c.pdf", 1,
            "ventelle-print : le fichier /proc/ventelle/c.pdf n'a pas pu être écrit (dossier introuvable ou protégé en "
            "écriture, ou disque plein).\n"},
           {"--help", 0, "\n   4  QCM ULM - DGAC : 40 questions\n   5  QCM Vol à Voile - DGAC : 60 questions\n"}}) {
    const Outcome refused = print(arguments);
    EXPECT_EQ(refused.status, status) << arguments;
    EXPECT_NE(refused.output.find(message), std::string::npos) << refused.output;
    EXPECT_EQ(refused.output.find("imprim"), std::string::npos) << refused.output;
  }
}

// A user's papers are those of the user's exam, options and lower levels,
// unless the command line says otherwise.
TEST_F(PrintCommand, AUserPrintsTheirOwnExamAndOptionsUnlessToldOtherwise) {
  // Lucie: Delta pilot brevet, lower levels included, mistake 27 in its first
  // chapter; Marc: paraglider initial brevet, 30 questions.
  const ProgramFolder folder(program.path());
  const ProfileStore store{folder};
  ErrorLists mistakes;
  mistakes.add({10, 1}, "27");
  store.save("Lucie", "V 6.1,Classique,10,1,1,1,1,1,1,1,1,0,#TRUE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8", mistakes, {});
  store.save("Marc", "V 6.1,Classique,6,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,1,#TRUE#,#TRUE#,,,,,8", {}, {});
  for (const auto& [arguments, shown] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"--user Lucie", {"Delta 2004", "- Brevet de Pilote - QCMs B. Initial inclus", "-Pilote:27",
                             "- brevet de pilote - QCMs cumulés -"}},
           {"--user Lucie --include-lower --no-include-lower", {"- Brevet de Pilote -", "27", "- brevet de pilote -"}},
           {"--user Lucie --exam 7", {"Parapente 2004", "QCM Parapente v2004 (FFVL)"}},
           {"--user Marc", {"- Brevet Initial -", "- brevet initial (30 questions) -"}},
           {"--exam 4 --no-include-lower --seed 18446744073709551615", {"ULM", "- certificat d'aptitude -"}}}) {
    const Outcome done = print(arguments + " --error-report " + out("r.pdf") + " --correction " + out("c.pdf"));
    ASSERT_EQ(done.status, 0) << arguments << "\n" << done.output;
    const std::string papers = pdf("r.pdf") + pdf("c.pdf");
    for (const auto& words : shown) EXPECT_NE(papers.find(words), std::string::npos) << arguments << ": " << words;
  }
}

// Without room for its working copy of the program folder, the tool says so
// and leaves nothing behind.
TEST_F(PrintCommand, AFullDiskBeforeTheWorkingCopyIsMadeIsToldWithExitStatusOne) {
  const TempFolder temporary;
  const Outcome full = run("trap '' XFSZ; ulimit -f 8; TMPDIR='" + temporary.path().string() + "' " +
                           command("--correction " + out("c.pdf")));
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.output.find("la copie de travail du dossier du programme n'a pas pu être faite"), std::string::npos)
      << full.output;
  EXPECT_FALSE(fs::exists(output.path() / "c.pdf"));
  for (const auto& entry : fs::directory_iterator(temporary.path()))
    EXPECT_FALSE(entry.path().filename().string().starts_with("ventelle-print")) << entry.path();
}

}  // namespace
}  // namespace ventelle
