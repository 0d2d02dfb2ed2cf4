#include "ui/help/random_tip.h"

#include <gtest/gtest.h>

#include "fakes/planned_random.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

// Every tip, the last one too, can be drawn whatever follows it; blank and
// comment lines are neither tips nor counted; without a tip nothing is drawn.
TEST(RandomTip, DrawsAmongEveryTipOfTheFile) {
  const std::string three = "Vérifiez la météo.\nFaites la visite prévol.\nÉvitez les cumulonimbus.";
  const struct {
    std::string file, text;
    int r, m;  // the draw queued: r out of m
    std::optional<std::string> tip;
  } cases[] = {
      {"Tip.txt", three, 3, 3, "Évitez les cumulonimbus."},
      {"TIP.TXT", three + "\n\n; fin\n", 3, 3, "Évitez les cumulonimbus."},
      {"Tip.txt", "; Astuces\n\n  Un  \n;deux=2\n   \nTrois", 2, 2, "Trois"},
      {"Tip.txt", "; Astuces\n\n   \n", 1, 1, std::nullopt},
      {"Tip.txt/dossier", "", 1, 1, std::nullopt},
      {"autre.txt", three, 1, 1, std::nullopt},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    folder.write(c.file, c.text);
    PlannedRandom random;
    random.queueDraw(c.r, c.m);
    EXPECT_EQ(drawRandomTip(ProgramFolder(folder.path()), random), c.tip) << c.text;
    EXPECT_EQ(random.pending(), c.tip ? 0u : 1u);
  }
}

}  // namespace
}  // namespace ventelle
