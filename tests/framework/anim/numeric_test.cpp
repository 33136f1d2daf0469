#include "framework/anim/numeric.h"
#include "framework/anim/piecewise_function.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(Numeric, ClampNormaliseApproach) {
    EXPECT_EQ(ClampFloat(5, 0, 1), 1);
    EXPECT_EQ(ClampInt(-5, 0, 3), 0);
    EXPECT_FLOAT_EQ(Normalise(15, 10, 20), 0.5f);
    EXPECT_EQ(Approach(1, 2, 0.25f), 1.25f);
    EXPECT_EQ(Approach(1, 0, 0.25f), 0.75f);
    EXPECT_EQ(Approach(1, 1.1f, 0.25f), 1.1f);
}

TEST(Numeric, VectorsAndRectangles) {
    EXPECT_FLOAT_EQ(Distance(0, 0, 3, 4), 5);
    float dx = 3, dy = 4;
    SetVectorLength(dx, dy, 10);
    EXPECT_FLOAT_EQ(dx, 6);
    EXPECT_FLOAT_EQ(dy, 8);
    float zx = 0, zy = 0;
    SetVectorLength(zx, zy, 10);
    EXPECT_EQ(zx, 0);
    EXPECT_TRUE(RectsOverlap(0, 0, 10, 10, 10, 10, 5, 5)); // closed: touching corners overlap
    EXPECT_FALSE(RectsOverlap(0, 0, 10, 10, 10.5f, 0, 5, 5));
}

TEST(Numeric, SignedLineDistanceFollowsTheSideOfThePoint) {
    // Horizontal line y = 0: a point below (y > 0) looks up to its foot.
    EXPECT_FLOAT_EQ(SignedLineDistance(0, 0, 10, 0, 5, 3), -3);
    EXPECT_FLOAT_EQ(SignedLineDistance(0, 0, 10, 0, 5, -3), 3);
    EXPECT_FLOAT_EQ(SignedLineDistance(0, 0, 10, 0, 5, 0), 0);
    EXPECT_FLOAT_EQ(SignedLineDistance(0, 0, 0, 0, 0, 2), -2); // degenerate line: its point
}

TEST(Numeric, DigitsToIntConcatenatesDigits) {
    EXPECT_EQ(DigitsToInt("run 0 4 2"), 42);
    EXPECT_EQ(DigitsToInt("none"), 0);
}

TEST(PieceWiseFunction, InterpolatesBetweenSortedPointsWithoutExtrapolating) {
    auto f = TPieceWiseFunction::CreateFromArray({{10, 100}, {0, 0}, {20, 50}});
    EXPECT_FLOAT_EQ(f->InterpolateLinearly(-5), 0);
    EXPECT_FLOAT_EQ(f->InterpolateLinearly(5), 50);
    EXPECT_FLOAT_EQ(f->InterpolateLinearly(15), 75);
    EXPECT_FLOAT_EQ(f->InterpolateLinearly(25), 50);
    EXPECT_FLOAT_EQ(f->Length(), 20);
    f->AddPoint(30, 0);
    EXPECT_FLOAT_EQ(f->InterpolateLinearly(25), 25);
    f->Clear();
    EXPECT_EQ(f->InterpolateLinearly(1), 0);
}

TEST(PieceWiseFunction, PointsCloserThanOneKeepTheirOrderAndStepsAccumulate) {
    auto f = TPieceWiseFunction::CreateFromArray({{5.5f, 1}, {5, 2}, {3, 3}});
    ASSERT_EQ(f->Points.size(), 3u);
    EXPECT_EQ(f->Points[0].Value, 3);
    EXPECT_EQ(f->Points[1].Value, 1); // 5.5 and 5 compare equal
    EXPECT_EQ(f->Points[2].Value, 2);
    EXPECT_FLOAT_EQ(f->InterpolateLinearly(5.2f), 2); // the zero-width step takes the later value

    auto g = TPieceWiseFunction::CreateFromCumulativeArray({{0, 1}, {10, 2}, {5, 3}});
    EXPECT_FLOAT_EQ(g->Points[2].Position, 15);
    EXPECT_FLOAT_EQ(g->InterpolateLinearly(12.5f), 2.5f);
}

} // namespace
} // namespace wispwood
