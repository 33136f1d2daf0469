#include "game/board/pointy_arrow.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(PointyArrow, FadesInOverTwentyUpdatesAndOutWhenHiddenOrKilled) {
    PointyArrow arrow;
    for (int i = 0; i < 10; ++i) arrow.Update();
    EXPECT_NEAR(arrow.Alpha, 0.5f, 1e-4f);
    for (int i = 0; i < 11; ++i) arrow.Update();
    EXPECT_EQ(arrow.Alpha, 1);

    arrow.Hide = 1;
    for (int i = 0; i < 21; ++i) arrow.Update();
    EXPECT_EQ(arrow.Alpha, 0);
    EXPECT_EQ(arrow.Killed, 0); // hidden, not gone
    arrow.Hide = 0;
    for (int i = 0; i < 21; ++i) arrow.Update();

    arrow.Kill();
    for (int i = 0; i < 19; ++i) arrow.Update();
    EXPECT_EQ(arrow.Killed, 0);
    EXPECT_GT(arrow.Alpha, 0);
    arrow.Update();
    arrow.Update();
    EXPECT_EQ(arrow.Killed, 1);
    arrow.Hide = 0; // a killed arrow does not come back
    arrow.Update();
    EXPECT_EQ(arrow.Alpha, 0);
}

TEST(PointyArrow, BobsAboutItsTargetOnceEveryHundredAndTwentyUpdates) {
    PointyArrow arrow;
    EXPECT_FLOAT_EQ(arrow.Dist(), 92);
    arrow.Ticks = 30;
    EXPECT_FLOAT_EQ(arrow.Dist(), 98);
    arrow.Ticks = 90;
    EXPECT_NEAR(arrow.Dist(), 86, 1e-3f);
    arrow.Ticks = 120;
    EXPECT_NEAR(arrow.Dist(), 92, 1e-3f);
}

TEST(PointyArrow, StandsOffItsTargetInTheDirectionOfItsAngle) {
    PointyArrow arrow;
    arrow.x = 300;
    arrow.y = 200;
    arrow.Ticks = 30; // 98 pixels off
    const float off = 98 * 0.70710678f;
    EXPECT_NEAR(arrow.GetX(), 300 + off, 1e-3f); // -135: below and to the right
    EXPECT_NEAR(arrow.GetY(), 200 + off, 1e-3f);
    arrow.Angle = 135; // below and to the left
    EXPECT_NEAR(arrow.GetX(), 300 - off, 1e-3f);
    EXPECT_NEAR(arrow.GetY(), 200 + off, 1e-3f);
    arrow.Angle = 315; // above and to the right
    EXPECT_NEAR(arrow.GetX(), 300 + off, 1e-3f);
    EXPECT_NEAR(arrow.GetY(), 200 - off, 1e-3f);
}

} // namespace
} // namespace wispwood
