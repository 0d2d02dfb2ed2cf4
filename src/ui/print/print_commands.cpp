#include "ui/print/print_commands.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "core/jpeg_size.h"
#include "print/paper_code.h"
#include "quiz/error_report.h"
#include "ui/exams/exam_switch.h"
#include "ui/print/questionnaire_generation.h"
#include "ui/window/messages.h"
#include "users/user_names.h"

namespace ventelle {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kTwipsPerMm = 56.7;

const std::string kQuestionnairesDocument = "Questionnaire";
const std::string kAnswerSheetsDocument = "Grille de réponses";
const std::string kCorrectionDocument = "Grille de correction";
const std::string kErrorReportDocument = "Etat des erreurs";

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The number a typed text begins with: blanks, a sign, digits, then a
// decimal comma or point and more digits. Nothing when it begins otherwise.
std::optional<double> leadingNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  double value = 0;
  bool digits = false;
  for (; i < text.size() && isDigit(text[i]); ++i, digits = true) value = value * 10 + (text[i] - '0');
  if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
    double place = 0.1;
    for (++i; i < text.size() && isDigit(text[i]); ++i, place /= 10, digits = true) value += (text[i] - '0') * place;
  }
  if (!digits) return std::nullopt;
  return negative ? -value : value;
}

// Asks how many copies to print: nothing when the answer prints none, or
// asks for more than one command prints (the user is told).
std::optional<int> askCopies(WindowContext& ctx, const std::string& title, const PageLayout& layout,
                             const std::string& request) {
  const auto typed = ctx.dialogs.input(title, messages::copiesPrompt(layout.title, layout.subtitle, request), "1");
  const CopyCount count = typed ? copyCountOf(*typed) : CopyCount{};
  if (count.tooMany)
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::tooManyCopies(kMaxCopies));
  if (count.copies == 0) return std::nullopt;
  return count.copies;
}

PrintedQuestionnaire questionnaireFrame(const WindowContext& ctx, const PageLayout& layout) {
  PrintedQuestionnaire printed;
  printed.title = layout.title;
  printed.subtitle = layout.subtitle;
  printed.gridColumns = layout.gridColumns;
  printed.gridRows = layout.gridRows;
  printed.federationExam = !isDgacBank(ctx.bankPrefix);
  return printed;
}

// The picture of a question, when its file reads; otherwise its program path
// joins the missing ones.
PrintedPicture pictureOf(const WindowContext& ctx, const std::string& name, std::vector<std::string>& missing) {
  const std::string path = ctx.bankPrefix + name + ".jpg";
  const auto file = ctx.library.folder().resolve(path);
  const auto size = jpegSize(file);
  if (!size) {
    missing.push_back(path);
    return {};
  }
  return {file.string(), size->width * kTwipsPerPixel / kTwipsPerMm, size->height * kTwipsPerPixel / kTwipsPerMm};
}

// The code of the first n questions composed: the exam, then each question's
// history entry (chapter and name) and the file places of its answers in the
// order they print.
std::string composedPaperCode(const WindowContext& ctx, std::size_t n) {
  std::string text = std::to_string(ctx.examIndex) + "\n";
  const auto& records = ctx.quiz.questionRecords;
  const auto& entries = ctx.controls.historique;
  for (std::size_t i = 0; i < n && i < records.size() && i < entries.size(); ++i) {
    text += entries[i] + ":";
    for (int k = 1; k <= records[i].nbRep; ++k) text += (k > 1 ? "," : "") + std::to_string(records[i].ordre[k]);
    text += "\n";
  }
  return paperCode(text);
}

// The composed questionnaire; with `missing`, its pictures too.
PrintedQuestionnaire composedQuestionnaire(const WindowContext& ctx, const PageLayout& layout,
                                           std::vector<std::string>* missing) {
  PrintedQuestionnaire printed = questionnaireFrame(ctx, layout);
  const auto& records = ctx.quiz.questionRecords;
  const std::size_t n = std::min<std::size_t>(records.size(), layout.gridColumns * layout.gridRows);
  for (std::size_t i = 0; i < n; ++i) {
    const QuestionRecord& record = records[i];
    PrintedQuestion& question = printed.questions.emplace_back();
    question.text = record.texte;
    for (int k = 1; k <= record.nbRep; ++k) {
      question.answers.push_back(record.rep[k]);
      question.points.push_back(record.pts[k]);
    }
    if (missing && !record.nom.empty()) question.picture = pictureOf(ctx, record.nom, *missing);
  }
  printed.paperCode = composedPaperCode(ctx, n);
  return printed;
}

PrintJob jobOf(DocumentKind kind, const std::string& documentName, int copies) {
  PrintJob job;
  job.kind = kind;
  job.documentName = documentName;
  job.copies = copies;
  return job;
}

void send(WindowContext& ctx, const PrintJob& job) {
  if (ctx.printer.print(job) == PrintOutcome::Failed)
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kPrintFailedTitle, messages::kPrintFailed);
}

}  // namespace

CopyCount copyCountOf(const std::string& typed) {
  const auto number = leadingNumber(typed);
  if (!number) return {};
  const double copies = std::round(*number);
  if (copies < 1) return {};
  if (copies > kMaxCopies) return {0, true};
  return {static_cast<int>(copies), false};
}

void printQuestionnaires(WindowContext& ctx) {
  const PageLayout layout = determinePageLayout(ctx);
  const auto copies = askCopies(ctx, messages::kPrintQuestionnairesTitle, layout, messages::kQuestionnaireCopies);
  if (!copies) return;
  PrintJob job = jobOf(DocumentKind::Questionnaires, kQuestionnairesDocument + " " + layout.title, *copies);
  std::vector<std::string> missing;
  job.questionnaire = composedQuestionnaire(ctx, layout, &missing);
  if (!missing.empty())
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kMissingFileTitle, messages::picturesNotPrinted(missing));
  send(ctx, job);
}

void printAnswerSheets(WindowContext& ctx) {
  const PageLayout layout = determinePageLayout(ctx);
  const auto copies = askCopies(ctx, messages::kPrintAnswerSheetsTitle, layout, messages::kAnswerSheetCopies);
  if (!copies) return;
  PrintJob job = jobOf(DocumentKind::AnswerSheets, kAnswerSheetsDocument + " " + layout.title, *copies);
  job.questionnaire = questionnaireFrame(ctx, layout);
  // Sheets for the questionnaire being prepared carry its code; blank ones none.
  if (inPrintPreparation(ctx))
    job.questionnaire.paperCode = composedPaperCode(ctx, layout.gridColumns * layout.gridRows);
  send(ctx, job);
}

void printCorrectionGrid(WindowContext& ctx) {
  const PageLayout layout = determinePageLayout(ctx);
  PrintJob job = jobOf(DocumentKind::CorrectionGrid, kCorrectionDocument + " " + layout.title, 1);
  job.questionnaire = composedQuestionnaire(ctx, layout, nullptr);
  send(ctx, job);
}

void printErrorReport(WindowContext& ctx) {
  const ErrorReport report = errorReport(ctx.examIndex, ctx.includesLowerLevels(), ctx.errors);
  const std::string user = displayName(ctx.activeUserName);
  PrintJob job = jobOf(DocumentKind::ErrorReport, kErrorReportDocument + " " + user, 1);
  PrintedErrorReport& printed = job.report;
  printed.userName = user;
  printed.title = report.title;
  printed.subtitle = report.subtitle;
  printed.lines = report.lines;
  // The chapters as their boxes read, which for a brevet with its lower
  // levels are those of the report.
  for (int k = 1; k <= report.chapterCount(); ++k)
    printed.chapterNames.push_back(shownCaption(ctx.controls.partie[k].caption));
  send(ctx, job);
}

}  // namespace ventelle
