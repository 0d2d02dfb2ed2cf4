#include "qt/services/qt_print_service.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "core/file_io.h"
#include "qt/services/qt_print_device.h"

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

// Draws the job on the device; false when it cannot be drawn on.
bool paintOn(QPagedPaintDevice& target, const PrintJob& job, const DocumentDrawing& draw) {
  QPainter painter;
  if (!painter.begin(&target)) return false;
  QtPrintDevice device(target, painter);
  draw(device, job);
  return painter.end();
}

// A PDF is drawn in memory, then written whole through the atomic file write:
// Qt's own PDF output reports no failed write, so a full disk would otherwise
// leave half a PDF, taken for a finished print, where the old one stood.
bool paintPdf(const QPrinter& printer, const PrintJob& job, const DocumentDrawing& draw) {
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&bytes);
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setTitle(printer.docName());
    pdf.setCreator(printer.creator());
    if (!paintOn(pdf, job, draw)) return false;
  }
  const QByteArray& pdfBytes = bytes.data();
  return writeFileAtomically(printer.outputFileName().toStdString(),
                             std::string_view(pdfBytes.constData(), static_cast<std::size_t>(pdfBytes.size())),
                             Durability::UserData);
}

// A preview draws through its own engine, whatever the printer's output, and
// writes no file.
bool paintJob(QPrinter& printer, const PrintJob& job, const DocumentDrawing& draw) {
  const QPaintEngine* engine = printer.paintEngine();
  const bool toPdfFile = engine && engine->type() == QPaintEngine::Pdf && !printer.outputFileName().isEmpty();
  return toPdfFile ? paintPdf(printer, job, draw) : paintOn(printer, job, draw);
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
