#pragma once
// The help windows the main window opens, and the rules they share: the
// index FrmIndex opens in the middle of the screen; the page opened next
// (one of its sixteen, the lexicon or the tips) takes the index's place, and
// the index closes once the page is the active window; "Index" brings the
// index back in the middle and closes the page; "Quitter" closes its window;
// and a window closes when it stops being the active one because another
// window of the program became active (not when another program, such as
// the browser a link opened, takes the focus). The about window Apropos,
// modal, follows the same rules.
//
// Positions and sizes are in twips.
#include <optional>
#include <string>
#include <variant>

#include "core/program_folder.h"
#include "core/random_source.h"
#include "ui/help/about_window.h"
#include "ui/help/help_pages.h"
#include "ui/help/lexicon_window.h"
#include "ui/help/links_page.h"
#include "ui/help/text_page.h"
#include "ui/help/tip_window.h"
#include "ui/window/desktop.h"
#include "ui/window/dialogs.h"

namespace ventelle {

// Every help window but Apropos has the same size, so that they all stand
// at the same place.
constexpr int kHelpWindowWidth = 9000;
constexpr int kHelpWindowHeight = 7200;
constexpr int kAboutWidth = 6300;
constexpr int kAboutHeight = 4500;

enum class HelpWindowId { Index, Page, About };

// The window of the program that has become active: a help window, another
// one (the main window, a message box), or none (another program has the
// focus).
enum class ActiveWindow { Index, Page, About, Other, None };

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowPlace&) const = default;
};

using PageContent = std::variant<TextPage, LinksPage, LexiconWindow, TipWindow>;

struct OpenWindow {
  WindowPlace place;
  int opening = 0;  // a new number at every opening: a new window
};

struct OpenPage : OpenWindow {
  const HelpPageEntry* entry = nullptr;  // its name and heading
  PageContent content;
};

struct OpenAbout : OpenWindow {
  AboutWindow content;
};

class HelpDesk {
 public:
  HelpDesk(const ProgramFolder& folder, RandomSource& random, Desktop& desktop, Dialogs& dialogs);

  // The message boxes of the help windows, shown over them.
  void setDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }
  void setScreenSize(int width, int height);

  // The items of the "&?" menu that open help windows: "Index de l'&Aide",
  // "&Lexique", "A&stuces" and "A &propos de..."; false for any other item.
  bool menuCommand(const std::string& item);
  // The lexicon paperclip: the index, then the lexicon on that word.
  void openLexicon(const std::string& word);

  const std::optional<OpenWindow>& index() const { return index_; }
  const std::optional<OpenPage>& page() const { return page_; }
  const std::optional<OpenAbout>& about() const { return about_; }
  bool anyOpen() const { return index_ || page_ || about_; }

  // Entry 1..16 of the index; any other number does nothing.
  void indexEntryClick(int entry);
  // The "Index" button of the page.
  void indexButtonClick();
  // "Quitter", "OK" of Apropos, or the window's close box.
  void quitClick(HelpWindowId window);
  // Link i of the window: another page (which then replaces this one), a web
  // address or a mail.
  void linkClick(HelpWindowId window, int link);
  void mouseOverLink(HelpWindowId window, int link);
  void mouseOverBackground(HelpWindowId window);
  // The lexicon's list and the tips' "Suivant >".
  void lexiconEntryClick(std::size_t entry);
  void nextTipClick();

  // The shell tells which window has just become active.
  void activated(ActiveWindow window);

 private:
  class Event;

  void openIndex();
  void openPage(const HelpPageEntry& entry, const std::string& word = {});
  void openAbout();
  void follow(const LinkTarget& target);
  WindowPlace centred(int width, int height) const;
  int openingOf(ActiveWindow window) const;
  void closeOpening(int opening);

  const ProgramFolder& folder_;
  RandomSource& random_;
  Desktop& desktop_;
  Dialogs* dialogs_;
  int screenWidth_ = 15360;  // 1024 by 768 pixels until the shell tells
  int screenHeight_ = 11520;
  std::optional<OpenWindow> index_;
  std::optional<OpenPage> page_;
  std::optional<OpenAbout> about_;
  WindowPlace pagePlace_;  // the place of the last index
  int openings_ = 0;
  int lastActive_ = 0;  // opening of the help window last active, 0 for another window
  int running_ = 0;     // events under way
};

}  // namespace ventelle
