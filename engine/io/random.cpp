#include "engine/io/random.h"
#include <algorithm>

namespace wispwood {

namespace {

int32_t gSeed = kRandomStartSeed;

int32_t Step() {
    int32_t seed = 48271 * (gSeed % 44488) - 3399 * (gSeed / 44488);
    if (seed < 0) seed += 2147483647;
    gSeed = seed;
    return seed;
}

} // namespace

void SeedRandom(int32_t seed) {
    int32_t s = seed & 2147483647;
    if (s == 0 || s == 2147483647) s = kRandomStartSeed;
    gSeed = s;
}

int32_t RandomSeed() {
    return gSeed;
}

double RandomUnit() {
    int32_t s1 = Step();
    int32_t s2 = Step();
    return ((s1 & 536870908) + (s2 & 536870904) / 134217728.0) / 536870912.0;
}

double RandomFloat(double lo, double hi) {
    double l = std::min(lo, hi), h = std::max(lo, hi);
    return l + RandomUnit() * (h - l);
}

int RandomInt(int lo, int hi) {
    double u = RandomUnit();
    int64_t d = static_cast<int64_t>(hi) - lo;
    if (d > 0) return static_cast<int>(lo + static_cast<int64_t>(u * static_cast<double>(d + 1)));
    return static_cast<int>(hi + static_cast<int64_t>(u * static_cast<double>(1 - d)));
}

void SkipRandomUnits(int64_t count) {
    // Each unit takes two steps, and a step multiplies by 48271 modulo the
    // prime, so count units multiply by 48271^(2 count).
    constexpr int64_t kModulus = 2147483647;
    int64_t factor = 1, base = 48271;
    for (int64_t e = count > 0 ? 2 * count : 0; e > 0; e >>= 1) {
        if (e & 1) factor = factor * base % kModulus;
        base = base * base % kModulus;
    }
    gSeed = static_cast<int32_t>(gSeed * factor % kModulus);
}

void ResetRandom() {
    gSeed = kRandomStartSeed;
}

} // namespace wispwood
