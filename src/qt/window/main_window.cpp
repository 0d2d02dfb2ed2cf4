#include "qt/window/main_window.h"

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
#include "qt/game/goose_board.h"
#include "qt/help/help_windows.h"
#include "qt/profile/user_window.h"
#include "qt/progress/progress_window.h"
#include "qt/look/accessible_text.h"
#include "qt/look/colours.h"
#include "qt/look/layout_font.h"
#include "qt/window/main_window_places.h"
#include "qt/window/question_area.h"
#include "qt/window/skin_drawing.h"
#include "qt/window/tick_row.h"
#include "ui/main/quiz_keys.h"
#include "ui/window/menu_bar.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

using namespace main_window_places;

QString q(const std::string& text) { return QString::fromStdString(text); }

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
  if (model_.takeProgressWindowRequest()) openProgressWindow(model_, this);
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

}  // namespace ventelle
