#include "print/print_job.h"

#include "print/documents_p.h"

namespace ventelle {

void drawDocument(PrintDevice& device, const PrintJob& job) {
  switch (job.kind) {
    case DocumentKind::Questionnaires:
      printQuestionnaires(device, job.questionnaire, job.copies);
      break;
    case DocumentKind::AnswerSheets:
      printAnswerSheets(device, job.questionnaire, job.copies);
      break;
    case DocumentKind::CorrectionGrid:
      printCorrectionGrid(device, job.questionnaire);
      break;
    case DocumentKind::ErrorReport:
      printErrorReport(device, job.report);
      break;
  }
}

}  // namespace ventelle
