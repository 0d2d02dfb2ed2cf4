// Skins: a skin file is read whole before anything changes, then coloured
// onto every control that takes it; a damaged one changes nothing.
#include <array>
#include <filesystem>
#include <functional>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/model_on_folder.h"
#include "quiz/marking.h"
#include "ui/model_harness.h"
#include "ui/skin/skin_file.h"
#include "ui/window/messages.h"
#include "users/profile_store.h"

namespace ventelle {
namespace {

using SkinLines = std::array<std::string, kSkinValues>;

// Value k of the test skin is 1000 + k; values 2, 4 and 6 name no picture.
// The first value is the largest colour and the last is 0, both allowed.
SkinLines testSkin() {
  SkinLines lines;
  for (int k = 1; k <= kSkinValues; ++k) lines[k - 1] = "valeur " + std::to_string(k) + "=" + std::to_string(1000 + k);
  for (int k : {2, 4, 6}) lines[k - 1] = "image " + std::to_string(k) + "=";
  lines[0] = "fond=16777215";
  lines[15] = "points=0";
  return lines;
}
constexpr Colour kValue(int k) { return k == 1 ? 16777215u : k == 16 ? 0u : 1000u + k; }

std::string fileText(const SkinLines& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

// Enough of a PNG file for the skin reader to take it for a picture.
const std::string kPngBytes = std::string("\x89PNG\r\n\x1A\n", 8) + std::string(24, '\0');

// Every colour and picture a skin can set on the window.
struct Look {
  Colour windowBack;
  std::string windowPicture;
  QuestionButtonDress dress;
  Colour chaptersBack, chaptersText, answersBack, answersText, questionText, numberText, labelsText;
  std::array<std::pair<Colour, Colour>, kChapterBoxes + 1> partie;
  std::array<std::pair<Colour, Colour>, kMaxAnswers + 1> check;
  bool operator==(const Look&) const = default;
};

Look lookOf(const WindowControls& c) {
  Look look{c.windowBack,  c.windowPicture, c.question.dress, c.chaptersBack, c.chaptersText, c.answersBack,
            c.answersText, c.questionText,  c.numberText,     c.labelsText,   {},             {}};
  for (int k = 1; k <= kChapterBoxes; ++k) look.partie[k] = {c.partie[k].back, c.partie[k].text};
  for (int k = 1; k <= kMaxAnswers; ++k) look.check[k] = {c.check[k].back, c.check[k].text};
  return look;
}

// The "&Affichage" item of that caption.
std::string skinItem(const WindowControls& c, const std::string& caption) {
  for (const auto& entry : c.menus.order())
    if (entry.parent == "mnuAffichage" && c.menus.at(entry.name).caption == caption) return entry.name;
  ADD_FAILURE() << "no skin item " << caption;
  return {};
}

void chooseSkin(MainWindowModel& model, const std::string& caption) {
  model.menuCommand(skinItem(model.controls(), caption));
}

// The model on the small test bank, with the test skin "essai" and the
// other skins given, started on question A of chapter 1.
struct SkinHarness : ModelHarness {
  explicit SkinHarness(const std::vector<std::pair<std::string, SkinLines>>& skins = {}) {
    folder.write("skin/essai.col", fileText(testSkin()));
    for (const auto& [name, lines] : skins) folder.write("skin/" + name + ".col", fileText(lines));
    start(1, 1);
  }
};

TEST(Skin, EveryValueReachesItsControlsWhateverTheCommentsAndBlankLines) {
  SkinLines lines = testSkin();
  for (int k : {0, 5, 11}) lines[k] = "\n; commentaire " + std::to_string(k) + "\n\n   \n" + lines[k];
  lines[9] = "sans clé ni signe égal\n" + lines[9];  // the whole line is the value: not a colour
  SkinHarness h({{"commentee", lines}});
  chooseSkin(h.model, "commentee");
  ASSERT_EQ(h.dialogs.shown.size(), 1u) << "the line without a key shifts the values";
  EXPECT_NE(h.dialogs.shown[0].text.find("sa valeur n° 10 (« sans clé ni signe égal »)"), std::string::npos);

  lines[9] = testSkin()[9];
  h.folder.write("skin/commentee.col", fileText(lines) + "; fin\n\nen trop=x\n");
  h.dialogs.shown.clear();
  chooseSkin(h.model, "commentee");
  EXPECT_TRUE(h.dialogs.shown.empty());
  EXPECT_EQ(h.model.skinName(), "commentee");

  const WindowControls& c = h.controls();
  EXPECT_EQ(c.windowBack, kValue(1));
  EXPECT_EQ(c.windowPicture, "");
  EXPECT_EQ(c.question.dress.back(tags::kQuestion), kValue(3));
  EXPECT_EQ(c.question.dress.back(tags::kEvaluation), kValue(5));
  EXPECT_EQ(c.question.dress.back(tags::kButtons), kValue(5));
  EXPECT_EQ(c.question.dress.back(tags::kBackToQuestionnaire), kValue(13));
  EXPECT_EQ(c.question.dress.shownCaption(c.question.tag, c.question.caption), "Evaluation");
  EXPECT_EQ(std::pair(c.chaptersBack, c.chaptersText), std::pair(kValue(7), kValue(8)));
  for (int k = 2; k <= 8; ++k) EXPECT_EQ(std::pair(c.partie[k].back, c.partie[k].text), std::pair(kValue(7), kValue(8)));
  // The question on screen is of chapter 1.
  EXPECT_EQ(std::pair(c.partie[1].back, c.partie[1].text), std::pair(kValue(9), kValue(10)));
  EXPECT_EQ(c.questionText, kValue(11));
  EXPECT_EQ(c.numberText, kValue(12));
  EXPECT_EQ(std::pair(c.answersBack, c.answersText), std::pair(kValue(13), kValue(14)));
  for (int k = 1; k <= kMaxAnswers; ++k)
    EXPECT_EQ(std::pair(c.check[k].back, c.check[k].text), std::pair(kValue(13), kValue(14)));
  EXPECT_EQ(c.labelsText, kValue(16));

  // The next question's chapter and answers are drawn in the skin's colours.
  h.mark({"Juste"});
  h.next(2, 1);
  EXPECT_EQ(std::pair(c.partie[1].back, c.partie[1].text), std::pair(kValue(7), kValue(8)));
  EXPECT_EQ(std::pair(c.partie[2].back, c.partie[2].text), std::pair(kValue(9), kValue(10)));
  for (int k = 1; k <= 2; ++k)
    EXPECT_EQ(std::pair(c.check[k].back, c.check[k].text), std::pair(kValue(13), kValue(14)));
}

TEST(Skin, MarkedMistakesAreColouredAgainOnTheNewSkin) {
  SkinHarness h;
  h.mark({"Faux"});  // A: Juste 6 left unticked, Faux -2 ticked, Neutre 0
  chooseSkin(h.model, "essai");
  EXPECT_EQ(std::pair(h.box("Faux").back, h.box("Faux").text), std::pair(Colour{49407}, kValue(15)));
  EXPECT_EQ(std::pair(h.box("Juste").back, h.box("Juste").text), std::pair(Colour{255}, kValue(15)));
  EXPECT_EQ(std::pair(h.box("Neutre").back, h.box("Neutre").text), std::pair(kValue(13), kValue(14)));

  h.next(1, 2);  // B: Moitié 3, Autre moitié 3, Erreur -3
  h.mark({"Autre moitié"});
  chooseSkin(h.model, "essai");
  EXPECT_EQ(std::pair(h.box("Moitié").back, h.box("Moitié").text), std::pair(Colour{41215}, kValue(15)));
  EXPECT_EQ(h.box("Autre moitié").back, kValue(13));

  // Not yet marked: a ticked wrong answer is not shown as a mistake.
  h.next(1, 3);  // C: Un -1 .. Cinq -5
  h.tick("Deux");
  chooseSkin(h.model, "essai");
  EXPECT_EQ(std::pair(h.box("Deux").back, h.box("Deux").text), std::pair(kValue(13), kValue(14)));
}

TEST(Skin, AMarkedFullQuestionnaireKeepsItsCorrectionOnTheNewSkin) {
  SkinHarness h;
  h.onlyChapter(8);  // one question: "1" {Six 6, Zéro 0}
  h.queueQuestion(8, 1);
  h.queueQuestion(8, 1);
  h.model.menuCommand("mnuEvaluation");
  const int buttons = static_cast<int>(h.controls().bouton.size());
  for (int k = 1; k <= buttons; ++k) {
    if (h.model.quiz().questionRecords[k - 1].nbRep == 0) h.queueQuestion(8, 1);
    h.model.boutonClick(k);
    h.tick("Zéro");
  }
  h.model.questionClick();
  ASSERT_FALSE(h.controls().question.visible) << "the questionnaire is marked";
  chooseSkin(h.model, "essai");
  EXPECT_EQ(std::pair(h.box("Six").back, h.box("Six").text), std::pair(Colour{255}, kValue(15)));
  EXPECT_EQ(std::pair(h.box("Zéro").back, h.box("Zéro").text), std::pair(kValue(13), kValue(14)));
}

TEST(Skin, ABackgroundPictureKeepsTheColourBehindIt) {
  SkinLines ciel = testSkin();
  ciel[0] = "fond=5555";
  ciel[1] = "image de fond=Ciel.PNG";  // the file is ciel.png: names are matched without regard to case
  SkinHarness h({{"ciel", ciel}});
  h.folder.writeBytes("skin/ciel.png", kPngBytes);
  chooseSkin(h.model, "essai");
  chooseSkin(h.model, "ciel");
  EXPECT_TRUE(h.dialogs.shown.empty());
  EXPECT_EQ(h.controls().windowPicture, (h.folder.path() / "skin" / "ciel.png").string());
  EXPECT_EQ(h.controls().windowBack, kValue(1));

  chooseSkin(h.model, "essai");
  EXPECT_EQ(h.controls().windowPicture, "");
  EXPECT_EQ(h.controls().windowBack, kValue(1));
}

// Pictures for the two states of the Question button, or a picture for one
// and a colour for the other: each state shows its own.
TEST(Skin, TheQuestionButtonShowsTheDressOfEachStateItTakes) {
  SkinLines dessine = testSkin(), mixte = testSkin();
  dessine[3] = "image suivante=suivante.gif";
  dessine[5] = "image evaluation=note.jpg";
  mixte[3] = "image suivante=suivante.gif";
  SkinHarness h({{"dessine", dessine}, {"mixte", mixte}});
  h.folder.writeBytes("skin/suivante.gif", "GIF89a" + std::string(20, '\0'));
  h.folder.writeBytes("skin/note.jpg", std::string("\xFF\xD8\xFF\xE0", 4) + std::string(20, '\0'));
  const std::string suivante = (h.folder.path() / "skin" / "suivante.gif").string();
  const std::string note = (h.folder.path() / "skin" / "note.jpg").string();
  const QuestionButton& button = h.controls().question;
  auto shown = [&button] {
    return std::pair(button.dress.picture(button.tag), button.dress.shownCaption(button.tag, button.caption));
  };

  chooseSkin(h.model, "dessine");
  EXPECT_EQ(shown(), std::pair(note, std::string()));
  h.mark({"Juste"});
  EXPECT_EQ(shown(), std::pair(suivante, std::string()));
  h.next(1, 2);
  EXPECT_EQ(shown(), std::pair(note, std::string()));

  chooseSkin(h.model, "mixte");
  EXPECT_EQ(shown(), std::pair(std::string(), std::string("Evaluation")));
  EXPECT_EQ(button.dress.back(button.tag), kValue(5));
  h.mark({"Moitié"});
  EXPECT_EQ(shown(), std::pair(suivante, std::string()));
  h.next(1, 3);
  EXPECT_EQ(shown(), std::pair(std::string(), std::string("Evaluation")));

  chooseSkin(h.model, "essai");
  h.mark({"Un"});
  EXPECT_EQ(shown(), std::pair(std::string(), std::string("Question Suivante")));
  EXPECT_EQ(button.dress.back(button.tag), kValue(3));
}

// A damaged skin file: each leaves every control as it was.
struct DamagedSkin {
  std::string what;
  std::function<void(SkinLines&)> damage;  // the test skin made wrong; nothing: no file at all
  std::string message;                     // what the user is told, choosing it in the menu
};

void PrintTo(const DamagedSkin& skin, std::ostream* out) { *out << skin.what; }

const std::string kFile = "Le fichier d'habillage skin/abime.col ";
const std::string kKept = " L'affichage reste inchangé.";
const std::string kNotAColour = " n'est pas une couleur, c'est-à-dire un nombre entier de 0 à 16777215." + kKept;

std::vector<DamagedSkin> damagedSkins() {
  return {
      {"no file", nullptr, kFile + "est introuvable ou illisible." + kKept},
      {"fifteen values", [](SkinLines& l) { l[15] = "; plus de points"; },
       kFile + "ne contient que 15 valeurs sur les 16 attendues." + kKept},
      {"no value", [](SkinLines& l) { l.fill(";"); }, kFile + "ne contient aucune valeur sur les 16 attendues." + kKept},
      {"a line lost: picture names shift into colours", [](SkinLines& l) { l[1] = ""; },
       kFile + "est endommagé : sa valeur n° 3 est vide au lieu d'une couleur." + kKept},
      {"a word for a colour", [](SkinLines& l) { l[6] = "chapitres=bleu"; },
       kFile + "est endommagé : sa valeur n° 7 (« bleu »)" + kNotAColour},
      {"a colour too large", [](SkinLines& l) { l[15] = "points=16777216"; },
       kFile + "est endommagé : sa valeur n° 16 (« 16777216 »)" + kNotAColour},
      {"a negative colour", [](SkinLines& l) { l[0] = "fond=-1"; },
       kFile + "est endommagé : sa valeur n° 1 (« -1 »)" + kNotAColour},
      {"a colour with a fraction", [](SkinLines& l) { l[12] = "réponses=12.5"; },
       kFile + "est endommagé : sa valeur n° 13 (« 12.5 »)" + kNotAColour},
      {"a missing picture", [](SkinLines& l) { l[1] = "fond=absente.png"; },
       "L'image skin/absente.png nommée par le fichier d'habillage skin/abime.col est introuvable ou n'est pas une "
       "image GIF, JPEG, PNG ou BMP." + kKept},
      {"a text file for a picture", [](SkinLines& l) { l[3] = "suivante=texte.png"; },
       "L'image skin/texte.png nommée par le fichier d'habillage skin/abime.col est introuvable ou n'est pas une "
       "image GIF, JPEG, PNG ou BMP." + kKept},
      {"a picture above the skin folder", [](SkinLines& l) { l[5] = "evaluation=../dehors.png"; },
       kFile + "nomme l'image « ../dehors.png », qui n'est pas un fichier du dossier skin." + kKept},
      {"a picture anywhere on the disk", [](SkinLines& l) { l[5] = "evaluation=/dehors.png"; },
       kFile + "nomme l'image « /dehors.png », qui n'est pas un fichier du dossier skin." + kKept},
      {"a picture with a backslash", [](SkinLines& l) { l[1] = "fond=..\\dehors.png"; },
       kFile + "nomme l'image « ..\\dehors.png », qui n'est pas un fichier du dossier skin." + kKept},
      {"a picture in quotes", [](SkinLines& l) { l[1] = "fond=\"ciel.png\""; },
       kFile + "nomme l'image « \"ciel.png\" », qui n'est pas un fichier du dossier skin." + kKept},
  };
}

class DamagedSkinTest : public ::testing::TestWithParam<DamagedSkin> {
 protected:
  // Starts with a sound skin "abime", then damages it as the row says,
  // with pictures about that a damaged line might name.
  DamagedSkinTest() : h({{"abime", testSkin()}}) {
    std::filesystem::remove(h.folder.path() / "skin" / "abime.col");
    if (GetParam().damage) {
      SkinLines lines = testSkin();
      GetParam().damage(lines);
      h.folder.write("skin/abime.col", fileText(lines));
    }
    h.folder.write("skin/texte.png", "ceci n'est pas une image\n");
    h.folder.writeBytes("skin/ciel.png", kPngBytes);
    h.folder.writeBytes("dehors.png", kPngBytes);
    chooseSkin(h.model, "essai");
  }

  SkinHarness h;
};

TEST_P(DamagedSkinTest, ChosenInTheMenuChangesNothingAndIsToldOnce) {
  h.mark({"Faux"});  // the mistake colours stay too
  const Look before = lookOf(h.controls());
  chooseSkin(h.model, "abime");
  EXPECT_EQ(lookOf(h.controls()), before);
  EXPECT_EQ(h.model.skinName(), "essai");
  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(h.dialogs.shown[0].title, "Attention !");
  EXPECT_EQ(h.dialogs.shown[0].text, GetParam().message);
}

// A profile, a game question among them, that names the damaged skin.
TEST_P(DamagedSkinTest, NamedByAProfileChangesNothingAndSaysNothing) {
  const Look before = lookOf(h.controls());
  TextLines profile = defaultProfileLines();
  profile.front() = "V 6.1,abime,7,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,0";
  h.folder.writeBytes("parapente.ini", profileBytes(profile));
  h.queueQuestion(1, 1);  // the same question A comes back
  h.model.menuCommand("mnuReprendre");
  EXPECT_EQ(lookOf(h.controls()), before);
  EXPECT_TRUE(h.dialogs.shown.empty());
  EXPECT_EQ(h.model.skinName(), "abime") << "the user's choice is kept for the day the file is mended";
}

INSTANTIATE_TEST_SUITE_P(Skin, DamagedSkinTest, ::testing::ValuesIn(damagedSkins()),
                         [](const auto& info) { return "Row" + std::to_string(info.index); });

// Nothing outside the skin folder is read, whatever the name asks for.
TEST(SkinName, ANameThatWouldLeaveTheSkinFolderIsRefused) {
  TempFolder folder;
  folder.write("essai.col", fileText(testSkin()));
  folder.write("skin/essai.col", fileText(testSkin()));
  const ProgramFolder programFolder(folder.path());
  for (const char* name : {"../essai", "..", "./../essai", "skin/essai", "..\\essai", "\"essai\"", "c:essai", ""}) {
    const SkinRead read = readSkin(programFolder, name);
    ASSERT_TRUE(std::holds_alternative<SkinFault>(read)) << name;
    EXPECT_EQ(std::get<SkinFault>(read).kind, SkinFaultKind::RefusedName) << name;
  }
  EXPECT_TRUE(std::holds_alternative<Skin>(readSkin(programFolder, "ESSAI")));
}

TEST(ShippedSkins, ClassiqueHoldsTheBuiltInLookThatStartUpShows) {
  const ProgramFolder shipped(VENTELLE_DATA_DIR);
  const SkinRead classique = readSkin(shipped, "Classique");  // the default profile's spelling
  ASSERT_TRUE(std::holds_alternative<Skin>(classique));
  EXPECT_EQ(std::get<Skin>(classique), Skin{});

  ModelOnFolder f;
  const Look builtIn = lookOf(f.model.controls());
  f.model.start();
  EXPECT_EQ(f.model.skinName(), "Classique");
  EXPECT_TRUE(f.dialogs.shown.empty());
  EXPECT_EQ(f.model.controls().windowBack, builtIn.windowBack);
  EXPECT_EQ(f.model.controls().question.dress, builtIn.dress);
  std::vector<std::string> listed;
  for (const auto& entry : f.model.controls().menus.order())
    if (entry.parent == "mnuAffichage") listed.push_back(f.model.controls().menus.at(entry.name).caption);
  EXPECT_EQ(listed, (std::vector<std::string>{"ardoise", "classique", "parapente", "prairie"}));
}

// An installed program reads the shipped skins and their pictures from the
// shipped folder, and a user's own skin from the user's folder.
TEST(ShippedSkins, AnInstalledProgramDressesTheWindowFromBothFolders) {
  TempFolder user;
  user.writeBytes("skin/maison.col", "");
  std::filesystem::copy_file(std::filesystem::path(VENTELLE_DATA_DIR) / "skin" / "parapente.col",
                             user.path() / "skin" / "maison.col", std::filesystem::copy_options::overwrite_existing);
  const ProgramFolder folder(user.path(), VENTELLE_DATA_DIR);
  for (const char* name : {"parapente", "maison"}) {
    const SkinRead read = readSkin(folder, name);
    ASSERT_TRUE(std::holds_alternative<Skin>(read)) << name;
    const Skin& skin = std::get<Skin>(read);
    EXPECT_TRUE(std::filesystem::is_regular_file(skin.windowPicture)) << name;
    EXPECT_TRUE(std::filesystem::is_regular_file(skin.questionPicture)) << name;
  }
}

// WCAG contrast ratio of two colours 0x00BBGGRR, from 1 (none) to 21.
double contrast(Colour a, Colour b) {
  auto luminance = [](Colour c) {
    auto channel = [](unsigned v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel((c >> 16) & 0xFF);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Value 1 stands for the window behind every text, picture or not: a skin
// with a background picture gives its main tone there. Texts the skin does
// not colour (the score values, the button captions) are black.
TEST(ShippedSkins, EveryOneReadsWholeAndEveryTextStandsOutFromItsGround) {
  constexpr Colour kBlack = 0;
  constexpr double kText = 4.5;     // ordinary text
  constexpr double kSignal = 3.0;   // text over the yellow-to-red of a mistake
  const ProgramFolder shipped(VENTELLE_DATA_DIR);
  const auto files = shipped.listFiles("skin", ".col");
  ASSERT_GE(files.size(), 4u);
  for (const auto& file : files) {
    const std::string name = file.substr(0, file.size() - 4);
    SCOPED_TRACE(name);
    const SkinRead read = readSkin(shipped, name);
    ASSERT_TRUE(std::holds_alternative<Skin>(read));
    const SkinColours& s = std::get<Skin>(read).colours;
    for (const auto& [what, text, ground] : std::vector<std::tuple<std::string, Colour, Colour>>{
             {"question", s.questionText, s.windowBack},
             {"number", s.numberText, s.windowBack},
             {"score captions", s.labelsText, s.windowBack},
             {"score values", kBlack, s.windowBack},
             {"chapters", s.chapterText, s.chapterBack},
             {"drawn chapter", s.drawnChapterText, s.drawnChapterBack},
             {"answers", s.answerText, s.answerBack},
             {"Question Suivante", kBlack, s.questionButton},
             {"Evaluation", kBlack, s.evaluationButton},
             {"Retour au Questionnaire", kBlack, s.answerBack}})
      EXPECT_GE(contrast(text, ground), kText) << what;
    for (int weight = 1; weight <= 6; ++weight)
      EXPECT_GE(contrast(s.mistakeText, *mistakeColour(weight)), kSignal) << "mistake of weight " << weight;
    EXPECT_GE(contrast(s.mistakeText, s.answerBack), kText) << "a mistake of a weight beyond 6";
  }
}

TEST(SkinProfile, TheChosenSkinIsSavedAndEachLoadedProfileBringsItsOwn) {
  ModelOnFolder f;
  f.model.start();
  chooseSkin(f.model, "ardoise");
  f.model.menuCommand("mnuEnregistrer");
  f.dialogs.shown.clear();  // the default user's notice
  const auto saved = readTextFile(f.folder.path() / "parapente.ini");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->front().rfind("\"V 6.1\",\"ardoise\",", 0), 0u) << saved->front();

  TextLines jean = defaultProfileLines();
  jean.front() = "V 6.1,Prairie,7,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,8";
  f.folder.writeBytes("Jean.ini", profileBytes(jean));
  f.model.loadUser("Jean");
  EXPECT_EQ(f.model.skinName(), "Prairie");
  const auto prairie = std::get<Skin>(readSkin(ProgramFolder(f.folder.path()), "prairie"));
  EXPECT_EQ(f.model.controls().windowBack, prairie.colours.windowBack);
  EXPECT_EQ(f.model.controls().answersBack, prairie.colours.answerBack);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

// Each question of the goose game loads the default profile rewritten with
// the skin "parapente".
TEST(SkinProfile, TheGooseGamesProfileDressesTheWindowInParapente) {
  ModelOnFolder f;
  f.model.start();
  TextLines game = defaultProfileLines();
  game.front() = "V 6.1,parapente,2,1,0,0,0,0,0,0,0,0,#FALSE#,0,0,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",0";
  f.folder.writeBytes("parapente.ini", profileBytes(game));
  f.model.menuCommand("mnuReprendre");
  const WindowControls& c = f.model.controls();
  EXPECT_TRUE(f.dialogs.shown.empty());
  EXPECT_EQ(f.model.examIndex(), 2);
  EXPECT_EQ(c.windowPicture, (f.folder.path() / "skin" / "parapente-fond.png").string());
  EXPECT_EQ(c.question.dress.picture(c.question.tag), (f.folder.path() / "skin" / "parapente-evaluation.png").string());
  EXPECT_EQ(c.question.dress.picture(tags::kQuestion), (f.folder.path() / "skin" / "parapente-question.png").string());
}

}  // namespace
}  // namespace ventelle
