#pragma once
// What the main window does when the program starts, once the splash has
// closed and the window is centred.
#include <filesystem>
#include <optional>

#include "ui/window/window_context.h"

namespace ventelle {

// installerFolder: the system's fixed temporary folder where an installation
// leaves its files, when the system has one.
void startUp(WindowContext& ctx, const std::optional<std::filesystem::path>& installerFolder);

// One "&Affichage" item per skin file skin/*.col.
void listSkins(WindowContext& ctx);

// One "&Fichier" item per user profile *.ini, the default user's aside.
void listUsers(WindowContext& ctx);

}  // namespace ventelle
