#pragma once
#include <map>
#include <memory>
#include <string>

#include "core/program_folder.h"
#include "core/sound.h"

class QSoundEffect;

namespace ventelle {

// Plays the program's sounds with one QSoundEffect per file, made on first
// use and kept for the next. Best effort only: a missing file plays nothing,
// and the effect's own state is never trusted (with no sound device it claims
// to play for ever), so nothing waits on it.
class QtSound : public Sound {
 public:
  explicit QtSound(ProgramFolder folder);
  ~QtSound() override;

  void play(const std::string& programPath) override;

  // The effect last started, if any: what should be heard now.
  const QSoundEffect* current() const { return current_; }

 private:
  ProgramFolder folder_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* current_ = nullptr;
};

}  // namespace ventelle
