#include "qt/help/help_windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "qt/help/help_frames.h"

namespace ventelle {
namespace {

constexpr int kTwipsPerPixel = 15;

QScreen* screenOf(QWidget* mainWindow) {
  if (mainWindow && mainWindow->screen()) return mainWindow->screen();
  return QGuiApplication::primaryScreen();
}

// Hides a window that the desk has closed; it is deleted once its events are over.
void dispose(QPointer<HelpFrame>& window) {
  if (!window) return;
  window->hide();
  window->deleteLater();
  window = nullptr;
}

}  // namespace

HelpWindows::HelpWindows(HelpDesk& desk, QWidget* mainWindow) : QObject(mainWindow), desk_(desk), main_(mainWindow) {
  setObjectName(QStringLiteral("HelpWindows"));
  if (const QScreen* screen = screenOf(mainWindow))
    desk_.setScreenSize(screen->geometry().width() * kTwipsPerPixel, screen->geometry().height() * kTwipsPerPixel);
  desk_.setDialogs(dialogs_);
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &HelpWindows::focusWindowChanged);
}

HelpWindows::~HelpWindows() {
  // The windows are the main window's children and die with it; alone, they go now.
  if (!main_) {
    delete index_;
    delete page_;
    delete about_;
  }
}

void HelpWindows::act(QWidget* window, const std::function<void()>& event) {
  dialogs_.setParent(window);
  event();
  render();
}

void HelpWindows::focusWindowChanged(QWindow* window) {
  ActiveWindow active = ActiveWindow::None;
  // A help window being closed may still get the focus for a moment.
  if (window && window->isVisible()) {
    active = ActiveWindow::Other;
    const std::pair<QWidget*, ActiveWindow> ours[] = {
        {index_, ActiveWindow::Index}, {page_, ActiveWindow::Page}, {about_, ActiveWindow::About}};
    for (const auto& [widget, id] : ours)
      if (widget && widget->windowHandle() == window) active = id;
  }
  desk_.activated(active);
  render();
}

void HelpWindows::place(QWidget* window, const WindowPlace& place) {
  const QScreen* screen = screenOf(main_);
  const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
  window->move(origin + QPoint(place.left / kTwipsPerPixel, place.top / kTwipsPerPixel));
}

void HelpWindows::show(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void HelpWindows::render() {
  if (rendering_) {
    renderAgain_ = true;
    return;
  }
  rendering_ = true;
  do {
    renderAgain_ = false;
    renderOnce();
  } while (renderAgain_);
  rendering_ = false;
}

// The index before the page, so that the page ends on top and active.
void HelpWindows::renderOnce() {
  const auto& index = desk_.index();
  if (!index || index->opening != indexOpening_) dispose(index_);
  if (index && !index_) {
    index_ = new IndexWindow(*this, main_);
    indexOpening_ = index->opening;
    place(index_, index->place);
    show(index_);
  }
  if (index_) place(index_, index->place);

  const auto& page = desk_.page();
  if (!page || page->opening != pageOpening_) dispose(page_);
  if (page && !page_) {
    page_ = makePageWindow(*this, *page, main_);
    pageOpening_ = page->opening;
    place(page_, page->place);
    page_->render();
    show(page_);
  }
  if (page_) page_->render();

  const auto& about = desk_.about();
  if (!about || about->opening != aboutOpening_) dispose(about_);
  if (about && !about_) {
    about_ = new AboutDialog(*this, main_);
    aboutOpening_ = about->opening;
    place(about_, about->place);
    about_->render();
    show(about_);
  }
  if (about_) about_->render();
}

}  // namespace ventelle
