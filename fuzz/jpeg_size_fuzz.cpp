// The picture-size reader of the questions' JPEG pictures.
#include <sstream>

#include "core/jpeg_size.h"
#include "fuzz_support.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(fuzz::bytesOf(data, size));
  if (const auto picture = jpegSize(in)) FUZZ_CHECK(picture->width > 0 && picture->height > 0);
  return 0;
}
