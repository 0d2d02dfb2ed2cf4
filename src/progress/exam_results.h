#pragma once
// A user's journal read for one exam: the answers of each chapter, grouped as
// the estimates want them.
#include <cstdint>
#include <string>
#include <vector>

#include "progress/journal.h"
#include "progress/pass_simulation.h"
#include "progress/readiness.h"

namespace ventelle {

// A chapter of the exam and the names of the questions its file holds now.
struct ChapterQuestions {
  int chapter = 0;
  std::vector<std::string> names;
};

// Readiness of one chapter of the exam.
Readiness readinessOf(const std::vector<JournalAnswer>& answers, int exam, const ChapterQuestions& chapter);

// The results the simulation draws from, chapter by chapter.
std::vector<ChapterResults> chapterResults(const std::vector<JournalAnswer>& answers, int exam,
                                           const std::vector<ChapterQuestions>& chapters);

// Answers given to the exam in these chapters.
int answersInChapters(const std::vector<JournalAnswer>& answers, int exam, const std::vector<ChapterQuestions>& chapters);

// The same answers always give the same seed.
std::uint64_t seedOf(const std::vector<JournalAnswer>& answers, int exam);

}  // namespace ventelle
