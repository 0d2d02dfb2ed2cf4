#pragma once
// The main window as the user-management window sees it: profiles are real
// files of a folder of its own, the user entries a real menu bar. It records
// the users it loads and checks what it is asked.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "fakes/temp_folder.h"
#include "ui/profile/user_management.h"
#include "ui/profile/user_menu.h"
#include "ui/window/messages.h"
#include "users/user_files.h"

namespace ventelle {

class FakeUserHost : public UserHost {
 public:
  static constexpr const char* kFreshProfile = "V 6.1 profil neuf";
  static constexpr const char* kUsedProfile = "V 6.1 profil avec des fautes";
  static constexpr const char* kWriteFailed = "Le profil n'a pas pu être écrit.";

  explicit FakeUserHost(Dialogs& dialogs) : dialogs_(dialogs) {}

  // Profiles on disk, with the menu items start-up makes of them: one per
  // profile but the default user's, in listing order.
  void addProfiles(const std::vector<std::string>& fileNames) {
    for (const auto& file : fileNames) folder.write(file, kUsedProfile);
    for (const auto& file : files()) {
      const std::string user = file.substr(0, file.size() - kProfileExtension.size());
      if (!sameUserName(user, kDefaultUser)) addUserItem(menus, user);
    }
  }
  // What a profile file holds, nothing when it is absent.
  std::optional<std::string> profile(const std::string& fileName) const { return readFileBytes(folder.path() / fileName); }
  std::vector<std::string> files() const { return listProfileFiles(programFolder); }
  // The user entries of the "&Fichier" menu as they read.
  std::vector<std::string> userItems() const {
    std::vector<std::string> shown;
    for (const auto& entry : menus.order())
      if (userOfItem(menus, entry.name)) shown.push_back(shownText(menus.at(entry.name).caption));
    return shown;
  }

  std::string activeUserName() const override { return active; }
  void loadUser(const std::string& userName) override {
    EXPECT_TRUE(std::filesystem::exists(programFolder.resolve(userName + kProfileExtension)))
        << "loading " << userName << " without a profile";
    active = userName;
    loads.push_back(userName);
  }
  bool initialiseUser(const std::string& userName) override {
    EXPECT_TRUE(userName == trimBlanks(userName) && !userName.empty() && userName.find_first_of("/\\") == std::string::npos)
        << userName;
    if (!writable) {
      dialogs_.message(MessageIcon::Exclamation, messages::kWriteFailedTitle, kWriteFailed);
      return false;
    }
    folder.write(userName + kProfileExtension, kFreshProfile);
    return true;
  }
  std::vector<std::string> profileFileNames() const override { return files(); }
  bool deleteProfile(const std::string& userName) override {
    EXPECT_FALSE(sameUserName(userName, kDefaultUser) || sameUserName(userName, active)) << "deleting " << userName;
    return deletable && deleteProfileFile(programFolder, userName);
  }
  void addUserMenuItem(const std::string& userName) override { addUserItem(menus, userName); }
  void removeUserMenuItems(const std::string& userName) override { removeUserItems(menus, userName); }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  MenuBar menus = initialMenuBar();
  std::string active = kDefaultUser;
  std::vector<std::string> loads;  // users loaded, in order
  bool writable = true;
  bool deletable = true;

 private:
  Dialogs& dialogs_;
};

}  // namespace ventelle
