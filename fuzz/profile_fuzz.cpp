// A user's profile file read as "Reprendre" reads it: the settings line, the
// error sections and the saved questionnaire, each of whose lines is read in
// both its forms. What is read is then written back and must read the same.
#include "fuzz_support.h"
#include "users/profile_store.h"
#include "users/questionnaire_lines.h"
#include "users/settings_line.h"

using namespace ventelle;

namespace {

void readQuestionnaireLine(const std::string& line) {
  if (const auto training = readTrainingLine(line)) {
    const auto again = readTrainingLine(writeTrainingLine(*training));
    // The name, if the line had one, goes to the block of names.
    FUZZ_CHECK(again && again->chapter == training->chapter && again->index == training->index &&
               again->name.empty());
  }
  if (const auto full = readFullQuestionnaireLine(line)) {
    const auto again = readFullQuestionnaireLine(writeFullQuestionnaireLine(*full));
    FUZZ_CHECK(again && again->chapter == full->chapter && again->index == full->index &&
               again->ordre == full->ordre && again->coche == full->coche && again->name.empty());
  }
}

void readNameLineOf(const std::string& line) {
  const std::string name = readNameLine(line);
  FUZZ_CHECK(readNameLine(writeNameLine(name)) == name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& folder = fuzz::scratch();
  folder.write("fuzz.ini", fuzz::bytesOf(data, size));
  const ProgramFolder programFolder(folder.path());
  const ProfileStore store(programFolder, Durability::Derived);

  const auto read = store.read("fuzz");
  FUZZ_CHECK(read.value.has_value());
  for (const auto& line : read->questionnaire.lines) readQuestionnaireLine(line);
  for (const auto& line : read->questionnaire.names) readNameLineOf(line);

  // Settings saved are read back as saved.
  const std::string saved = writeSettingsLine(read->settings.settings);
  FUZZ_CHECK(writeSettingsLine(readSettingsLine(saved).settings) == saved);

  // Rewriting the mistakes keeps the settings line and the questionnaire.
  FUZZ_CHECK(store.rewriteErrors("fuzz", read->sections.errors) == ProfileFault::None);
  const auto reread = store.read("fuzz");
  FUZZ_CHECK(reread && reread->questionnaire == read->questionnaire);
  return 0;
}
