#pragma once
// The "Mes progrès" window as the program sees it: every figure and series
// it shows, free of any toolkit, for the exam on screen.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "progress/progress_report.h"
#include "progress/readiness.h"
#include "ui/window/window_context.h"

namespace ventelle {

struct ChapterRow {
  std::string caption;  // "1. Météorologie"
  Readiness readiness;
};

struct MissedRow {
  std::string label;    // "3.P12 : manquée 4 fois sur 5"
  std::string text;     // the question as its file words it
  std::string detail;   // its right answers and its comment
};

struct ProgressView {
  std::string title;
  std::string chance;  // "Chance de réussite à l'examen : 72 % (± 6)"
  // One point a day, today's last: the chance in percent and its margin.
  std::vector<JournalChance> chanceHistory;
  std::vector<QuestionnaireMark> marks;
  std::vector<ChapterRow> chapters;
  std::vector<MissedRow> missed;
};

// Records first the chance of a past day that lacks it.
ProgressView progressView(WindowContext& ctx);

// The journal as CSV text for a spreadsheet: ";" between fields, one answer a line.
std::string journalCsv(const Journal& journal);

// Writes the active user's journal as CSV; the message to show when it could not.
std::optional<std::string> exportJournalCsv(const WindowContext& ctx, const std::filesystem::path& file);

}  // namespace ventelle
