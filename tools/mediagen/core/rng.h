#pragma once
// Fixed-seed randomness for painters: the same seed gives the same picture on
// every run and every machine (no library generators, whose sequences vary).
#include <cstdint>

namespace wispwood::mediagen {

class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); } // [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    int Int(int lo, int hi) { return lo + int(Next() % uint64_t(hi - lo + 1)); } // both included

  private:
    uint64_t state_;
};

// Smooth value noise in [0, 1] and its fractal sum, for textures and clouds.
double ValueNoise(double x, double y, uint32_t seed);
double FractalNoise(double x, double y, uint32_t seed, int octaves = 4);

} // namespace wispwood::mediagen
