#pragma once
// A window's timer as its model holds it: the shell runs one real timer from
// it and forwards each tick to the model.

namespace ventelle {

struct ModelTimer {
  int intervalMs = 0;
  bool running = false;

  bool operator==(const ModelTimer&) const = default;
};

}  // namespace ventelle
