#include "qt/qt_print_service.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "qt/qt_print_device.h"

namespace ventelle {
namespace {

const QString kPreviewTitle = QStringLiteral("Aperçu avant impression - ");

// A PDF page with the margins of an ordinary printer's printable area.
void useA4Pdf(QPrinter& printer, const QString& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                    QPageLayout::Millimeter));
}

// The documents folder, or home, with the document's name made safe for a file name.
QString defaultPdfFile(const std::string& documentName) {
  QString name = QString::fromStdString(documentName).trimmed();
  static const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");
  for (QChar& c : name)
    if (kUnsafe.contains(c) || c.unicode() < 0x20) c = u'_';
  if (name.isEmpty()) name = QStringLiteral("Ventelle");
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

// Draws the job on the printer; false when the printer (or its output file)
// cannot be written.
bool paintOnPrinter(QPrinter& printer, const PrintJob& job, const DocumentDrawing& draw) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QtPrintDevice device(printer, painter);
  draw(device, job);
  return painter.end();
}

// A PDF is drawn into a temporary file beside the chosen one, then renamed
// over it: a failed print never leaves half a PDF where a whole one stood. A
// preview draws no file, and nothing is renamed.
bool paintJob(QPrinter& printer, const PrintJob& job, const DocumentDrawing& draw) {
  const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
  if (file.isEmpty()) return paintOnPrinter(printer, job, draw);
  const std::filesystem::path target = file.toStdString();
  auto temporary = target;
  temporary += ".tmp";
  printer.setOutputFileName(QString::fromStdString(temporary.string()));
  const bool painted = paintOnPrinter(printer, job, draw);
  printer.setOutputFileName(file);
  std::error_code error;
  if (painted && std::filesystem::exists(temporary, error)) std::filesystem::rename(temporary, target, error);
  if (!painted || error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace

bool printToPdf(const PrintJob& job, const std::filesystem::path& file, const DocumentDrawing& draw) {
  QPrinter printer(QPrinter::HighResolution);
  useA4Pdf(printer, QString::fromStdString(file.string()));
  printer.setDocName(QString::fromStdString(job.documentName));
  return paintJob(printer, job, draw);
}

QtPrintService::QtPrintService(QWidget* parent, DocumentDrawing draw) : parent_(parent), draw_(std::move(draw)) {}

PrintOutcome QtPrintService::print(const PrintJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (QPrinterInfo::availablePrinterNames().isEmpty()) useA4Pdf(printer, defaultPdfFile(job.documentName));
  printer.setDocName(QString::fromStdString(job.documentName));
  printer.setCopyCount(1);

  QPrintPreviewDialog preview(&printer, parent_);
  preview.setWindowTitle(kPreviewTitle + QString::fromStdString(job.documentName));
  bool written = true;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&](QPrinter* target) { written = paintJob(*target, job, draw_) && written; });
  if (preview.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
  return written ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace ventelle
