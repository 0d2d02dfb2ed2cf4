#pragma once
// The questionnaire in progress.
#include <array>
#include <string>
#include <vector>

#include "bank/question.h"

namespace ventelle {

// A copy of one question of a full questionnaire with the user's ticks.
struct QuestionRecord {
  std::string texte;
  std::string nom;
  std::string cmt = "-";
  int nbRep = 0;  // 0: the slot holds no question yet
  std::array<int, kMaxAnswers + 1> ordre{};
  std::array<std::string, kMaxAnswers + 1> rep{};
  std::array<int, kMaxAnswers + 1> pts{};
  std::array<int, kMaxAnswers + 1> coche{};
};

struct AskedQuestion {
  int chapter = 0;  // 0: empty slot
  int index = 0;
};

enum class StopMode { Neither = -1, Both = 0, OnSuccess = 1, OnFailure = 2 };

struct MarkingOptions {
  StopMode stopMode = StopMode::Both;
  bool confirmedTest = false;
  bool instructorTest = false;
  bool examConformMarking = true;
};

struct QuizState {
  Question question;  // the question on screen
  std::vector<AskedQuestion> askedQuestions{1};
  std::vector<QuestionRecord> questionRecords{1};
  int currentButton = 0;
  int selectedChapter = 0;  // the chapter box last focused, or the chapter last drawn
  bool tickGuard = false;
  bool redrawRequested = false;
  // While a profile is applied, the commands it replays leave the draw for
  // the end: only the question the user will see is drawn.
  bool drawsDeferred = false;
  bool antiDuplicateOff = false;
  int repeatCounter = 0;
  bool errorRecorded = false;
  MarkingOptions options;
  std::string lexiconWord;  // lexicon entry named by the comment of the marked question

  // Running score of the test.
  int questionsAsked = 0;
  int totalPoints = 0;
  int maxPoints = 0;
};

}  // namespace ventelle
