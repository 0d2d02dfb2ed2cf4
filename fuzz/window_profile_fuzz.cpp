// A profile edited by hand, taken up by the main window over the banks as
// shipped: the user is chosen, the saved questionnaire comes back and a few
// questions are marked. Whatever the file holds, the window goes on, and what
// it writes back reads again.
#include "fakes/model_on_folder.h"
#include "fuzz_support.h"
#include "core/fatal_error.h"
#include "users/profile_store.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& folder = fuzz::scratch();
  static const bool shipped =
      (std::filesystem::copy(VENTELLE_DATA_DIR, folder.path(),
                             std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing),
       true);
  (void)shipped;
  folder.write("Jean.ini", fuzz::bytesOf(data, size));

  ModelOver window(folder.path());
  MainWindowModel& model = window.model;
  try {
    model.start();
    // A file of another format is removed at start-up, with a message.
    if (!model.controls().menus.contains("mnuUtilisateur1")) return 0;
    FUZZ_CHECK(model.controls().menus.at("mnuUtilisateur1").caption == "Jean");
    model.menuCommand("mnuUtilisateur1");
    for (int k = 0; k < 3; ++k) {
      model.checkClick(1);
      model.questionClick();
    }
    model.menuCommand("mnuEnregistrer");
  } catch (const FatalError&) {
    FUZZ_CHECK(false);  // the shipped banks are whole: no profile may make them look damaged
  }
  const auto reread = ProfileStore(ProgramFolder(folder.path()), Durability::Derived).read("Jean");
  FUZZ_CHECK(reread.value.has_value());
  return 0;
}
