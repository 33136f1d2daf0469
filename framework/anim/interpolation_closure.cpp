#include "framework/anim/interpolation_closure.h"
#include "framework/anim/easing.h"
#include <algorithm>

namespace wispwood {

float InterpolationClosure::Interpolate(float) {
    return 0;
}

namespace {
float Progress(int lock, float t) {
    return lock ? std::clamp(t, 0.0f, 1.0f) : t;
}
} // namespace

float LinearInterpolationClosure::Interpolate(float t) {
    return LerpLinear(start, finish, Progress(Lock, t));
}
float JumpInterpolationClosure::Interpolate(float t) {
    return LerpJump(start, finish, Progress(Lock, t));
}
float SqrtInterpolationClosure::Interpolate(float t) {
    return LerpSqrt(start, finish, Progress(Lock, t));
}
float SquareInterpolationClosure::Interpolate(float t) {
    return LerpSquare(start, finish, Progress(Lock, t));
}
float SquareSquareInterpolationClosure::Interpolate(float t) {
    return LerpSquareSquare(start, finish, Progress(Lock, t));
}
float ParabolicConcaveInterpolationClosure::Interpolate(float t) {
    return LerpParabolicConcave(start, finish, Progress(Lock, t));
}
float ParabolicInterpolationClosure::Interpolate(float t) {
    return LerpParabolic(start, finish, Progress(Lock, t));
}
float ExpInterpolationClosure::Interpolate(float t) {
    return LerpExp(start, finish, Progress(Lock, t));
}
float DampenInterpolationClosure::Interpolate(float t) {
    return LerpDampen(start, finish, Progress(Lock, t));
}

} // namespace wispwood
