// A skin file: its sixteen values read from the lines, then the file form
// that also finds its pictures in the skin folder. The skin folder holds one
// picture, "fond.png", that a skin may name.
#include "fuzz_support.h"
#include "ui/skin/skin_file.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::bytesOf(data, size);
  const auto values = readSkinValues(fuzz::linesOf(bytes));
  if (const auto* fault = std::get_if<SkinFault>(&values))
    FUZZ_CHECK(fault->value >= 0 && fault->value <= kSkinValues);

  const auto& folder = fuzz::scratch();
  static const bool pictureWritten = (folder.write("skin/fond.png", "\x89PNG\r\n\x1A\n"), true);
  (void)pictureWritten;
  folder.write("skin/fuzz.col", bytes);
  const SkinRead skin = readSkin(ProgramFolder(folder.path()), "fuzz");
  // The file form takes no skin whose values are refused.
  if (std::holds_alternative<SkinFault>(values)) FUZZ_CHECK(std::holds_alternative<SkinFault>(skin));
  if (const auto* taken = std::get_if<Skin>(&skin)) {
    for (const auto* picture : {&taken->windowPicture, &taken->questionPicture, &taken->evaluationPicture})
      FUZZ_CHECK(picture->empty() || std::filesystem::path(*picture).filename() == "fond.png");
  }
  return 0;
}
