// ventelle-print: draws a questionnaire as the "Générer un questionnaire"
// command does and writes its classroom documents as PDF files, without a
// window. It works on a private copy of the program folder, which it never
// changes.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <map>

#include "bank/chapter_library.h"
#include "core/clock_random.h"
#include "core/exam_catalogue.h"
#include "core/fatal_error.h"
#include "core/seeded_random.h"
#include "print_options.h"
#include "qt/qt_print_service.h"
#include "ui/main_window_model.h"
#include "ui/user_menu.h"

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
  PrintOutcome print(const PrintJob& job) override {
    written = printToPdf(job, target);
    return written ? PrintOutcome::Printed : PrintOutcome::Failed;
  }
};

// A private copy of the program folder, removed on the way out.
class ScratchFolder {
 public:
  explicit ScratchFolder(const fs::path& original)
      : path_(fs::temp_directory_path() / ("ventelle-print-" + std::to_string(::getpid()))) {
    std::error_code error;
    fs::remove_all(path_, error);
    fs::copy(original, path_, fs::copy_options::recursive, error);
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

fs::path defaultFolder(const char* program) {
  return fs::weakly_canonical(fs::path(program)).parent_path() / "data";
}

// The menu item of that user, letter case aside.
std::optional<std::string> userItem(const MainWindowModel& model, const std::string& user) {
  const MenuBar& menus = model.controls().menus;
  for (const auto& entry : menus.order())
    if (const auto name = userOfItem(menus, entry.name); name && sameUserName(*name, user)) return entry.name;
  return std::nullopt;
}

// Sets the test size asked for; false when the exam does not offer it.
bool chooseSize(MainWindowModel& model, std::optional<int> size) {
  if (!size) return true;
  const auto& menus = model.controls().menus;
  if (*size == 30 && menus.at("mnuConfirme").visible && !menus.at("mnuConfirme").checked)
    model.menuCommand("mnuConfirme");
  if (*size == 20 && menus.at("mnuQBi").visible && !menus.at("mnuQBi").checked) model.menuCommand("mnuQBi");
  return model.pageLayout().questionCount == *size;
}

int run(const PrintOptions& options, const char* program) {
  const fs::path folder = options.folder ? *options.folder : defaultFolder(program);
  if (!fs::is_directory(folder)) return fail("le dossier du programme " + folder.string() + " est introuvable.", kBadArguments);
  if (options.user && !fs::exists(folder / (*options.user + ".ini")))
    return fail("l'utilisateur " + *options.user + " n'a pas de profil dans " + folder.string() + ".", kBadArguments);
  const ScratchFolder scratch(folder);

  TerminalDialogs dialogs(options.copies);
  NoDesktop desktop;
  ClockRandom clock;
  std::optional<SeededRandom> seeded;
  if (options.seed) seeded.emplace(*options.seed);
  RandomSource& random = seeded ? static_cast<RandomSource&>(*seeded) : clock;
  ChapterLibrary library{ProgramFolder(scratch.path())};
  PdfFiles pdf;
  MainWindowModel model(dialogs, desktop, random, library, pdf);
  model.start();

  if (options.user) {
    const auto item = userItem(model, *options.user);
    if (!item) return fail("l'utilisateur " + *options.user + " est introuvable.", kBadArguments);
    model.menuCommand(*item);
  }
  if (model.examIndex() != options.exam) model.menuCommand(examInfo(options.exam).menuItem);
  if (model.controls().menus.at("mnuInclure").checked != options.includeLower) {
    if (options.includeLower && !model.controls().menus.at("mnuInclure").visible)
      return fail("cet examen n'a pas de QCMs inférieurs à inclure.", kBadArguments);
    model.menuCommand("mnuInclure");
  }
  if (!chooseSize(model, options.size))
    return fail("cet examen ne propose pas de questionnaire de " + std::to_string(*options.size) + " questions.",
                kBadArguments);

  const std::vector<std::pair<const std::optional<fs::path>*, std::string>> documents = {
      {&options.errorReport, "mnuImprimerErreurs"},
      {&options.answerSheets, "mnuImprimerReponse"},
      {&options.questionnaire, "mnuImprimeQuestionnaire"},
      {&options.correction, "mnuImprimeCorrige"}};
  const bool needsQuestionnaire = options.questionnaire || options.correction;
  bool generated = false;
  for (const auto& [target, command] : documents) {
    if (!*target) continue;
    if (needsQuestionnaire && !generated && (command == "mnuImprimeQuestionnaire" || command == "mnuImprimeCorrige")) {
      model.menuCommand("mnuGenerer");
      if (!model.controls().menus.at("mnuImprimeQuestionnaire").enabled)
        return fail("le questionnaire n'a pas pu être tiré.", kFailure);
      generated = true;
    }
    pdf.target = fs::absolute(**target);
    pdf.written = false;
    model.menuCommand(command);
    if (!pdf.written)
      return fail("le fichier " + pdf.target.string() + " n'a pas pu être écrit.", kFailure);
  }
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
    return run(options, argv[0]);
  } catch (const FatalError& error) {
    return fail(error.what(), kFailure);
  }
}
