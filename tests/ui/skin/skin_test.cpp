// Skins: a skin file is read whole before anything changes, then coloured
// onto every control that takes it; a damaged one changes nothing.
#include <gtest/gtest.h>

#include "ui/model_harness.h"
#include "ui/skin/skin_file.h"
#include "users/profile_store.h"

namespace ventelle {
namespace {

using SkinLines = std::array<std::string, kSkinValues>;

// Value k of the test skin is 1000 + k; values 2, 4 and 6 name no picture.
SkinLines testSkin() {
  SkinLines lines;
  for (int k = 1; k <= kSkinValues; ++k) lines[k - 1] = "valeur " + std::to_string(k) + "=" + std::to_string(1000 + k);
  for (int k : {2, 4, 6}) lines[k - 1] = "image " + std::to_string(k) + "=";
  lines[0] = "fond=16777215";  // the largest colour and 0 are allowed
  lines[15] = "points=0";
  return lines;
}
constexpr Colour kValue(int k) { return k == 1 ? 16777215u : k == 16 ? 0u : 1000u + k; }

std::string fileText(const SkinLines& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

void chooseSkin(MainWindowModel& model, const std::string& caption) {
  for (const auto& entry : model.controls().menus.order())
    if (entry.parent == "mnuAffichage" && model.controls().menus.at(entry.name).caption == caption)
      model.menuCommand(entry.name);
}

// Every colour and picture a skin can set on the window.
auto lookOf(const WindowControls& c) {
  std::vector<Colour> colours{c.windowBack, c.chaptersBack, c.chaptersText, c.answersBack, c.answersText,
                              c.questionText, c.numberText, c.labelsText};
  for (int k = 1; k <= kChapterBoxes; ++k) colours.insert(colours.end(), {c.partie[k].back, c.partie[k].text});
  for (int k = 1; k <= kMaxAnswers; ++k) colours.insert(colours.end(), {c.check[k].back, c.check[k].text});
  return std::tuple(colours, c.windowPicture, c.question.dress);
}

TEST(Skin, EveryValueReachesItsControlsWhateverTheCommentsAndBlankLines) {
  ModelHarness h;
  SkinLines lines = testSkin();
  for (int k : {0, 5, 11}) lines[k] = "\n; commentaire\n\n   \n" + lines[k];
  h.folder.write("skin/essai.col", fileText(lines) + "; fin\n\nen trop=x\n");
  h.start(1, 1);
  h.mark({"Faux"});  // A: Juste 6 left unticked, Faux -2 ticked: both mistakes
  chooseSkin(h.model, "essai");
  EXPECT_TRUE(h.dialogs.shown.empty());
  const WindowControls& c = h.controls();
  const std::vector<std::pair<Colour, int>> shown = {
      {c.windowBack, 1}, {c.question.dress.back(tags::kQuestion), 3}, {c.question.dress.back(tags::kEvaluation), 5},
      {c.question.dress.back(tags::kBackToQuestionnaire), 13}, {c.chaptersBack, 7}, {c.partie[2].text, 8},
      {c.partie[1].back, 9}, {c.partie[1].text, 10}, {c.questionText, 11}, {c.numberText, 12}, {c.answersBack, 13},
      {c.answersText, 14}, {h.box("Neutre").text, 14}, {h.box("Faux").text, 15}, {c.labelsText, 16}};
  for (const auto& [colour, value] : shown) EXPECT_EQ(colour, kValue(value)) << "value " << value;
  EXPECT_EQ(std::pair(h.box("Faux").back, h.box("Juste").back), std::pair(Colour{49407}, Colour{255}));
  EXPECT_EQ(c.windowPicture, "");
}

// A damaged skin file, chosen in the menu, leaves every control as it was
// and is told once.
TEST(Skin, ADamagedSkinChangesNothing) {
  const std::string kFile = "Le fichier d'habillage skin/abime.col ";
  const std::tuple<int, std::string, std::string> rows[] = {  // the line replaced (-1: no file), by what; what is told
      {-1, "", kFile + "est introuvable ou illisible."},
      {15, "; plus de points", kFile + "ne contient que 15 valeurs sur les 16 attendues."},
      {1, "", kFile + "est endommagé : sa valeur n° 3 est vide au lieu d'une couleur."},
      {6, "chapitres=bleu", kFile + "est endommagé : sa valeur n° 7 (« bleu ») n'est pas une couleur, c'est-à-dire "
                                    "un nombre entier de 0 à 16777215."},
      {15, "points=16777216", "sa valeur n° 16 (« 16777216 »)"},  // one past the largest colour
      {3, "suivante=texte.png", "L'image skin/texte.png nommée par le fichier d'habillage skin/abime.col est "
                                "introuvable ou n'est pas une image GIF, JPEG, PNG ou BMP."},
      {5, "evaluation=../c.png", kFile + "nomme l'image « ../c.png », qui n'est pas un fichier du dossier skin."},
  };
  for (const auto& [line, text, told] : rows) {
    ModelHarness h;
    SkinLines lines = testSkin();
    if (line >= 0) lines[line] = text;
    h.folder.write("skin/essai.col", fileText(testSkin()));
    h.folder.write("skin/abime.col", line >= 0 ? fileText(lines) : "");
    h.folder.write("skin/texte.png", "ceci n'est pas une image\n");
    h.start(1, 1);
    chooseSkin(h.model, "essai");
    if (line < 0) std::filesystem::remove(h.folder.path() / "skin" / "abime.col");
    h.mark({"Faux"});  // the mistake colours stay too
    auto before = lookOf(h.controls());
    chooseSkin(h.model, "abime");
    EXPECT_EQ(lookOf(h.controls()), before) << told;
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find(told), std::string::npos) << told;
    EXPECT_TRUE(h.dialogs.shown[0].text.ends_with(". L'affichage reste inchangé.")) << told;
  }
}

}  // namespace
}  // namespace ventelle
