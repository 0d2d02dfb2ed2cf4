#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

TEST(QuestionPicture, TakesItsWidthAndAGapFromTheQuestionTextUntilAQuestionWithoutPicture) {
  ModelHarness h;
  h.start();
  h.folder.writeBytes("2004/47i.jpg", tinyJpeg(40, 30));  // 40 pixels: 600 twips

  h.onlyChapter(7);  // its one question, 7i

  const auto& c = h.controls();
  EXPECT_EQ(c.numero, "QCM7.7i");
  EXPECT_EQ(std::filesystem::path(c.picturePath), h.folder.path() / "2004" / "47i.jpg");
  EXPECT_EQ(c.pictureLeft, 8280 - 600);
  EXPECT_EQ(c.labelQuestionWidth, 6855 - 600 - 120);
  EXPECT_TRUE(h.dialogs.shown.empty());

  h.mark({"Six"});
  h.model.chapterBoxClick(8);
  h.queueQuestion(8, 1);
  h.model.questionClick();
  EXPECT_EQ(c.numero, "QCM8.1");
  EXPECT_EQ(c.picturePath, "");
  EXPECT_EQ(c.labelQuestionWidth, 6855);
}

struct FileCase {
  const char* situation;
  std::function<void(const TempFolder&)> prepare;
  bool chapterReadable;
  const char* title;
  const char* text;
};

TEST(FileMessages, MissingOrEmptyChapterAndMissingOrUnreadablePictureAreToldApart) {
  const std::vector<FileCase> cases = {
      {"chapter file missing",
       [](const TempFolder& f) { std::filesystem::remove(f.path() / "2004" / "4Chapitre7.dat"); }, false,
       "Fichier introuvable",
       "Le fichier 2004\\4Chapitre7.dat est introuvable ou illisible : ce chapitre ne peut pas être interrogé."},
      {"chapter file without question", [](const TempFolder& f) { f.write("2004/4Chapitre7.dat", "; rien\n"); },
       false, "Chapitre vide",
       "Le fichier 2004\\4Chapitre7.dat ne contient aucune question : ce chapitre ne peut pas être interrogé."},
      {"picture missing", [](const TempFolder&) {}, true, "Fichier introuvable",
       "L'image 2004\\47i.jpg est introuvable : la question est posée sans son image."},
      {"picture unreadable", [](const TempFolder& f) { f.writeBytes("2004/47i.jpg", "pas une image"); }, true,
       "Image illisible",
       "L'image 2004\\47i.jpg n'est pas une image JPEG lisible : la question est posée sans son image."},
  };
  for (const auto& file : cases) {
    SCOPED_TRACE(file.situation);
    ModelHarness h;
    h.start();
    file.prepare(h.folder);
    h.tickOnly({7});
    if (file.chapterReadable) {
      h.queueQuestion(7, 1);
    } else {
      h.queueChapter(7);  // no place can be drawn
    }

    h.model.menuCommand("mnuReinitialiser");

    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(h.dialogs.shown[0].title, file.title);
    EXPECT_EQ(h.dialogs.shown[0].text, file.text);
    EXPECT_EQ(h.random.pending(), 0u);
    if (!file.chapterReadable) continue;
    EXPECT_EQ(h.controls().numero, "QCM7.7i");  // asked without its picture
    EXPECT_EQ(h.controls().picturePath, "");
    EXPECT_EQ(h.controls().labelQuestionWidth, 6855);
  }
}

TEST(FileMessages, MissingPictureIsToldOnceForAQuestionOfTheFullQuestionnaireHoweverOftenItIsVisited) {
  ModelHarness h;
  h.start();
  h.onlyChapters({3, 7}, 3, 1);
  h.queueQuestion(3, 2);  // the reset on entering the mode
  h.queueQuestion(7, 1);  // button 1
  h.model.menuCommand("mnuEvaluation");
  ASSERT_EQ(h.dialogs.count("L'image 2004\\47i.jpg est introuvable : la question est posée sans son image."), 1);

  h.queueQuestion(3, 3);
  for (const int button : {2, 1, 2, 1}) h.model.boutonClick(button);

  EXPECT_EQ(h.controls().numero, "QCM7.7i");
  EXPECT_EQ(h.dialogs.shown.size(), 1u);
}

// Chapter 2: X carries a lexicon comment, Y a plain one, Z none.
TEST(Paperclip, MarkingShowsTheOneTheCommentCallsForAndTheNextQuestionHidesIt) {
  const std::string plain = "Le vent se renforce l'après-midi.";
  for (const auto& [place, lexiconClip, commentClip] : {std::tuple{1, true, false}, {2, false, true}, {3, false, false}}) {
    SCOPED_TRACE(place);
    ModelHarness h;
    h.setComment(2, 1, "Lex:«Ascendance»");
    h.setComment(2, 2, plain);
    h.start(2, place);
    EXPECT_FALSE(h.controls().tromboneL);
    EXPECT_FALSE(h.controls().trombone);

    h.mark({"Oui"});
    EXPECT_EQ(h.controls().tromboneL, lexiconClip);
    EXPECT_EQ(h.controls().trombone, commentClip);
    EXPECT_EQ(h.model.quiz().lexiconWord, lexiconClip ? "Ascendance" : "");

    h.model.commentClipClick();
    if (commentClip) {
      ASSERT_EQ(h.dialogs.shown.size(), 1u);
      EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Information);
      EXPECT_EQ(h.dialogs.shown[0].title, "Commentaire:");
      EXPECT_EQ(h.dialogs.shown[0].text, plain);
    } else {
      EXPECT_TRUE(h.dialogs.shown.empty());  // a hidden paperclip cannot be pressed
    }

    h.next(1, 1);
    EXPECT_FALSE(h.controls().tromboneL);
    EXPECT_FALSE(h.controls().trombone);
    EXPECT_EQ(h.model.quiz().lexiconWord, "");
  }
}

}  // namespace
}  // namespace ventelle
