#pragma once
// Finds a window's widget by its control name, failing the test when it is absent.
#include <gtest/gtest.h>

#include <QWidget>

namespace ventelle {

template <typename T>
T* findControl(const QWidget& window, const char* name) {
  T* widget = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

}  // namespace ventelle
