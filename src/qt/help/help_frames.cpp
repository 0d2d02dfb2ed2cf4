#include "qt/help/help_frames.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

#include "qt/help/help_windows.h"
#include "qt/look/colours.h"
#include "qt/look/layout_font.h"
#include "ui/help/help_texts.h"

namespace ventelle {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QSize kHelpSize(kHelpWindowWidth / kTwipsPerPixel, kHelpWindowHeight / kTwipsPerPixel);
constexpr QSize kAboutSize(kAboutWidth / kTwipsPerPixel, kAboutHeight / kTwipsPerPixel);
constexpr int kMargin = 20;
constexpr int kHeadingHeight = 34;
constexpr int kBodyTop = 60;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 30;
const QColor kHeadingInk(0x12, 0x3a, 0x63);
const char* const kLinkProperty = "helpLink";

namespace t = help_texts;

QString q(const std::string& text) { return QString::fromStdString(text); }

int footTop(const QSize& size) { return size.height() - kMargin - kButtonHeight; }

QLabel* textLabel(QWidget* parent, const QString& name, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QString colourName(Colour colour) { return toQColor(colour).name(); }

// Enter, Return or Space on a focused link or index entry: as a click.
bool isPressKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// A body as rich text: its links are anchors numbered as the page's links.
QString bodyHtml(const TextPage& page) {
  QString html;
  for (const auto& paragraph : page.paragraphs()) {
    bool inList = false;
    for (const auto& block : paragraph) {
      QString line;
      for (const auto& run : block.runs) {
        const QString text = q(run.text).toHtmlEscaped();
        if (!run.link) {
          line += text;
          continue;
        }
        line += QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>")
                    .arg(*run.link)
                    .arg(colourName(page.links()[*run.link].colour), text);
      }
      if (block.bullet && !inList) html += QStringLiteral("<ul style=\"margin-top:0px\">");
      if (!block.bullet && inList) html += QStringLiteral("</ul>");
      inList = block.bullet;
      html += block.bullet ? QStringLiteral("<li>%1</li>").arg(line) : QStringLiteral("<p>%1</p>").arg(line);
    }
    if (inList) html += QStringLiteral("</ul>");
  }
  return html;
}

// The five icons of the program: a paraglider, a hang-glider, a glider, a
// microlight and an aeroplane, each on a round badge.
QPixmap programIcon(int k) {
  constexpr int kSide = 44;
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor badges[] = {QColor(0xef, 0x6c, 0x2f), QColor(0x2e, 0x7d, 0x32), QColor(0x15, 0x65, 0xc0),
                           QColor(0x8e, 0x24, 0xaa), QColor(0x12, 0x3a, 0x63)};
  painter.setPen(Qt::NoPen);
  painter.setBrush(badges[k]);
  painter.drawEllipse(QRectF(1, 1, kSide - 2, kSide - 2));
  painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::white);
  switch (k) {
    case 0: {  // a canopy over its pilot
      QPainterPath canopy;
      canopy.moveTo(9, 19);
      canopy.quadTo(22, 6, 35, 19);
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(canopy);
      painter.drawLine(QPointF(10, 19), QPointF(22, 32));
      painter.drawLine(QPointF(34, 19), QPointF(22, 32));
      painter.setBrush(Qt::white);
      painter.drawEllipse(QPointF(22, 33), 2.5, 2.5);
      break;
    }
    case 1:  // a delta wing
      painter.drawPolygon(QPolygonF({QPointF(22, 11), QPointF(8, 28), QPointF(36, 28)}));
      painter.drawLine(QPointF(22, 28), QPointF(22, 35));
      break;
    case 2:  // long slender wings
      painter.drawLine(QPointF(5, 22), QPointF(39, 22));
      painter.drawLine(QPointF(22, 15), QPointF(22, 32));
      painter.drawLine(QPointF(17, 32), QPointF(27, 32));
      break;
    case 3:  // a high wing over an open frame
      painter.drawLine(QPointF(8, 16), QPointF(36, 16));
      painter.drawLine(QPointF(22, 16), QPointF(22, 30));
      painter.drawLine(QPointF(14, 30), QPointF(30, 30));
      painter.drawEllipse(QPointF(22, 30), 3, 3);
      break;
    default:  // a low-wing aeroplane seen from above
      painter.drawLine(QPointF(22, 8), QPointF(22, 36));
      painter.drawLine(QPointF(7, 20), QPointF(37, 20));
      painter.drawLine(QPointF(15, 34), QPointF(29, 34));
      break;
  }
  return pixmap;
}

}  // namespace

HelpFrame::HelpFrame(HelpWindows& windows, HelpWindowId id, const QString& name, const QSize& size, QWidget* parent)
    : QDialog(parent), windows_(windows), id_(id) {
  setObjectName(name);
  setFont(layoutFont(font()));
  setWindowTitle(q(t::kTitle));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(size);
  setModal(false);
}

const HelpDesk& HelpFrame::desk() const { return windows_.desk(); }
HelpDesk& HelpFrame::desk() { return windows_.desk(); }

void HelpFrame::act(const std::function<void()>& event) { windows_.act(this, event); }

void HelpFrame::reject() {
  act([this] { desk().quitClick(id_); });
}

// The close box: as "Quitter". The help windows hide the windows the desk closes.
void HelpFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

QLabel* HelpFrame::addHeading(const std::string& text) {
  auto* heading = textLabel(this, QStringLiteral("Etiquette0"), {kMargin, 14, width() - 2 * kMargin, kHeadingHeight});
  heading->setText(q(text));
  heading->setWordWrap(false);
  heading->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  QFont font = layoutFont(heading->font(), 15);
  font.setBold(true);
  heading->setFont(font);
  heading->setStyleSheet(QStringLiteral("color: %1;").arg(kHeadingInk.name()));
  return heading;
}

QPushButton* HelpFrame::addButton(const char* name, const std::string& caption, const QRect& place,
                                  const std::function<void()>& click) {
  auto* button = new QPushButton(q(caption), this);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(place);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, click] { act(click); });
  return button;
}

void HelpFrame::addFootButtons(bool withIndex) {
  const int top = footTop(size());
  if (withIndex)
    addButton("Indexbouton", t::kIndexButton, {kMargin, top, kButtonWidth, kButtonHeight},
              [this] { desk().indexButtonClick(); });
  addButton("QuitterBouton", t::kQuitButton, {width() - kMargin - kButtonWidth, top, kButtonWidth, kButtonHeight},
            [this] { desk().quitClick(id_); });
}

QLabel* HelpFrame::addLink(const QString& name, int link, const QRect& place) {
  auto* label = textLabel(this, name, place);
  label->setWordWrap(false);
  label->setCursor(Qt::PointingHandCursor);
  label->setFocusPolicy(Qt::StrongFocus);
  label->setProperty(kLinkProperty, link);
  label->installEventFilter(this);
  links_.push_back(label);
  return label;
}

// The label is as wide as its caption, so the mouse is over the link only
// when it is over the words. A link without an address is plain text: the
// keyboard passes it by and the mouse finds no link there.
void HelpFrame::renderLink(QLabel* label, const LinkLabel& link) {
  if (label->text() != q(link.caption)) {
    label->setText(q(link.caption));
    const int width = std::min(label->sizeHint().width(), label->parentWidget()->width() - label->x() - kMargin);
    label->resize(width, label->height());
  }
  label->setCursor(link.live() ? Qt::PointingHandCursor : Qt::ArrowCursor);
  label->setFocusPolicy(link.live() ? Qt::StrongFocus : Qt::NoFocus);
  label->setStyleSheet(link.live() ? QStringLiteral("QLabel { color: %1; text-decoration: underline; }"
                                                    " QLabel:focus { background-color: #fff0b0; }")
                                         .arg(colourName(link.colour))
                                   : QString());
}

// A link label: the mouse over it, off it, and a click; the focus lights it
// as the mouse does, and its keys click it.
bool HelpFrame::eventFilter(QObject* watched, QEvent* event) {
  const QVariant link = watched->property(kLinkProperty);
  if (!link.isValid()) return QDialog::eventFilter(watched, event);
  const int i = link.toInt();
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::FocusIn: act([this, i] { desk().mouseOverLink(id_, i); }); break;
    case QEvent::Leave:
    case QEvent::FocusOut: act([this] { desk().mouseOverBackground(id_); }); break;
    case QEvent::KeyPress:
      if (!isPressKey(event)) break;
      act([this, i] { desk().linkClick(id_, i); });
      return true;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) act([this, i] { desk().linkClick(id_, i); });
      return true;
    default: break;
  }
  return QDialog::eventFilter(watched, event);
}

IndexWindow::IndexWindow(HelpWindows& windows, QWidget* parent)
    : HelpFrame(windows, HelpWindowId::Index, QStringLiteral("FrmIndex"), kHelpSize, parent) {
  addHeading(t::kIndexHeading);
  constexpr int kStep = 23;
  for (int k = 1; k <= kIndexEntries; ++k) {
    auto* entry = textLabel(this, QStringLiteral("Etiquette%1").arg(k),
                            {kMargin + 40, kBodyTop + (k - 1) * kStep, width() - 2 * kMargin - 80, kStep - 2});
    entry->setText(q(helpPages()[k - 1].indexCaption));
    entry->setWordWrap(false);
    entry->setCursor(Qt::PointingHandCursor);
    entry->setAttribute(Qt::WA_Hover);
    entry->setFocusPolicy(Qt::StrongFocus);
    entry->setStyleSheet(QStringLiteral("QLabel { color: #123a63; padding-left: 6px; }"
                                        "QLabel:hover { background-color: #e3eefa; text-decoration: underline; }"
                                        "QLabel:focus { background-color: #fff0b0; text-decoration: underline; }"));
    entry->installEventFilter(this);
    entries_.push_back(entry);
  }
  addFootButtons(false);
}

bool IndexWindow::eventFilter(QObject* watched, QEvent* event) {
  for (std::size_t k = 0; k < entries_.size(); ++k) {
    if (watched != entries_[k]) continue;
    const bool click =
        event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (click || isPressKey(event)) {
      const int entry = static_cast<int>(k) + 1;
      act([this, entry] { desk().indexEntryClick(entry); });
      return true;
    }
  }
  return HelpFrame::eventFilter(watched, event);
}

TextPageWindow::TextPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent)
    : HelpFrame(windows, HelpWindowId::Page, q(page.entry->name), kHelpSize, parent) {
  addHeading(page.entry->heading());
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("Defilement"));
  scroll->setGeometry(kMargin, kBodyTop, width() - 2 * kMargin, footTop(size()) - kBodyTop - 12);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  body_ = new QLabel;
  body_->setObjectName(QStringLiteral("Texte"));
  body_->setTextFormat(Qt::RichText);
  body_->setWordWrap(true);
  body_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Tab goes from link to link, Enter follows one.
  body_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  body_->setContentsMargins(4, 0, 8, 0);
  QFont font = body_->font();
  body_->setFont(grownFont(font, 1));
  scroll->setWidget(body_);
  scroll->viewport()->setAutoFillBackground(false);
  body_->setAutoFillBackground(false);
  connect(body_, &QLabel::linkHovered, this, [this](const QString& link) {
    if (link.isEmpty()) {
      act([this] { desk().mouseOverBackground(HelpWindowId::Page); });
    } else {
      act([this, i = link.toInt()] { desk().mouseOverLink(HelpWindowId::Page, i); });
    }
  });
  connect(body_, &QLabel::linkActivated, this,
          [this](const QString& link) { act([this, i = link.toInt()] { desk().linkClick(HelpWindowId::Page, i); }); });
  addFootButtons(true);
}

void TextPageWindow::render() {
  const auto& page = desk().page();
  if (!page) return;
  if (const auto* text = std::get_if<TextPage>(&page->content)) {
    const QString html = bodyHtml(*text);
    if (body_->text() != html) body_->setText(html);
  }
}

LinksPageWindow::LinksPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent)
    : HelpFrame(windows, HelpWindowId::Page, q(page.entry->name), kHelpSize, parent) {
  addHeading(page.entry->heading());
  constexpr int kRow = 26;
  constexpr int kColumn = 280;
  const int half = (static_cast<int>(LinksPage::supporterLinks().size()) + 1) / 2;
  web_.assign(kSiteLinks, nullptr);
  const auto place = [&](int i, int x, int y) {
    web_[i] = addLink(QStringLiteral("WEB%1").arg(i), i, {x, y, kColumn - 10, kRow - 4});
  };
  int k = 0;
  for (const int i : LinksPage::supporterLinks()) {
    place(i, kMargin + 10 + (k / half) * kColumn, kBodyTop + (k % half) * kRow);
    ++k;
  }
  int y = kBodyTop + half * kRow + 14;
  auto* note = textLabel(this, QStringLiteral("Etiquette1"), {kMargin + 10, y, width() - 2 * kMargin - 20, 40});
  note->setText(q(t::kLinksContactNote));
  place(LinksPage::contactLink(), kMargin + 10, y + 40);
  y += 40 + kRow + 14;
  auto* downloads = textLabel(this, QStringLiteral("Etiquette2"), {kMargin + 10, y, width() - 2 * kMargin - 20, 22});
  downloads->setText(q(t::kLinksDownloads));
  QFont bold = downloads->font();
  bold.setBold(true);
  downloads->setFont(bold);
  y += 24;
  k = 0;
  for (const int i : LinksPage::downloadLinks()) place(i, kMargin + 10 + (k++) * 180, y);
  addFootButtons(true);
}

void LinksPageWindow::render() {
  const auto& page = desk().page();
  if (!page) return;
  if (const auto* links = std::get_if<LinksPage>(&page->content))
    for (int i = 0; i < kSiteLinks; ++i) renderLink(web_[i], links->links()[i]);
}

LexiconPageWindow::LexiconPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent)
    : HelpFrame(windows, HelpWindowId::Page, q(page.entry->name), kHelpSize, parent) {
  addHeading(page.entry->heading());
  const int bottom = footTop(size()) - 12;
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("Lexique"));
  list_->setGeometry(kMargin, kBodyTop, 200, bottom - kBodyTop);
  const int left = kMargin + 200 + 16;
  term_ = textLabel(this, QStringLiteral("Etiquette1"), {left, kBodyTop, width() - left - kMargin, 28});
  QFont bold = term_->font();
  bold.setBold(true);
  bold = grownFont(bold, 2);
  term_->setFont(bold);
  definition_ = textLabel(this, QStringLiteral("Etiquette2"), {left, kBodyTop + 34, width() - left - kMargin, bottom - kBodyTop - 34});
  QFont larger = definition_->font();
  definition_->setFont(grownFont(larger, 1));
  if (const auto* lexicon = std::get_if<LexiconWindow>(&page.content))
    for (const auto& term : lexicon->terms()) list_->addItem(q(term));
  // Only the user moves the current row: rendering blocks the list's signals.
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) act([this, row] { desk().lexiconEntryClick(static_cast<std::size_t>(row)); });
  });
  addFootButtons(true);
}

void LexiconPageWindow::render() {
  const auto& page = desk().page();
  if (!page) return;
  const auto* lexicon = std::get_if<LexiconWindow>(&page->content);
  if (!lexicon) return;
  term_->setText(q(lexicon->term()));
  definition_->setText(q(lexicon->definition()));
  const QSignalBlocker blocker(list_);
  list_->setCurrentRow(lexicon->selected() ? static_cast<int>(*lexicon->selected()) : -1);
  if (!lexicon->selected()) list_->clearSelection();
  // The word the lexicon opened on is brought into view once; a click must
  // not move the list under the mouse.
  if (!shown_ && lexicon->selected()) list_->scrollToItem(list_->currentItem(), QAbstractItemView::PositionAtCenter);
  shown_ = true;
}

TipPageWindow::TipPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent)
    : HelpFrame(windows, HelpWindowId::Page, q(page.entry->name), kHelpSize, parent) {
  addHeading(page.entry->heading());
  tip_ = textLabel(this, QStringLiteral("Etiquette1"), {kMargin + 30, kBodyTop + 30, width() - 2 * kMargin - 60, 260});
  tip_->setAlignment(Qt::AlignCenter);
  tip_->setFont(layoutFont(tip_->font(), 13));
  tip_->setStyleSheet(QStringLiteral("color: %1;").arg(kHeadingInk.name()));
  addButton("Suivant", t::kNextTip, {(width() - kButtonWidth) / 2, footTop(size()), kButtonWidth, kButtonHeight},
            [this] { desk().nextTipClick(); });
  addFootButtons(true);
}

void TipPageWindow::render() {
  const auto& page = desk().page();
  if (!page) return;
  if (const auto* tips = std::get_if<TipWindow>(&page->content)) tip_->setText(q(tips->tip()));
}

AboutDialog::AboutDialog(HelpWindows& windows, QWidget* parent)
    : HelpFrame(windows, HelpWindowId::About, QStringLiteral("Apropos"), kAboutSize, parent) {
  setWindowTitle(q(t::kAboutTitle));
  setWindowModality(Qt::ApplicationModal);
  const int inner = width() - 2 * kMargin;
  auto* name = textLabel(this, QStringLiteral("Titre"), {kMargin, 14, inner, 40});
  name->setText(q(t::kAboutName));
  name->setAlignment(Qt::AlignCenter);
  QFont big = layoutFont(name->font(), 22);
  big.setBold(true);
  name->setFont(big);
  name->setStyleSheet(QStringLiteral("color: %1;").arg(kHeadingInk.name()));
  constexpr int kIcon = 44;
  constexpr int kGap = 14;
  const int iconsLeft = (width() - (5 * kIcon + 4 * kGap)) / 2;
  for (int k = 0; k < 5; ++k) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Icone%1").arg(k + 1));
    icon->setGeometry(iconsLeft + k * (kIcon + kGap), 62, kIcon, kIcon);
    icon->setPixmap(programIcon(k));
  }
  auto* version = textLabel(this, QStringLiteral("Version"), {kMargin, 118, inner, 22});
  version->setText(q(t::kAboutVersion));
  version->setAlignment(Qt::AlignCenter);
  QFont bold = version->font();
  bold.setBold(true);
  version->setFont(bold);
  auto* credit = textLabel(this, QStringLiteral("Auteur"), {kMargin, 140, inner, 40});
  credit->setText(q(t::kAboutCredit));
  credit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  auto* caption = textLabel(this, QStringLiteral("LabelWeb"), {kMargin, 186, inner, 20});
  caption->setText(q(t::kAboutWebCaption));
  caption->setAlignment(Qt::AlignCenter);
  web_ = addLink(QStringLiteral("WEB"), 0, {kMargin, 206, inner, 22});
  webCaption_ = caption;
  // Enter presses OK, whatever has the focus but a link reached with Tab.
  auto* ok = addButton("Commande1", t::kAboutOk,
                       {(width() - kButtonWidth) / 2, footTop(size()), kButtonWidth, kButtonHeight},
                       [this] { desk().quitClick(HelpWindowId::About); });
  ok->setDefault(true);
  ok->setFocus();
}

// With no address for the program's page, neither the link nor its caption.
void AboutDialog::render() {
  if (const auto& about = desk().about()) {
    const LinkLabel& web = about->content.web();
    renderLink(web_, web);
    web_->move((width() - web_->width()) / 2, web_->y());
    web_->setVisible(web.live());
    webCaption_->setVisible(web.live());
  }
}

HelpFrame* makePageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent) {
  switch (page.entry->kind) {
    case PageKind::Links: return new LinksPageWindow(windows, page, parent);
    case PageKind::Lexicon: return new LexiconPageWindow(windows, page, parent);
    case PageKind::Tips: return new TipPageWindow(windows, page, parent);
    case PageKind::Text: break;
  }
  return new TextPageWindow(windows, page, parent);
}

}  // namespace ventelle
