#pragma once
// The users' profile files in the program folder: "<user>.ini", created from
// the template "parapente.cfg" or from the built-in content, read whole, and
// rewritten whole through a temporary file so that a failed write never
// leaves half a profile.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/program_folder.h"
#include "core/text_file.h"
#include "quiz/error_lists.h"
#include "users/error_sections.h"
#include "users/settings_line.h"

namespace ventelle {

inline const std::string kProfileTemplate = "parapente.cfg";

// The built-in profile of a new user, line by line.
const TextLines& defaultProfileLines();

// Windows-1252 bytes of the lines, each ended by CR LF.
std::string profileBytes(const TextLines& lines);

struct ProfileRead {
  SettingsRead settings;
  ErrorSectionsRead sections;
  TextLines questionnaire;  // the lines after "[Historique]" up to the first empty one
  // What could not be read, in French, one item per fault.
  std::vector<std::string> problems;
};

class ProfileStore {
 public:
  // Durability: whether a write waits for the disk (always, but for measuring).
  explicit ProfileStore(const ProgramFolder& folder, Durability durability = Durability::UserData)
      : folder_(folder), durability_(durability) {}

  // Initialise_Utilisateur: the template's bytes, or the built-in content.
  bool initialise(const std::string& user) const;

  // enregistrefautes: rewrites the error sections, keeping the settings line
  // and the questionnaire lines. A profile that has gone is made again from
  // the built-in settings, so no mistake is lost.
  bool rewriteErrors(const std::string& user, const ErrorLists& errors) const;

  // Replaces the whole profile.
  bool save(const std::string& user, const std::string& settingsLine, const ErrorLists& errors,
            const TextLines& questionnaire) const;

  // Nothing when the profile cannot be read at all.
  std::optional<ProfileRead> read(const std::string& user) const;

  // The error list of one exam and chapter as the file holds it (empty for
  // a chapter the exam's section does not keep); nothing when the profile
  // cannot be read.
  std::optional<std::string> errorList(const std::string& user, int exam, int chapter) const;

  // Keeps a copy of the profile beside it, under a name that is not taken for
  // a user's ("<user>.ini.bak"); false when no copy could be made.
  bool keepCopy(const std::string& user) const;

  bool remove(const std::string& user) const;

  std::filesystem::path pathOf(const std::string& user) const;

  // Vire_Ex_ini: profiles whose first field is not the format tag are set
  // aside (tell is called first for every one but the default user's), then a
  // template of another format.
  void purgeOtherFormats(const std::function<void(const std::string& fileName)>& tell) const;

 private:
  std::optional<TextLines> lines(const std::filesystem::path& path, std::vector<std::string>* problems) const;
  const ProgramFolder& folder_;
  Durability durability_;
};

}  // namespace ventelle
