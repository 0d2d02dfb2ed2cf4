// The tips "Tip.txt": one drawn as the splash and the tips window draw it.
#include "core/seeded_random.h"
#include "fuzz_support.h"
#include "ui/help/random_tip.h"
#include "ui/help/tip_window.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& folder = fuzz::scratch();
  folder.write(kTipFile, fuzz::bytesOf(data, size));
  const ProgramFolder programFolder(folder.path());
  SeededRandom random(size);
  for (int draw = 0; draw < 4; ++draw) {
    const auto tip = drawRandomTip(programFolder, random);
    if (tip) FUZZ_CHECK(!tip->empty() && tip->front() != ';' && tip->front() != ' ' && tip->back() != ' ');
  }
  TipWindow window(programFolder, random);
  FUZZ_CHECK(!window.tip().empty());
  window.next();
  return 0;
}
