#pragma once
// The minimal-standard Lehmer generator (multiplier 48271, modulus 2^31 - 1)
// by Schrage's method. The game's own one decides play: its sequence is part
// of the game's behaviour, so it is reproduced bit for bit. What is only
// heard draws from generators of its own (TRandom), so that it cannot move
// play's sequence however the sound card plays.
#include <cstdint>

namespace wispwood {

constexpr int32_t kRandomStartSeed = 4660;

// One generator's state and draws.
class TRandom {
  public:
    explicit TRandom(int32_t seed = kRandomStartSeed) { Seed(seed); }
    void Seed(int32_t seed);
    int32_t State() const { return seed_; }
    // Two generator steps combined into a double in [0, 1).
    double Unit();
    // lo + u (hi - lo) over the ordered bounds: half-open.
    double Float(double lo, double hi);
    // Both bounds included, in either order.
    int Int(int lo, int hi);
    // Moves on as count Unit, Float or Int calls would, in constant time.
    void SkipUnits(int64_t count);

  private:
    int32_t Step();
    int32_t seed_ = kRandomStartSeed;
};

// The game's one process-wide generator.
void SeedRandom(int32_t seed);
int32_t RandomSeed();
double RandomUnit();
double RandomFloat(double lo, double hi);
// The same draw as a float, for positions, speeds and sizes.
inline float RandomFloatF(double lo, double hi) {
    return static_cast<float>(RandomFloat(lo, hi));
}
int RandomInt(int lo, int hi);
// For a caller that knows the outcome of a long run of draws but must leave
// the sequence where the draws would.
void SkipRandomUnits(int64_t count);
// Back to the start-up seed (tests).
void ResetRandom();

} // namespace wispwood
