#include "qt/game/goose_board.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include "qt/look/colours.h"
#include "ui/game/game_texts.h"

namespace ventelle {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }
constexpr int kCell = px(kCellTwips);

// The game's pictures are 35 pixels square, the countdown's digits 21 x 33.
constexpr QSize kDigitSize(21, 33);

// Panel labels: room for a name of up to 1300 twips, and for a score.
constexpr int kNameWidth = px(1400);
constexpr int kScoreWidth = 3 * kCell - px(110);
constexpr int kLineHeight = 20;

// The current player's name sits over the turn pawn, between panels 2 and 3.
constexpr QRect kTurnNamePlace(px(3465), px(4350), px(1500), kLineHeight);

// The name entry, under the track where the panels go once play starts.
constexpr QRect kHelpPlace(20, 262, 525, 54);
constexpr QRect kEntryNumberPlace(212, 326, 26, 24);
constexpr QRect kNameBoxPlace(240, 324, 112, 26);

// The winner's message, under the panels.
constexpr QRect kBoardPointsPlace(10, 470, 545, 44);

// In the quiz's right-hand column, under the question and clip buttons,
// where the statistics stand outside a game.
constexpr int kQuizColumnLeft = 462;
constexpr int kQuizColumnWidth = px(kGameWindowWidth) - kQuizColumnLeft;
constexpr int kDigitsTop = 282;
constexpr QRect kQuizPointsPlace(kQuizColumnLeft, kDigitsTop + 38, kQuizColumnWidth, 44);

QString q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect cell(int leftTwips, int topTwips) { return {px(leftTwips), px(topTwips), kCell, kCell}; }
QRect cell(const Place& place) { return cell(place.left, place.top); }

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

// A style sheet set anew restyles every child: only when it changes.
void setStyle(QWidget* widget, const QString& style) {
  if (widget->styleSheet() != style) widget->setStyleSheet(style);
}

QString pawnPicture(int p) { return QStringLiteral("pion%1.gif").arg(p); }

QString squareTip(int tag) {
  switch (kindOfTag(tag)) {
    case SquareKind::PlayAgain: return q(game_texts::kPlayAgainTip);
    case SquareKind::Bonus: return q(game_texts::kBonusTip);
    case SquareKind::Penalty: return q(game_texts::kPenaltyTip);
    case SquareKind::Chapter: break;
  }
  return q(category(tag).name);
}

// A pawn's picture leaves room for the other pawns on the same square; away
// from the track it is shown alone, in the middle of its place.
QPixmap trimmed(const QPixmap& pixmap) {
  if (pixmap.isNull() || !pixmap.hasAlpha()) return pixmap;
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  QRect used;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) used |= QRect(x, y, 1, 1);
  return used.isEmpty() ? pixmap : pixmap.copy(used);
}

}  // namespace

GooseBoard::GooseBoard(MainWindowModel& model, QWidget* central, ProgramFolder folder, Act act)
    : model_(model), folder_(std::move(folder)), act_(std::move(act)) {
  buildQuizArea(central);
  frame_ = new QFrame(central);
  frame_->setObjectName(QStringLiteral("Cadre_Oie"));
  frame_->setAutoFillBackground(true);
  buildSquares();
  buildPanels();
  buildPawns();
  buildEntry();
  timer_ = new QTimer(frame_);
  timer_->setObjectName(QStringLiteral("Timer"));
  connect(timer_, &QTimer::timeout, this, [this] { act_([this] { model_.gameTick(); }); });
  frame_->show();
}

GooseBoard::~GooseBoard() {
  timer_->stop();
  delete frame_;
  delete digits_[0];
  delete digits_[1];
  delete points_;
}

void GooseBoard::buildSquares() {
  for (int n = 1; n <= kSquareCount; ++n) {
    QLabel* square = makeLabel(frame_, QStringLiteral("Casoie%1").arg(n), cell(squareLeft(n), squareTop(n)));
    const int tag = boardSquare(n).tag;
    square->setProperty("tag", QString::fromStdString(tagText(tag)));
    square->setToolTip(squareTip(tag));
    show(square, squarePicture(tag));
    squares_[n] = square;
  }
}

void GooseBoard::buildPanels() {
  QFont bold = frame_->font();
  bold.setBold(true);
  for (int p = 1; p <= kMaxPlayers; ++p) {
    panelPawns_[p] = makeLabel(frame_, QStringLiteral("Cascoul%1").arg(10 * p), cell(panelPawn(p)));
    panelPawns_[p]->setAlignment(Qt::AlignCenter);
    show(panelPawns_[p], pawnPicture(p).toStdString(), true);
    const Place name = panelName(p);
    names_[p] = makeLabel(frame_, QStringLiteral("Labeljoueur%1").arg(p), {px(name.left), px(name.top), kNameWidth, kLineHeight});
    names_[p]->setTextFormat(Qt::PlainText);
    const Place score = panelScore(p);
    scores_[p] = makeLabel(frame_, QStringLiteral("PointsJoueur%1").arg(p), {px(score.left), px(score.top), kScoreWidth, kLineHeight});
    scores_[p]->setFont(bold);
    for (int k = 1; k <= kCategoryCount; ++k) {
      icons_[p][k] = makeLabel(frame_, QStringLiteral("Casejoueur%1").arg(10 * p + k), cell(panelIcon(p, k)));
      icons_[p][k]->setToolTip(q(category(k).name));
    }
  }
  names_[0] = makeLabel(frame_, QStringLiteral("Labeljoueur0"), kTurnNamePlace);
  names_[0]->setTextFormat(Qt::PlainText);
  names_[0]->setAlignment(Qt::AlignCenter);
  names_[0]->setFont(bold);
  die_ = new QToolButton(frame_);
  die_->setObjectName(QStringLiteral("D"));
  die_->setGeometry(cell(kDiePlace));
  // A frame of 2 pixels round the face, black while the die has the focus.
  die_->setIconSize({kCell - 4, kCell - 4});
  die_->setAutoRaise(true);
  die_->setStyleSheet(QStringLiteral("QToolButton { border: 2px solid transparent; padding: 0; }"
                                     " QToolButton:focus { border-color: #000000; }"));
  die_->setFocusPolicy(Qt::StrongFocus);
  die_->setCursor(Qt::PointingHandCursor);
  die_->setToolTip(q(game_texts::kDieTip));
  connect(die_, &QToolButton::clicked, this, [this] { act_([this] { model_.gameDieClick(); }); });
}

// Created after the squares, so that they stand over them.
void GooseBoard::buildPawns() {
  for (int p = 0; p <= kMaxPlayers; ++p) {
    const QRect place = p == 0 ? cell(kTurnPawnPlace) : QRect(0, 0, kCell, kCell);
    pawns_[p] = makeLabel(frame_, QStringLiteral("Cascoul%1").arg(p), place);
    pawns_[p]->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (p > 0) show(pawns_[p], pawnPicture(p).toStdString());
  }
  pawns_[0]->setAlignment(Qt::AlignCenter);
}

void GooseBoard::buildEntry() {
  QStringList lines;
  for (const auto line : game_texts::kEntryHelp) lines << q(line);
  help_ = makeLabel(frame_, QStringLiteral("Label"), kHelpPlace);
  help_->setText(lines.join(QLatin1Char('\n')));
  help_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  entryNumber_ = makeLabel(frame_, QStringLiteral("Labelentrée"), kEntryNumberPlace);
  entryNumber_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont bold = entryNumber_->font();
  bold.setBold(true);
  entryNumber_->setFont(bold);
  nameBox_ = new QLineEdit(frame_);
  nameBox_->setObjectName(QStringLiteral("Saisie"));
  nameBox_->setGeometry(kNameBoxPlace);
  connect(nameBox_, &QLineEdit::textEdited, this, &GooseBoard::nameEdited);
  connect(nameBox_, &QLineEdit::returnPressed, this, [this] { act_([this] { model_.gameNameEntered(); }); });
}

void GooseBoard::buildQuizArea(QWidget* central) {
  for (int i = 0; i < 2; ++i) {
    const int left = kQuizColumnLeft + (kQuizColumnWidth - 2 * kDigitSize.width()) / 2 + (1 - i) * kDigitSize.width();
    digits_[i] = makeLabel(central, QStringLiteral("Compt%1").arg(i), QRect(QPoint(left, kDigitsTop), kDigitSize));
  }
  points_ = makeLabel(central, QStringLiteral("LabelPoints"), kQuizPointsPlace);
  points_->setTextFormat(Qt::PlainText);
  points_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  points_->setWordWrap(true);
  QFont bold = points_->font();
  bold.setBold(true);
  points_->setFont(bold);
  for (QLabel* label : {digits_[0], digits_[1], points_}) label->show();
}

// The width is measured in the window's font, as the panels will show it.
void GooseBoard::nameEdited(const QString& text) {
  const int twips = QFontMetrics(frame_->window()->font()).horizontalAdvance(text) * kTwipsPerPixel;
  const int caret = nameBox_->cursorPosition();
  act_([&] {
    if (model_.gameNameEdited(text.toStdString(), twips)) return;
    nameBox_->setText(QString::fromStdString(model_.game().nameText()));
    nameBox_->setCursorPosition(std::max(0, caret - 1));
  });
}

void GooseBoard::render() {
  const GooseGame& game = model_.game();
  const WindowControls& c = model_.controls();
  QWidget* central = frame_->parentWidget();
  frame_->setGeometry(0, 0, px(c.windowWidth), central->height());
  frame_->setVisible(game.boardVisible());
  setStyle(frame_, QStringLiteral("QLabel { color: %1; }").arg(toQColor(c.labelsText).name()));

  const CountdownDigits countdown = game.countdown();
  show(digits_[0], "chiffre" + std::to_string(countdown.units) + ".gif");
  show(digits_[1], "chiffre" + std::to_string(countdown.tens) + ".gif");
  points_->setText(QString::fromStdString(game.pointsText()));
  points_->setVisible(game.pointsVisible());
  if (game.boardVisible()) {
    frame_->raise();
    points_->setGeometry(kBoardPointsPlace);
    setStyle(points_, QStringLiteral("color: #b00000; font-size: 19px;"));
  } else {
    points_->setGeometry(kQuizPointsPlace);
    setStyle(points_, QStringLiteral("color: %1;").arg(toQColor(c.labelsText).name()));
  }
  points_->raise();

  renderEntry();
  renderPanels();
  renderTimer();
}

void GooseBoard::renderEntry() {
  const GooseGame& game = model_.game();
  const bool entering = game.phase() == GamePhase::NameEntry;
  help_->setVisible(entering);
  entryNumber_->setVisible(entering);
  entryNumber_->setText(q(game_texts::kEntryNumberPrefix) + QString::number(game.entryNumber()));
  nameBox_->setVisible(entering);
  nameBox_->setEnabled(entering);
  const QString name = QString::fromStdString(game.nameText());
  if (nameBox_->text() != name) nameBox_->setText(name);
  if (entering && !nameBox_->hasFocus()) nameBox_->setFocus();
}

void GooseBoard::renderPanels() {
  const GooseGame& game = model_.game();
  const bool playing = game.isPlaying();
  const int count = static_cast<int>(game.players().size());
  for (int p = 1; p <= kMaxPlayers; ++p) {
    const bool inGame = playing && p <= count;
    const Player* player = p <= count ? &game.players()[p - 1] : nullptr;
    names_[p]->setVisible(player != nullptr);
    names_[p]->setText(player ? QString::fromStdString(player->name) : QString());
    panelPawns_[p]->setVisible(inGame);
    scores_[p]->setVisible(inGame);
    scores_[p]->setText(player ? QString::number(player->score) : QString());
    for (int k = 1; k <= kCategoryCount; ++k) {
      icons_[p][k]->setVisible(inGame);
      if (inGame) show(icons_[p][k], iconPicture(k, player->icons[k - 1]));
    }
    pawns_[p]->setVisible(inGame);
    if (inGame) pawns_[p]->move(px(squareLeft(player->square)), px(squareTop(player->square)));
  }
  // The pawn whose turn it is stands over the others.
  if (playing) pawns_[game.currentPlayer()]->raise();

  pawns_[0]->setVisible(playing);
  names_[0]->setVisible(playing);
  if (playing) {
    show(pawns_[0], pawnPicture(game.currentPlayer()).toStdString(), true);
    names_[0]->setText(QString::fromStdString(game.current().name));
  }
  die_->setVisible(playing);
  die_->setEnabled(game.dieEnabled());
  die_->setCursor(game.dieEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
  // Space on the die throws it, as Enter anywhere on the board does.
  if (game.dieEnabled() && !die_->hasFocus()) die_->setFocus(Qt::OtherFocusReason);
  const QString face = game.dieFace() > 0 ? QStringLiteral("Dé%1.gif").arg(game.dieFace()) : QString();
  if (die_->property("picture").toString() != face) {
    die_->setProperty("picture", face);
    // Shown alike whether it may be clicked or not: the faces turn while it
    // is disabled.
    QIcon icon;
    const QPixmap& pixmap = picture(face.toStdString());
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Disabled);
    die_->setIcon(icon);
  }
}

// Set only when it changes: setting the interval restarts a running timer.
void GooseBoard::renderTimer() {
  const GameTimer& timer = model_.game().timer();
  if (timer_->interval() != timer.intervalMs) timer_->setInterval(timer.intervalMs);
  if (!timer.running) {
    timer_->stop();
  } else if (!timer_->isActive()) {
    timer_->start();
  }
}

void GooseBoard::show(QLabel* label, const std::string& file, bool alone) {
  const QString name = QString::fromStdString(file);
  if (label->property("picture").toString() == name && label->property("picture").isValid()) return;
  label->setProperty("picture", name);
  label->setPixmap(alone ? trimmed(picture(file)) : picture(file));
}

const QPixmap& GooseBoard::picture(const std::string& file) {
  auto found = pictures_.find(file);
  if (found == pictures_.end()) {
    QPixmap pixmap;
    if (!file.empty()) pixmap.load(QString::fromStdString(folder_.resolve(std::string(kGameFolder) + "/" + file).string()));
    found = pictures_.emplace(file, pixmap).first;
  }
  return found->second;
}

}  // namespace ventelle
