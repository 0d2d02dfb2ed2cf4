#include "ui/links.h"

#include <array>
#include <utility>

#include "ui/help_texts.h"
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

// The addresses of the reference windows. Left empty: not filled in yet.
const std::array<std::pair<std::string_view, const char*>, 17> kWebAddresses = {{
    {"ventelle", ""},  // the program's own web page
    {"ffvl", kFederation},
    {"dgac", "https://www.ecologie.gouv.fr/direction-generale-laviation-civile-dgac"},
    // FrmLiens: the supporters' sites and the download sites.
    {"para2000", ""},
    {"liguereunion", ""},
    {"parapangue", ""},
    {"azurtech", ""},
    {"meteoreunion", ""},
    {"cumulus", ""},
    {"dodos", ""},
    {"appulma", ""},
    {"asvlr", ""},
    {"bionic", ""},
    {"airanx", ""},
    {"framalibre", "https://framalibre.org/"},
    {"flathub", "https://flathub.org/"},
    {"sourceforge", "https://sourceforge.net/"},
}};

const std::string kAuthorMail;  // not filled in yet

void notFilled(Dialogs& dialogs) {
  dialogs.message(MessageIcon::Information, help_texts::kNoticeTitle, help_texts::kUnfilledAddress);
}

}  // namespace

std::optional<std::string> linkAddress(const std::string& menuItem) {
  for (const auto& [item, address] : kLinks)
    if (menuItem == item) return address;
  return std::nullopt;
}

std::optional<std::string> webAddress(std::string_view key) {
  for (const auto& [k, address] : kWebAddresses)
    if (k == key) return address;
  return std::nullopt;
}

const std::string& authorMail() { return kAuthorMail; }

std::string percentEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
                       byte == '-' || byte == '.' || byte == '_' || byte == '~';
    if (plain) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::string mailtoAddress(const std::string& mail, const std::string& subject) {
  return "mailto:" + mail + "?subject=" + percentEncode(subject);
}

std::optional<std::string> textFileOf(const std::string& menuItem) {
  if (menuItem == "mnuInfo") return "info.txt";
  if (menuItem == "mnuRedac") return "manuel\\qbiredac.txt";
  return std::nullopt;
}

void openLink(Desktop& desktop, Dialogs& dialogs, const std::string& address) {
  if (!desktop.openAddress(address))
    dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::browserFailed(address));
}

void openLink(WindowContext& ctx, const std::string& address) { openLink(ctx.desktop, ctx.dialogs, address); }

void openWebKey(Desktop& desktop, Dialogs& dialogs, std::string_view key) {
  const auto address = webAddress(key);
  if (!address || address->empty()) {
    notFilled(dialogs);
  } else {
    openLink(desktop, dialogs, *address);
  }
}

void mailAuthor(Desktop& desktop, Dialogs& dialogs, const std::string& subject) {
  if (authorMail().empty()) {
    notFilled(dialogs);
  } else if (!desktop.openAddress(mailtoAddress(authorMail(), subject))) {
    dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, help_texts::mailFailed(authorMail()));
  }
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
