#include "ui/links.h"

#include <array>
#include <utility>

#include "ui/messages.h"

namespace ventelle {
namespace {

// Official bodies' home pages stand in wherever a deeper address could move.
constexpr const char* kFederation = "https://federation.ffvl.fr/";
constexpr const char* kMeteoFrance = "https://meteofrance.com/";

const std::array<std::pair<const char*, const char*>, 15> kLinks = {{
    {"mnuAZ", kMeteoFrance},
    {"mnuComp", "https://meteofrance.com/comprendre-la-meteo"},
    {"mnuAerodynamique", "https://fr.wikipedia.org/wiki/A%C3%A9rodynamique"},
    {"mnuSom", kFederation},
    {"mnumeteo", "https://fr.wikipedia.org/wiki/M%C3%A9t%C3%A9orologie"},
    {"mnuAero", "https://fr.wikipedia.org/wiki/A%C3%A9rologie"},
    {"mnuMecavol", "https://fr.wikipedia.org/wiki/Portance_(a%C3%A9rodynamique)"},
    {"mnuMatos", "https://fr.wikipedia.org/wiki/Parapente"},
    {"mnuRegle", kFederation},
    {"mnuConseils", kFederation},
    {"mnuFPara", kFederation},
    {"mnuFDelta", kFederation},
    {"mnuVAV", "https://www.ffvp.fr/"},
    {"mnuAviation", "https://fr.wikipedia.org/wiki/Aviation"},
    {"mnuRadio", "https://www.sia.aviation-civile.gouv.fr/"},
}};

}  // namespace

std::optional<std::string> linkAddress(const std::string& menuItem) {
  for (const auto& [item, address] : kLinks)
    if (menuItem == item) return address;
  return std::nullopt;
}

std::optional<std::string> textFileOf(const std::string& menuItem) {
  if (menuItem == "mnuInfo") return "info.txt";
  if (menuItem == "mnuRedac") return "manuel\\qbiredac.txt";
  return std::nullopt;
}

void openLink(WindowContext& ctx, const std::string& address) {
  if (!ctx.desktop.openAddress(address))
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::browserFailed(address));
}

void openTextFile(WindowContext& ctx, const std::string& programPath) {
  const auto file = ctx.library.folder().resolve(programPath);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kMissingFileTitle, messages::missingTextFile(programPath));
  } else if (!ctx.desktop.openTextFile(file)) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::editorFailed(programPath));
  }
}

}  // namespace ventelle
