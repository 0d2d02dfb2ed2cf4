#pragma once
// The "Mes progrès" window: draws what the model computed for the exam on
// screen and forwards the exports. It holds no rule of its own.
#include <QDialog>

#include "ui/main/main_window_model.h"

class QLabel;
class QListWidget;
class QTableWidget;

namespace ventelle {

class ProgressWindow : public QDialog {
 public:
  ProgressWindow(MainWindowModel& model, QWidget* parent = nullptr);

  // The three charts as a PNG picture; false when it could not be written.
  bool exportCharts(const QString& file) const;
  // The journal as CSV; the message to show when it could not be written.
  std::optional<std::string> exportJournal(const QString& file) const;

 private:
  QWidget* buildCharts();
  QWidget* buildTables();
  QWidget* buildMissed();
  void showMissed(int row);
  void askChartsFile();
  void askJournalFile();

  MainWindowModel& model_;
  ProgressView view_;
  QListWidget* missedList_ = nullptr;
  QLabel* missedDetail_ = nullptr;
};

// Opens the window over the main window, modal; it deletes itself once closed.
void openProgressWindow(MainWindowModel& model, QWidget* mainWindow);

}  // namespace ventelle
