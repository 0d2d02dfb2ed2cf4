#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "bank/chapter_library.h"
#include "core/clock_random.h"
#include "core/fatal_error.h"
#include "qt/help/splash_window.h"
#include "qt/services/french_translations.h"
#include "qt/services/program_location.h"
#include "qt/services/qt_desktop.h"
#include "qt/services/qt_dialogs.h"
#include "qt/services/qt_print_service.h"
#include "qt/services/qt_sound.h"
#include "qt/window/main_window.h"
#include "ui/main/command_line.h"
#include "ui/window/messages.h"
#include "ui/window/print_service.h"

namespace {

// An installation leaves its files in the system's fixed temporary folder.
// Linux has no such folder, and a shared temporary folder is never swept:
// another program's setup.exe is not ours.
std::optional<std::filesystem::path> installerFolder() {
#ifdef _WIN32
  return std::filesystem::path("c:/windows/temp");
#else
  return std::nullopt;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before any window exists, so it works without a display.
  if (const auto answer = ventelle::answerCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
    std::cout << *answer;
    return 0;
  }
  QApplication app(argc, argv);
  ventelle::installFrenchTranslations(app);
  QApplication::setApplicationName(QStringLiteral("Ventelle"));
  QGuiApplication::setDesktopFileName(QStringLiteral("fr.ventelle.Ventelle"));

  auto location = ventelle::locateProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  ventelle::ChapterLibrary library(std::move(location.folder));
  ventelle::QtDialogs dialogs;
  ventelle::QtDesktop desktop;
  ventelle::ClockRandom random;
  ventelle::QtPrintService printer;
  ventelle::QtSound sound(library.folder());
  ventelle::showSplash(library.folder(), random);
  ventelle::MainWindowModel model(dialogs, desktop, random, library, printer, sound);
  ventelle::MainWindow window(model, library.folder());
  dialogs.setParent(&window);
  printer.setParent(&window);
  window.centreOnScreen();
  window.show();
  try {
    model.start(installerFolder());
  } catch (const ventelle::FatalError& error) {
    QMessageBox::critical(&window, QString::fromStdString(ventelle::messages::kFatalTitle),
                          QString::fromUtf8(error.what()));
    return 1;
  }
  window.render();
  if (!location.userFolderMade)
    dialogs.message(ventelle::MessageIcon::Exclamation, ventelle::messages::kWriteFailedTitle,
                    ventelle::messages::userFolderUnavailable(library.folder().root().string()));
  if (!location.editedCopies.empty())
    dialogs.message(ventelle::MessageIcon::Information, ventelle::messages::kEditedCopiesTitle,
                    ventelle::messages::editedCopies(library.folder().root().string(), location.editedCopies));
  const int status = QApplication::exec();
  // Quitting ends the program at once. Every file is written whole within
  // the event that writes it, so nothing is left to do; the toolkit's own
  // teardown (sound output, printer plugins, the display connection) is
  // skipped, as it can hold the process seconds after its window has gone.
  std::fflush(nullptr);
  std::_Exit(status);
}
