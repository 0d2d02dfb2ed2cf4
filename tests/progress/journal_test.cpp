#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "fakes/interrupted_writes.h"
#include "fakes/temp_folder.h"
#include "fakes/unreadable_file.h"
#include "progress/journal_file.h"

namespace ventelle {
namespace {

const JournalAnswer kAnswer{"2026-12-05T10:00:00+01:00", 7, 3, "P12", -2, 6, false, AnswerMode::Questionnaire,
                            "2026-12-05T09:59:00+01:00"};
const JournalChance kChance{"2026-12-04", 7, 72, 6};

const std::string kHeader = std::string(kJournalHeader) + "\n";

TEST(Journal, ReadsBackWhatItWritesAndPassesOverEveryLineItCannotRead) {
  const std::string good = kHeader + journalLine(kAnswer) + "\n" + journalLine(kChance) + "\n";
  const Journal journal = readJournal(good);
  EXPECT_EQ(journal.answers, std::vector{kAnswer});
  EXPECT_EQ(journal.chances, std::vector{kChance});

  JournalAnswer tabbed = kAnswer;
  tabbed.question = "P\t12";
  EXPECT_EQ(readJournal(journalLine(tabbed) + "\n").answers.at(0).question, "P 12");

  const std::string answer = journalLine(kAnswer);
  for (const std::string& damaged :
       {std::string("garbage"), answer.substr(0, answer.size() - 30), answer + "\textra",
        "R\t2026-12-05 10:00:00+01:00" + answer.substr(answer.find('\t', 2)), std::string("C\t2026-12-04\t7\t172\t6"), std::string("C\t04-12-2026\t7\t72\t6"),
        std::string("R\t2026-12-05T10:00:00+01:00\t7\t3\tP12\tsix\t6\t0\tentrainement\t"),
        std::string("R\t2026-12-05T10:00:00+01:00\t7\t3\tP12\t6\t6\t2\tentrainement\t"),
        std::string("R\t2026-12-05T10:00:00+01:00\t7\t3\tP12\t6\t6\t1\tjeu\t")}) {
    const Journal read = readJournal(good + damaged + "\n" + answer + "\r\n");
    EXPECT_EQ(read.answers.size(), 2u) << damaged;
    EXPECT_EQ(read.chances.size(), 1u) << damaged;
  }
  // A last line without its end was cut by a crash.
  EXPECT_TRUE(readJournal(answer).answers.empty());
  EXPECT_TRUE(readJournal("").answers.empty());
}

TEST(JournalFile, StartsWithItsHeaderEndsACutLineFirstAndKeepsEveryWholeLine) {
  TempFolder folder;
  const auto file = folder.path() / "Jean.journal";
  ASSERT_TRUE(appendJournalLine(file, journalLine(kChance)));
  EXPECT_EQ(*readFileBytes(file), kHeader + journalLine(kChance) + "\n");

  std::ofstream(file, std::ios::app) << "R\t2026-12-05T10:0";  // a crash in the middle of a line
  ASSERT_TRUE(appendJournalLine(file, journalLine(kAnswer)));
  const Journal journal = readJournalFile(file);
  EXPECT_EQ(journal.answers, std::vector{kAnswer});
  EXPECT_EQ(journal.chances, std::vector{kChance});

  {
    const DiskFullAfter full(std::filesystem::file_size(file) + 10);
    EXPECT_FALSE(appendJournalLine(file, journalLine(kAnswer)));
  }
  ASSERT_TRUE(appendJournalLine(file, journalLine(kChance)));  // after the cut line left by the full disk
  EXPECT_EQ(readJournalFile(file).answers.size(), 1u);
  EXPECT_EQ(readJournalFile(file).chances.size(), 2u);

  {
    const UnreadableFile unreadable(file);
    if (unreadable.holds()) {
      EXPECT_TRUE(readJournalFile(file).answers.empty());
      EXPECT_FALSE(appendJournalLine(file, journalLine(kAnswer)));
    }
  }
  EXPECT_EQ(readJournalFile(file).answers.size(), 1u);
  EXPECT_FALSE(appendJournalLine(folder.path() / "absent" / "Jean.journal", journalLine(kAnswer)));
  EXPECT_TRUE(removeJournalFile(file) && !std::filesystem::exists(file));
  EXPECT_TRUE(readJournalFile(file).answers.empty());
}

}  // namespace
}  // namespace ventelle
