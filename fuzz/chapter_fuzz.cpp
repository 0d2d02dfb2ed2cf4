// A chapter file's bytes, indexed as the chapter library does, then every
// question of it loaded and shown the way the program does: read, answers
// shuffled, or put back in an order a saved questionnaire gives.
#include "bank/chapter_library.h"
#include "bank/question_loader.h"
#include "core/fatal_error.h"
#include "core/seeded_random.h"
#include "fuzz_support.h"

using namespace ventelle;

namespace {
// Beyond this many, more questions of the same file add nothing but time.
constexpr int kMostQuestions = 200;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ChapterIndex chapter = indexChapter(fuzz::linesOf(fuzz::bytesOf(data, size)));
  SeededRandom random(size);
  const int count = std::min(chapter.questionCount(), kMostQuestions);
  for (int place = 1; place <= count; ++place) {
    FUZZ_CHECK(chapter.placeOf(chapter.headers[place - 1].name).value_or(0) <= place);
    Question question;
    try {
      question = readQuestion(chapter, 3, place, "a");
    } catch (const FatalError&) {
      // A damaged question ends the program with a message, as meant.
      continue;
    }
    FUZZ_CHECK(question.answerCount >= 0 && question.answerCount <= kMaxAnswers);
    Question shuffled = question;
    shuffleAnswers(shuffled, random);
    // The order the shuffle chose is one the saved questionnaire takes back.
    Question restored = question;
    FUZZ_CHECK(applyAnswerOrder(restored, shuffled.answerOrder));
    FUZZ_CHECK(restored.answerTexts == shuffled.answerTexts);
  }
  return 0;
}
