#pragma once
// The help windows of the shell, one class per kind: each draws its part of
// the help desk and hands the user's actions to HelpWindows.
#include <QDialog>
#include <functional>
#include <vector>

#include "ui/help/help_desk.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace ventelle {

class HelpWindows;

// What every help window has: its name and title, its size, the heading
// Etiquette0 and the buttons Indexbouton and QuitterBouton.
class HelpFrame : public QDialog {
  Q_OBJECT
 public:
  HelpFrame(HelpWindows& windows, HelpWindowId id, const QString& name, const QSize& size, QWidget* parent);

  HelpWindowId id() const { return id_; }
  // Draws the window's controls from the desk.
  virtual void render() {}

 public slots:
  // Escape: as "Quitter".
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  QLabel* addHeading(const std::string& text);
  QPushButton* addButton(const char* name, const std::string& caption, const QRect& place,
                         const std::function<void()>& click);
  // Indexbouton and QuitterBouton at the foot of the window.
  void addFootButtons(bool withIndex);
  // A link label: dark green or blue, the pointing hand over it.
  QLabel* addLink(const QString& name, int link, const QRect& place);
  void renderLink(QLabel* label, const LinkLabel& link);
  // Runs one event of this window.
  void act(const std::function<void()>& event);
  const HelpDesk& desk() const;
  HelpDesk& desk();

 private:
  HelpWindows& windows_;
  HelpWindowId id_;
  std::vector<QLabel*> links_;
};

// FrmIndex: the heading and the sixteen entries Etiquette1..16.
class IndexWindow : public HelpFrame {
  Q_OBJECT
 public:
  IndexWindow(HelpWindows& windows, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QLabel*> entries_;
};

// A page of text: the heading over its body, whose links are in the text.
class TextPageWindow : public HelpFrame {
  Q_OBJECT
 public:
  TextPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent);
  void render() override;

 private:
  QLabel* body_ = nullptr;
};

// FrmLiens: the links WEB0..WEB14 and their captions.
class LinksPageWindow : public HelpFrame {
  Q_OBJECT
 public:
  LinksPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent);
  void render() override;

 private:
  std::vector<QLabel*> web_;
};

// FrmLexique: the list Lexique, the term Etiquette1 and its definition Etiquette2.
class LexiconPageWindow : public HelpFrame {
  Q_OBJECT
 public:
  LexiconPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent);
  void render() override;

 private:
  QListWidget* list_ = nullptr;
  QLabel* term_ = nullptr;
  QLabel* definition_ = nullptr;
  bool shown_ = false;
};

// FrmTip: the tip Etiquette1 and the button Suivant.
class TipPageWindow : public HelpFrame {
  Q_OBJECT
 public:
  TipPageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent);
  void render() override;

 private:
  QLabel* tip_ = nullptr;
};

// Apropos: the name, five icons, the version and the author, the link WEB
// and the button Commande1 "OK".
class AboutDialog : public HelpFrame {
  Q_OBJECT
 public:
  AboutDialog(HelpWindows& windows, QWidget* parent);
  void render() override;

 private:
  QLabel* web_ = nullptr;
  QLabel* webCaption_ = nullptr;
};

// The window that shows that page.
HelpFrame* makePageWindow(HelpWindows& windows, const OpenPage& page, QWidget* parent);

}  // namespace ventelle
