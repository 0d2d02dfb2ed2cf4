#pragma once
// Records every print job instead of printing it; can play a printer that
// is cancelled or fails.
#include <vector>

#include "ui/window/print_service.h"

namespace ventelle {

class RecordingPrintService : public PrintService {
 public:
  PrintOutcome print(const PrintJob& job) override {
    jobs.push_back(job);
    return outcome;
  }

  PrintOutcome outcome = PrintOutcome::Printed;
  std::vector<PrintJob> jobs;
};

}  // namespace ventelle
