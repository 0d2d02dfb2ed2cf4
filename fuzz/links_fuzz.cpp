// The links file "Liens.dat", which a school may edit: read as the links
// page, the about window and a help page read it, then every link clicked;
// whatever the file holds, only web pages and mail addresses reach the
// desktop, and a link without an address opens nothing.
#include <string_view>

#include "core/seeded_random.h"
#include "fuzz_support.h"
#include "ui/help/help_desk.h"
#include "ui/help/links.h"

using namespace ventelle;

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if ((text[i] | 0x20) != prefix[i]) return false;
  return true;
}

struct CheckingDesktop : Desktop {
  bool openAddress(const std::string& address) override {
    FUZZ_CHECK(startsWithNoCase(address, "http://") || startsWithNoCase(address, "https://") ||
               startsWithNoCase(address, "mailto:"));
    FUZZ_CHECK(address.find_first_of(std::string_view(" \t\r\n\0", 5)) == std::string::npos);
    ++opened;
    return opened % 2 == 0;
  }
  bool openTextFile(const std::filesystem::path&) override {
    FUZZ_CHECK(false);
    return false;
  }
  int opened = 0;
};

struct SilentDialogs : Dialogs {
  void message(MessageIcon, const std::string&, const std::string& text) override { FUZZ_CHECK(!text.empty()); }
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& folder = fuzz::scratch();
  folder.write(kLinksFile, fuzz::bytesOf(data, size));
  folder.write("aide/FrmVersion.txt", "{web:ffvl|FFVL}, {web:dgac|DGAC} et {web:mnuAZ|A}.");
  const ProgramFolder programFolder(folder.path());
  SeededRandom random(size);
  CheckingDesktop desktop;
  SilentDialogs dialogs;
  HelpDesk desk(programFolder, random, desktop, dialogs);

  desk.menuCommand("mnuIndex");
  for (const int entry : {1, 9}) {
    desk.indexEntryClick(entry);
    std::visit(
        [&](const auto& content) {
          if constexpr (requires { content.links(); }) {
            const int count = static_cast<int>(content.links().size());
            for (int i = 0; i < count; ++i) {
              const int before = desktop.opened;
              const bool live = content.links()[i].live();
              desk.linkClick(HelpWindowId::Page, i);
              if (!live) FUZZ_CHECK(desktop.opened == before);
              if (!desk.page()) return;
            }
          }
        },
        desk.page()->content);
    desk.indexButtonClick();
  }
  const LinkBook book(programFolder);
  for (const char* item : {"mnuAZ", "mnuComp", "mnuSom", "mnuVAV", "mnuRadio"})
    openLink(desktop, dialogs, book.address(item));

  desk.menuCommand("mnuApropos");
  const int before = desktop.opened;
  const bool live = desk.about()->content.web().live();
  desk.linkClick(HelpWindowId::About, 0);
  if (!live) FUZZ_CHECK(desktop.opened == before);
  return 0;
}
