#pragma once
// The program's one table of addresses, the web pages and text files the
// menus and the reference windows open, and the opening itself.
#include <optional>
#include <string>
#include <string_view>

#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/window_context.h"

namespace ventelle {

// The address a link item of the "&Didacticiels" menu opens, if it is one.
std::optional<std::string> linkAddress(const std::string& menuItem);

// The address the reference windows know by that key ("ffvl", "dgac",
// "ventelle" for the program's own page ...), if the key is known. An empty
// address is one the owner has not filled in yet.
std::optional<std::string> webAddress(std::string_view key);

// The program author's mail address; empty until the owner fills it in.
const std::string& authorMail();

// "mailto:" address of a new mail with that subject, percent-encoded.
std::string mailtoAddress(const std::string& mail, const std::string& subject);

// Percent-encodes every byte but letters, digits and "-._~".
std::string percentEncode(std::string_view text);

// The program path of the text file a menu item opens in the text editor, if any.
std::optional<std::string> textFileOf(const std::string& menuItem);

// Opens the address in the default browser; tells the user when none starts.
void openLink(Desktop& desktop, Dialogs& dialogs, const std::string& address);
void openLink(WindowContext& ctx, const std::string& address);

// Opens the address of that key of the table; an address not filled in yet
// (or an unknown key) shows a notice instead.
void openWebKey(Desktop& desktop, Dialogs& dialogs, std::string_view key);

// Starts a new mail to the program's author with that subject; a notice when
// the author's address is not filled in yet.
void mailAuthor(Desktop& desktop, Dialogs& dialogs, const std::string& subject);

// Opens a text file of the program folder in the text editor.
void openTextFile(WindowContext& ctx, const std::string& programPath);

}  // namespace ventelle
