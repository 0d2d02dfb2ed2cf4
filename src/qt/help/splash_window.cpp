#include "qt/help/splash_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "qt/look/layout_font.h"

// The pictures are compiled into this static library: register them before
// the first use. Q_INIT_RESOURCE only works outside any namespace.
static void registerSplashArtwork() { Q_INIT_RESOURCE(splash); }

namespace ventelle {
namespace {

constexpr QSize kSize(480, 300);
constexpr int kLetterSize = 64;
constexpr int kLettersTop = 136;
constexpr int kLetterLefts[] = {34, 108, 182};
constexpr int kTextMargin = 36;
constexpr int kTextPoints = 13;
const QColor kPaper(0xee, 0xf6, 0xfd);
const QColor kInk(0x12, 0x3a, 0x63);
const QColor kBorder(0x0e, 0x2f, 0x57);
const QColor kAccent(0xef, 0x6c, 0x2f);  // the orange of the letter badges
constexpr int kAccentHeight = 8;

QRect letterPlace(int index) { return {kLetterLefts[index], kLettersTop, kLetterSize, kLetterSize}; }

// Left = (screen width - window width) / 2, and the same for the top.
QPoint centredOn(const QRect& screen, const QSize& window) {
  return screen.topLeft() + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

}  // namespace

SplashWindow::SplashWindow(SplashModel& model) : model_(model) {
  registerSplashArtwork();
  setObjectName(QStringLiteral("FrmLogo"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setModal(true);
  setFixedSize(kSize);

  logo_ = addPicture(QStringLiteral("Logo"), QStringLiteral(":/splash/logo.png"), rect());
  etiquette_ = addEtiquette();
  // The letters let clicks through to the label beneath them.
  q_ = addPicture(QStringLiteral("Q"), QStringLiteral(":/splash/q.png"), letterPlace(0));
  c_ = addPicture(QStringLiteral("C"), QStringLiteral(":/splash/c.png"), letterPlace(1));
  m_ = addPicture(QStringLiteral("M"), QStringLiteral(":/splash/m.png"), letterPlace(2));

  timerLogo_ = new QTimer(this);
  timerLogo_->setObjectName(QStringLiteral("TimerLogo"));
  connect(timerLogo_, &QTimer::timeout, this, [this] { act(&SplashModel::tick); });

  if (const QScreen* shown = screen()) move(centredOn(shown->geometry(), size()));
  render();
}

// The tip's label covers the whole window, so a click anywhere closes it.
QLabel* SplashWindow::addEtiquette() {
  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("Etiquette"));
  label->setGeometry(rect());
  label->setContentsMargins(kTextMargin, kTextMargin, kTextMargin, kTextMargin);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setFont(layoutFont(label->font(), kTextPoints));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kInk);
  label->setPalette(palette);
  label->installEventFilter(this);
  return label;
}

QLabel* SplashWindow::addPicture(const QString& name, const QString& file, const QRect& place) {
  auto* picture = new QLabel(this);
  picture->setObjectName(name);
  picture->setGeometry(place);
  picture->setPixmap(QPixmap(file));
  picture->setAttribute(Qt::WA_TransparentForMouseEvents);
  return picture;
}

void SplashWindow::act(void (SplashModel::*event)()) {
  (model_.*event)();
  render();
}

void SplashWindow::render() {
  const SplashControls& c = model_.controls();
  logo_->setVisible(c.logoShown);
  q_->setVisible(c.q);
  c_->setVisible(c.c);
  m_->setVisible(c.m);
  etiquette_->setText(QString::fromStdString(c.etiquette));
  renderTimer();
  if (c.closed) accept();
}

void SplashWindow::renderTimer() {
  const ModelTimer& timer = model_.controls().timerLogo;
  timerLogo_->setInterval(timer.intervalMs);
  if (!timer.running) {
    timerLogo_->stop();
  } else if (!timerLogo_->isActive()) {
    timerLogo_->start();
  }
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == etiquette_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    act(&SplashModel::labelClick);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

// Under the logo, and once it is gone: plain paper under an orange band, in a
// dark frame.
void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPaper);
  painter.fillRect(QRect(0, 0, width(), kAccentHeight), kAccent);
  painter.setPen(QPen(kBorder, 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void showSplash(const ProgramFolder& folder, RandomSource& random) {
  SplashModel model(folder, random);
  SplashWindow window(model);
  window.exec();
}

}  // namespace ventelle
