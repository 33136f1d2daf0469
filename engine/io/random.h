#pragma once
// The one process-wide pseudo-random generator: the minimal-standard Lehmer
// generator (multiplier 48271, modulus 2^31 - 1) by Schrage's method. Its
// sequence is part of the game's behaviour, so it is reproduced bit for bit.
#include <cstdint>

namespace wispwood {

constexpr int32_t kRandomStartSeed = 4660;

void SeedRandom(int32_t seed);
int32_t RandomSeed();
// Two generator steps combined into a double in [0, 1).
double RandomUnit();
// lo + u (hi - lo) over the ordered bounds: half-open.
double RandomFloat(double lo, double hi);
// The same draw as a float, for positions, speeds and sizes.
inline float RandomFloatF(double lo, double hi) {
    return static_cast<float>(RandomFloat(lo, hi));
}
// Both bounds included, in either order.
int RandomInt(int lo, int hi);
// Moves the generator on as count RandomUnit, RandomFloat or RandomInt calls
// would, in constant time: for a caller that knows the outcome of a long run
// of draws but must leave the sequence where the draws would.
void SkipRandomUnits(int64_t count);
// Back to the start-up seed (tests).
void ResetRandom();

} // namespace wispwood
