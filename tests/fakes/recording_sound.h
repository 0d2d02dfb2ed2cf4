#pragma once
// Records the sounds played instead of playing them.
#include <algorithm>
#include <string>
#include <vector>

#include "core/sound.h"

namespace ventelle {

class RecordingSound : public Sound {
 public:
  void play(const std::string& programPath) override { played.push_back(programPath); }
  int count(const std::string& path) const { return static_cast<int>(std::count(played.begin(), played.end(), path)); }
  std::vector<std::string> played;
};

}  // namespace ventelle
