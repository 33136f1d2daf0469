// The cursor's choice of the next target: ahead of it, near its line, one
// stop per group, and nowhere when nothing lies that way.
#include "framework/navigation/nav_choice.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

NavTarget At(float x, float y, int group = -1) {
    NavTarget t;
    t.key = std::make_shared<int>(0);
    t.px = x;
    t.py = y;
    t.group = group;
    return t;
}

TEST(NavChoice, TheNearestTargetAheadWinsAndSidewaysCountsDouble) {
    // A menu column with a button off to the right of its middle.
    std::vector<NavTarget> t = {At(100, 100), At(100, 150), At(100, 200), At(160, 140)};
    EXPECT_EQ(ChooseInDirection(t, 0, 0, 1), 1);
    EXPECT_EQ(ChooseInDirection(t, 1, 0, 1), 2);
    EXPECT_EQ(ChooseInDirection(t, 1, 0, -1), 0);
    EXPECT_EQ(ChooseInDirection(t, 1, 1, 0), 3);
    EXPECT_EQ(ChooseInDirection(t, 3, -1, 0), 1);
    // From the top: 40 below and 60 aside (160) loses to 50 straight below.
    EXPECT_EQ(ChooseInDirection(t, 0, 0, 1), 1);
    // Diagonally it is almost on the line, and wins.
    EXPECT_EQ(ChooseInDirection(t, 0, 1, 1), 3);
}

// A widget's frame, centred on where the pointer stands.
NavTarget Framed(float left, float top, float w, float h) {
    NavTarget t = At(left + w / 2, top + h / 2);
    t.x = left;
    t.y = top;
    t.w = w;
    t.h = h;
    return t;
}

// A dialog's two columns of choices, whose left edges differ by a pixel,
// over a wide slider and an OK button off its middle.
TEST(NavChoice, FramesDecideWhatLiesThatWay) {
    std::vector<NavTarget> t = {Framed(232, 145, 160, 36), Framed(401, 145, 160, 36),
                                Framed(231, 191, 160, 36), Framed(401, 191, 160, 36),
                                Framed(282, 378, 216, 56), Framed(239, 475, 120, 40)};
    EXPECT_EQ(ChooseInDirection(t, 2, 1, 0), 3) << "along the row, not up to the choice a pixel over";
    EXPECT_EQ(ChooseInDirection(t, 0, -1, 0), -1);
    EXPECT_EQ(ChooseInDirection(t, 5, 0, -1), 4) << "the slider above OK, not the choices past it";
    EXPECT_EQ(ChooseInDirection(t, 4, 0, -1), 2);
}

TEST(NavChoice, NothingLiesThatWay) {
    std::vector<NavTarget> t = {At(100, 100), At(100, 200), At(300, 100)};
    EXPECT_EQ(ChooseInDirection(t, 0, 0, -1), -1);
    EXPECT_EQ(ChooseInDirection(t, 0, -1, 0), -1);
    EXPECT_EQ(ChooseInDirection(t, 2, 1, 0), -1);
    // A target level with the cursor is not below it.
    EXPECT_EQ(ChooseInDirection(t, 2, 0, 1), 1);
    EXPECT_EQ(ChooseInDirection({At(10, 10)}, 0, 1, 0), -1);
    EXPECT_EQ(ChooseInDirection({}, 0, 1, 0), -1);
    EXPECT_EQ(ChooseInDirection(t, 0, 0, 0), -1);
}

TEST(NavChoice, TiesGoToTheTargetLessAsideThenToTheFirstOffered) {
    // Both cost 60: 60 straight ahead, or 40 ahead and 10 aside.
    std::vector<NavTarget> t = {At(0, 0), At(40, 10), At(60, 0)};
    EXPECT_EQ(ChooseInDirection(t, 0, 1, 0), 2);
    // Mirror images cost the same and lie as far aside: the first wins.
    std::vector<NavTarget> m = {At(0, 0), At(50, -20), At(50, 20)};
    EXPECT_EQ(ChooseInDirection(m, 0, 1, 0), 1);
    std::vector<NavTarget> swapped = {At(0, 0), At(50, 20), At(50, -20)};
    EXPECT_EQ(ChooseInDirection(swapped, 0, 1, 0), 1);
}

TEST(NavChoice, AGroupIsOneStop) {
    // Group 0 spans three cells in a row; the next group to its right
    // starts after them, and leaving the group is one press.
    std::vector<NavTarget> t = {At(24, 24, 0), At(72, 24, 0), At(120, 24, 0), At(168, 24, 1), At(72, 72, 2)};
    EXPECT_EQ(ChooseInDirection(t, 0, 1, 0), 3);
    EXPECT_EQ(ChooseInDirection(t, 3, -1, 0), 2);
    EXPECT_EQ(ChooseInDirection(t, 1, 0, 1), 4);
    // Targets on their own (-1) are never one group.
    std::vector<NavTarget> loose = {At(0, 0), At(10, 0)};
    EXPECT_EQ(ChooseInDirection(loose, 0, 1, 0), 1);
}

TEST(NavChoice, FromAPointThatIsNoTarget) {
    std::vector<NavTarget> t = {At(100, 100), At(200, 100)};
    EXPECT_EQ(ChooseInDirectionFrom(t, 150, 100, 1, 0), 1);
    EXPECT_EQ(ChooseInDirectionFrom(t, 150, 100, -1, 0), 0);
    EXPECT_EQ(NearestTarget(t, 160, 0, [](const NavTarget&) { return true; }), 1);
    EXPECT_EQ(NearestTarget(t, 160, 0, [&](const NavTarget& x) { return x.px < 150; }), 0);
    EXPECT_EQ(NearestTarget(t, 160, 0, [](const NavTarget&) { return false; }), -1);
}

} // namespace
} // namespace wispwood
