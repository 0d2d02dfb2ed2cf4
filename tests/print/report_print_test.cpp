#include <gtest/gtest.h>

#include "fakes/recording_print_device.h"
#include "print/print_job.h"

namespace ventelle {
namespace {

// In twips the fake printer's lines are 22.68 twips per point high and its
// characters 11.34 per point wide: at 12 points a list line is 272.16 high,
// and 70 characters fit in the 10773 - 1200 twips a list may take.
constexpr double kLine12 = 12 * 22.68;
constexpr double kFooterZoneTop = 15705.9 - 8 * 22.68 - 2 * 56.7;

RecordingPrintDevice printed(PrintedErrorReport report) {
  PrintJob job;
  job.kind = DocumentKind::ErrorReport;
  job.report = std::move(report);
  RecordingPrintDevice device;
  drawDocument(device, job);
  return device;
}

std::string names(int from, int count) {
  std::string list;
  for (int i = from; i < from + count; ++i) list += (list.empty() ? "" : ",") + std::to_string(i);
  return list;
}

TEST(ErrorReportPrint, TheHeadingsThenEachChapterNameOverItsList) {
  for (const std::string subtitle : {"- Brevet de Pilote -", ""}) {
    const auto device = printed({"Utilisateur par defaut", "Parapente 2004", subtitle,
                                 {"Meteorologie", "Aerologie", "Materiel"}, {"12,15", "", "4"}});
    EXPECT_EQ(device.pagesEnded, 1);
    const auto user = device.find("Utilisateur par defaut").at(0);
    EXPECT_EQ(user.font, (PrintFont{18, true, true}));
    EXPECT_NEAR(user.y, 3 * 18 * 22.68, 28);  // under three empty lines
    const auto title = device.find("Historique des erreurs sur le QCM Parapente 2004").at(0);
    EXPECT_NEAR(title.x + title.text.size() * 14 * 11.34 / 2, 10773 / 2.0, 28);
    EXPECT_NEAR(title.y, user.y + 18 * 22.68 + 3 * 14 * 22.68, 28);
    // A chapter without mistakes keeps an empty line under its name.
    const double first = title.y + (subtitle.empty() ? 2 : 3) * 14 * 22.68;
    for (const auto& [text, line, bold] : {std::tuple{"Meteorologie", 0, true}, {"12,15", 1, false},
                                           {"Aerologie", 2, true}, {"Materiel", 4, true}, {"4", 5, false}}) {
      const auto t = device.find(text).at(0);
      EXPECT_NEAR(t.x, 480, 0.01) << text;
      EXPECT_NEAR(t.y, first + line * kLine12, 28) << text;
      EXPECT_EQ(t.font, (PrintFont{12, bold, false})) << text;
    }
  }
}

// 15 names a line: the first list takes 42 lines, which leaves the last
// line of page 1 to the second chapter's name alone.
TEST(ErrorReportPrint, AListWrapsAfterACommaAndBreaksBeforeTheFooterWithItsChapterName) {
  const auto listOf = [](int k) { return names(k * 1000, k == 1 ? 625 : 500); };
  PrintedErrorReport report{"Paul", "2000", "", {}, {}};
  for (int k = 1; k <= 9; ++k) {
    report.chapterNames.push_back("Chapitre " + std::to_string(k));
    report.lines.push_back(listOf(k));
  }
  report.chapterNames.push_back("Sans virgule");
  report.lines.push_back(std::string(90, '7'));
  const auto device = printed(report);
  ASSERT_GE(device.pagesEnded, 3);
  EXPECT_EQ(device.blankPagesEnded, 0);
  EXPECT_FALSE(device.drawnAfterLastPage());
  EXPECT_TRUE(device.startingWith("Page").empty());
  EXPECT_EQ(device.find("Chapitre 2").at(0).page, 2);
  EXPECT_EQ(device.find(std::string(90, '7')).size(), 1u);  // a list without a comma prints whole
  std::vector<std::string> lists(9);
  int chapter = 0;
  for (int page = 1; page <= device.pagesEnded; ++page) {
    const auto texts = device.textsOn(page);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts.back().text, "Ventelle V 6.1 - par l'équipe Ventelle");
    if (page > 1) EXPECT_NEAR(texts.front().y, 15 * 56.7, 28) << page;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
      const auto& t = texts[i];
      EXPECT_LE(t.y + t.font.size * 22.68, kFooterZoneTop + 0.01) << t.text;
      if (t.text.starts_with("Chapitre")) {
        ++chapter;
        EXPECT_NE(texts[i + 1].font.size, 8) << t.text;  // followed on its page by its list
      } else if (!t.font.bold && t.text.size() < 90) {
        lists[chapter - 1] += t.text;
        EXPECT_NEAR(t.x, 480, 0.01);
        EXPECT_LE(t.text.size(), 70u + 5) << t.text;  // at most one name and its comma beyond
        EXPECT_TRUE(t.text.back() == ',' || lists[chapter - 1] == listOf(chapter)) << t.text;
      }
    }
  }
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(lists[k - 1], listOf(k)) << k;
}

}  // namespace
}  // namespace ventelle
