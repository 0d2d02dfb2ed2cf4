// The record reader under every data file: lines, keys, values, section
// headers and comma-separated fields.
#include "core/record_reader.h"
#include "fuzz_support.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = fuzz::linesOf(fuzz::bytesOf(data, size));

  RecordReader reader(lines);
  while (reader.nextLine()) {
    const std::string& line = reader.currentLine();
    FUZZ_CHECK(!line.empty() && line.front() != ';' && line.front() != ' ' && line.back() != ' ');
    reader.resetLineHasNoKey();
    const std::string key = reader.item();
    const std::string value = reader.data();
    FUZZ_CHECK(reader.lineHasNoKey() == (line.find('=') == std::string::npos));
    FUZZ_CHECK(key.size() + value.size() <= line.size());

    // The fields of a value put back together give the value again.
    const int n = countFields(value);
    std::string joined;
    for (int k = 1; k <= n; ++k) joined += (k > 1 ? "," : "") + field(value, k, n);
    FUZZ_CHECK(joined == value);
    FUZZ_CHECK(field(value, n + 1, n).empty() || n == 0);

    std::string name;
    if (sectionName(line, name)) FUZZ_CHECK(name.size() < line.size());
  }

  // Walking from header to header, as the chapter index does, always ends.
  RecordReader sections(lines);
  sections.nextLine();
  std::size_t last = 0;
  while (!sections.atEnd()) {
    sections.findNextSection();
    FUZZ_CHECK(sections.position() >= last);
    last = sections.position();
    sections.nextLine();
  }
  return 0;
}
