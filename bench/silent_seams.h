#pragma once
// Seams that show, open and print nothing, for benchmarks.
#include "ui/window/desktop.h"
#include "ui/window/dialogs.h"
#include "ui/window/print_service.h"

namespace ventelle {

class SilentDialogs : public Dialogs {
 public:
  void message(MessageIcon, const std::string&, const std::string&) override {}
  // Input boxes answer this, or are cancelled.
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
    return answer;
  }
  std::optional<std::string> answer;
};

class SilentDesktop : public Desktop {
 public:
  bool openAddress(const std::string&) override { return true; }
  bool openTextFile(const std::filesystem::path&) override { return true; }
};

class SilentPrinter : public PrintService {
 public:
  PrintOutcome print(const PrintJob&) override { return PrintOutcome::Cancelled; }
};

}  // namespace ventelle
