#include "print/print_job.h"

#include "print/documents_p.h"

namespace ventelle {

void drawDocument(PrintDevice& device, const PrintJob& job) {
  switch (job.kind) {
    case DocumentKind::Questionnaires:
      printQuestionnaires(device, job.questionnaire, job.copies);
      break;
    default:
      break;
  }
}

}  // namespace ventelle
