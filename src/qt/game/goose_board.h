#pragma once
#include <QObject>
#include <QPixmap>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "core/program_folder.h"
#include "ui/main/main_window_model.h"

class QFrame;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;
class QWidget;

namespace ventelle {

// The goose board of the main window while a game is open: the frame
// Cadre_Oie over the quiz with the squares, pawns, panels, die and name box,
// the countdown digits and LabelPoints in the quiz's right-hand column, and
// the game's timer. It draws model.game() and forwards the name box, the die
// and the timer's ticks to the model through `act`, which runs an event and
// redraws the window. Made when a game opens and destroyed when it closes,
// with all its widgets and its timer.
class GooseBoard : public QObject {
  Q_OBJECT
 public:
  using Act = std::function<void(const std::function<void()>&)>;

  // central: the main window's central widget, which the board covers.
  GooseBoard(MainWindowModel& model, QWidget* central, ProgramFolder folder, Act act);
  ~GooseBoard() override;

  void render();

 private:
  void buildSquares();
  void buildPawns();
  void buildPanels();
  void buildEntry();
  void buildQuizArea(QWidget* central);
  void nameEdited(const QString& text);
  void renderEntry();
  void renderPanels();
  void renderTimer();
  // Puts a picture of the game's folder on a label, once per change; a
  // missing file leaves the label empty. alone: a pawn away from the track,
  // trimmed to the pawn itself so the label can centre it.
  void show(QLabel* label, const std::string& file, bool alone = false);
  const QPixmap& picture(const std::string& file);

  MainWindowModel& model_;
  ProgramFolder folder_;
  Act act_;
  std::map<std::string, QPixmap> pictures_;
  QFrame* frame_ = nullptr;
  std::array<QLabel*, kSquareCount + 1> squares_{};
  std::array<QLabel*, kMaxPlayers + 1> pawns_{};        // Cascoul0..4
  std::array<QLabel*, kMaxPlayers + 1> panelPawns_{};   // Cascoul10..40 at [1..4]
  std::array<QLabel*, kMaxPlayers + 1> names_{};        // Labeljoueur0..4
  std::array<QLabel*, kMaxPlayers + 1> scores_{};       // PointsJoueur1..4
  std::array<std::array<QLabel*, kCategoryCount + 1>, kMaxPlayers + 1> icons_{};  // Casejoueur11..49
  QToolButton* die_ = nullptr;
  QLabel* help_ = nullptr;
  QLabel* entryNumber_ = nullptr;
  QLineEdit* nameBox_ = nullptr;
  // In the quiz area, outside the frame.
  std::array<QLabel*, 2> digits_{};  // Compt0 (units), Compt1 (tens)
  QLabel* points_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace ventelle
