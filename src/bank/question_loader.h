#pragma once
// Reads one question of a chapter file and shuffles its answers.
#include <string>

#include "bank/chapter_library.h"
#include "bank/question.h"
#include "core/random_source.h"

namespace ventelle {

// "Le fichier <prefix>Chapitre<n>.dat est corrompu à la question <name>, ..."
std::string corruptChapterMessage(const std::string& bankPrefix, int chapter, const std::string& name);

// Reads the question at a place (1..questionCount) of the chapter. Throws
// FatalError when the question is damaged: its first line is not
// "Question=", or the line after it is neither "Cmt=" nor an answer.
// Answer lines beyond the fifth are ignored.
Question readQuestion(const ChapterIndex& chapter, int chapterNumber, int place, const std::string& bankPrefix);

// Far beyond any exam's weights: a damaged value held to it keeps every sum
// of points a whole number the program can count.
inline constexpr double kLargestAnswerValue = 1000;

// Leading decimal number of a text ("2.5 points" -> 2.5), held within
// ±kLargestAnswerValue; 0 when none.
double leadingNumber(const std::string& text);

// Shows the answers in a random order; values become whole numbers (halves to even).
void shuffleAnswers(Question& question, RandomSource& random);

// Shows the answers in an order saved before (order[i]: the file place shown
// at place i); false, the question untouched, when the order is not one of
// its answers' orders.
bool applyAnswerOrder(Question& question, const std::array<int, kMaxAnswers + 1>& order);

}  // namespace ventelle
