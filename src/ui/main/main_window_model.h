#pragma once
// The main window as the program sees it: every control's state and every
// event procedure, free of any toolkit. The shell draws controls() after
// each event and forwards the user's actions here.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/page_layout.h"
#include "ui/help/help_desk.h"
#include "ui/main/accessible_texts.h"
#include "ui/profile/user_management.h"
#include "ui/progress/progress_view.h"
#include "ui/window/counting_dialogs.h"
#include "ui/window/window_context.h"

namespace ventelle {

class MainWindowModel : public UserHost {
 public:
  MainWindowModel(Dialogs& dialogs, Desktop& desktop, RandomSource& random, ChapterLibrary& library,
                  PrintService& printer, Sound& sound = silentSound(), Clock& clock = systemClock());

  // Start-up once the splash has closed: lists the skins and users and puts
  // the start exam on screen. installerFolder: where an installation leaves
  // its files on this system, if it has such a folder.
  void start(const std::optional<std::filesystem::path>& installerFolder = std::nullopt);

  const WindowControls& controls() const { return ctx_.controls; }
  const QuizState& quiz() const { return ctx_.quiz; }
  const ErrorLists& errorLists() const { return ctx_.errors; }
  int examIndex() const { return ctx_.examIndex; }
  const std::string& bankPrefix() const { return ctx_.bankPrefix; }
  int reaskPeriod() const { return ctx_.reaskPeriod; }
  std::string activeUserName() const override { return ctx_.activeUserName; }
  const std::string& skinName() const { return ctx_.skinName; }
  // DetermineMiseEnPage: size, printed titles and grid of a questionnaire.
  PageLayout pageLayout() const;

  void questionClick();
  // A key pressed in the quiz (see quiz_keys.h): "1".."5" tick an answer,
  // "Return" and "Enter" press the Question button; false when it did nothing.
  bool quizKey(std::string_view key);
  // What a screen reader says of each control, as the window stands.
  AccessibleTexts accessibleTexts() const;
  // The user has toggled answer box i (1..5).
  void checkClick(int i);
  // Question button i (1..N) of a full questionnaire.
  void boutonClick(int i);
  // The wing mark: passes the question.
  void wingClick();
  // The user has toggled chapter box i (1..9).
  void chapterBoxClick(int i);
  void commentClipClick();
  void lexiconClipClick();
  // The mouse over the window, or over the wing picture; true when
  // something changed.
  bool mouseOverWindow();
  bool mouseOverWing();
  // The error panel: chapter box i (1..9) takes the focus; F1 on chapter
  // box i shows or hides its chapter's mistakes; the mouse over the panel
  // hides it (true when it was on show).
  void chapterBoxFocus(int i);
  void chapterBoxHelp(int i);
  bool mouseOverErrorPanel();
  // A click or a double-click on history entry `row` (0-based): shows that
  // question, or draws another in its place, while a questionnaire is
  // prepared for print; nothing otherwise.
  void historyClick(int row);
  void historyDoubleClick(int row);
  // A command of the menu item with that control name; false when the
  // model has no such command. A greyed-out item does nothing.
  bool menuCommand(const std::string& name);
  // True once after an event that asked for the user-management window,
  // which the shell then opens as "&Gestion des utilisateurs" does.
  bool takeUserWindowRequest() { return std::exchange(userWindowWanted_, false); }
  // True once after "Mes &progrès", which the shell answers by opening the
  // progress window on progressView().
  bool takeProgressWindowRequest() { return std::exchange(progressWindowWanted_, false); }
  // What the progress window shows for the exam on screen.
  ProgressView progressView() { return ventelle::progressView(ctx_); }
  // Writes the active user's journal as CSV; the message to show when it could not.
  std::optional<std::string> exportJournal(const std::filesystem::path& file) const {
    return exportJournalCsv(ctx_, file);
  }
  // The help windows the "&?" menu and the lexicon paperclip open.
  HelpDesk& helpDesk() { return help_; }

  // The goose game on the board (menu "&Jeu de l'Oie").
  const GooseGame& game() const { return ctx_.game; }
  // The name box's text has become `text`, `widthTwips` wide in the
  // window's font: false when it is refused and the box goes back to
  // game().nameText().
  bool gameNameEdited(const std::string& text, int widthTwips);
  // Enter in the name box.
  void gameNameEntered();
  void gameDieClick();
  // One tick of the game's timer, game().timer(); nothing while a message
  // box of another event is open.
  void gameTick();

  // What the user-management window asks of the main window.
  void loadUser(const std::string& userName) override;
  bool initialiseUser(const std::string& userName) override;
  std::vector<std::string> profileFileNames() const override;
  bool deleteProfile(const std::string& userName) override;
  void addUserMenuItem(const std::string& userName) override;
  void removeUserMenuItems(const std::string& userName) override;

 private:
  bool examCommand(const std::string& name);

  CountingDialogs dialogs_;
  WindowContext ctx_;
  HelpDesk help_;
  bool userWindowWanted_ = false;
  bool progressWindowWanted_ = false;
};

}  // namespace ventelle
