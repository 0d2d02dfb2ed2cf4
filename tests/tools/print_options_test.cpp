#include "print_options.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

using Arguments = std::vector<std::string>;

TEST(PrintOptions, ReadsEveryOption) {
  const auto parsed = parsePrintOptions({"--exam", "10", "--seed", "18446744073709551615", "--copies", "100",
                                         "--size", "30", "--include-lower", "--folder", "banques", "--questionnaire",
                                         "q.pdf", "--answer-sheets", "a.pdf", "--correction", "c.pdf", "--user",
                                         "Lucie", "--error-report", "r.pdf"});
  ASSERT_TRUE(std::holds_alternative<PrintOptions>(parsed)) << std::get<std::string>(parsed);
  const auto& o = std::get<PrintOptions>(parsed);
  EXPECT_EQ(o.exam, 10);
  EXPECT_EQ(o.seed, 18446744073709551615ull);
  EXPECT_EQ(o.copies, 100);
  EXPECT_EQ(o.size, 30);
  EXPECT_EQ(o.includeLower, true);
  EXPECT_EQ(o.folder, std::filesystem::path("banques"));
  EXPECT_EQ(o.questionnaire, std::filesystem::path("q.pdf"));
  EXPECT_EQ(o.answerSheets, std::filesystem::path("a.pdf"));
  EXPECT_EQ(o.correction, std::filesystem::path("c.pdf"));
  EXPECT_EQ(o.user, "Lucie");
  EXPECT_EQ(o.errorReport, std::filesystem::path("r.pdf"));
}

TEST(PrintOptions, WhatIsNotGivenIsLeftToTheUserOrTheProgram) {
  const auto parsed = parsePrintOptions({"--correction", "c.pdf"});
  ASSERT_TRUE(std::holds_alternative<PrintOptions>(parsed));
  const auto& o = std::get<PrintOptions>(parsed);
  EXPECT_EQ(o.exam, std::nullopt);
  EXPECT_EQ(o.size, std::nullopt);
  EXPECT_EQ(o.includeLower, std::nullopt);
  EXPECT_EQ(o.seed, std::nullopt);

  // The last word wins, so a script's default can be overridden.
  const auto off = parsePrintOptions({"--include-lower", "--no-include-lower", "--size", "40", "--correction", "c.pdf"});
  ASSERT_TRUE(std::holds_alternative<PrintOptions>(off));
  EXPECT_EQ(std::get<PrintOptions>(off).includeLower, false);
  EXPECT_EQ(std::get<PrintOptions>(off).size, 40);
}

TEST(PrintOptions, RefusesWhatIsWrongWithAFrenchMessage) {
  for (const auto& [arguments, message] : std::vector<std::pair<Arguments, std::string>>{
           {{"--exam", "12", "--correction", "c.pdf"}, "--exam attend un numéro d'examen de 1 à 11."},
           {{"--exam", "7x", "--correction", "c.pdf"}, "--exam attend un numéro d'examen de 1 à 11."},
           {{"--copies", "0", "--correction", "c.pdf"}, "--copies attend un nombre d'exemplaires de 1 à 100."},
           {{"--copies", "101", "--correction", "c.pdf"}, "--copies attend un nombre d'exemplaires de 1 à 100."},
           {{"--size", "50", "--correction", "c.pdf"}, "--size attend 20, 30, 40 ou 60 questions."},
           {{"--seed", "-1", "--correction", "c.pdf"}, "--seed attend un nombre entier positif."},
           {{"--couleur", "rouge"}, "Option inconnue : --couleur (voir --help)."},
           {{"q.pdf"}, "Argument inattendu : q.pdf (voir --help)."},
           {{"--correction"}, "--correction attend une valeur."},
           {{"--exam", "7"},
            "Aucun document demandé : indiquez au moins --questionnaire, --answer-sheets, --correction ou "
            "--error-report."}}) {
    const auto parsed = parsePrintOptions(arguments);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << message;
    EXPECT_EQ(std::get<std::string>(parsed), message);
  }
}

TEST(PrintOptions, HelpNeedsNoDocument) {
  const auto help = parsePrintOptions({"--help"});
  ASSERT_TRUE(std::holds_alternative<PrintOptions>(help));
  EXPECT_TRUE(std::get<PrintOptions>(help).help);
}

TEST(PrintOptions, HelpListsTheElevenExamsWithTheSizesEachOffers) {
  const std::string usage = printUsage();
  for (const char* line : {"\n   1  QCM Le manuel du vol libre - FFVL : 20, 30 ou 60 questions\n",
                           "\n   4  QCM ULM - DGAC : 40 questions\n",
                           "\n  11  QCM 2004 Delta - Brevet Confirmé - FFVL : 20 ou 30 questions\n"})
    EXPECT_NE(usage.find(line), std::string::npos) << line;
  for (int exam = 1; exam <= 11; ++exam)
    EXPECT_NE(usage.find((exam < 10 ? "\n   " : "\n  ") + std::to_string(exam) + "  QCM "), std::string::npos) << exam;
}

}  // namespace
}  // namespace ventelle
