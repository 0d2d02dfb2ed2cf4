#pragma once
// The printer as the main window reaches it: the shell shows a print preview
// of the job, from which the user prints or saves a PDF.
#include "print/print_job.h"

namespace ventelle {

enum class PrintOutcome { Printed, Cancelled, Failed };

class PrintService {
 public:
  virtual ~PrintService() = default;
  virtual PrintOutcome print(const PrintJob& job) = 0;
};

}  // namespace ventelle
