#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "core/program_folder.h"
#include "ui/main/main_window_model.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QGroupBox;
class QMenu;
class QShortcut;

namespace ventelle {

class GooseBoard;
class HelpWindows;
class QuestionArea;
class TickRow;

// The main window: draws the model's controls and forwards the user's
// actions to it. It holds no rule of its own.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // folder: the program folder, where the goose game's pictures lie.
  explicit MainWindow(MainWindowModel& model, ProgramFolder folder = ProgramFolder(std::filesystem::path()));
  ~MainWindow() override;

  // Draws every control from the model.
  void render();
  // Places the window in the middle of the screen.
  void centreOnScreen();
  // The question and its answers, as laid out in the window.
  QuestionArea& questionArea() { return *questionArea_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildQuestionArea(QWidget* central);
  void buildAnswers(QWidget* central);
  void buildScore(QWidget* central);
  void buildChapters(QWidget* central);
  void buildErrorPanel(QWidget* central);
  // The chapter box (1..9) that is this widget, or 0.
  int chapterBoxOf(const QObject* widget) const;
  bool chapterBoxEvent(int k, QEvent* event);
  void syncMenus();
  void addMenuItem(const MenuEntry& entry, const MenuItem& item, QAction* before);
  void watchMouse(QWidget* widget);
  // The quiz's keys (see quiz_keys.h) and F10 for the menu bar.
  void buildKeys();
  // Answers, Question button, clips, history or numbered buttons, chapters,
  // then the wing.
  void orderTabs();
  // Under the goose board the quiz's controls take no focus.
  void setQuizFocusable(bool focusable);
  void applyAccessibleTexts();
  // Runs a model event, then redraws; a damaged bank ends the program.
  void act(const std::function<void()>& event);
  void renderQuestionArea();
  void renderAnswers();
  void renderScore();
  void layoutRightColumn(int windowWidth);
  void renderChapters();
  void renderMenus();
  void renderButtons();
  void renderErrorPanel();
  void renderGame();

  MainWindowModel& model_;
  QLabel* numero_ = nullptr;
  std::unique_ptr<QuestionArea> questionArea_;
  QLabel* labelQuestion_ = nullptr;
  QPushButton* wing_ = nullptr;
  QLabel* line1_ = nullptr;
  QGroupBox* answers_ = nullptr;
  std::array<TickRow*, 6> checks_{};
  QPushButton* question_ = nullptr;
  QPushButton* trombone_ = nullptr;
  QPushButton* tromboneL_ = nullptr;
  std::array<QLabel*, 6> scoreCaptions_{};
  QLabel* cetteQuestion_ = nullptr;
  QLabel* totalPoints_ = nullptr;
  QLabel* nombrePointsMax_ = nullptr;
  QLabel* moyenne_ = nullptr;
  QLabel* nombreQuestions_ = nullptr;
  QLabel* final_ = nullptr;
  QListWidget* historique_ = nullptr;
  QGroupBox* chapters_ = nullptr;
  std::array<TickRow*, 10> parties_{};
  std::array<QLabel*, 10> feux_{};
  QWidget* erreurs_ = nullptr;
  QLabel* erreursCaption_ = nullptr;
  QPlainTextEdit* afficheErreurs_ = nullptr;
  QWidget* buttonsArea_ = nullptr;
  std::vector<QPushButton*> boutons_;
  std::map<std::string, QMenu*> menus_;
  std::map<std::string, QAction*> actions_;
  std::vector<QShortcut*> quizShortcuts_;
  QMetaObject::Connection focusWatch_;
  bool quizCovered_ = false;
  HelpWindows* help_ = nullptr;
  ProgramFolder folder_;
  std::unique_ptr<GooseBoard> board_;  // while a goose game is open
};

}  // namespace ventelle
