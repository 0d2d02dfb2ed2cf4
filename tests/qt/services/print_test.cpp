// Pages drawn on a real printer device come out as a PDF that reads back
// with the texts, pictures and shapes where they were drawn.
#include <regex>

#include "core/file_io.h"
#include "fakes/interrupted_writes.h"
#include "qt/services/qt_print_service.h"
#include "qt/shell_checks.h"

namespace ventelle {

std::string commandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  for (char buffer[4096]; pipe && fgets(buffer, sizeof buffer, pipe.get());) output += buffer;
  return output;
}

// Every word of the PDF: its page, from 1, then its box in millimetres from
// the paper's corner.
std::map<std::string, std::array<double, 5>> words(const std::filesystem::path& pdf) {
  const std::string html = commandOutput("pdftotext -bbox '" + pdf.string() + "' -");
  static const std::regex kWord("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
  std::map<std::string, std::array<double, 5>> found;
  double page = 0;
  for (std::sregex_iterator it(html.begin(), html.end(), kWord), end; it != end; ++it) {
    const auto mm = [&it](int k) { return std::stod((*it)[k]) * 25.4 / 72; };
    (*it)[1].matched ? void(found[(*it)[5]] = {page, mm(1), mm(2), mm(3), mm(4)}) : void(++page);
  }
  return found;
}

class PrintTest : public ::testing::Test {
 protected:
  void print(const std::function<void(PrintDevice&)>& draw) {
    ASSERT_TRUE(printToPdf(PrintJob{}, pdf, [&](PrintDevice& device, const PrintJob&) { draw(device); }));
  }
  TempFolder folder;
  std::filesystem::path pdf = folder.path() / "classe.pdf";
};

TEST_F(PrintTest, TextLandsWhereItIsDrawnAndEndedPagesLeaveNoBlankPage) {
  double width = 0, height = 0;
  print([&](PrintDevice& device) {
    width = device.pageWidth();
    height = device.pageHeight();
    device.setFont({.size = 8});
    device.drawText(0, 0, "HautGauche");
    device.drawText(width - device.textWidth("BasDroite"), height - device.textHeight("BasDroite"), "BasDroite");
    device.endPage();
    device.drawText(10, 10, "Deuxième");
    device.endPage();
  });
  EXPECT_NEAR(width, 200, 0.5);  // A4 less the 5 mm margins of the printable area
  EXPECT_NEAR(height, 287, 0.5);
  EXPECT_TRUE(std::regex_search(commandOutput("pdfinfo '" + pdf.string() + "'"), std::regex("Pages: +2\n")));
  auto printed = words(pdf);
  EXPECT_EQ(printed["HautGauche"][0], 1);
  EXPECT_NEAR(printed["HautGauche"][1], 5, 0.5);
  EXPECT_NEAR(printed["HautGauche"][2], 5, 0.5);
  EXPECT_NEAR(printed["BasDroite"][3], 205, 0.5);
  EXPECT_NEAR(printed["BasDroite"][4], 292, 1);
  EXPECT_EQ(printed["Deuxième"][0], 2);
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
  print([&](PrintDevice& device) {
    device.drawText(0, 0, "x");
    EXPECT_EQ(readFileBytes(pdf), "ancien PDF");
  });
  const std::string bytes = readFileBytes(pdf).value_or("");
  EXPECT_TRUE(bytes.starts_with("%PDF") && bytes.find("%%EOF") != std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "classe.pdf.tmp"));
}

}  // namespace ventelle
