#include "framework/anim/easing.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {
float Unit(float t) {
    return std::clamp(t, 0.0f, 1.0f);
}
} // namespace

float LerpLinear(float a, float b, float t) {
    return a + t * (b - a);
}

float LerpJump(float a, float b, float t) {
    return t >= 0.5f ? b : a;
}

float LerpSqrt(float a, float b, float t) {
    return a + std::sqrt(t) * (b - a);
}

float LerpSquare(float a, float b, float t) {
    return a + t * t * (b - a);
}

float LerpSquareSquare(float a, float b, float t) {
    float u = 2 * t;
    if (u < 1) return a + (b - a) * u * u / 2;
    return a + (b - a) * (2 - (u - 2) * (u - 2)) / 2;
}

float LerpParabolicConcave(float a, float b, float t) {
    float u = 2 * t;
    if (u < 1) return a + (b - a) * u * u / 2;
    return a + (b - a) * (u - 2) * (u - 2) / 2;
}

float LerpParabolic(float a, float b, float t) {
    float s = 2 * t - 1;
    return a + (1 - s * s) * (b - a);
}

float LerpExp(float a, float b, float t) {
    const double e = 2.7182817;
    return a + static_cast<float>((e - std::exp(1.0 - 2.0 * t)) / 2.350402355) * (b - a);
}

float LerpDampen(float a, float b, float t) {
    const double pi = 3.14159265358979323846;
    double u = std::sqrt(static_cast<double>(Unit(t)));
    double w = std::sin(15.0 * (std::pow(u, 2.5) - 5.0) / pi);
    return a + static_cast<float>(1.0 - (1.0 - u) * (1.0 - u) * w / 0.95) * (b - a);
}

float LerpLinearClamped(float a, float b, float t) {
    return LerpLinear(a, b, Unit(t));
}
float LerpSqrtClamped(float a, float b, float t) {
    return LerpSqrt(a, b, Unit(t));
}
float LerpSquareClamped(float a, float b, float t) {
    return LerpSquare(a, b, Unit(t));
}
float LerpSquareSquareClamped(float a, float b, float t) {
    return LerpSquareSquare(a, b, Unit(t));
}
float LerpParabolicConcaveClamped(float a, float b, float t) {
    return LerpParabolicConcave(a, b, Unit(t));
}
float LerpParabolicClamped(float a, float b, float t) {
    return LerpParabolic(a, b, Unit(t));
}
float LerpExpClamped(float a, float b, float t) {
    return LerpExp(a, b, Unit(t));
}
float LerpDampenClamped(float a, float b, float t) {
    return LerpDampen(a, b, Unit(t));
}

} // namespace wispwood
