#pragma once
// Easing curves: a start value a, an end value b and a progress t (0 to 1).
// The clamped forms clamp t to 0..1 first.
namespace wispwood {

float LerpLinear(float a, float b, float t);
float LerpJump(float a, float b, float t);
float LerpSqrt(float a, float b, float t);
float LerpSquare(float a, float b, float t);
// Ease in and out.
float LerpSquareSquare(float a, float b, float t);
// Rises to half-way at t = 0.5 and comes back to a at t = 1.
float LerpParabolicConcave(float a, float b, float t);
// a at 0 and 1, b at 0.5.
float LerpParabolic(float a, float b, float t);
float LerpExp(float a, float b, float t);
// Overshoots, then settles on b.
float LerpDampen(float a, float b, float t);

float LerpLinearClamped(float a, float b, float t);
float LerpSqrtClamped(float a, float b, float t);
float LerpSquareClamped(float a, float b, float t);
float LerpSquareSquareClamped(float a, float b, float t);
float LerpParabolicConcaveClamped(float a, float b, float t);
float LerpParabolicClamped(float a, float b, float t);
float LerpExpClamped(float a, float b, float t);
float LerpDampenClamped(float a, float b, float t);

} // namespace wispwood
