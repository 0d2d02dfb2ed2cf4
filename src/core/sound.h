#pragma once
// Plays the program's sounds. Playing is best effort: it returns at once, a
// new sound stops the one still playing, and a missing file or an absent
// sound device is never reported.
#include <string>

namespace ventelle {

class Sound {
 public:
  virtual ~Sound() = default;
  // A WAV file given by its path in the program folder ("jeu/gong.wav").
  virtual void play(const std::string& programPath) = 0;
};

// For a run that plays nothing: tools and benchmarks.
inline Sound& silentSound() {
  struct Silent : Sound {
    void play(const std::string&) override {}
  };
  static Silent silent;
  return silent;
}

}  // namespace ventelle
