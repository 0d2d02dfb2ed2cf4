// Pages drawn on a real printer device come out as a PDF that reads back
// with the texts, pictures and shapes where they were drawn; the preview
// prints to a PDF when no printer is installed.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <regex>

#include "core/file_io.h"
#include "fakes/interrupted_writes.h"
#include "fakes/temp_folder.h"
#include "qt/services/qt_print_service.h"

namespace ventelle {
namespace {

std::string commandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  char buffer[4096];
  while (pipe && fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  return output;
}

struct Word {
  int page;  // from 1
  std::string text;
  double left, top, right, bottom;  // millimetres from the paper's corner
};

// Every word of the PDF with its box.
std::vector<Word> words(const std::filesystem::path& pdf) {
  const std::string html = commandOutput("pdftotext -bbox '" + pdf.string() + "' -");
  static const std::regex kWord("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
  std::vector<Word> found;
  int page = 0;
  for (std::sregex_iterator it(html.begin(), html.end(), kWord), end; it != end; ++it) {
    const auto mm = [&it](int k) { return std::stod((*it)[k]) * 25.4 / 72; };
    if ((*it)[1].matched) found.push_back({page, (*it)[5], mm(1), mm(2), mm(3), mm(4)});
    else ++page;
  }
  return found;
}

std::string textOfPage(const std::vector<Word>& all, int page) {
  std::string text;
  for (const Word& word : all)
    if (word.page == page) text += (text.empty() ? "" : " ") + word.text;
  return text;
}

Word wordNamed(const std::vector<Word>& all, const std::string& text) {
  for (const Word& word : all)
    if (word.text == text) return word;
  ADD_FAILURE() << text << " not printed";
  return {};
}

class PrintTest : public ::testing::Test {
 protected:
  void print(const std::function<void(PrintDevice&)>& draw) {
    ASSERT_TRUE(printToPdf(PrintJob{}, pdf, [&](PrintDevice& device, const PrintJob&) { draw(device); }));
  }
  // Some ink within a quarter of a millimetre of that point of the printable
  // area (5 mm in), on the first page rendered at 4 pixels per millimetre.
  std::function<bool(double, double)> inkOnFirstPage() {
    commandOutput("pdftoppm -gray -r 101.6 -f 1 -l 1 -singlefile '" + pdf.string() + "' '" + (folder.path() / "page").string() + "'");
    const QImage page(QString::fromStdString((folder.path() / "page.pgm").string()));
    EXPECT_FALSE(page.isNull());
    return [page](double x, double y) {
      int darkest = 255;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if (const QPoint p(qRound((x + 5) * 4) + dx, qRound((y + 5) * 4) + dy); page.valid(p)) darkest = std::min(darkest, qGray(page.pixel(p)));
      return darkest < 160;
    };
  }

  TempFolder folder;
  std::filesystem::path pdf = folder.path() / "classe.pdf";
};

TEST_F(PrintTest, TextLandsWhereItIsDrawnInArialAndEndedPagesLeaveNoBlankPage) {
  double width = 0, height = 0;
  print([&](PrintDevice& device) {
    width = device.pageWidth();
    height = device.pageHeight();
    device.setFont({.size = 8});
    device.drawText(0, 0, "HautGauche");
    device.drawText(width / 2 - device.textWidth("Milieu") / 2, height / 2, "Milieu");
    device.drawText(width - device.textWidth("BasDroite"), height - device.textHeight("BasDroite"), "BasDroite");
    device.endPage();
    device.drawText(10, 10, "Deuxième page, réponse à côté");
    device.endPage();
    device.setFont({.size = 10, .bold = true});
    // Arial's bold advance widths, and its line of 1.15 em leading included.
    EXPECT_NEAR(device.textWidth("Question N°1"), 22.2, 0.3);
    EXPECT_NEAR(device.textHeight("Q°"), 4.06, 0.05);
    EXPECT_GT(device.textWidth("Session   "), device.textWidth("Session"));  // the blanks of an underlined field count
  });
  EXPECT_NEAR(width, 200, 0.5);  // A4 less the 5 mm margins of the printable area
  EXPECT_NEAR(height, 287, 0.5);
  const auto printed = words(pdf);
  EXPECT_EQ(textOfPage(printed, 2), "Deuxième page, réponse à côté");
  EXPECT_EQ(std::count_if(printed.begin(), printed.end(), [](const Word& w) { return w.page > 2; }), 0);
  EXPECT_TRUE(std::regex_search(commandOutput("pdfinfo '" + pdf.string() + "'"), std::regex("Pages: +2\n")));
  const Word topLeft = wordNamed(printed, "HautGauche"), middle = wordNamed(printed, "Milieu"), bottomRight = wordNamed(printed, "BasDroite");
  EXPECT_NEAR(topLeft.left, 5, 0.5);
  EXPECT_NEAR(topLeft.top, 5, 0.5);
  EXPECT_NEAR((middle.left + middle.right) / 2, 105, 0.5);
  EXPECT_NEAR(middle.top, 5 + height / 2, 0.5);
  EXPECT_NEAR(bottomRight.right, 205, 0.5);
  EXPECT_NEAR(bottomRight.bottom, 292, 1);
}

// Boxes and circles are not filled, an underline runs under the blanks, a
// number on white hides only what lies under its digits, and a picture is
// scaled to its place.
TEST_F(PrintTest, ShapesPicturesAndTextOnWhiteAreDrawnAtTheirPlace) {
  QImage square(40, 40, QImage::Format_RGB32);
  square.fill(Qt::black);
  const auto picture = folder.path() / "carre.png";
  ASSERT_TRUE(square.save(QString::fromStdString(picture.string())));
  folder.writeBytes("abime.jpg", "not a picture");
  double zero = 0;
  print([&](PrintDevice& device) {
    device.drawBox(20, 20, 60, 40);
    device.drawCircle(150, 40, 20);
    EXPECT_FALSE(device.drawPicture(10, 10, 30, 30, (folder.path() / "abime.jpg").string()));
    EXPECT_TRUE(device.drawPicture(100, 50, 30, 20, picture.string()));
    device.setFont({.size = 10, .underline = true});
    device.drawText(20, 120, "Session" + std::string(20, ' '));
    device.setFont({.size = 40});
    zero = 60 + device.textWidth("0") / 2;
    device.drawLine(30, 187.7, 100, 187.7);
    device.drawCircle(zero, 187.7, 12);
    device.drawTextOnWhite(60 - device.textWidth(" "), 180, " 0 ");
    device.setUnit(PrintUnit::Twips);
    device.drawLine(20 * 56.7, 100 * 56.7, 180 * 56.7, 100 * 56.7);
  });
  const auto ink = inkOnFirstPage();
  for (const auto& [x, y, inked] : std::initializer_list<std::tuple<double, double, bool>>{{20, 40, true}, {50, 60, true}, {50, 40, false}, {170, 40, true}, {150, 40, false}, {100, 100, true}, {100, 103, false}, {102, 52, true},
           {128, 68, true}, {133, 60, false}, {115, 73, false}, {zero, 187.7, false}, {45, 187.7, true},
           {zero + 11, 187.7, true}, {58.5, 187.7, true}, {zero, 175.7, true}})
    EXPECT_EQ(ink(x, y), inked) << x << "," << y;
  bool underlined = false;
  for (double y = 120; y < 125; y += 0.25) underlined = underlined || ink(40, y);
  EXPECT_TRUE(underlined);
  EXPECT_NEAR(wordNamed(words(pdf), "0").left, 65, 0.5);
}

// The old PDF stays whole until the new one is: a file that cannot be made
// and a disk that fills up both fail and leave it.
TEST_F(PrintTest, APdfReplacesTheOldOneOnlyOnceItIsWhole) {
  folder.writeBytes("classe.pdf", "ancien PDF");
  folder.write("fichier", "x");
  EXPECT_FALSE(printToPdf(PrintJob{}, folder.path() / "fichier" / "page.pdf", [](PrintDevice& d, const PrintJob&) { d.drawText(0, 0, "x"); }));
  {
    const DiskFullAfter fullDisk(2000);
    EXPECT_FALSE(printToPdf(PrintJob{}, pdf, [](PrintDevice& device, const PrintJob&) {
      for (int line = 0; line < 40; ++line) device.drawText(10, 10 + 5 * line, "Une ligne de texte pour remplir la page");
    }));
  }
  EXPECT_EQ(readFileBytes(pdf), "ancien PDF");
  std::optional<std::string> seenWhileDrawing;
  print([&](PrintDevice& device) {
    device.drawText(0, 0, "x");
    seenWhileDrawing = readFileBytes(pdf);
  });
  EXPECT_EQ(seenWhileDrawing, "ancien PDF");
  const std::string bytes = readFileBytes(pdf).value_or("");
  EXPECT_TRUE(bytes.starts_with("%PDF") && bytes.find("%%EOF") != std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "classe.pdf.tmp"));
}

// Answers the modal dialog of that type once it shows.
template <typename D>
void whenShown(std::function<void(D*)> answer) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      poll->stop();
      answer(dialog);
    }
  });
  poll->start(10);
}

// The preview's print command, answered by accepting the print dialog.
void printFromPreview(QPrintPreviewDialog* preview) {
  whenShown<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
  for (QAction* action : preview->findChildren<QAction*>())
    if (action->text() == QStringLiteral("Print")) return action->trigger();
  ADD_FAILURE() << "no print command in the preview";
  preview->reject();
}

// Without a printer the PDF is offered in the home folder: this test's folder.
TEST(PrintService, ThePreviewShowsThePagesAndWithoutPrinterPrintsToAPdfInTheHomeFolder) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
  TempFolder folder;
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  const auto setHome = [](const std::filesystem::path& path) { qputenv("HOME", QByteArray::fromStdString(path.string())); };
  setHome(folder.path());
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.path().string()));
  PrintJob job;
  job.documentName = "Questionnaires";
  QtPrintService service{nullptr, [](PrintDevice& device, const PrintJob& printed) {
                           device.drawText(10, 10, printed.documentName);
                           device.endPage();
                           device.drawText(10, 10, "Page deux");
                         }};
  QString title;
  int pagesShown = 0;
  whenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
    title = preview->windowTitle();
    pagesShown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
    preview->reject();
  });
  EXPECT_EQ(service.print(job), PrintOutcome::Cancelled);
  EXPECT_EQ(title, QStringLiteral("Aperçu avant impression - Questionnaires"));
  EXPECT_EQ(pagesShown, 2);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // no PDF for the preview

  whenShown<QPrintPreviewDialog>(printFromPreview);
  EXPECT_EQ(service.print(job), PrintOutcome::Printed);
  EXPECT_EQ(textOfPage(words(folder.path() / "Questionnaires.pdf"), 2), "Page deux");

  folder.write("fichier", "x");
  setHome(folder.path() / "fichier");
  whenShown<QPrintPreviewDialog>(printFromPreview);
  EXPECT_EQ(service.print(job), PrintOutcome::Failed);
  qputenv("HOME", home);
  qputenv("XDG_CONFIG_HOME", config);
}

}  // namespace
}  // namespace ventelle
