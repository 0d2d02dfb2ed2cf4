#pragma once
#include <QDialog>

#include "ui/help/splash_model.h"

class QLabel;
class QTimer;

namespace ventelle {

// The splash FrmLogo: a frameless window centred on the screen that draws the
// splash model, forwards its timer's ticks and the clicks on its label, and
// closes itself once the model is closed. It holds no rule of its own.
class SplashWindow : public QDialog {
  Q_OBJECT
 public:
  explicit SplashWindow(SplashModel& model);

  // Draws every control from the model.
  void render();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* addEtiquette();
  QLabel* addPicture(const QString& name, const QString& file, const QRect& place);
  void act(void (SplashModel::*event)());
  void renderTimer();

  SplashModel& model_;
  QLabel* logo_ = nullptr;
  QLabel* etiquette_ = nullptr;
  QLabel* q_ = nullptr;
  QLabel* c_ = nullptr;
  QLabel* m_ = nullptr;
  QTimer* timerLogo_ = nullptr;
};

// Start-up step 1: shows the splash modally and returns once it has closed.
void showSplash(const ProgramFolder& folder, RandomSource& random);

}  // namespace ventelle
