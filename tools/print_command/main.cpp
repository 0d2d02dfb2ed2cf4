// ventelle-print: draws a questionnaire as the "Générer un questionnaire"
// command does and writes its classroom documents as PDF files, without a
// window. It works on a private copy of the program folder, which it never
// changes.
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>

#include "bank/chapter_library.h"
#include "core/exam_catalogue.h"
#include "core/fatal_error.h"
#include "core/page_layout.h"
#include "core/seeded_random.h"
#include "core/user_copy.h"
#include "print_options.h"
#include "qt/services/program_location.h"
#include "qt/services/qt_print_service.h"
#include "ui/main/main_window_model.h"
#include "ui/profile/user_menu.h"

namespace {

using namespace ventelle;
namespace fs = std::filesystem;

constexpr int kBadArguments = 2;
constexpr int kFailure = 1;

// Messages go to the terminal; input boxes take the number of copies.
class TerminalDialogs : public Dialogs {
 public:
  explicit TerminalDialogs(int copies) : copies_(std::to_string(copies)) {}
  void message(MessageIcon, const std::string& title, const std::string& text) override {
    std::cerr << (title.empty() ? "" : title + " : ") << text << "\n";
  }
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
    return copies_;
  }

 private:
  std::string copies_;
};

class NoDesktop : public Desktop {
 public:
  bool openAddress(const std::string&) override { return false; }
  bool openTextFile(const std::filesystem::path&) override { return false; }
};

// Writes each job to the PDF chosen for its kind of document.
class PdfFiles : public PrintService {
 public:
  fs::path target;
  bool written = false;  // whether the last job reached its file whole
  std::string paperCode;  // of the last questionnaire, sheets or grid written
  PrintOutcome print(const PrintJob& job) override {
    written = printToPdf(job, target);
    if (written && !job.questionnaire.paperCode.empty()) paperCode = job.questionnaire.paperCode;
    // A file that cannot be written is told by the tool itself, naming it:
    // the window's message about the printer is not for a terminal.
    return written ? PrintOutcome::Printed : PrintOutcome::Cancelled;
  }
};

// A private copy of the program folder, removed on the way out; an empty
// folder when there is nothing to copy.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::optional<fs::path>& original)
      : path_(fs::temp_directory_path() / ("ventelle-print-" + std::to_string(::getpid()))) {
    std::error_code error;
    fs::remove_all(path_, error);
    if (original && fs::exists(*original, error))
      fs::copy(*original, path_, fs::copy_options::recursive, error);
    else
      fs::create_directories(path_, error);
    if (error) {
      fs::remove_all(path_, error);
      throw FatalError("la copie de travail du dossier du programme n'a pas pu être faite dans " + path_.string() +
                       " (dossier protégé en écriture ou disque plein).");
    }
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

int fail(const std::string& message, int code) {
  std::cerr << "ventelle-print : " << message << "\n";
  return code;
}

// The menu item of that user, letter case aside.
std::optional<std::string> userItem(const MainWindowModel& model, const std::string& user) {
  const MenuBar& menus = model.controls().menus;
  for (const auto& entry : menus.order())
    if (const auto name = userOfItem(menus, entry.name); name && sameUserName(*name, user)) return entry.name;
  return std::nullopt;
}

// Ticks or unticks a menu item through its command.
void setChecked(MainWindowModel& model, const std::string& item, bool checked) {
  if (model.controls().menus.at(item).checked != checked) model.menuCommand(item);
}

// Sets the size options, both ways, for a size the exam offers. A size the
// options already give is left as it is (the authority's exams give theirs
// with or without the instructor option).
void chooseSize(MainWindowModel& model, int size) {
  if (model.pageLayout().questionCount == size) return;
  if (size == 20) {
    setChecked(model, "mnuQBi", true);
  } else if (size == 30) {
    setChecked(model, "mnuConfirme", true);
  } else {
    setChecked(model, "mnuQBi", false);
    setChecked(model, "mnuConfirme", false);
  }
}

// The folder the program reads, copied, and where profiles are looked for.
struct WorkFolders {
  std::optional<fs::path> copied;  // copied into the scratch folder, read and written there
  std::optional<fs::path> shipped;  // read beneath it, never written
  fs::path profiles;
};

WorkFolders workFolders(const PrintOptions& options) {
  if (options.folder) return {*options.folder, std::nullopt, *options.folder};
  const ProgramFolders found = findProgramFolders(QCoreApplication::applicationDirPath().toStdString());
  if (!found.user) return {found.shipped, std::nullopt, found.shipped};
  return {*found.user, found.shipped, *found.user};
}

int run(const PrintOptions& options) {
  const WorkFolders folders = workFolders(options);
  const fs::path& checked = folders.shipped ? *folders.shipped : *folders.copied;
  if (!fs::is_directory(checked))
    return fail("le dossier du programme " + checked.string() + " est introuvable.", kBadArguments);
  const ScratchFolder scratch(folders.copied);
  // Over the shipped folder, the copy is sorted out as the program sorts out
  // the user's folder: its subfolders made, stale copies of shipped files gone.
  if (folders.shipped) reviewUserCopy(scratch.path(), *folders.shipped, fileChecksum);

  TerminalDialogs dialogs(options.copies);
  NoDesktop desktop;
  const bool seedDrawn = !options.seed;
  std::random_device entropy;
  const std::uint64_t seed = options.seed ? *options.seed : (std::uint64_t{entropy()} << 32) ^ entropy();
  SeededRandom random(seed);
  ChapterLibrary library{folders.shipped ? ProgramFolder(scratch.path(), *folders.shipped)
                                         : ProgramFolder(scratch.path())};
  PdfFiles pdf;
  MainWindowModel model(dialogs, desktop, random, library, pdf);
  model.start();

  if (options.user) {
    const auto item = userItem(model, *options.user);
    if (!item)
      return fail("l'utilisateur " + *options.user + " n'a pas de profil dans " + folders.profiles.string() + ".",
                  kBadArguments);
    model.menuCommand(*item);
    // A profile that cannot be read leaves the default user active.
    if (!sameUserName(model.activeUserName(), *options.user))
      return fail("le profil de l'utilisateur " + *options.user + " ne peut pas être lu.", kFailure);
  }
  // A user's own exam unless another is asked for.
  const int exam = options.exam ? *options.exam : options.user ? model.examIndex() : kDefaultExam;
  if (model.examIndex() != exam) model.menuCommand(examInfo(exam).menuItem);
  if (options.includeLower && model.controls().menus.at("mnuInclure").checked != *options.includeLower) {
    if (*options.includeLower && !model.controls().menus.at("mnuInclure").visible)
      return fail("cet examen n'a pas de QCMs inférieurs à inclure.", kBadArguments);
    model.menuCommand("mnuInclure");
  }
  if (options.size) {
    const auto sizes = offeredQuestionCounts(exam);
    if (std::find(sizes.begin(), sizes.end(), *options.size) == sizes.end())
      return fail("l'examen " + std::to_string(exam) + " propose " + sizeList(exam) + " questions, pas " +
                      std::to_string(*options.size) + ".",
                  kBadArguments);
    chooseSize(model, *options.size);
  }

  const auto print = [&](const std::optional<fs::path>& target, const std::string& command) {
    if (!target) return true;
    pdf.target = fs::absolute(*target);
    pdf.written = false;
    model.menuCommand(command);
    return pdf.written;
  };
  const auto unwritten = [&pdf] {
    return fail("le fichier " + pdf.target.string() +
                    " n'a pas pu être écrit (dossier introuvable ou protégé en écriture, ou disque plein).",
                kFailure);
  };
  // Print preparation greys the error report out: it comes first.
  if (!print(options.errorReport, "mnuImprimerErreurs")) return unwritten();

  // The questionnaire is drawn before any of its papers, so that its answer
  // sheets and its grid are its own and carry its code.
  const bool drawn = options.questionnaire || options.answerSheets || options.correction;
  if (!drawn) return 0;
  model.menuCommand("mnuGenerer");
  if (!model.controls().menus.at("mnuImprimeQuestionnaire").enabled)
    return fail("le questionnaire n'a pas pu être tiré.", kFailure);
  if (!print(options.questionnaire, "mnuImprimeQuestionnaire") ||
      !print(options.answerSheets, "mnuImprimerReponse") || !print(options.correction, "mnuImprimeCorrige"))
    return unwritten();
  if (seedDrawn) std::cout << "Graine du tirage : " << seed << " (--seed " << seed << " tire le même questionnaire)\n";
  std::cout << "Référence des papiers : " << pdf.paperCode << "\n";
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto parsed = parsePrintOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&parsed)) return fail(*message, kBadArguments);
  const PrintOptions& options = std::get<PrintOptions>(parsed);
  if (options.help) {
    std::cout << printUsage();
    return 0;
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  try {
    return run(options);
  } catch (const FatalError& error) {
    return fail(error.what(), kFailure);
  }
}
