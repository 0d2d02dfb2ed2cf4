#include "ui/help/random_tip.h"

#include <gtest/gtest.h>

#include "fakes/planned_random.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

struct TipCase {
  const char* situation;
  std::string file;
  int r, m;  // the draw queued: r out of m
  std::string tip;
};

// Every tip, the last one too, can be drawn whatever follows it; blank and
// comment lines are neither tips nor counted.
TEST(RandomTip, DrawsAmongEveryTipOfTheFile) {
  const std::string three = "Vérifiez la météo.\nFaites la visite prévol.\nÉvitez les cumulonimbus.";
  const TipCase cases[] = {
      {"last tip ends the file", three, 3, 3, "Évitez les cumulonimbus."},
      {"last tip ends its line", three + "\n", 3, 3, "Évitez les cumulonimbus."},
      {"blank line after the last tip", three + "\n\n", 3, 3, "Évitez les cumulonimbus."},
      {"comment after the last tip", three + "\n; fin\n", 3, 3, "Évitez les cumulonimbus."},
      {"first tip", three, 1, 3, "Vérifiez la météo."},
      {"blanks and comments between tips", "; Astuces\n\n  Un  \n;deux=2\n   \nTrois", 2, 2, "Trois"},
      {"one tip alone", "Seule astuce", 1, 1, "Seule astuce"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.situation);
    TempFolder folder;
    folder.write("Tip.txt", c.file);
    PlannedRandom random;
    random.queueDraw(c.r, c.m);

    EXPECT_EQ(drawRandomTip(ProgramFolder(folder.path()), random), c.tip);
    EXPECT_EQ(random.pending(), 0u);
  }
}

TEST(RandomTip, NoTipToShowGivesNothingAndDrawsNothing) {
  const std::pair<const char*, void (*)(const TempFolder&)> cases[] = {
      {"missing file", [](const TempFolder&) {}},
      {"a folder in the file's place", [](const TempFolder& f) { std::filesystem::create_directory(f.path() / "Tip.txt"); }},
      {"empty file", [](const TempFolder& f) { f.write("Tip.txt", ""); }},
      {"only blanks and comments", [](const TempFolder& f) { f.write("Tip.txt", "; Astuces\n\n   \n;fin\n"); }},
  };
  for (const auto& [situation, prepare] : cases) {
    SCOPED_TRACE(situation);
    TempFolder folder;
    prepare(folder);
    PlannedRandom random;
    random.queueDraw(1, 1);

    EXPECT_EQ(drawRandomTip(ProgramFolder(folder.path()), random), std::nullopt);
    EXPECT_EQ(random.pending(), 1u);
  }
}

TEST(RandomTip, FindsTheFileWhateverTheCaseOfItsName) {
  TempFolder folder;
  folder.write("TIP.TXT", "Gardez toujours une marge.");
  PlannedRandom random;

  EXPECT_EQ(drawRandomTip(ProgramFolder(folder.path()), random), "Gardez toujours une marge.");
}

}  // namespace
}  // namespace ventelle
