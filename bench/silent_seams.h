#pragma once
// Seams that show and open nothing, for benchmarks.
#include "ui/desktop.h"
#include "ui/dialogs.h"

namespace ventelle {

class SilentDialogs : public Dialogs {
 public:
  void message(MessageIcon, const std::string&, const std::string&) override {}
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

class SilentDesktop : public Desktop {
 public:
  bool openAddress(const std::string&) override { return true; }
  bool openTextFile(const std::filesystem::path&) override { return true; }
};

}  // namespace ventelle
