#include "tools/mediagen/core/rng.h"

#include <cmath>

namespace wispwood::mediagen {

namespace {
double Lattice(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}
double Smooth(double t) {
    return t * t * (3 - 2 * t);
}
} // namespace

double ValueNoise(double x, double y, uint32_t seed) {
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    double fx = Smooth(x - x0), fy = Smooth(y - y0);
    double a = Lattice(x0, y0, seed), b = Lattice(x0 + 1, y0, seed);
    double c = Lattice(x0, y0 + 1, seed), d = Lattice(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double FractalNoise(double x, double y, uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + i * 101) * amplitude;
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

} // namespace wispwood::mediagen
