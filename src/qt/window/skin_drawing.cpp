#include "qt/window/skin_drawing.h"

#include <QPainter>
#include <QPixmapCache>

#include "qt/look/colours.h"
#include "qt/look/layout_font.h"

namespace ventelle {
namespace {

// Skin pictures are read once, not at every redraw.
QPixmap skinPicture(const std::string& file) {
  const QString path = QString::fromStdString(file);
  QPixmap pixmap;
  if (!QPixmapCache::find(path, &pixmap)) {
    pixmap.load(path);
    QPixmapCache::insert(path, pixmap);
  }
  return pixmap;
}

}  // namespace

void drawWindowBackground(QWidget& central, const WindowControls& controls) {
  QPalette palette = central.palette();
  const QColor back = toQColor(controls.windowBack);
  if (controls.windowPicture.empty()) {
    palette.setBrush(QPalette::Window, back);
  } else {
    // The picture at its own size from the top-left corner; the colour shows
    // where a smaller picture ends. The window's size is known before it is
    // first shown, when the central widget has not been laid out yet.
    QPixmap ground(central.size().expandedTo(central.window()->size()).expandedTo({1, 1}));
    ground.fill(back);
    QPainter painter(&ground);
    painter.drawPixmap(0, 0, skinPicture(controls.windowPicture));
    painter.end();
    palette.setBrush(QPalette::Window, QBrush(ground));
  }
  central.setPalette(palette);
}

void drawQuestionButton(QPushButton& button, const QuestionButton& model) {
  const QuestionButtonDress& dress = model.dress;
  const std::string& picture = dress.picture(model.tag);
  const QString caption = QString::fromStdString(dress.shownCaption(model.tag, model.caption));
  button.setText(caption);
  // A long caption ("Retour au Questionnaire") takes a smaller font rather
  // than losing its ends.
  QFont font = button.parentWidget() ? button.parentWidget()->font() : button.font();
  const int room = button.width() - 10;
  while (QFontMetrics(font).horizontalAdvance(caption) > room && fontPoints(font) > 6) font = grownFont(font, -0.75);
  button.setFont(font);
  if (picture.empty()) {
    button.setIcon(QIcon());
  } else {
    button.setIcon(QIcon(skinPicture(picture)));
    button.setIconSize(button.size() - QSize(4, 4));
  }
  const QColor back = toQColor(dress.back(model.tag));
  // The focus frame stands out from any skin's colour.
  const QString focus = back.lightness() > 110 ? QStringLiteral("#000000") : QStringLiteral("#ffffff");
  button.setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: #000000; border: 1px solid %2;"
                                      " border-radius: 4px; padding: 1px; }"
                                      " QPushButton:hover { border-color: %3; }"
                                      " QPushButton:pressed { background-color: %2; }"
                                      " QPushButton:focus { border: 2px dashed %4; padding: 0px; }")
                           .arg(back.name(), back.darker(160).name(), back.darker(250).name(), focus));
}

}  // namespace ventelle
