#pragma once
// Answer cues: what lets a candidate score without knowing the answer. For
// each bank, how often the right answer is the longest or the shortest
// option, how often wrong answers carry an absolute word or restrictive
// wording, and which questions ask the same thing twice within reach of one
// questionnaire. Every comparison reads a no-break space as a blank.
#include <string>
#include <vector>

#include "core/program_folder.h"

namespace ventelle::bankcheck {

// One question as the cue report sees it.
struct CueQuestion {
  std::string where;  // "2004/5.qcm [72]"
  int module = 0;     // 2004 module (1..30); 0 elsewhere
  std::string text;
  std::vector<std::pair<std::string, double>> answers;  // text, value
};

struct NearDuplicate {
  std::string first;
  std::string second;
  double similarity;  // of the texts and right answers together
};

struct CueThresholds {
  // Single-answer questions whose right answer is strictly the longest, or
  // strictly the shortest option: at most this far from the bank's chance.
  double singleAwayFromChance = 0.10;
  double multiAboveChance = 0.10;  // multi-answer: longest option right, away from chance
  double absoluteMax = 0.05;       // wrong answers carrying an absolute word
  // Wrong answers with restrictive wording: at most the share of right
  // answers with it plus this.
  double restrictiveMargin = 0.015;
  // Two questions ask the same thing when the word stems of their texts,
  // of their right answers and of both together are at least as alike as
  // one of these shapes: texts much alike (the same question reworded),
  // right answers much alike, or everything fairly alike. Read on the shipped
  // banks, they catch the five pairs the examiners found and nothing else;
  // just below stand questions on neighbouring points (the pressure and the
  // temperature with height), and those that only share their right
  // answer's words (the best glide speed, and how to fly it in a head wind).
  struct DuplicateShape {
    double text, right, both;
  };
  std::vector<DuplicateShape> duplicateShapes = {{0.42, 0.10, 0.28}, {0.20, 0.50, 0.40}, {0.35, 0.25, 0.42}};
};

struct BankCues {
  std::string bank;
  int questions = 0;
  int singleAnswer = 0;
  int singleLongestRight = 0;
  int singleShortestRight = 0;
  double singleChance = 0;  // expected count of singleAnswer questions answered right by a blind pick
  int multiAnswer = 0;
  int multiLongestRight = 0;
  double multiChance = 0;  // expected count of multiAnswer questions whose longest option is right
  int wrongAnswers = 0;
  int wrongAbsolute = 0;
  int wrongRestrictive = 0;
  int rightAnswers = 0;
  int rightRestrictive = 0;
  std::vector<std::string> everyWrongAbsolute;
  std::vector<NearDuplicate> duplicates;

  double longestRightShare() const { return singleAnswer ? double(singleLongestRight) / singleAnswer : 0; }
  double shortestRightShare() const { return singleAnswer ? double(singleShortestRight) / singleAnswer : 0; }
  double singleChanceShare() const { return singleAnswer ? singleChance / singleAnswer : 0; }
  double multiLongestShare() const { return multiAnswer ? double(multiLongestRight) / multiAnswer : 0; }
  double multiChanceShare() const { return multiAnswer ? multiChance / multiAnswer : 0; }
  double absoluteShare() const { return wrongAnswers ? double(wrongAbsolute) / wrongAnswers : 0; }
  double wrongRestrictiveShare() const { return wrongAnswers ? double(wrongRestrictive) / wrongAnswers : 0; }
  double rightRestrictiveShare() const { return rightAnswers ? double(rightRestrictive) / rightAnswers : 0; }
  // The figures that stand outside the thresholds, in French; none when clean.
  std::vector<std::string> breaches(const CueThresholds& limits) const;
};

// A share as the report prints it: "73 %", or with `decimals` "4,1 %".
std::string percentText(double share, int decimals = 0);
// A gap between two shares: "10 points", "1,5 points".
std::string pointsText(double share);

// The length of an answer as the cue report compares it: its characters once
// decoded, a run of blanks (spaces, tabs, no-break spaces) counting as one
// and the blanks at either end not at all.
std::size_t answerLength(const std::string& utf8Text);

// The restrictive wording counted, as the report and the help name it.
extern const char* const kRestrictivePatterns;

// Whether a text holds restrictive wording: "ne" or "n'" followed later by
// "que" or "qu'", "seul", "seule", "seuls", "seules", "quel", "quelle",
// "quels" or "quelles" then "que" then "soit" or "soient", or
// "exclusivement"; whole words, whatever their case.
bool holdsRestrictiveWording(const std::string& utf8Text);

// Whether a text holds one of the absolute words (toujours, jamais, aucun...).
bool holdsAbsoluteWord(const std::string& utf8Text);

// Shared word stems of two texts, 0..1: their words of four letters or more
// (cut to six, accents dropped, a few empty words left out), numbers and
// capitalised abbreviations.
double stemSimilarity(const std::string& a, const std::string& b);

// The cue figures of one bank's questions; `mayMeet(a, b)` says whether the
// questions a and b can stand in one questionnaire.
BankCues measureCues(const std::string& bank, const std::vector<CueQuestion>& questions,
                     bool (*mayMeet)(const CueQuestion&, const CueQuestion&), const CueThresholds& limits);

// Every bank of the program folder: the 2004 modules, then the banks in exam order.
std::vector<BankCues> measureFolderCues(const ProgramFolder& folder, const CueThresholds& limits);

}  // namespace ventelle::bankcheck
