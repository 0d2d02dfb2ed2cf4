#pragma once
#include <filesystem>
#include <functional>

#include "ui/window/print_service.h"

class QWidget;

namespace ventelle {

// How a job becomes pages; the printed documents by default.
using DocumentDrawing = std::function<void(PrintDevice&, const PrintJob&)>;

// The print preview over the main window: the job shows page by page, and
// from there the user prints on a printer or saves a PDF (the only choice
// offered first when no printer is installed). The job holds every copy it
// asks for, so the printer's own copy count starts at 1.
class QtPrintService : public PrintService {
 public:
  explicit QtPrintService(QWidget* parent = nullptr, DocumentDrawing draw = drawDocument);
  // The window the preview stands over.
  void setParent(QWidget* parent) { parent_ = parent; }
  // Printed once the pages went to the printer or the file, Cancelled when
  // the preview closed without printing, Failed when the printer or the file
  // could not be written.
  PrintOutcome print(const PrintJob& job) override;

 private:
  QWidget* parent_;
  DocumentDrawing draw_;
};

// Writes the job as an A4 PDF file, without any window; false when the file
// cannot be written.
bool printToPdf(const PrintJob& job, const std::filesystem::path& file, const DocumentDrawing& draw = drawDocument);

}  // namespace ventelle
