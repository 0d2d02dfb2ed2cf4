#include "ui/quiz/question_display.h"

#include <filesystem>

#include "bank/question_loader.h"
#include "core/jpeg_size.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kPictureGap = 120;

enum class PictureFault { None, Missing, Unreadable };

std::string picturePath(const WindowContext& ctx, const std::string& name) { return ctx.bankPrefix + name + ".jpg"; }

// Lays the question area out for the question's picture, if it has one that
// can be shown.
PictureFault showPicture(WindowContext& ctx, const std::string& name) {
  auto& c = ctx.controls;
  c.picturePath.clear();
  c.labelQuestionWidth = kQuestionAreaWidth;
  if (!hasPicture(name)) return PictureFault::None;
  const auto file = ctx.library.folder().resolve(picturePath(ctx, name));
  const auto size = jpegSize(file);
  if (!size) {
    std::error_code error;
    return std::filesystem::exists(file, error) ? PictureFault::Unreadable : PictureFault::Missing;
  }
  const int width = size->width * kTwipsPerPixel;
  c.picturePath = file.string();
  c.pictureLeft = kPictureRightEdge - width;
  c.labelQuestionWidth = kQuestionAreaWidth - width - kPictureGap;
  return PictureFault::None;
}

PictureFault showHeading(WindowContext& ctx, int chapter, const std::string& name) {
  ctx.controls.numero = "QCM" + std::to_string(chapter) + "." + name;
  ctx.controls.wingMark = wingMarkOf(name);
  ctx.controls.wingCrossed = false;
  return showPicture(ctx, name);
}

void reportPictureFault(WindowContext& ctx, const std::string& name, PictureFault fault) {
  const std::string path = picturePath(ctx, name);
  if (fault == PictureFault::Missing) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kMissingFileTitle, messages::missingPicture(path));
  } else if (fault == PictureFault::Unreadable) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kUnreadablePictureTitle,
                        messages::unreadablePicture(path));
  }
}

}  // namespace

void resetAnswerBoxes(WindowContext& ctx) {
  ctx.quiz.tickGuard = true;
  for (int i = 1; i <= kMaxAnswers; ++i) {
    ctx.controls.check[i].ticked = false;
    ctx.controls.check[i].text = ctx.skin.answerText;
    ctx.controls.lcheck[i].clear();
  }
  ctx.quiz.tickGuard = false;
}

std::string questionLabel(WindowContext& ctx, int chapter, int place, const std::string& fallback) {
  const ChapterIndex* index = ctx.library.chapter(ctx.chapterPath(chapter));
  if (!index || place < 1 || place > index->questionCount()) return fallback;
  return index->headers[place - 1].name;
}

void showQuestionHeading(WindowContext& ctx, int chapter, const std::string& name) {
  showHeading(ctx, chapter, name);
}

bool loadQuestion(WindowContext& ctx, int chapter, int place) {
  const std::string path = ctx.chapterPath(chapter);
  const ChapterIndex* index = ctx.library.chapter(path);
  if (!index) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kMissingFileTitle, messages::missingChapter(path));
    return false;
  }
  if (index->questionCount() == 0) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kEmptyChapterTitle, messages::emptyChapter(path));
    return false;
  }
  Question question = readQuestion(*index, chapter, place, ctx.bankPrefix);
  shuffleAnswers(question, ctx.random);
  ctx.quiz.question = std::move(question);
  const Question& q = ctx.quiz.question;

  auto& c = ctx.controls;
  reportPictureFault(ctx, q.name, showHeading(ctx, chapter, q.name));
  c.labelQuestion = q.text;
  for (int i = 1; i <= kMaxAnswers; ++i) {
    auto& box = c.check[i];
    box.visible = i <= q.answerCount;
    box.ticked = false;
    box.back = ctx.skin.answerBack;
    box.caption = i <= q.answerCount ? q.answerTexts[i] : std::string();
  }
  c.cetteQuestion.clear();
  return true;
}

void colourChapterBox(WindowContext& ctx, int chapter, bool drawn) {
  if (chapter < 1 || chapter > kChapterBoxes) return;
  auto& box = ctx.controls.partie[chapter];
  box.back = drawn ? ctx.skin.drawnChapterBack : ctx.skin.chapterBack;
  box.text = drawn ? ctx.skin.drawnChapterText : ctx.skin.chapterText;
}

void showPaperclip(WindowContext& ctx) {
  const std::string& comment = ctx.quiz.question.comment;
  if (comment.empty() || comment == "-") return;
  if (isLexiconComment(comment)) {
    ctx.quiz.lexiconWord = lexiconWordOf(comment);
    ctx.controls.tromboneL = true;
  } else {
    ctx.controls.trombone = true;
  }
}

void hidePaperclips(WindowContext& ctx) {
  ctx.controls.trombone = false;
  ctx.controls.tromboneL = false;
  ctx.quiz.lexiconWord.clear();
}

}  // namespace ventelle
