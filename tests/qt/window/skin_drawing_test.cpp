// The shell draws what a skin puts on the main window: its background
// picture and the Question button's picture for each state.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "fakes/model_on_folder.h"
#include "qt/find_child.h"
#include "qt/look/colours.h"
#include "qt/window/main_window.h"
#include "qt/window/skin_drawing.h"

namespace ventelle {
namespace {

class SkinDrawingTest : public ::testing::Test, public ModelOnFolder {
 protected:
  SkinDrawingTest() {
    model.start();
    window.render();
  }
  // The "&Affichage" item of that skin, chosen as the user does.
  void choose(const char* skin) {
    for (const auto& entry : model.controls().menus.order())
      if (entry.parent == "mnuAffichage" && model.controls().menus.at(entry.name).caption == skin)
        findControl<QAction>(window, entry.name.c_str())->trigger();
  }
  QImage picture(const char* file) const { return QImage(QString::fromStdString((folder.path() / "skin" / file).string())); }
  QImage ground() { return window.centralWidget()->palette().brush(QPalette::Window).textureImage(); }
  QPushButton* button() { return findControl<QPushButton>(window, "Question"); }
  QImage buttonPicture() { return button()->icon().pixmap(QSize(138, 36)).toImage(); }

  MainWindow window{model};
};

TEST_F(SkinDrawingTest, PicturesOfTheSkinAreDrawnAndGoWithAPlainSkin) {
  choose("parapente");
  const QImage sky = picture("parapente-fond.png");
  ASSERT_FALSE(sky.isNull());
  ASSERT_FALSE(ground().isNull());
  for (const QPoint point : {QPoint(5, 5), QPoint(300, 560), QPoint(600, 580)})
    EXPECT_EQ(ground().pixel(point), sky.pixel(point)) << point.x() << "," << point.y();
  EXPECT_TRUE(button()->text().isEmpty());
  EXPECT_EQ(buttonPicture().pixel(69, 4), picture("parapente-evaluation.png").pixel(69, 4));

  QTest::mouseClick(button(), Qt::LeftButton);  // marked: the button leads to the next question
  EXPECT_TRUE(button()->text().isEmpty());
  EXPECT_EQ(buttonPicture().pixel(69, 4), picture("parapente-question.png").pixel(69, 4));

  choose("classique");
  EXPECT_TRUE(ground().isNull());
  EXPECT_EQ(window.centralWidget()->palette().color(QPalette::Window), toQColor(SkinColours{}.windowBack));
  EXPECT_EQ(button()->text(), QStringLiteral("Question Suivante"));
  EXPECT_TRUE(button()->icon().isNull());
}

TEST(QuestionButtonDrawing, ALongCaptionIsMadeSmallerToBeReadWhole) {
  QWidget parent;
  QPushButton button(&parent);
  button.setGeometry(0, 0, 142, 40);
  QuestionButton model;
  model.tag = tags::kBackToQuestionnaire;
  model.caption = "Retour au Questionnaire";
  drawQuestionButton(button, model);
  EXPECT_EQ(button.text(), QStringLiteral("Retour au Questionnaire"));
  EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()), button.width() - 10);
  model.tag = tags::kEvaluation;
  model.caption = "Evaluation";
  drawQuestionButton(button, model);
  EXPECT_EQ(button.font().pointSizeF(), parent.font().pointSizeF());
}

}  // namespace
}  // namespace ventelle
