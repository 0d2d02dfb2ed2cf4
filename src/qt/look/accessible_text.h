#pragma once
// Gives a widget the name and description a screen reader says of it.
#include <QWidget>

#include "ui/main/accessible_texts.h"

namespace ventelle {

// Set only when they change: each change is announced to the screen reader.
inline void setAccessibleText(QWidget& widget, const AccessibleText& text) {
  const QString name = QString::fromStdString(text.name);
  const QString description = QString::fromStdString(text.description);
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
  if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

}  // namespace ventelle
