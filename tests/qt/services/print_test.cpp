// Pages drawn on a real printer device come out as a PDF that reads back
// with the texts, pictures and shapes where they were drawn.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>

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

std::string quoted(const std::filesystem::path& file) { return "'" + file.string() + "'"; }

int pageCount(const std::filesystem::path& pdf) {
  std::istringstream info(commandOutput("pdfinfo " + quoted(pdf)));
  for (std::string line; std::getline(info, line);)
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  return -1;
}

struct Word {
  int page;  // from 1
  std::string text;
  double left, top, right, bottom;  // millimetres from the paper's corner
};

// Every word of the PDF with its box.
std::vector<Word> words(const std::filesystem::path& pdf) {
  constexpr double kMmPerPoint = 25.4 / 72;
  const std::string html = commandOutput("pdftotext -bbox " + quoted(pdf) + " -");
  static const std::regex kPage("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
  std::vector<Word> found;
  int page = 0;
  for (std::sregex_iterator it(html.begin(), html.end(), kPage), end; it != end; ++it) {
    const std::smatch& m = *it;
    if (!m[1].matched) {
      ++page;
      continue;
    }
    found.push_back({page, m[5], std::stod(m[1]) * kMmPerPoint, std::stod(m[2]) * kMmPerPoint,
                     std::stod(m[3]) * kMmPerPoint, std::stod(m[4]) * kMmPerPoint});
  }
  return found;
}

std::vector<std::string> wordsOfPage(const std::vector<Word>& all, int page) {
  std::vector<std::string> texts;
  for (const Word& word : all)
    if (word.page == page) texts.push_back(word.text);
  return texts;
}

Word wordNamed(const std::vector<Word>& all, const std::string& text) {
  for (const Word& word : all)
    if (word.text == text) return word;
  ADD_FAILURE() << text << " not printed";
  return {};
}

// A page rendered at 4 pixels per millimetre, read in millimetres from the
// corner of the printable area, 5 mm in.
struct Drawing {
  explicit Drawing(QImage rendered) : page(std::move(rendered)) { EXPECT_FALSE(page.isNull()); }
  // Some ink within a quarter of a millimetre, as a thin line leaves.
  bool darkNear(double x, double y) const {
    int darkest = 255;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const QPoint pixel(qRound((x + 5) * 4) + dx, qRound((y + 5) * 4) + dy);
        if (page.valid(pixel)) darkest = std::min(darkest, qGray(page.pixel(pixel)));
      }
    return darkest < 160;
  }
  QImage page;
};

class PrintTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::filesystem::path pdf = folder.path() / "pages.pdf";

  // Draws on an A4 PDF through the device, as the printed documents do.
  void print(const std::function<void(PrintDevice&)>& draw) {
    ASSERT_TRUE(printToPdf(PrintJob{}, pdf, [&](PrintDevice& device, const PrintJob&) { draw(device); }));
  }

  // The first page rendered in grey at 4 pixels per millimetre, for shapes.
  QImage firstPage() {
    commandOutput("pdftoppm -gray -r 101.6 -f 1 -l 1 -singlefile " + quoted(pdf) + " " + quoted(folder.path() / "page"));
    return QImage(QString::fromStdString((folder.path() / "page.pgm").string()));
  }
};

TEST_F(PrintTest, EndedPagesLeaveNoBlankPageAfterThem) {
  print([](PrintDevice& device) {
    device.drawText(10, 10, "Première page");
    device.endPage();
    device.drawText(10, 10, "Deuxième page, réponse à côté");
    device.endPage();
  });
  EXPECT_EQ(pageCount(pdf), 2);
  const auto printed = words(pdf);
  EXPECT_EQ(wordsOfPage(printed, 1), (std::vector<std::string>{"Première", "page"}));
  EXPECT_EQ(wordsOfPage(printed, 2), (std::vector<std::string>{"Deuxième", "page,", "réponse", "à", "côté"}));
}

TEST_F(PrintTest, TextLandsWhereItIsDrawnOnThePrintableArea) {
  double width = 0, height = 0;
  print([&](PrintDevice& device) {
    width = device.pageWidth();
    height = device.pageHeight();
    device.setFont({.size = 8});
    device.drawText(0, 0, "HautGauche");
    device.drawText(width / 2 - device.textWidth("Milieu") / 2, height / 2, "Milieu");
    device.drawText(width - device.textWidth("BasDroite"), height - device.textHeight("BasDroite"), "BasDroite");
  });
  // A4 less the 5 mm margins of the PDF's printable area.
  EXPECT_NEAR(width, 200, 0.5);
  EXPECT_NEAR(height, 287, 0.5);
  // The printable area starts 5 mm in from the paper's corner.
  const auto printed = words(pdf);
  const Word topLeft = wordNamed(printed, "HautGauche");
  EXPECT_NEAR(topLeft.left, 5, 0.5);
  EXPECT_NEAR(topLeft.top, 5, 0.5);
  const Word middle = wordNamed(printed, "Milieu");
  EXPECT_NEAR((middle.left + middle.right) / 2, 105, 0.5);
  EXPECT_NEAR(middle.top, 5 + height / 2, 0.5);
  const Word bottomRight = wordNamed(printed, "BasDroite");
  EXPECT_NEAR(bottomRight.right, 205, 0.5);
  EXPECT_NEAR(bottomRight.bottom, 292, 1);
}

TEST_F(PrintTest, TextMeasuresAsArialOnPaper) {
  print([](PrintDevice& device) {
    device.setFont({.size = 10, .bold = true});
    // 6.29 em in Arial's bold advance widths (any other sans is wider or narrower).
    const double bold = device.textWidth("Question N°1");
    EXPECT_NEAR(bold, 22.2, 0.3);
    // Arial's line, leading included, is 1.15 em: 10 points make 4.06 mm.
    EXPECT_NEAR(device.textHeight("Q°"), 4.06, 0.05);
    device.setFont({.size = 20, .bold = true});
    EXPECT_NEAR(device.textWidth("Question N°1"), 2 * bold, 0.5);
    device.setFont({.size = 10});
    EXPECT_LT(device.textWidth("Question N°1"), bold);
    // Trailing blanks count: the underlined field of a header is made of them.
    EXPECT_GT(device.textWidth("Session   "), device.textWidth("Session"));
  });
}

TEST_F(PrintTest, ShapesAndUnderlinesAreDrawnAtTheirPlace) {
  print([](PrintDevice& device) {
    device.drawBox(20, 20, 60, 40);
    device.drawCircle(150, 40, 20);
    device.setFont({.size = 10, .underline = true});
    device.drawText(20, 120, "Session" + std::string(20, ' '));
    device.setUnit(PrintUnit::Twips);
    device.drawLine(20 * 56.7, 100 * 56.7, 180 * 56.7, 100 * 56.7);
  });
  const Drawing drawing(firstPage());
  auto dark = [&](double x, double y) { return drawing.darkNear(x, y); };
  EXPECT_TRUE(dark(20, 40));   // left side of the box
  EXPECT_TRUE(dark(50, 60));   // its bottom
  EXPECT_FALSE(dark(50, 40));  // not filled
  EXPECT_TRUE(dark(170, 40));  // right of the circle
  EXPECT_TRUE(dark(150, 20));  // its top
  EXPECT_FALSE(dark(150, 40));
  EXPECT_TRUE(dark(100, 100));
  EXPECT_FALSE(dark(100, 103));
  // The underline runs under the blanks that follow a word.
  bool underlined = false;
  for (double y = 120; y < 125; y += 0.25) underlined = underlined || dark(40, y);
  EXPECT_TRUE(underlined);
}

// A number over lines hides them under its digits only: lines and a circle
// beyond the digits stay in view, and the number reads as text.
TEST_F(PrintTest, TextOnWhiteHidesOnlyWhatLiesUnderItsInk) {
  double middle = 0;
  print([&](PrintDevice& device) {
    device.setFont({.size = 40});
    middle = 60 + device.textWidth("0") / 2;
    device.drawLine(30, 47.7, 100, 47.7);  // across the middle of the digit
    device.drawLine(middle, 30, middle, 65);  // and down through it
    device.drawCircle(middle, 47.7, 12);
    device.drawTextOnWhite(60 - device.textWidth(" "), 40, " 0 ");  // as a number prints
  });
  const Drawing drawing(firstPage());
  EXPECT_FALSE(drawing.darkNear(middle, 47.7));  // inside the zero's ring
  EXPECT_TRUE(drawing.darkNear(45, 47.7));
  EXPECT_TRUE(drawing.darkNear(middle + 11, 47.7));
  // Above and below the digit, within the text's line, nothing is hidden.
  EXPECT_TRUE(drawing.darkNear(middle, 41));
  EXPECT_TRUE(drawing.darkNear(middle, 55));
  // Nor beside it, under the blank before it.
  EXPECT_TRUE(drawing.darkNear(60 - 1.5, 47.7));
  EXPECT_TRUE(drawing.darkNear(middle, 35.7));  // the circle's top
  EXPECT_TRUE(drawing.darkNear(middle, 59.7));  // and its bottom
  EXPECT_NEAR(wordNamed(words(pdf), "0").left, 65, 0.5);
}

TEST_F(PrintTest, PictureThatReadsIsDrawnAndOneThatDoesNotIsRefused) {
  QImage square(40, 40, QImage::Format_RGB32);
  square.fill(Qt::black);
  const auto picture = folder.path() / "carre.png";
  ASSERT_TRUE(square.save(QString::fromStdString(picture.string())));
  folder.writeBytes("abime.jpg", "not a picture");
  print([&](PrintDevice& device) {
    EXPECT_FALSE(device.drawPicture(10, 10, 30, 30, (folder.path() / "absent.jpg").string()));
    EXPECT_FALSE(device.drawPicture(10, 10, 30, 30, (folder.path() / "abime.jpg").string()));
    EXPECT_TRUE(device.drawPicture(100, 50, 30, 20, picture.string()));
  });
  const Drawing drawing(firstPage());
  auto dark = [&](double x, double y) { return drawing.darkNear(x, y); };
  EXPECT_TRUE(dark(102, 52));
  EXPECT_TRUE(dark(128, 68));
  EXPECT_FALSE(dark(133, 60));  // scaled to 30 x 20 mm, not kept at 40 pixels
  EXPECT_FALSE(dark(115, 73));
  EXPECT_FALSE(dark(20, 20));
}

TEST_F(PrintTest, PdfThatCannotBeWrittenFails) {
  folder.write("fichier", "x");
  EXPECT_FALSE(printToPdf(PrintJob{}, folder.path() / "fichier" / "page.pdf",
                          [](PrintDevice& device, const PrintJob&) { device.drawText(0, 0, "x"); }));
}

// Until the new PDF is whole, the old one stays in its place, whole.
TEST_F(PrintTest, APdfReplacesTheOldOneOnlyOnceItIsWhole) {
  const auto pdf = folder.path() / "classe.pdf";
  folder.writeBytes("classe.pdf", "ancien PDF");
  std::optional<std::string> seenWhileDrawing;
  ASSERT_TRUE(printToPdf(PrintJob{}, pdf, [&](PrintDevice& device, const PrintJob&) {
    device.drawText(0, 0, "x");
    seenWhileDrawing = readFileBytes(pdf);
  }));
  EXPECT_EQ(seenWhileDrawing, "ancien PDF");
  const std::string bytes = readFileBytes(pdf).value_or("");
  EXPECT_TRUE(bytes.starts_with("%PDF"));
  EXPECT_NE(bytes.find("%%EOF"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "classe.pdf.tmp"));
}

// A disk that fills up while the PDF is drawn leaves the old one whole and
// is reported, never taken for a finished print.
TEST_F(PrintTest, ADiskThatFillsUpWhileDrawingKeepsTheOldPdf) {
  const auto pdf = folder.path() / "classe.pdf";
  folder.writeBytes("classe.pdf", "ancien PDF");
  bool printed = true;
  {
    const DiskFullAfter fullDisk(2000);
    printed = printToPdf(PrintJob{}, pdf, [](PrintDevice& device, const PrintJob&) {
      for (int line = 0; line < 40; ++line) device.drawText(10, 10 + 5 * line, "Une ligne de texte pour remplir la page");
    });
  }
  EXPECT_FALSE(printed);
  EXPECT_EQ(readFileBytes(pdf), "ancien PDF");
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

// The preview, with the print command of its tool bar.
void printFromPreview(QPrintPreviewDialog* preview, std::function<void(QPrintDialog*)> answer) {
  whenShown(answer);
  for (QAction* action : preview->findChildren<QAction*>())
    if (action->text() == QStringLiteral("Print")) return action->trigger();
  ADD_FAILURE() << "no print command in the preview";
  preview->reject();
}

// An environment variable changed for one test.
class ChangedVariable {
 public:
  ChangedVariable(const char* name, const std::filesystem::path& value)
      : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    set(value);
  }
  ~ChangedVariable() { wasSet_ ? qputenv(name_, old_) : qunsetenv(name_); }
  void set(const std::filesystem::path& value) { qputenv(name_, QByteArray::fromStdString(value.string())); }

 private:
  const char* name_;
  bool wasSet_;
  QByteArray old_;
};

class PrintServiceTest : public ::testing::Test {
 protected:
  PrintServiceTest() { job.documentName = "Questionnaires"; }
  void SetUp() override {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
  }

  TempFolder folder;
  // Without a printer, the PDF is offered in the home folder: this one.
  ChangedVariable home{"HOME", folder.path()};
  ChangedVariable configHome{"XDG_CONFIG_HOME", folder.path()};
  PrintJob job;
  int drawings = 0;
  QtPrintService service{nullptr, [this](PrintDevice& device, const PrintJob& printed) {
                           ++drawings;
                           device.drawText(10, 10, printed.documentName);
                           device.endPage();
                           device.drawText(10, 10, "Page deux");
                           device.endPage();
                         }};
};

TEST_F(PrintServiceTest, PreviewClosedWithoutPrintingIsCancelled) {
  QString title;
  int pagesShown = 0;
  whenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
    title = preview->windowTitle();
    if (auto* pages = preview->findChild<QPrintPreviewWidget*>()) pagesShown = pages->pageCount();
    preview->reject();
  });
  EXPECT_EQ(service.print(job), PrintOutcome::Cancelled);
  EXPECT_EQ(title, QStringLiteral("Aperçu avant impression - Questionnaires"));
  EXPECT_EQ(pagesShown, 2);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // no PDF written for the preview
}

TEST_F(PrintServiceTest, WithoutPrinterThePreviewPrintsToPdf) {
  whenShown<QPrintPreviewDialog>([](QPrintPreviewDialog* preview) {
    printFromPreview(preview, [](QPrintDialog* dialog) { dialog->accept(); });
  });
  EXPECT_EQ(service.print(job), PrintOutcome::Printed);
  const auto pdf = folder.path() / "Questionnaires.pdf";
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(pageCount(pdf), 2);
  EXPECT_EQ(wordsOfPage(words(pdf), 1), std::vector<std::string>{"Questionnaires"});
}

TEST_F(PrintServiceTest, PdfThatCannotBeWrittenFromThePreviewFails) {
  folder.write("fichier", "x");
  home.set(folder.path() / "fichier");
  whenShown<QPrintPreviewDialog>([](QPrintPreviewDialog* preview) {
    printFromPreview(preview, [](QPrintDialog* dialog) { dialog->accept(); });
  });
  EXPECT_EQ(service.print(job), PrintOutcome::Failed);
}

}  // namespace
}  // namespace ventelle
