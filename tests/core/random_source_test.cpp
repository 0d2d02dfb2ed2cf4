#include "core/random_source.h"

#include <cmath>

#include <gtest/gtest.h>

#include "fakes/scripted_random.h"

namespace ventelle {
namespace {

// 1 * u + 1 rounds to 2 for u just below one: the draw is kept at 1.
TEST(RandomSource, MapsTheUniformValueToOneToMAsTheWholePartOfMTimesUPlusOne) {
  const double justBelowOne = std::nextafter(1.0, 0.0);
  for (const auto& [u, m, drawn] : {std::tuple{0.0, 1, 1}, {0.0, 60, 1}, {0.2499, 4, 1}, {0.25, 4, 2}, {0.5, 4, 3},
                                    {0.75, 4, 4}, {justBelowOne, 60, 60}, {justBelowOne, 1, 1}})
    EXPECT_EQ(ScriptedRandom({u}).draw(m), drawn) << "u = " << u << ", m = " << m;
}

}  // namespace
}  // namespace ventelle
