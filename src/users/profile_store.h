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

// The questionnaire in progress as the profile keeps it: its lines after
// "[Historique]", then, after the empty line that ends them, the names of
// their questions in a block of their own, so that a question is found again
// when its place in the bank has changed. A reader that stops at the empty
// line sees the lines alone.
struct QuestionnaireText {
  TextLines lines;
  TextLines names;  // the lines of the block, one per questionnaire line; none when there is no block
  bool operator==(const QuestionnaireText&) const = default;
};

struct ProfileRead {
  SettingsRead settings;
  ErrorSectionsRead sections;
  QuestionnaireText questionnaire;
  // What could not be read, in French, one item per fault.
  std::vector<std::string> problems;
};

// Why an operation on a profile did not go through. A profile that is there
// but cannot be read is never taken for an absent one: it is left as it is.
enum class ProfileFault { None, Absent, Unreadable, Unwritable };

// What was read from a profile, or why nothing was.
template <typename T>
struct FromProfile {
  std::optional<T> value;
  ProfileFault fault = ProfileFault::None;

  explicit operator bool() const { return value.has_value(); }
  const T& operator*() const { return *value; }
  const T* operator->() const { return &*value; }
};

class ProfileStore {
 public:
  // Durability: whether a write waits for the disk (always, but for measuring).
  explicit ProfileStore(const ProgramFolder& folder, Durability durability = Durability::UserData)
      : folder_(folder), durability_(durability) {}

  // Initialise_Utilisateur: the template's bytes, or the built-in content.
  bool initialise(const std::string& user) const;

  // enregistrefautes: rewrites the error sections, keeping the settings line
  // and the questionnaire. A profile that has gone is made again from the
  // built-in settings, so no mistake is lost; one that cannot be read is left
  // as it is (Unreadable).
  ProfileFault rewriteErrors(const std::string& user, const ErrorLists& errors) const;

  // Replaces the whole profile.
  bool save(const std::string& user, const std::string& settingsLine, const ErrorLists& errors,
            const QuestionnaireText& questionnaire) const;

  FromProfile<ProfileRead> read(const std::string& user) const;

  // The error list of one exam and chapter as the file holds it (empty for
  // a chapter the exam's section does not keep).
  FromProfile<std::string> errorList(const std::string& user, int exam, int chapter) const;

  // Keeps a copy of a damaged profile beside it, under a name of its own that
  // is not taken for a user's ("<user>.ini.endommage", "-2" ... when taken);
  // the copy's file name, or nothing when no copy could be made.
  std::optional<std::string> keepCopy(const std::string& user) const;

  bool remove(const std::string& user) const;

  std::filesystem::path pathOf(const std::string& user) const;

  // Vire_Ex_ini: profiles whose first field is not the format tag are set
  // aside under a name of their own ("<user>.ini.ancien-format", "-2" ...
  // when taken), then a template of another format. A profile that cannot be
  // read is left as it is. For every profile but the default user's,
  // setAside is told the file and its copy's name (nothing when it could not
  // be moved), and unreadable the file that could not be read.
  void purgeOtherFormats(const std::function<void(const std::string& file, const std::optional<std::string>& copy)>& setAside,
                         const std::function<void(const std::string& file)>& unreadable) const;

 private:
  FromProfile<TextLines> lines(const std::filesystem::path& path, std::vector<std::string>* problems) const;
  const ProgramFolder& folder_;
  Durability durability_;
};

}  // namespace ventelle
