#include "ui/progress/progress_view.h"

#include "bank/question_loader.h"
#include "core/fatal_error.h"
#include "core/file_io.h"
#include "ui/exams/exam_switch.h"
#include "ui/progress/exam_chance.h"
#include "ui/quiz/chapter_readiness.h"
#include "users/user_names.h"

namespace ventelle {
namespace {

std::string rightAnswersAndComment(const Question& q) {
  std::string right;
  for (int k = 1; k <= q.answerCount; ++k)
    if (q.answerValues[k] > 0) right += "\n- " + q.answerTexts[k];
  const std::string comment = q.comment == "-" ? "Pas de commentaire." : q.comment;
  return "Bonne(s) réponse(s) :" + (right.empty() ? std::string(" aucune") : right) + "\n\nCommentaire : " + comment;
}

MissedRow missedRow(WindowContext& ctx, const MissedQuestion& m) {
  MissedRow row;
  row.label = std::to_string(m.chapter) + "." + m.question + " : manquée " + std::to_string(m.misses) + " fois sur " +
              std::to_string(m.answers);
  const ChapterIndex* index = ctx.library.chapter(ctx.chapterPath(m.chapter));
  const auto place = index ? index->placeOf(m.question) : std::nullopt;
  if (!place) {
    row.text = "Cette question n'est plus dans le fichier de son chapitre.";
    return row;
  }
  try {
    const Question q = readQuestion(*index, m.chapter, *place, ctx.bankPrefix);
    row.text = q.text;
    row.detail = rightAnswersAndComment(q);
  } catch (const FatalError&) {
    row.text = "Cette question est endommagée dans le fichier de son chapitre.";
  }
  return row;
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(";\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

ProgressView progressView(WindowContext& ctx) {
  recordMissingChance(ctx);
  ProgressView view;
  const int exam = ctx.examIndex;
  view.title = "Mes progrès - " + windowTitle(exam, ctx.activeUserName);
  const ChanceNow now = passChanceOf(ctx, ctx.journal.answers);
  view.chance = chanceText(now);
  view.chanceHistory = chanceHistory(ctx.journal, exam);
  if (now.chance) {
    const std::string today = ctx.clock.now().substr(0, 10);
    if (!view.chanceHistory.empty() && view.chanceHistory.back().day == today) view.chanceHistory.pop_back();
    view.chanceHistory.push_back(chanceOfDay(today, exam, *now.chance));
  }
  view.marks = questionnaireMarks(ctx.journal.answers, exam);
  for (int k = 1; k <= ctx.chapterCount(); ++k)
    view.chapters.push_back({std::to_string(k) + ". " + shownCaption(ctx.controls.partie[k].caption),
                             readinessOf(ctx.journal.answers, exam, chapterQuestionsOf(ctx, k))});
  for (const auto& missed : mostMissed(ctx.journal.answers, exam)) view.missed.push_back(missedRow(ctx, missed));
  return view;
}

std::string journalCsv(const Journal& journal) {
  std::string csv = "date;examen;chapitre;question;points;points max;juste;mode;questionnaire\n";
  for (const auto& a : journal.answers) {
    csv += a.time + ";" + std::to_string(a.exam) + ";" + std::to_string(a.chapter) + ";" + csvField(a.question) +
           ";" + std::to_string(a.points) + ";" + std::to_string(a.maxPoints) + ";" + (a.right ? "1" : "0") + ";" +
           std::string(modeName(a.mode)) + ";" + csvField(a.questionnaire) +
           "\n";
  }
  return csv;
}

std::optional<std::string> exportJournalCsv(const WindowContext& ctx, const std::filesystem::path& file) {
  if (writeFileAtomically(file, journalCsv(ctx.journal), Durability::UserData)) return std::nullopt;
  return "Le fichier \"" + file.filename().string() +
         "\" n'a pas pu être écrit (dossier protégé en écriture ou disque plein).";
}

}  // namespace ventelle
