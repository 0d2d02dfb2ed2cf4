#include "ui/main/startup.h"

#include "ui/main/installer_cleanup.h"
#include "ui/profile/profile_commands.h"

namespace ventelle {
namespace {

constexpr std::size_t kExtensionLength = 4;  // ".col", ".ini"

std::string withoutExtension(const std::string& fileName) {
  return fileName.substr(0, fileName.size() - kExtensionLength);
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Menu captions of the listed files, without their extension; a file named
// `skipped` (in either case) or with an empty name is left out.
std::vector<std::string> menuCaptions(const std::vector<std::string>& files, const std::string& skipped) {
  std::vector<std::string> captions;
  for (const auto& file : files) {
    const std::string caption = literalCaption(withoutExtension(file));
    if (!caption.empty() && lowered(file) != skipped) captions.push_back(caption);
  }
  return captions;
}

// Items prefix<last+1>, prefix<last+2> ... after item prefix<last>.
void addNumberedItems(MenuBar& menus, const std::string& prefix, int last, const std::vector<std::string>& captions) {
  for (const auto& caption : captions) {
    const std::string previous = prefix + std::to_string(last);
    menus.insertAfter(previous, prefix + std::to_string(++last), MenuItem{caption});
  }
}

}  // namespace

void listSkins(WindowContext& ctx) {
  auto captions = menuCaptions(ctx.library.folder().listFiles("skin", ".col"), "");
  if (captions.empty()) return;
  ctx.controls.menus.at("mnuskin1").caption = captions.front();
  captions.erase(captions.begin());
  addNumberedItems(ctx.controls.menus, "mnuskin", 1, captions);
}

void listUsers(WindowContext& ctx) {
  const auto captions = menuCaptions(ctx.library.folder().listFiles("", ".ini"), kDefaultUser + ".ini");
  addNumberedItems(ctx.controls.menus, "mnuUtilisateur", 0, captions);
}

void startUp(WindowContext& ctx, const std::optional<std::filesystem::path>& installerFolder) {
  if (installerFolder) removeInstallerLeftovers(*installerFolder);
  purgeOtherFormats(ctx);
  listSkins(ctx);
  listUsers(ctx);
  ctx.skinName = "classique";
  ctx.activeUserName = kDefaultUser;
  initialiseUser(ctx, kDefaultUser);
  loadProfile(ctx);
}

}  // namespace ventelle
