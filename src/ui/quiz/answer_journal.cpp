#include "ui/quiz/answer_journal.h"

#include "progress/journal_file.h"
#include "ui/window/messages.h"

namespace ventelle {

std::filesystem::path journalFileOf(const WindowContext& ctx, const std::string& user) {
  return ctx.library.folder().resolveForWriting(user + std::string(kJournalExtension));
}

void loadJournal(WindowContext& ctx) { ctx.journal = readJournalFile(journalFileOf(ctx, ctx.activeUserName)); }

void forgetJournal(WindowContext& ctx, const std::string& user) {
  removeJournalFile(journalFileOf(ctx, user));
  if (user == ctx.activeUserName) ctx.journal = Journal{};
}

void appendToJournal(WindowContext& ctx, const std::string& line) {
  const auto file = journalFileOf(ctx, ctx.activeUserName);
  const bool written = appendJournalLine(file, line);
  if (!written && !ctx.journalWriteFailing)
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kWriteFailedTitle,
                        messages::unwritableJournal(file.filename().string()));
  ctx.journalWriteFailing = !written;
}

void journalAnswer(WindowContext& ctx, const Question& question, int points, bool right, AnswerMode mode,
                   const std::string& questionnaire) {
  if (ctx.gameOpen) return;
  JournalAnswer answer{ctx.clock.now(), ctx.examIndex, question.chapter, question.name, points, 6, right, mode,
                       questionnaire};
  appendToJournal(ctx, journalLine(answer));
  ctx.journal.answers.push_back(std::move(answer));
}

}  // namespace ventelle
