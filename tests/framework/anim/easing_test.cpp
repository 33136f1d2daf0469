#include "framework/anim/easing.h"
#include "framework/anim/interpolation_closure.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using Curve = float (*)(float, float, float);

TEST(Easing, CurvesStartAtAAndEndAtB) {
    const Curve toEnd[] = {LerpLinear, LerpSqrt, LerpSquare, LerpSquareSquare, LerpExp};
    for (Curve curve : toEnd) {
        EXPECT_NEAR(curve(10, 20, 0), 10, 1e-4);
        EXPECT_NEAR(curve(10, 20, 1), 20, 1e-4);
    }
    // The two parabolic curves come back to a.
    EXPECT_FLOAT_EQ(LerpParabolic(10, 20, 0.5f), 20);
    EXPECT_FLOAT_EQ(LerpParabolic(10, 20, 1), 10);
    EXPECT_FLOAT_EQ(LerpParabolicConcave(10, 20, 0.5f), 15);
    EXPECT_FLOAT_EQ(LerpParabolicConcave(10, 20, 1), 10);
    EXPECT_EQ(LerpDampenClamped(3, 7, 1), 7); // exactly
    // The dampened curve's formula starts a fifth of a percent short of a.
    EXPECT_NEAR(LerpDampen(10, 20, 0), 10, 0.03);
}

TEST(Easing, InnerPoints) {
    EXPECT_FLOAT_EQ(LerpSquareSquare(0, 1, 0.25f), 0.125f);
    EXPECT_FLOAT_EQ(LerpSquareSquare(0, 1, 0.5f), 0.5f);
    EXPECT_FLOAT_EQ(LerpSquareSquare(0, 1, 0.75f), 0.875f);
    EXPECT_FLOAT_EQ(LerpSqrt(0, 10, 0.25f), 5);
    EXPECT_FLOAT_EQ(LerpSquare(0, 10, 0.5f), 2.5f);
    EXPECT_EQ(LerpJump(1, 2, 0.49f), 1);
    EXPECT_EQ(LerpJump(1, 2, 0.5f), 2);
    EXPECT_NEAR(LerpExp(0, 1, 0.5f), (2.7182817 - 1) / 2.350402355, 1e-6);
    // The dampened approach overshoots before settling.
    float peak = 0;
    for (int i = 0; i <= 100; ++i) peak = std::max(peak, LerpDampen(0, 1, i / 100.0f));
    EXPECT_GT(peak, 1.0f);
}

TEST(Easing, ClampedFormsHoldTheEnds) {
    EXPECT_FLOAT_EQ(LerpLinear(0, 10, 2), 20);
    EXPECT_FLOAT_EQ(LerpLinearClamped(0, 10, 2), 10);
    EXPECT_FLOAT_EQ(LerpSquareClamped(0, 10, -1), 0);
    EXPECT_FLOAT_EQ(LerpSqrtClamped(0, 10, -1), 0); // no square root of a negative
    EXPECT_FLOAT_EQ(LerpParabolicClamped(0, 10, 1.5f), 0);
    EXPECT_FLOAT_EQ(LerpSquareSquareClamped(0, 10, 3), 10);
}

TEST(InterpolationClosure, LockChoosesTheClampedForm) {
    auto closure = LinearInterpolationClosure::Create(0, 10);
    EXPECT_FLOAT_EQ(closure->Interpolate(1.5f), 15);
    closure->Lock = 1;
    EXPECT_FLOAT_EQ(closure->Interpolate(1.5f), 10);
    EXPECT_FLOAT_EQ(ParabolicInterpolationClosure::Create(2, 4)->Interpolate(0.5f), 4);
    InterpolationClosure base;
    EXPECT_EQ(base.Interpolate(0.5f), 0);
}

} // namespace
} // namespace wispwood
