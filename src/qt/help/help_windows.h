#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

#include "qt/help/help_frames.h"
#include "qt/services/qt_dialogs.h"
#include "ui/help/help_desk.h"

class QWindow;

namespace ventelle {


// The help windows on screen: after every event it opens, moves, redraws and
// closes them as the help desk holds them, and tells the desk which window
// of the program becomes active. It holds no rule of its own.
class HelpWindows : public QObject {
  Q_OBJECT
 public:
  // mainWindow: the help windows' parent, or none.
  HelpWindows(HelpDesk& desk, QWidget* mainWindow);
  ~HelpWindows() override;

  void render();
  // Runs an event of that help window, its message boxes over it, then redraws.
  void act(QWidget* window, const std::function<void()>& event);

  HelpDesk& desk() { return desk_; }
  // The windows open, or none.
  HelpFrame* index() const { return index_; }
  HelpFrame* page() const { return page_; }
  HelpFrame* about() const { return about_; }

 private:
  void focusWindowChanged(QWindow* window);
  void place(QWidget* window, const WindowPlace& place);
  void show(QWidget* window);
  void renderOnce();

  HelpDesk& desk_;
  QWidget* main_;
  QtDialogs dialogs_;
  QPointer<HelpFrame> index_;
  QPointer<HelpFrame> page_;
  QPointer<HelpFrame> about_;
  int indexOpening_ = 0;
  int pageOpening_ = 0;
  int aboutOpening_ = 0;
  // Showing a window may activate it at once, which asks for a redraw while
  // one is under way: it follows the one under way.
  bool rendering_ = false;
  bool renderAgain_ = false;
};

}  // namespace ventelle
