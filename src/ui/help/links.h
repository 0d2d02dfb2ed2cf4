#pragma once
// The addresses the menus and the reference windows open, read from the
// links file of the program folder, and the opening itself: only web pages
// and mail addresses are ever opened.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/program_folder.h"
#include "ui/window/desktop.h"
#include "ui/window/dialogs.h"
#include "ui/window/window_context.h"

namespace ventelle {

// One "key=address" line per link: the link items of the menus by their
// control name ("mnuAZ"), the reference windows' links by the keys below and
// those of the help pages ("ffvl"). An empty address leaves its link as
// plain text.
inline const std::string kLinksFile = "Liens.dat";
inline constexpr std::string_view kProgramPageKey = "ventelle";
inline constexpr std::string_view kProgramMailKey = "courriel";

class LinkBook {
 public:
  LinkBook() = default;
  // Reads the links file; a missing file leaves every address empty.
  explicit LinkBook(const ProgramFolder& folder);

  // The address of the first line of that key; empty when the file lacks it.
  std::string address(std::string_view key) const;

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// A web page (http://, https://) or a mail (mailto:) with something after
// its scheme, and no blank or control character: the only addresses opened.
bool isOpenableAddress(std::string_view address);

// What the link asking for a place among the supporters opens: a mail
// address gets that subject; a web page is opened as it stands.
std::string contactAddress(const std::string& address, const std::string& subject);

// Percent-encodes every byte but letters, digits and "-._~".
std::string percentEncode(std::string_view text);

// Whether the menu item is a link item of the "&Didacticiels" menu.
bool isLinkItem(std::string_view menuItem);

// The program path of the text file a menu item opens in the text editor, if any.
std::optional<std::string> textFileOf(const std::string& menuItem);

// Opens the address with the desktop's browser or mail program; an address
// of any other kind is refused, and a handler that does not start is told.
void openLink(Desktop& desktop, Dialogs& dialogs, const std::string& address);

// A link item of the menus: the address the links file gives it now; an
// empty one opens nothing.
void openLinkItem(WindowContext& ctx, const std::string& menuItem);

// Opens a text file of the program folder in the text editor.
void openTextFile(WindowContext& ctx, const std::string& programPath);

}  // namespace ventelle
