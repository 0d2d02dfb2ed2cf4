#include "ui/help/links.h"

#include <algorithm>
#include <array>

#include "core/record_reader.h"
#include "core/text_file.h"
#include "ui/help/help_texts.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

constexpr std::array<std::string_view, 15> kLinkItems = {
    "mnuAZ",    "mnuComp",     "mnuAerodynamique", "mnuSom",    "mnumeteo", "mnuAero",     "mnuMecavol", "mnuMatos",
    "mnuRegle", "mnuConseils", "mnuFPara",         "mnuFDelta", "mnuVAV",   "mnuAviation", "mnuRadio"};

constexpr std::string_view kMailScheme = "mailto:";

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return (a >= 'A' && a <= 'Z' ? a + ('a' - 'A') : a) == (b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
         });
}

// The mail address of a "mailto:" address, without its scheme and fields.
std::string mailOf(const std::string& address) {
  const std::string mail = address.substr(kMailScheme.size());
  return mail.substr(0, mail.find('?'));
}

}  // namespace

LinkBook::LinkBook(const ProgramFolder& folder) {
  const auto lines = readTextFile(folder.resolve(kLinksFile));
  if (!lines) return;
  RecordReader reader(*lines);
  while (reader.nextLine()) {
    reader.resetLineHasNoKey();
    std::string key = reader.item();
    if (reader.lineHasNoKey() || key.empty()) continue;
    entries_.emplace_back(std::move(key), reader.data());
  }
}

std::string LinkBook::address(std::string_view key) const {
  for (const auto& [k, address] : entries_)
    if (k == key) return address;
  return {};
}

bool isOpenableAddress(std::string_view address) {
  std::size_t scheme = 0;
  for (const std::string_view prefix : {std::string_view("http://"), std::string_view("https://"), kMailScheme})
    if (startsWithNoCase(address, prefix)) scheme = prefix.size();
  if (scheme == 0 || address.size() == scheme) return false;
  return std::none_of(address.begin(), address.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
  });
}

std::string contactAddress(const std::string& address, const std::string& subject) {
  if (!startsWithNoCase(address, kMailScheme)) return address;
  return address + (address.find('?') == std::string::npos ? "?" : "&") + "subject=" + percentEncode(subject);
}

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

bool isLinkItem(std::string_view menuItem) {
  return std::find(kLinkItems.begin(), kLinkItems.end(), menuItem) != kLinkItems.end();
}

std::optional<std::string> textFileOf(const std::string& menuItem) {
  if (menuItem == "mnuInfo") return "info.txt";
  if (menuItem == "mnuRedac") return "manuel\\qbiredac.txt";
  return std::nullopt;
}

void openLink(Desktop& desktop, Dialogs& dialogs, const std::string& address) {
  if (address.empty()) return;
  if (!isOpenableAddress(address)) {
    dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, help_texts::refusedAddress(address));
  } else if (desktop.openAddress(address)) {
    return;
  } else if (startsWithNoCase(address, kMailScheme)) {
    dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, help_texts::mailFailed(mailOf(address)));
  } else {
    dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::browserFailed(address));
  }
}

void openLinkItem(WindowContext& ctx, const std::string& menuItem) {
  openLink(ctx.desktop, ctx.dialogs, LinkBook(ctx.library.folder()).address(menuItem));
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
