#include "engine/io/random.h"
#include <algorithm>

namespace wispwood {

namespace {

TRandom gGame;

} // namespace

void TRandom::Seed(int32_t seed) {
    int32_t s = seed & 2147483647;
    if (s == 0 || s == 2147483647) s = kRandomStartSeed;
    seed_ = s;
}

int32_t TRandom::Step() {
    int32_t seed = 48271 * (seed_ % 44488) - 3399 * (seed_ / 44488);
    if (seed < 0) seed += 2147483647;
    seed_ = seed;
    return seed;
}

double TRandom::Unit() {
    int32_t s1 = Step();
    int32_t s2 = Step();
    return ((s1 & 536870908) + (s2 & 536870904) / 134217728.0) / 536870912.0;
}

double TRandom::Float(double lo, double hi) {
    double l = std::min(lo, hi), h = std::max(lo, hi);
    return l + Unit() * (h - l);
}

int TRandom::Int(int lo, int hi) {
    double u = Unit();
    int64_t d = static_cast<int64_t>(hi) - lo;
    if (d > 0) return static_cast<int>(lo + static_cast<int64_t>(u * static_cast<double>(d + 1)));
    return static_cast<int>(hi + static_cast<int64_t>(u * static_cast<double>(1 - d)));
}

void TRandom::SkipUnits(int64_t count) {
    // Each unit takes two steps, and a step multiplies by 48271 modulo the
    // prime, so count units multiply by 48271^(2 count).
    constexpr int64_t kModulus = 2147483647;
    int64_t factor = 1, base = 48271;
    for (int64_t e = count > 0 ? 2 * count : 0; e > 0; e >>= 1) {
        if (e & 1) factor = factor * base % kModulus;
        base = base * base % kModulus;
    }
    seed_ = static_cast<int32_t>(seed_ * factor % kModulus);
}

void SeedRandom(int32_t seed) {
    gGame.Seed(seed);
}

int32_t RandomSeed() {
    return gGame.State();
}

double RandomUnit() {
    return gGame.Unit();
}

double RandomFloat(double lo, double hi) {
    return gGame.Float(lo, hi);
}

int RandomInt(int lo, int hi) {
    return gGame.Int(lo, hi);
}

void SkipRandomUnits(int64_t count) {
    gGame.SkipUnits(count);
}

void ResetRandom() {
    gGame.Seed(kRandomStartSeed);
}

} // namespace wispwood
