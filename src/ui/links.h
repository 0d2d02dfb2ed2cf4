#pragma once
// The web pages and text files the menus open.
#include <optional>
#include <string>

#include "ui/window_context.h"

namespace ventelle {

// The address a link item of the "&Didacticiels" menu opens, if it is one.
std::optional<std::string> linkAddress(const std::string& menuItem);

// The program path of the text file a menu item opens in the text editor, if any.
std::optional<std::string> textFileOf(const std::string& menuItem);

// Opens the address in the default browser; tells the user when none starts.
void openLink(WindowContext& ctx, const std::string& address);

// Opens a text file of the program folder in the text editor.
void openTextFile(WindowContext& ctx, const std::string& programPath);

}  // namespace ventelle
