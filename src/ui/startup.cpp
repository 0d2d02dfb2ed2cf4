#include "ui/startup.h"

#include "ui/exam_switch.h"
#include "ui/installer_cleanup.h"

namespace ventelle {
namespace {

constexpr std::size_t kExtensionLength = 4;  // ".col", ".ini"

std::string withoutExtension(const std::string& fileName) {
  return fileName.substr(0, fileName.size() - kExtensionLength);
}

bool isDefaultUserFile(const std::string& fileName) {
  std::string lowered = fileName;
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered == kDefaultUser + ".ini";
}

}  // namespace

void listSkins(WindowContext& ctx) {
  auto& menus = ctx.controls.menus;
  std::string last = "mnuskin1";
  int n = 0;
  for (const auto& file : ctx.library.folder().listFiles("skin", ".col")) {
    const std::string caption = literalCaption(withoutExtension(file));
    if (caption.empty()) continue;
    if (++n == 1) {
      menus.at(last).caption = caption;
      continue;
    }
    const std::string name = "mnuskin" + std::to_string(n);
    menus.insertAfter(last, name, MenuItem{caption});
    last = name;
  }
}

void listUsers(WindowContext& ctx) {
  auto& menus = ctx.controls.menus;
  std::string last = "mnuUtilisateur0";
  int k = 0;
  for (const auto& file : ctx.library.folder().listFiles("", ".ini")) {
    const std::string caption = literalCaption(withoutExtension(file));
    if (isDefaultUserFile(file) || caption.empty()) continue;
    const std::string name = "mnuUtilisateur" + std::to_string(++k);
    menus.insertAfter(last, name, MenuItem{caption});
    last = name;
  }
}

void startUp(WindowContext& ctx, const std::optional<std::filesystem::path>& installerFolder) {
  if (installerFolder) removeInstallerLeftovers(*installerFolder);
  listSkins(ctx);
  listUsers(ctx);
  ctx.activeUserName = kDefaultUser;
  switchExam(ctx, kDefaultExam);
}

}  // namespace ventelle
