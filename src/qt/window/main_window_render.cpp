// The main window drawing the model's state after each event.
#include "qt/window/main_window.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt/game/goose_board.h"
#include "qt/help/help_windows.h"
#include "qt/look/accessible_text.h"
#include "qt/look/colours.h"
#include "qt/look/layout_font.h"
#include "qt/window/main_window_places.h"
#include "qt/window/question_area.h"
#include "qt/window/skin_drawing.h"
#include "qt/window/tick_row.h"

namespace ventelle {
namespace {

using namespace main_window_places;

QString q(const std::string& text) { return QString::fromStdString(text); }

// The wing mark: a paraglider canopy or a hang-glider's delta; crossed out
// while the mouse is over it, since a click passes the question.
QIcon wingIcon(char mark, bool crossed) {
  QPixmap pixmap(40, 26);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(30, 60, 140), 2));
  if (mark == 'P') {
    QPainterPath canopy;
    canopy.moveTo(3, 12);
    canopy.quadTo(20, -4, 37, 12);
    painter.drawPath(canopy);
    painter.drawLine(5, 12, 20, 23);
    painter.drawLine(35, 12, 20, 23);
    painter.drawEllipse(QPointF(20, 23), 2, 2);
  } else {
    painter.setBrush(QColor(200, 60, 40));
    painter.drawPolygon(QPolygonF({QPointF(20, 3), QPointF(3, 18), QPointF(37, 18)}));
    painter.drawLine(20, 18, 20, 24);
  }
  if (crossed) {
    painter.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(6, 3, 34, 23);
    painter.drawLine(34, 3, 6, 23);
  }
  return QIcon(pixmap);
}

}  // namespace

void MainWindow::render() {
  const WindowControls& c = model_.controls();
  setWindowTitle(q(c.title));
  drawWindowBackground(*centralWidget(), c);
  renderQuestionArea();
  renderAnswers();
  renderScore();
  renderChapters();
  renderButtons();
  renderMenus();
  renderErrorPanel();
  renderGame();
  help_->render();
  applyAccessibleTexts();
}

// The board is made when a game opens and goes with all its pieces when it
// closes; only the menu closes a game, so no piece of the board is running.
void MainWindow::renderGame() {
  setFixedWidth(model_.controls().windowWidth / kTwipsPerPixel);
  const bool open = model_.game().isOpen();
  if (open && !board_) {
    board_ = std::make_unique<GooseBoard>(model_, centralWidget(), folder_,
                                          [this](const std::function<void()>& event) { act(event); });
  } else if (!open && board_) {
    board_.reset();
  }
  if (board_) board_->render();
  const bool covered = open && model_.game().boardVisible();
  if (covered != quizCovered_) {
    quizCovered_ = covered;
    setQuizFocusable(!covered);
    // A game question: the focus comes back to the quiz.
    if (!covered && isActiveWindow()) question_->setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::renderQuestionArea() {
  const WindowControls& c = model_.controls();
  numero_->setText(q(c.numero));
  numero_->setStyleSheet(QStringLiteral("color: %1;").arg(toQColor(c.numberText).name()));
  wing_->setVisible(c.wingMark != 0);
  if (c.wingMark != 0) wing_->setIcon(wingIcon(c.wingMark, c.wingCrossed));
  line1_->setVisible(c.line1);
}

void MainWindow::renderAnswers() { questionArea_->render(model_.controls()); }

// The goose board narrows the window: the right-hand column then keeps to
// what is left. The two clip buttons share one place: a question's comment
// is of one kind or the other.
void MainWindow::layoutRightColumn(int windowWidth) {
  const int width = std::min(kRightWidth, windowWidth - kRightColumn - 4);
  question_->setGeometry(kRightColumn, kAnswersTop + 6, width, 40);
  trombone_->setGeometry(kRightColumn, kAnswersTop + 52, width, 24);
  tromboneL_->setGeometry(kRightColumn, kAnswersTop + 52, width, 24);
  historique_->setGeometry(kRightColumn, kAnswersTop + 200, width, kHeight - kAnswersTop - 206);
}

void MainWindow::renderScore() {
  const WindowControls& c = model_.controls();
  // Drawn once it has its width: a long caption takes a smaller font.
  layoutRightColumn(c.windowWidth / kTwipsPerPixel);
  drawQuestionButton(*question_, c.question);
  question_->setToolTip(q(c.question.toolTip));
  question_->setVisible(c.question.visible);
  trombone_->setVisible(c.trombone);
  tromboneL_->setVisible(c.tromboneL);
  for (int k = 1; k <= 5; ++k)
    scoreCaptions_[k]->setStyleSheet(QStringLiteral("color: %1;").arg(toQColor(c.labelsText).name()));
  for (QLabel* label : {scoreCaptions_[1], scoreCaptions_[2], scoreCaptions_[3], scoreCaptions_[4], scoreCaptions_[5],
                        cetteQuestion_, totalPoints_, nombrePointsMax_, moyenne_, nombreQuestions_})
    label->setVisible(c.statisticsVisible);
  cetteQuestion_->setText(q(c.cetteQuestion));
  totalPoints_->setText(q(c.totalPoints));
  nombrePointsMax_->setText(q(c.nombrePointsMax));
  moyenne_->setText(q(c.moyenne));
  nombreQuestions_->setText(q(c.nombreQuestionsPosees));
  final_->setText(q(c.final));
  final_->setVisible(!c.final.empty());
  final_->setGeometry(c.finalAtBottom ? QRect(10, kHeight - 40, 444, 36) : QRect(10, kQuestionTop, 457, 136));
  final_->raise();
  historique_->setVisible(c.historiqueVisible);
  // Compared whole: a replaced question changes an entry in the middle.
  QStringList entries;
  for (const auto& entry : c.historique) entries << q(entry);
  bool same = historique_->count() == entries.size();
  for (int k = 0; same && k < entries.size(); ++k) same = historique_->item(k)->text() == entries[k];
  if (!same) {
    const QSignalBlocker blocker(historique_);
    historique_->clear();
    historique_->addItems(entries);
  }
  historique_->setToolTip(q(c.historiqueToolTip));
  historique_->setCurrentRow(c.historiqueSelected);
}

void MainWindow::renderChapters() {
  const WindowControls& c = model_.controls();
  chapters_->setStyleSheet(QStringLiteral("QGroupBox { %1 }").arg(colourStyle(c.chaptersBack, c.chaptersText)));
  for (int k = 1; k <= kChapterBoxes; ++k) {
    const TickBox& box = c.partie[k];
    parties_[k]->setVisible(box.visible);
    parties_[k]->setStyleSheet(colourStyle(box.back, box.text));
    parties_[k]->label()->setText(q(shownCaption(box.caption)));
    parties_[k]->box()->setToolTip(q(box.toolTip));
    parties_[k]->label()->setToolTip(q(box.toolTip));
    const QSignalBlocker blocker(parties_[k]->box());
    parties_[k]->box()->setChecked(box.ticked);
    feux_[k]->setVisible(c.feu[k].visible && box.visible);
    feux_[k]->setStyleSheet(QStringLiteral("background-color: %1; border-radius: 5px; border: 1px solid #404040;")
                                .arg(toQColor(c.feu[k].colour).name()));
  }
}

void MainWindow::renderErrorPanel() {
  const WindowControls& c = model_.controls();
  erreurs_->setVisible(c.erreursVisible);
  if (!c.erreursVisible) return;
  erreursCaption_->setText(q(c.erreursCaption));
  // A zero-width space after each comma lets long lists wrap between names.
  afficheErreurs_->setPlainText(q(c.afficheErreurs).replace(QLatin1Char(','), QStringLiteral(",\u200B")));
  erreurs_->raise();
}

void MainWindow::renderButtons() {
  const WindowControls& c = model_.controls();
  if (boutons_.size() != c.bouton.size()) {
    qDeleteAll(boutons_);
    boutons_.clear();
    const int columns = std::max(1, c.gridColumns);
    const int rows = std::max(1, c.gridRows);
    const int width = kRightWidth / columns;
    const int height = buttonsArea_->height() / rows;
    for (int k = 1; k <= static_cast<int>(c.bouton.size()); ++k) {
      auto* button = new QPushButton(buttonsArea_);
      button->setObjectName(QStringLiteral("Bouton%1").arg(k));
      button->setGeometry(((k - 1) / rows) * width, ((k - 1) % rows) * height, width - 1, height - 1);
      button->setFont(layoutFont(button->font(), 7));
      connect(button, &QPushButton::clicked, this, [this, k] { act([this, k] { model_.boutonClick(k); }); });
      button->show();
      boutons_.push_back(button);
    }
    orderTabs();
  }
  buttonsArea_->setVisible(!c.bouton.empty());
  for (std::size_t k = 0; k < boutons_.size(); ++k) {
    boutons_[k]->setText(q(c.bouton[k].caption));
    boutons_[k]->setStyleSheet(c.bouton[k].back ? QStringLiteral("background-color: %1;").arg(toQColor(*c.bouton[k].back).name())
                                                : QString());
  }
}

void MainWindow::renderMenus() {
  syncMenus();
  const MenuBar& bar = model_.controls().menus;
  for (const auto& entry : bar.order()) {
    const MenuItem& item = bar.at(entry.name);
    QAction* action = actions_.at(entry.name);
    if (const auto menu = menus_.find(entry.name); menu != menus_.end()) {
      menu->second->setTitle(q(item.caption));
    } else if (item.caption != "-") {
      action->setText(q(item.caption));
    }
    action->setVisible(item.visible);
    action->setEnabled(item.enabled);
    if (action->isCheckable()) action->setChecked(item.checked);
  }
}

}  // namespace ventelle
