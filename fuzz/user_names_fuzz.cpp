// The rules of a new user's name, typed in the user-management window,
// against the names listed and the profile files of the folder. The input
// holds the typed name, then the listed names, then the file names,
// separated by "--8<--" lines, each list one name a line.
#include <algorithm>

#include "fuzz_support.h"
#include "users/user_names.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzz::filesOf(fuzz::bytesOf(data, size), 3);
  const std::string typed = parts[0];
  const TextLines listed = parts.size() > 1 ? splitLines(parts[1]) : TextLines{};
  const TextLines files = parts.size() > 2 ? splitLines(parts[2]) : TextLines{};

  const std::string name = trimBlanks(typed);
  FUZZ_CHECK(name.size() <= typed.size() && trimBlanks(name) == name);
  const std::string folded = foldCase(name);
  FUZZ_CHECK(foldCase(folded) == folded && sameUserName(name, folded));

  const auto refusal = refusalOfNewUser(name, listed, files);
  if (!refusal) {
    // A name taken is one a profile file can be made of, and it comes back
    // from its file's name.
    FUZZ_CHECK(!name.empty() && name.find_first_of("\\/:*.?\"<>|") == std::string::npos);
    FUZZ_CHECK(std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
    FUZZ_CHECK(displayNameOfFile(name + kProfileExtension) == name);
    FUZZ_CHECK(userNameOf(displayName(name)) == name);
    FUZZ_CHECK((name + kProfileExtension).size() <= 255);
  }
  for (const auto& other : listed) FUZZ_CHECK(sameUserName(name, other) == sameUserName(other, name));
  return 0;
}
