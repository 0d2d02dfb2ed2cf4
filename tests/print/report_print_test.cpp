#include <gtest/gtest.h>

#include "fakes/recording_print_device.h"
#include "print/print_job.h"

namespace ventelle {
namespace {

// In twips the fake printer's lines are 22.68 twips per point high and its
// characters 11.34 per point wide: at 12 points a list line is 272.16 high,
// and 70 characters fit in the 10773 - 1200 twips a list may take.
constexpr double kLine12 = 12 * 22.68;
constexpr double kListWidth = 9573;
constexpr double kFooterZoneTop = 15705.9 - 8 * 22.68 - 2 * 56.7;
constexpr double kTolerance = 0.5 * 56.7;

double widthOf(const RecordingPrintDevice::Text& t) { return t.text.size() * t.font.size * 11.34; }

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
    SCOPED_TRACE(subtitle);
    const auto device = printed({"Utilisateur par defaut", "Parapente 2004", subtitle,
                                 {"Meteorologie", "Aerologie", "Materiel"}, {"12,15", "", "4"}});

    EXPECT_EQ(device.pagesEnded, 1);
    const auto user = device.find("Utilisateur par defaut").at(0);
    EXPECT_EQ(user.font, (PrintFont{18, true, true}));
    EXPECT_NEAR(user.y, 3 * 18 * 22.68, kTolerance);  // under three empty lines
    EXPECT_NEAR(user.x + widthOf(user) / 2, 10773 / 2.0, kTolerance);
    const auto title = device.find("Historique des erreurs sur le QCM Parapente 2004").at(0);
    EXPECT_EQ(title.font, (PrintFont{14, true, false}));
    EXPECT_NEAR(title.y, user.y + 18 * 22.68 + 3 * 14 * 22.68, kTolerance);
    EXPECT_NEAR(title.x + widthOf(title) / 2, 10773 / 2.0, kTolerance);

    const double firstChapter = title.y + (subtitle.empty() ? 2 : 3) * 14 * 22.68;
    struct Expected {
      std::string text;
      double y;
      bool bold;
    };
    // A chapter without mistakes keeps an empty line under its name.
    const std::vector<Expected> expected = {{"Meteorologie", firstChapter, true},
                                            {"12,15", firstChapter + kLine12, false},
                                            {"Aerologie", firstChapter + 2 * kLine12, true},
                                            {"Materiel", firstChapter + 4 * kLine12, true},
                                            {"4", firstChapter + 5 * kLine12, false}};
    for (const auto& e : expected) {
      const auto t = device.find(e.text).at(0);
      EXPECT_NEAR(t.x, 480, 0.01) << e.text;
      EXPECT_NEAR(t.y, e.y, kTolerance) << e.text;
      EXPECT_EQ(t.font, (PrintFont{12, e.bold, false})) << e.text;
    }
  }
}

TEST(ErrorReportPrint, AListWrapsAfterACommaAtItsColumnAndNeverInsideAName) {
  const std::string list = names(101, 60);
  const std::string noComma = std::string(90, '7');
  const auto device = printed({"Paul", "2000", "", {"Pilotage", "Aerologie"}, {list, noComma}});

  std::string joined;
  int lines = 0;
  for (const auto& t : device.texts) {
    if (t.font != PrintFont{12, false, false} || t.text == noComma) continue;
    ++lines;
    joined += t.text;
    EXPECT_NEAR(t.x, 480, 0.01);
    EXPECT_LE(widthOf(t), kListWidth + 4 * 12 * 11.34) << t.text;  // at most one name beyond
    if (joined.size() < list.size()) {
      EXPECT_EQ(t.text.back(), ',') << t.text;
    }
  }
  EXPECT_EQ(joined, list);
  EXPECT_EQ(lines, 4);
  EXPECT_EQ(device.find(noComma).size(), 1u);  // printed whole
}

TEST(ErrorReportPrint, AReportLongerThanAPageBreaksBeforeTheFooterOnEveryPage) {
  // 15 names a line: the first list takes 42 lines, which leaves the last
  // line of page 1 to the second chapter's name alone.
  const auto listOf = [](int k) { return names(k * 1000, k == 1 ? 625 : 500); };
  PrintedErrorReport report{"Paul", "2000", "", {}, {}};
  for (int k = 1; k <= 9; ++k) {
    report.chapterNames.push_back("Chapitre " + std::to_string(k));
    report.lines.push_back(listOf(k));
  }
  const auto device = printed(report);

  ASSERT_GE(device.pagesEnded, 3);
  EXPECT_EQ(device.blankPagesEnded, 0);
  EXPECT_FALSE(device.drawnAfterLastPage());
  EXPECT_TRUE(device.startingWith("Page").empty());
  std::vector<std::string> lists(9);
  int chapter = 0;
  for (int page = 1; page <= device.pagesEnded; ++page) {
    SCOPED_TRACE(page);
    const auto texts = device.textsOn(page);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts.back().text, "Ventelle V 6.1 - par l'équipe Ventelle");
    if (page > 1) {
      EXPECT_NEAR(texts.front().y, 15 * 56.7, kTolerance);
    }
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
      EXPECT_LE(texts[i].y + texts[i].font.size * 22.68, kFooterZoneTop + 0.01) << texts[i].text;
      // A chapter's name is followed on its page by its list.
      if (texts[i].text.starts_with("Chapitre")) {
        ++chapter;
        EXPECT_NE(texts[i + 1].font.size, 8) << texts[i].text;
      } else if (texts[i].font.size == 12) {
        lists[chapter - 1] += texts[i].text;
      }
    }
  }
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(lists[k - 1], listOf(k)) << k;
  EXPECT_EQ(device.find("Chapitre 2").at(0).page, 2);
}

}  // namespace
}  // namespace ventelle
