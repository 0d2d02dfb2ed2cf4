#pragma once
// Drives the main-window model as a user would, on a program folder of small
// 2004 module files whose questions the tests know by name and value. Each
// draw is planned to bring the question a test asks for, answers in file order.
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "bank/chapter_library.h"
#include "core/exam_catalogue.h"
#include "fakes/fixed_clock.h"
#include "fakes/planned_random.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_dialogs.h"
#include "fakes/recording_print_service.h"
#include "fakes/temp_folder.h"
#include "ui/main/main_window_model.h"
#include "users/profile_store.h"

namespace ventelle {

struct BankQuestion {
  std::string name;
  std::vector<std::pair<std::string, int>> answers;  // text, value
  std::string comment{};                             // none when empty
};
using BankChapter = std::vector<BankQuestion>;

// Questions "1".."count", each with a right answer "Six" (6) and a neutral "Zéro" (0).
inline BankChapter numberedChapter(int count) {
  BankChapter questions;
  for (int n = 1; n <= count; ++n) questions.push_back({std::to_string(n), {{"Six", 6}, {"Zéro", 0}}});
  return questions;
}

inline std::string chapterFileText(const BankChapter& questions) {
  std::string text = "; chapitre d'essai\n";
  for (const auto& q : questions) {
    text += "\n[" + q.name + "]\nQuestion=Texte de la question " + q.name + " ?\n";
    if (!q.comment.empty()) text += "Cmt=" + q.comment + "\n";
    for (const auto& [answer, value] : q.answers) text += answer + "=" + std::to_string(value) + "\n";
  }
  return text;
}

class ModelHarness {
 public:
  static constexpr int kExam = 7;

  // Chapter 1: A {Juste 6, Faux -2, Neutre 0}, B {Moitié 3, Autre moitié 3,
  // Erreur -3}, C {Un -1 .. Cinq -5}, S {Six -6, Bon 6}, P5 {Oui 6, Non -6};
  // 2: X, Y, Z {Oui 6, Non -6}; 3: numbered 60; 4, 5, 6: numbered 10, 20, 30;
  // 7: 7i {Six 6, Zéro 0}, whose picture is 2004\47i.jpg (none is written); 8: numbered 1.
  ModelHarness() : library(ProgramFolder(folder.path())), model(dialogs, desktop, random, library, printer, silentSound(), clock) {
    const std::vector<std::pair<std::string, int>> yesNo = {{"Oui", 6}, {"Non", -6}};
    bank_[1] = {{"A", {{"Juste", 6}, {"Faux", -2}, {"Neutre", 0}}},
                {"B", {{"Moitié", 3}, {"Autre moitié", 3}, {"Erreur", -3}}},
                {"C", {{"Un", -1}, {"Deux", -2}, {"Trois", -3}, {"Quatre", -4}, {"Cinq", -5}}},
                {"S", {{"Six", -6}, {"Bon", 6}}},
                {"P5", yesNo}};
    bank_[2] = {{"X", yesNo}, {"Y", yesNo}, {"Z", yesNo}};
    for (const auto& [k, count] : {std::pair{3, 60}, {4, 10}, {5, 20}, {6, 30}, {8, 1}})
      bank_[k] = numberedChapter(count);
    bank_[7] = {{"7i", {{"Six", 6}, {"Zéro", 0}}}};
  }

  // Gives a question a comment; before start().
  void setComment(int chapter, int place, const std::string& comment) { bank_[chapter][place - 1].comment = comment; }

  // Starts on the default exam with that first question; lower levels and
  // re-asks off.
  void start(int chapter = 1, int place = 1) {
    for (int k = 1; k <= 8; ++k)
      folder.write("2004/" + std::to_string(modulesOf(kExam)[k - 1]) + ".qcm", chapterFileText(bank_[k]));
    TextLines profile = defaultProfileLines();
    profile.front() = "V 6.1,Classique,7,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,0";
    folder.writeBytes("parapente.cfg", profileBytes(profile));
    random.queueDraw(chapter, 8);  // every chapter is ticked
    queuePlace(chapter, place);
    model.start();
  }
  // Clicks the chapter boxes so that only these are ticked.
  void tickOnly(const std::vector<int>& ticked) {
    for (int k = 1; k <= 8; ++k)
      if (controls().partie[k].ticked != (std::count(ticked.begin(), ticked.end(), k) > 0)) model.chapterBoxClick(k);
  }
  // Leaves only chapter k ticked and starts the test over on that question.
  void onlyChapter(int k, int place = 1) {
    tickOnly({k});
    queueQuestion(k, place);
    model.menuCommand("mnuReinitialiser");
  }
  // Full-questionnaire mode on chapter 3 alone (60 questions), on button 1,
  // with re-asks turned on just before if asked.
  void startFullQuestionnaire(bool reasks = false) {
    start();
    onlyChapter(3, 1);
    if (reasks) model.menuCommand("mnurepose8");
    queueQuestion(3, 1);  // the reset's draw
    queueQuestion(3, 1);  // button 1
    model.menuCommand("mnuEvaluation");
  }
  // Shows question k of chapter 3 on button k and ticks `caption`, if any.
  void answerButton(int k, const std::string& caption) {
    if (model.quiz().questionRecords[k - 1].nbRep == 0) queueQuestion(3, k);
    model.boutonClick(k);
    if (!caption.empty()) tick(caption);
  }

  // Plans the draw of a chapter by its rank among those ticked (the default draw mode).
  void queueChapter(int chapter) {
    ASSERT_TRUE(controls().menus.at("mnuTChap").checked) << "draws are planned by chapter priority only";
    ASSERT_TRUE(controls().partie[chapter].ticked) << "chapter " << chapter << " is not ticked";
    int rank = 0, after = 0;  // ticked chapters up to this one, and after it
    for (int k = 1; k <= kChapterBoxes; ++k) (k <= chapter ? rank : after) += controls().partie[k].ticked ? 1 : 0;
    random.queueDraw(rank, rank + after);
  }
  // Plans the next draw: chapter, place, then answers kept in file order.
  void queueQuestion(int chapter, int place) {
    queueChapter(chapter);
    queuePlace(chapter, place);
  }
  void queuePlace(int chapter, int place) {
    random.queueDraw(place, static_cast<int>(bank_[chapter].size()));
    queueAnswerOrder(bank_[chapter][place - 1]);
  }
  // A re-ask of question `place` from the chapter's error list: no place is
  // drawn, and its name is drawn as field `field` of a list of `fields`.
  void queueReask(int chapter, int place, int field = 1, int fields = 1) {
    queueChapter(chapter);
    if (fields > 1) random.queueDraw(field, fields);
    queueAnswerOrder(bank_[chapter][place - 1]);
  }

  // Plans a draw by question priority over the eight chapters, as a
  // questionnaire composed for print draws.
  void queueOverAllChapters(int chapter, int place) {
    int before = 0, total = 0;
    for (int k = 1; k <= 8; ++k) (k < chapter ? before : total) += static_cast<int>(bank_[k].size());
    random.queueDraw(before + place, before + total);
    queuePlace(chapter, place);
  }
  // "&Générer un questionnaire", the planned questions drawn in turn.
  void generate(const std::vector<std::pair<int, int>>& questions) {
    for (const auto& [chapter, place] : questions) queueOverAllChapters(chapter, place);
    model.menuCommand("mnuGenerer");
  }

  void tick(const std::string& caption) { model.checkClick(boxOf(caption)); }
  void mark(const std::vector<std::string>& captions) {
    for (const auto& caption : captions) tick(caption);
    model.questionClick();
  }
  void next(int chapter, int place) {
    queueQuestion(chapter, place);
    model.questionClick();
  }

  const WindowControls& controls() const { return model.controls(); }
  const TickBox& box(const std::string& caption) const { return controls().check[boxOf(caption)]; }
  const std::string& errorList(int chapter) const { return model.errorLists().list({kExam, chapter}); }

  TempFolder folder;
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  PlannedRandom random;
  FixedClock clock;
  ChapterLibrary library;
  MainWindowModel model;

 private:
  void queueAnswerOrder(const BankQuestion& q) {
    for (int i = 1; i <= static_cast<int>(q.answers.size()); ++i) random.queueDraw(i, static_cast<int>(q.answers.size()));
  }
  int boxOf(const std::string& caption) const {
    for (int i = 1; i <= kMaxAnswers; ++i)
      if (controls().check[i].visible && controls().check[i].caption == caption) return i;
    ADD_FAILURE() << "no answer box reads \"" << caption << "\" on " << controls().numero;
    return 0;
  }

  std::array<BankChapter, 9> bank_;
};

}  // namespace ventelle
