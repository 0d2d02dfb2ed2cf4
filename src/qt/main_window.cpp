#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QGuiApplication>
#include <QScreen>
#include <QMouseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/fatal_error.h"
#include "qt/accessible_text.h"
#include "qt/colours.h"
#include "qt/goose_board.h"
#include "qt/layout_font.h"
#include "qt/help_windows.h"
#include "qt/question_area.h"
#include "qt/skin_drawing.h"
#include "qt/tick_row.h"
#include "qt/user_window.h"
#include "ui/menu_bar.h"
#include "ui/messages.h"
#include "ui/quiz_keys.h"

namespace ventelle {
namespace {

constexpr int kWidth = 612;   // 9180 twips
// High enough for every shipped question and its answers to show whole.
constexpr int kHeight = 592;
constexpr int kTwipsPerPixel = 15;
constexpr int kQuestionTop = 32;
constexpr int kAnswersTop = 172;  // the right-hand column starts level with the answers of a picture question
constexpr int kChaptersTop = kHeight - 210;
constexpr int kRightColumn = 462;
constexpr int kRightWidth = 142;

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

// The label's font is held: under a style sheet of its own (a skin's
// colour) it would otherwise take the desktop's font at the next redraw.
QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFont(parent->font());
  label->setGeometry(place);
  return label;
}

}  // namespace

MainWindow::MainWindow(MainWindowModel& model, ProgramFolder folder) : model_(model), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("Parapente"));
  setFont(layoutFont(font()));
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("central"));
  central->setAutoFillBackground(true);
  setCentralWidget(central);
  syncMenus();
  buildQuestionArea(central);
  buildAnswers(central);
  buildScore(central);
  buildChapters(central);
  buildErrorPanel(central);
  for (QWidget* widget : {central, static_cast<QWidget*>(answers_), static_cast<QWidget*>(chapters_),
                          static_cast<QWidget*>(labelQuestion_), static_cast<QWidget*>(wing_)})
    watchMouse(widget);
  setFixedSize(kWidth, kHeight + menuBar()->sizeHint().height());
  help_ = new HelpWindows(model_.helpDesk(), this);
  buildKeys();
  orderTabs();
}

// The quiz's keys act from any control of the window, as a click would,
// except in a line edit (the goose game's name box), which keeps what it
// types and its Enter.
void MainWindow::buildKeys() {
  for (const std::string_view key : quizKeys()) {
    const QString text = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    auto* shortcut = new QShortcut(QKeySequence::fromString(text, QKeySequence::PortableText), this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, [this, key] {
      act([this, key] { model_.quizKey(key); });
      // The answer ticked comes into view in a frame that scrolls.
      if (const QuizKeyCommand command = quizKeyCommand(key); command.action == QuizKeyAction::TickAnswer)
        questionArea_->showAnswer(command.answer);
    });
    quizShortcuts_.push_back(shortcut);
  }
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    const bool typing = qobject_cast<QLineEdit*>(now) && isAncestorOf(now);
    for (QShortcut* shortcut : quizShortcuts_) shortcut->setEnabled(!typing);
  });
  // F10 opens the first menu; the arrows reach every item from there, those
  // without an access key too.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    for (QAction* action : menuBar()->actions()) {
      if (!action->isVisible() || !action->isEnabled()) continue;
      menuBar()->setFocus(Qt::ShortcutFocusReason);
      menuBar()->setActiveAction(action);
      return;
    }
  });
}

void MainWindow::orderTabs() {
  std::vector<QWidget*> chain;
  for (int i = 1; i <= kMaxAnswers; ++i) chain.push_back(checks_[i]->box());
  chain.insert(chain.end(), {question_, trombone_, tromboneL_, historique_});
  chain.insert(chain.end(), boutons_.begin(), boutons_.end());
  for (int k = 1; k <= kChapterBoxes; ++k) chain.push_back(parties_[k]->box());
  chain.push_back(wing_);
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::setQuizFocusable(bool focusable) {
  const Qt::FocusPolicy policy = focusable ? Qt::StrongFocus : Qt::NoFocus;
  std::vector<QWidget*> quiz = {question_, trombone_, tromboneL_, historique_, wing_};
  for (int i = 1; i <= kMaxAnswers; ++i) quiz.push_back(checks_[i]->box());
  for (int k = 1; k <= kChapterBoxes; ++k) quiz.push_back(parties_[k]->box());
  quiz.insert(quiz.end(), boutons_.begin(), boutons_.end());
  for (QWidget* widget : quiz) widget->setFocusPolicy(policy);
}

void MainWindow::applyAccessibleTexts() {
  const AccessibleTexts texts = model_.accessibleTexts();
  for (QWidget* widget : centralWidget()->findChildren<QWidget*>()) {
    const auto found = texts.find(widget->objectName().toStdString());
    if (found != texts.end()) setAccessibleText(*widget, found->second);
  }
}

// The shortcuts go before the window's last focus change.
MainWindow::~MainWindow() { disconnect(focusWatch_); }

void MainWindow::watchMouse(QWidget* widget) {
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (const int k = chapterBoxOf(watched))
    return chapterBoxEvent(k, event) || QMainWindow::eventFilter(watched, event);
  // Only a real move hides the panel: it may open under a resting pointer.
  if (erreurs_ && (watched == erreurs_ || watched == afficheErreurs_->viewport())) {
    if (event->type() == QEvent::MouseMove && model_.mouseOverErrorPanel()) renderErrorPanel();
    return false;
  }
  const bool moved = event->type() == QEvent::MouseMove || event->type() == QEvent::Enter;
  if (!moved) return QMainWindow::eventFilter(watched, event);
  const bool overWing = watched == wing_;
  if (overWing ? model_.mouseOverWing() : model_.mouseOverWindow()) renderQuestionArea();
  // The button ignores a move with no button held, which would then reach
  // the window behind it and bring the normal picture straight back.
  const bool buttonHeld = event->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
  return overWing && !buttonHeld;
}

int MainWindow::chapterBoxOf(const QObject* widget) const {
  for (int k = 1; k <= kChapterBoxes; ++k)
    if (parties_[k] && widget == parties_[k]->box()) return k;
  return 0;
}

// The focus selects the box's chapter; F1 opens or closes its error panel.
bool MainWindow::chapterBoxEvent(int k, QEvent* event) {
  if (event->type() == QEvent::FocusIn) model_.chapterBoxFocus(k);
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
  act([this, k] { model_.chapterBoxHelp(k); });
  return true;
}

void MainWindow::centreOnScreen() {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // A window taller than the screen keeps its title bar and menus in view.
  const QPoint centred = screen.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2);
  move(std::max(centred.x(), screen.left()), std::max(centred.y(), screen.top()));
}

void MainWindow::act(const std::function<void()>& event) {
  try {
    event();
  } catch (const FatalError& error) {
    QMessageBox::critical(this, q(messages::kFatalTitle), QString::fromUtf8(error.what()));
    std::exit(1);
  }
  render();
  if (model_.takeUserWindowRequest())
    openUserWindow(model_, this, [this](const std::function<void()>& event) { act(event); });
}

// Items are created as the model lists them, each before the next item of its
// menu that already exists, so items added while the program runs (skins,
// users) take their place; items the model no longer lists are removed.
void MainWindow::syncMenus() {
  const MenuBar& bar = model_.controls().menus;
  const auto& order = bar.order();
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (actions_.contains(order[i].name)) continue;
    QAction* before = nullptr;
    for (std::size_t j = i + 1; j < order.size() && !before; ++j)
      if (order[j].parent == order[i].parent && actions_.contains(order[j].name)) before = actions_.at(order[j].name);
    addMenuItem(order[i], bar.at(order[i].name), before);
  }
  for (auto it = actions_.begin(); it != actions_.end();) {
    if (bar.contains(it->first)) {
      ++it;
      continue;
    }
    if (const auto menu = menus_.find(it->first); menu != menus_.end()) {
      menu->second->deleteLater();
      menus_.erase(menu);
    }
    it->second->deleteLater();
    it = actions_.erase(it);
  }
}

void MainWindow::addMenuItem(const MenuEntry& entry, const MenuItem& item, QAction* before) {
  const MenuBar& bar = model_.controls().menus;
  QWidget* parent = entry.parent.empty() ? static_cast<QWidget*>(menuBar()) : menus_.at(entry.parent);
  QAction* action = nullptr;
  if (bar.hasChildren(entry.name)) {
    auto* menu = new QMenu(q(item.caption), parent);
    menu->setObjectName(q(entry.name));
    menus_[entry.name] = menu;
    action = menu->menuAction();
  } else {
    const bool separator = item.caption == "-";
    action = new QAction(separator ? QString() : q(item.caption), parent);
    action->setSeparator(separator);
    action->setCheckable(item.checkable);
    const std::string name = entry.name;
    if (name == "mnuQuitter") {
      connect(action, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);
    } else if (name == "mnuGestionU") {
      connect(action, &QAction::triggered, this,
              [this] { openUserWindow(model_, this, [this](const std::function<void()>& event) { act(event); }); });
    } else if (name == "mnuGenerer") {
      // Drawing a whole questionnaire shows the busy pointer meanwhile.
      connect(action, &QAction::triggered, this, [this, name] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        act([this, name] { model_.menuCommand(name); });
        QApplication::restoreOverrideCursor();
      });
    } else if (!action->isSeparator()) {
      connect(action, &QAction::triggered, this, [this, name] { act([this, name] { model_.menuCommand(name); }); });
    }
  }
  action->setObjectName(q(entry.name));
  parent->insertAction(before, action);
  actions_[entry.name] = action;
}

void MainWindow::buildQuestionArea(QWidget* central) {
  numero_ = makeLabel(central, QStringLiteral("Numero"), {10, 6, 200, 22});
  QFont bold = numero_->font();
  bold.setBold(true);
  numero_->setFont(bold);
  wing_ = new QPushButton(central);
  wing_->setObjectName(QStringLiteral("delta_parapente"));
  wing_->setGeometry(kWidth - 60, 2, 50, 30);
  wing_->setIconSize({40, 26});
  wing_->setFlat(true);
  wing_->setToolTip(QStringLiteral("passe la question"));
  connect(wing_, &QPushButton::clicked, this, [this] { act([this] { model_.wingClick(); }); });
  line1_ = makeLabel(central, QStringLiteral("Line1"), {10, kQuestionTop - 3, 40, 2});
  line1_->setStyleSheet(QStringLiteral("background-color: #c00000;"));
}

// The question and the answers share the band above the chapters.
void MainWindow::buildAnswers(QWidget* central) {
  questionArea_ = std::make_unique<QuestionArea>(central, 10, kQuestionTop, kAnswersTop, kChaptersTop - 8, 444);
  labelQuestion_ = questionArea_->label();
  answers_ = questionArea_->answers();
  for (int i = 1; i <= kMaxAnswers; ++i) {
    checks_[i] = questionArea_->row(i);
    connect(checks_[i], &TickRow::toggledByUser, this, [this, i] { act([this, i] { model_.checkClick(i); }); });
  }
}

void MainWindow::buildScore(QWidget* central) {
  question_ = new QPushButton(central);
  question_->setObjectName(QStringLiteral("Question"));
  question_->setGeometry(kRightColumn, kAnswersTop + 6, kRightWidth, 40);
  connect(question_, &QPushButton::clicked, this, [this] { act([this] { model_.questionClick(); }); });
  trombone_ = new QPushButton(QStringLiteral("Commentaire"), central);
  trombone_->setObjectName(QStringLiteral("Trombone"));
  trombone_->setGeometry(kRightColumn, kAnswersTop + 52, kRightWidth, 24);
  connect(trombone_, &QPushButton::clicked, this, [this] { act([this] { model_.commentClipClick(); }); });
  tromboneL_ = new QPushButton(QStringLiteral("Lexique"), central);
  tromboneL_->setObjectName(QStringLiteral("Trombone_L"));
  tromboneL_->setGeometry(kRightColumn, kAnswersTop + 52, kRightWidth, 24);
  connect(tromboneL_, &QPushButton::clicked, this, [this] { act([this] { model_.lexiconClipClick(); }); });

  const std::array<QString, 6> captions = {QString(), QStringLiteral("Cette Question :"), QStringLiteral("Total points :"),
                                           QStringLiteral("Sur :"), QStringLiteral("Moyenne/20 :"),
                                           QStringLiteral("Nombre de questions posées :")};
  std::array<QLabel*, 6> values{};
  const std::array<QString, 6> names = {QString(), QStringLiteral("CetteQuestion"), QStringLiteral("TotalPoints"),
                                        QStringLiteral("NombrePointsMax"), QStringLiteral("Moyenne"),
                                        QStringLiteral("NombreQuestionsPosees")};
  for (int k = 1; k <= 5; ++k) {
    const int y = kAnswersTop + 82 + (k - 1) * 20;
    scoreCaptions_[k] = makeLabel(central, QStringLiteral("Labels%1").arg(k), {kRightColumn, y, 112, 20});
    scoreCaptions_[k]->setText(captions[k]);
    scoreCaptions_[k]->setWordWrap(true);
    values[k] = makeLabel(central, names[k], {kRightColumn + 112, y, 30, 20});
    values[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  scoreCaptions_[5]->setGeometry(kRightColumn, kAnswersTop + 162, 112, 34);
  values[5]->setGeometry(kRightColumn + 112, kAnswersTop + 162, 30, 34);
  cetteQuestion_ = values[1];
  totalPoints_ = values[2];
  nombrePointsMax_ = values[3];
  moyenne_ = values[4];
  nombreQuestions_ = values[5];

  historique_ = new QListWidget(central);
  historique_->setObjectName(QStringLiteral("Historique"));
  connect(historique_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { act([this, item] { model_.historyClick(historique_->row(item)); }); });
  connect(historique_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { act([this, item] { model_.historyDoubleClick(historique_->row(item)); }); });
  historique_->setGeometry(kRightColumn, kAnswersTop + 200, kRightWidth, kHeight - kAnswersTop - 206);
  buttonsArea_ = new QWidget(central);
  buttonsArea_->setObjectName(QStringLiteral("Boutons"));
  buttonsArea_->setGeometry(kRightColumn, kAnswersTop + 200, kRightWidth, kHeight - kAnswersTop - 206);

  final_ = makeLabel(central, QStringLiteral("Final"), {});
  final_->setAlignment(Qt::AlignCenter);
  final_->setWordWrap(true);
  QFont big = final_->font();
  big = grownFont(big, 5);
  big.setBold(true);
  final_->setFont(big);
  final_->setStyleSheet(QStringLiteral("color: #b00000; background-color: rgba(255, 255, 255, 210);"));
}

void MainWindow::buildChapters(QWidget* central) {
  chapters_ = new QGroupBox(QStringLiteral("Choix des chapitres"), central);
  chapters_->setObjectName(QStringLiteral("Chapitres"));
  chapters_->setFont(central->font());  // held under the skin's style sheet
  chapters_->setGeometry(10, kChaptersTop, 444, 132);
  for (int k = 1; k <= kChapterBoxes; ++k) {
    const int column = (k - 1) / 3;
    const int row = (k - 1) % 3;
    auto* box = new TickRow(QStringLiteral("Partie%1").arg(k), chapters_);
    box->setGeometry(6 + column * 146, 18 + row * 37, 124, 35);
    connect(box, &TickRow::toggledByUser, this, [this, k] { act([this, k] { model_.chapterBoxClick(k); }); });
    parties_[k] = box;
    feux_[k] = makeLabel(chapters_, QStringLiteral("Feu%1").arg(k), {6 + column * 146 + 127, 30 + row * 37, 11, 11});
    box->box()->installEventFilter(this);
  }
}

// Over the question text, down to the answers: the chapter boxes that open
// and close it stay in view.
void MainWindow::buildErrorPanel(QWidget* central) {
  auto* frame = new QFrame(central);
  frame->setObjectName(QStringLiteral("Erreurs"));
  frame->setGeometry(10, kQuestionTop - 4, 457, 142);
  frame->setFrameShape(QFrame::Box);
  frame->setStyleSheet(QStringLiteral("QFrame#Erreurs { background-color: #fff8dc; border: 1px solid #806020; }"));
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(6);
  erreursCaption_ = new QLabel(frame);
  erreursCaption_->setObjectName(QStringLiteral("ErreursCaption"));
  erreursCaption_->setWordWrap(true);
  erreursCaption_->setTextFormat(Qt::PlainText);
  erreursCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont bold = erreursCaption_->font();
  bold.setBold(true);
  erreursCaption_->setFont(bold);
  afficheErreurs_ = new QPlainTextEdit(frame);
  afficheErreurs_->setObjectName(QStringLiteral("affiche_erreurs"));
  afficheErreurs_->setReadOnly(true);
  afficheErreurs_->setFocusPolicy(Qt::NoFocus);  // F1 again on the chapter box closes the panel
  layout->addWidget(erreursCaption_);
  layout->addWidget(afficheErreurs_, 1);
  erreurs_ = frame;
  watchMouse(erreurs_);
  watchMouse(afficheErreurs_->viewport());
  erreurs_->hide();
}

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
