#pragma once
// The program's one source of chance. Every draw maps a uniform u in [0, 1)
// to 1..m as int(m * u + 1).

namespace ventelle {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform value in [0, 1).
  virtual double uniform() = 0;

  // A whole number from 1 to m (m > 0).
  virtual int draw(int m) {
    const int r = static_cast<int>(m * uniform() + 1);
    return r > m ? m : r;  // m * u + 1 may round up to m + 1 for u just below 1
  }
};

}  // namespace ventelle
