#pragma once
// Records what the program asks the desktop to open; can play a desktop
// whose handlers do not start.
#include <filesystem>
#include <string>
#include <vector>

#include "ui/window/desktop.h"

namespace ventelle {

class RecordingDesktop : public Desktop {
 public:
  bool openAddress(const std::string& address) override {
    addresses.push_back(address);
    return handlersStart;
  }
  bool openTextFile(const std::filesystem::path&) override { return handlersStart; }

  bool handlersStart = true;
  std::vector<std::string> addresses;
};

}  // namespace ventelle
