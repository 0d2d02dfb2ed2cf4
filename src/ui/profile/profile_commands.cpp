#include "ui/profile/profile_commands.h"

#include "bank/question_loader.h"
#include "ui/exams/exam_switch.h"
#include "ui/exams/options_menu.h"
#include "ui/progress/exam_chance.h"
#include "ui/quiz/answer_journal.h"
#include "ui/quiz/full_questionnaire.h"
#include "ui/quiz/history.h"
#include "ui/quiz/question_display.h"
#include "ui/quiz/question_flow.h"
#include "ui/quiz/saved_places.h"
#include "ui/quiz/user_mistakes.h"
#include "ui/skin/skin.h"
#include "ui/window/messages.h"
#include "users/profile_fields.h"
#include "users/profile_store.h"
#include "users/questionnaire_lines.h"

namespace ventelle {
namespace {

ProfileStore store(const WindowContext& ctx) { return ProfileStore(ctx.library.folder()); }

void tellUnreadable(WindowContext& ctx, const std::string& text) {
  ctx.dialogs.message(MessageIcon::Exclamation, messages::kReadFailedTitle, text);
}


Settings currentSettings(const WindowContext& ctx) {
  const auto& menus = ctx.controls.menus;
  const auto& options = ctx.quiz.options;
  const auto& c = ctx.controls;
  Settings s;
  s.skinName = ctx.skinName;
  s.examIndex = ctx.examIndex;
  for (int k = 1; k <= kChapterBoxes; ++k) s.partie[k] = c.partie[k].ticked;
  s.includeLowerLevels = ctx.includesLowerLevels();
  s.stopMode = static_cast<int>(options.stopMode);
  s.examConformMarking = options.examConformMarking ? 1 : 0;
  s.instructorTest = options.instructorTest ? 1 : 0;
  s.confirmedTest = options.confirmedTest ? 1 : 0;
  s.chapterPriority = menus.at("mnuTChap").checked;
  s.training = ctx.trainingMode();
  s.questionsAsked = c.nombreQuestionsPosees;
  s.totalPoints = c.totalPoints;
  s.maxPoints = c.nombrePointsMax;
  s.moyenne = c.moyenne;
  s.reaskPeriod = ctx.reaskPeriod;
  return s;
}

QuestionnaireText questionnaireLines(WindowContext& ctx) {
  const auto& quiz = ctx.quiz;
  const int n = std::min<int>(leadingValue(ctx.controls.nombreQuestionsPosees),
                              static_cast<int>(quiz.askedQuestions.size()));
  QuestionnaireText text;
  for (int i = 1; i <= n; ++i) {
    const AskedQuestion& asked = quiz.askedQuestions[i - 1];
    SavedQuestion saved{asked.chapter, asked.index, {}, {}, {}};
    text.names.push_back(writeNameLine(questionLabel(ctx, asked.chapter, asked.index, "")));
    if (ctx.trainingMode()) {
      text.lines.push_back(writeTrainingLine(saved));
      continue;
    }
    const QuestionRecord& record = quiz.questionRecords[i - 1];
    saved.ordre = record.ordre;
    saved.coche = record.coche;
    text.lines.push_back(writeFullQuestionnaireLine(saved));
  }
  return text;
}

// The stop entries are restored through their own commands: from the start
// mode the two toggles end on the saved one.
void restoreStopMode(WindowContext& ctx, int saved) {
  static constexpr int kStartMode[] = {0, -1, 2, 1};  // indexed by saved + 1
  const int start = kStartMode[saved + 1];
  auto& menus = ctx.controls.menus;
  menus.at("mnuCompletRE1").checked = start == 0 || start == 1;
  menus.at("mnuCompletRE2").checked = start == 0 || start == 2;
  toggleStopEntry(ctx, 1);
  toggleStopEntry(ctx, 2);
}

void setOption(WindowContext& ctx, const std::string& item, bool& option, int value) {
  option = value == 1;
  ctx.controls.menus.at(item).checked = value == 1;
}

// The most chapter boxes the exam shows with these settings: a box beyond
// them is never ticked, or a chapter the exam does not have would be drawn.
int boxesOnShow(const WindowContext& ctx, const Settings& s) {
  if (s.includeLowerLevels && ctx.examIndex == 11) return 8;
  return ctx.chapterCount();
}

void applySettings(WindowContext& ctx, const Settings& s) {
  auto& c = ctx.controls;
  auto& options = ctx.quiz.options;
  switchExam(ctx, s.examIndex);
  const int boxes = boxesOnShow(ctx, s);
  for (int k = 1; k <= kChapterBoxes; ++k) {
    c.partie[k].ticked = s.partie[k] && k <= boxes;
    c.feu[k].visible = c.partie[k].ticked;
  }
  c.erreursVisible = false;
  if (s.includeLowerLevels) toggleLowerLevels(ctx);
  restoreStopMode(ctx, s.stopMode);
  options.examConformMarking = s.examConformMarking == 1;
  c.menus.at("mnuConforme").checked = s.examConformMarking == 1;
  setOption(ctx, "mnuQBi", options.instructorTest, s.instructorTest);
  setOption(ctx, "mnuConfirme", options.confirmedTest, s.confirmedTest);
  chooseDrawMode(ctx, s.chapterPriority);
  c.menus.at("mnuEvaluation").checked = !s.training;
  toggleEvaluationMode(ctx);
  c.nombreQuestionsPosees = s.questionsAsked;
  c.totalPoints = s.totalPoints;
  c.nombrePointsMax = s.maxPoints;
  c.moyenne = s.moyenne;
  ctx.quiz.questionsAsked = leadingValue(s.questionsAsked);
  ctx.quiz.totalPoints = leadingValue(s.totalPoints);
  ctx.quiz.maxPoints = leadingValue(s.maxPoints);
  chooseReaskPeriod(ctx, s.reaskPeriod);
}


std::string lostQuestion(int i) {
  return "la question n°" + std::to_string(i) +
         " du questionnaire enregistré n'a pas été retrouvée dans les questions, ou une autre question a pris sa place";
}

// Reads a saved question again from its chapter file, in its saved order.
bool restoreRecord(WindowContext& ctx, const PreviousEdition& edition, int i, const SavedQuestion& saved) {
  const auto place = placeToday(ctx, edition, saved);
  if (!place) return false;
  const ChapterIndex* index = ctx.library.chapter(ctx.chapterPath(saved.chapter));
  Question q = readQuestion(*index, saved.chapter, *place, ctx.bankPrefix);
  if (!applyAnswerOrder(q, saved.ordre)) return false;
  ctx.quiz.askedQuestions[i - 1] = {saved.chapter, *place};
  QuestionRecord& record = ctx.quiz.questionRecords[i - 1];
  record.texte = q.text;
  record.nom = q.name;
  record.cmt = q.comment;
  record.nbRep = q.answerCount;
  record.ordre = saved.ordre;
  record.coche = saved.coche;
  for (int k = 1; k <= q.answerCount; ++k) {
    record.rep[k] = q.answerTexts[k];
    record.pts[k] = static_cast<int>(q.answerValues[k]);
  }
  return true;
}

// Line i of the questionnaire with the name the block gives it. A block that
// does not match the lines one for one is not used: its names could be
// another question's.
std::optional<SavedQuestion> savedQuestion(const QuestionnaireText& text, int i,
                                           std::optional<SavedQuestion> (*read)(std::string_view)) {
  if (i > static_cast<int>(text.lines.size())) return std::nullopt;
  auto saved = read(text.lines[i - 1]);
  if (saved && text.names.size() == text.lines.size()) {
    const std::string name = readNameLine(text.names[i - 1]);
    if (!name.empty()) saved->name = name;
  }
  return saved;
}

void restoreFullQuestionnaire(WindowContext& ctx, const QuestionnaireText& text, int n,
                              std::vector<std::string>& problems) {
  auto& quiz = ctx.quiz;
  const int slots = static_cast<int>(ctx.controls.bouton.size());
  quiz.askedQuestions.assign(slots, AskedQuestion{});
  quiz.questionRecords.assign(slots, QuestionRecord{});
  quiz.currentButton = 0;
  for (auto& button : ctx.controls.bouton) button.back.reset();
  const PreviousEdition edition = readPreviousEdition(ctx.library.folder());
  for (int i = 1; i <= std::min(n, slots); ++i) {
    const auto saved = savedQuestion(text, i, readFullQuestionnaireLine);
    if (saved && saved->chapter == 0) continue;
    if (!saved || !restoreRecord(ctx, edition, i, *saved)) {
      problems.push_back(lostQuestion(i));
      continue;
    }
    const QuestionRecord& record = quiz.questionRecords[i - 1];
    for (int k = 1; k <= record.nbRep; ++k)
      if (record.coche[k] == 1) ctx.controls.bouton[i - 1].back = colours::kGreen;
  }
  if (slots > 0) boutonClick(ctx, 1);
}

void restoreTrainingQuestionnaire(WindowContext& ctx, const QuestionnaireText& text, int n,
                                  std::vector<std::string>& problems) {
  auto& quiz = ctx.quiz;
  quiz.askedQuestions.clear();
  const PreviousEdition edition = readPreviousEdition(ctx.library.folder());
  for (int i = 1; i <= n && i <= static_cast<int>(text.lines.size()); ++i) {
    const auto saved = savedQuestion(text, i, readTrainingLine);
    const auto place = saved ? placeToday(ctx, edition, *saved) : std::nullopt;
    if (!place) {
      problems.push_back(lostQuestion(i));
      continue;
    }
    quiz.askedQuestions.push_back({saved->chapter, *place});
    const std::string name = questionLabel(ctx, saved->chapter, *place, "");
    ctx.controls.historique.push_back(std::to_string(saved->chapter) + "." + name);
  }
  if (quiz.askedQuestions.empty()) quiz.askedQuestions.emplace_back();
  quiz.questionRecords.resize(quiz.askedQuestions.size());
  ctx.controls.historiqueSelected = static_cast<int>(ctx.controls.historique.size()) - 1;
  quiz.redrawRequested = true;
  questionClick(ctx);
}

// The user's profile to load, made afresh when it has gone (nothing when that
// fails); one that is there but cannot be read is left as it is.
FromProfile<ProfileRead> readOrRemake(WindowContext& ctx, const std::string& user) {
  const ProfileStore profiles = store(ctx);
  auto read = profiles.read(user);
  if (read.fault != ProfileFault::Absent) return read;
  if (!profiles.initialise(user)) {
    tellUnwritable(ctx, user);
    return {};
  }
  ctx.dialogs.message(MessageIcon::Information, messages::kWarningTitle,
                      messages::missingProfile(profileFileName(ctx, user)));
  return profiles.read(user);
}

void tellDamage(WindowContext& ctx, const std::vector<std::string>& problems) {
  if (problems.empty()) return;
  const auto copy = store(ctx).keepCopy(ctx.activeUserName);
  ctx.dialogs.message(MessageIcon::Exclamation, messages::kDamagedProfileTitle,
                      messages::damagedProfile(profileFileName(ctx, ctx.activeUserName), problems, copy));
}

}  // namespace

void purgeOtherFormats(WindowContext& ctx) {
  store(ctx).purgeOtherFormats(
      [&ctx](const std::string& file, const std::optional<std::string>& copy) {
        ctx.dialogs.message(MessageIcon::Stop, messages::kOldFormatTitle, messages::oldFormatProfile(file, copy));
      },
      [&ctx](const std::string& file) { tellUnreadable(ctx, messages::unreadableProfile(file)); });
}

bool initialiseUser(WindowContext& ctx, const std::string& user) {
  if (store(ctx).initialise(user)) {
    forgetJournal(ctx, user);
    return true;
  }
  tellUnwritable(ctx, user);
  return false;
}

bool saveProfile(WindowContext& ctx) {
  if (!ctx.controls.question.visible) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::kEvaluatedQuestionnaire);
    return false;
  }
  ctx.controls.erreursVisible = false;
  if (!store(ctx).save(ctx.activeUserName, writeSettingsLine(currentSettings(ctx)), ctx.errors,
                       questionnaireLines(ctx))) {
    tellUnwritable(ctx, ctx.activeUserName);
    return false;
  }
  return true;
}

bool loadProfile(WindowContext& ctx) { return loadProfileOf(ctx, ctx.activeUserName); }

bool loadProfileOf(WindowContext& ctx, const std::string& user) {
  const auto read = readOrRemake(ctx, user);
  if (read.fault == ProfileFault::Unreadable) {
    const std::string file = profileFileName(ctx, user);
    // At start-up the window holds no profile yet: it takes the built-in settings.
    const bool windowHoldsAProfile = ctx.examIndex != 0;
    tellUnreadable(ctx, windowHoldsAProfile
                            ? messages::unreadableProfileNotLoaded(file, displayName(ctx.activeUserName))
                            : messages::unreadableProfileDefaults(file));
    if (windowHoldsAProfile) return false;
  }
  ctx.activeUserName = user;
  loadJournal(ctx);
  ctx.profileReadFailing = read.fault == ProfileFault::Unreadable;
  auto& c = ctx.controls;
  c.erreursVisible = false;
  c.final.clear();
  c.labelQuestionVisible = true;
  c.question.visible = true;
  ctx.quiz.redrawRequested = true;
  const ProfileRead profile = read ? *read : ProfileRead{};
  std::vector<std::string> problems = profile.problems;
  ctx.quiz.drawsDeferred = true;
  applySettings(ctx, profile.settings.settings);
  showSkin(ctx, profile.settings.settings.skinName, SkinRequest::Profile);
  ctx.quiz.drawsDeferred = false;
  ctx.errors = profile.sections.errors;
  refreshChapterLights(ctx);
  recordMissingChance(ctx);
  const int n = std::max(0, leadingValue(c.nombreQuestionsPosees));
  if (ctx.trainingMode()) {
    restoreTrainingQuestionnaire(ctx, profile.questionnaire, n, problems);
  } else {
    restoreFullQuestionnaire(ctx, profile.questionnaire, n, problems);
  }
  tellDamage(ctx, problems);
  return true;
}

}  // namespace ventelle
