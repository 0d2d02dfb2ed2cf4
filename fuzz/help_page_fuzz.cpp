// A help page's body file, which a user may replace with their own: read as
// the help window reads it, every link shown leads to a known page or to an
// address of the links file, and every run names a link that exists.
#include "fuzz_support.h"
#include "ui/help/help_pages.h"
#include "ui/help/links.h"
#include "ui/help/text_page.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& folder = fuzz::scratch();
  folder.write("aide/FrmBravo.txt", fuzz::bytesOf(data, size));
  const HelpPageEntry* entry = helpPage("FrmBravo");
  FUZZ_CHECK(entry != nullptr);
  const TextPage page(*entry, ProgramFolder(folder.path()));
  const auto& links = page.links();
  for (const auto& paragraph : page.paragraphs())
    for (const auto& block : paragraph)
      for (const auto& run : block.runs)
        FUZZ_CHECK(!run.link || (*run.link >= 0 && *run.link < static_cast<int>(links.size())));
  for (const auto& link : links) {
    const LinkTarget& target = link.target;
    FUZZ_CHECK(target.kind != LinkTarget::Kind::Page || helpPage(target.key) != nullptr);
    FUZZ_CHECK(target.kind != LinkTarget::Kind::Web || !target.address.empty());
  }
  return 0;
}
