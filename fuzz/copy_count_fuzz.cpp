// The copy count typed in the print commands' input box.
#include "core/windows1252.h"
#include "fuzz_support.h"
#include "ui/print/print_commands.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input box gives UTF-8 text; raw bytes reach the reader too.
  const std::string bytes = fuzz::bytesOf(data, size);
  for (const std::string& typed : {bytes, decodeWindows1252(bytes)}) {
    const CopyCount count = copyCountOf(typed);
    FUZZ_CHECK(count.copies >= 0 && count.copies <= kMaxCopies);
    FUZZ_CHECK(!count.tooMany || count.copies == 0);
  }
  return 0;
}
