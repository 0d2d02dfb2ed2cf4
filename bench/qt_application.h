#pragma once
// The one Qt application of the benchmarks that need one, on an offscreen
// screen unless another is asked for.
#include <QApplication>
#include <cstdlib>

namespace ventelle {

inline void ensureQtApplication() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "ventelle_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace ventelle
