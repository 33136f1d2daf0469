// The location file: a hundred locations in order, on the map trail, with
// level parameters the board can play and the lessons can rely on.
#include "tests/tools/data/data_files.h"

#include "tests/support/paths.h"
#include "tools/mediagen/pictures/trail.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>

namespace wispwood::datatest {
namespace {

bool HasLayout(int n) {
    static const std::vector<LayoutGrid> layouts = ReadLayouts();
    return n < static_cast<int>(layouts.size()) && !layouts[n].Empty();
}

TEST(Locations, OneHundredLocationsNumberedByTheirSortedNames) {
    auto file = ReadSectioned("quest/coords.txt");
    auto names = SectionNames(*file);
    ASSERT_EQ(names.size(), 100u);
    for (int n = 0; n < 100; ++n) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "spot%03d", n);
        EXPECT_EQ(names[n], expected);
    }
}

TEST(Locations, ParametersStayWithinWhatTheBoardHandles) {
    for (const auto& p : ShippedLocations()) {
        SCOPED_TRACE("location " + std::to_string(p.n));
        int w = p.Width();
        EXPECT_GE(w, 8);
        EXPECT_LE(w, 16);
        // The board is centred on x 323 and must stay left of the side panel.
        int left = 323 - w * p.Cell() / 2;
        EXPECT_GE(left, 0);
        EXPECT_LE(left + w * p.Cell(), 645);
        // Recolouring needs at least three colours; there are eight.
        EXPECT_GE(p.colors[0], 3);
        EXPECT_LE(p.colors[0], 8);
        EXPECT_GT(p.quota[0], 0);
        EXPECT_GE(p.time[0], 0);
        EXPECT_GE(p.groupFactor[0], 0.0f);
        EXPECT_LE(p.groupFactor[0], 1.0f);
        EXPECT_GT(p.speed[0], 0.0f);
        EXPECT_GE(p.modifier[0], 0);
        EXPECT_LE(p.modifier[0], 10);
        EXPECT_GE(p.vineModifier[0], 0);
        EXPECT_LE(p.vineModifier[0], 5);
        EXPECT_TRUE(p.blockyVines[0] == 0 || p.blockyVines[0] == 1);
        // Chances in 1/5000 per cell, and per mille for stones and rainbows.
        for (int f : {p.gem[0], p.bomb[0], p.vertical[0], p.horizontal[0], p.quake[0]}) {
            EXPECT_GE(f, 0);
            EXPECT_LE(f, 100);
        }
        for (int f : {p.stone[0], p.rainbow[0]}) {
            EXPECT_GE(f, 0);
            EXPECT_LE(f, 20);
        }
        // The bonus grid is five tiles wide and centred on a five-wide board.
        if (p.DoBonus()) {
            EXPECT_EQ(p.boardWidth[1], 5);
        }
    }
}

TEST(Locations, GapPatternsSuitTheirBoardWidths) {
    for (const auto& p : ShippedLocations()) {
        SCOPED_TRACE("location " + std::to_string(p.n));
        if (HasLayout(p.n)) {
            // A hand-drawn board replaces both patterns; keep the file honest.
            EXPECT_EQ(p.modifier[0], 0);
            EXPECT_EQ(p.vineModifier[0], 0);
            continue;
        }
        if (p.modifier[0] != 0) {
            EXPECT_TRUE(GapPatternFits(p.modifier[0], p.Width()));
        }
    }
}

// Whether the gap pattern leaves cell x of pattern row y empty. The chunk
// gap moves at random, so any inner column may be a hole.
bool GapAt(int pattern, int w, int x, int y) {
    auto wings = [&](int p) {
        return p == 1 ? (x <= 1 || x >= w - 2) : (p == 0 || p == 2) && (x == 0 || x == w - 1);
    };
    switch (pattern) {
    case 1:
        return x >= 1 && x <= w - 2;
    case 2:
        return wings((y + 1) % 6);
    case 3:
        return y % 2 == 1 && x >= w / 2 - 2 && x <= w / 2 + (w % 2 ? 2 : 1);
    case 4:
        return wings((y + 1 + (x > 3 ? 4 : 0)) % 8);
    case 5: {
        int q = y % 8;
        if (q == 7) return x <= 1 || x >= w - 2;
        if (q == 6 || q == 0) return x == 0 || x == w - 1;
        if (q == 1 || q == 3) return x == w / 2;
        return q == 2 && x >= w / 2 - 1 && x <= w / 2 + 1;
    }
    case 6: {
        int c = (w - 3 + w % 2) / 3;
        return x == c || x == w - 1 - c;
    }
    case 7:
        return x == w / 2;
    case 8:
        return (y + 1) % 4 < 2 && (x == 0 || x == w - 1);
    case 9: {
        int r = (y + 1) % 8;
        return (r < 2 && x == 0) || ((r == 4 || r == 5) && x == w - 1);
    }
    case 10:
        return y % 5 == 1 && (x + (y % 10 == 6 ? 1 : 0)) % 2 == 1;
    default:
        return false;
    }
}

// The columns where the vine pattern puts a piece in pattern row y.
std::set<int> VineCells(int pattern, int w, int y) {
    std::set<int> cells;
    auto add = [&](std::initializer_list<int> xs, bool mirrored) {
        for (int x : xs) cells.insert(mirrored ? w - 1 - x : x);
    };
    int p6 = (y + 1) % 6;
    switch (pattern) {
    case 1:
    case 2: {
        bool right = pattern == 2;
        if (p6 == 2) add({2, 1}, right);
        if (p6 == 3) add({1, 0}, right);
        if (p6 == 4) add({0}, right);
        break;
    }
    case 3: {
        bool m = y % 12 >= 6;
        int p = y % 6;
        if (p == 1) add({2, 1}, m);
        if (p == 2 || p == 4) add({0, 1}, m);
        if (p == 3) add({0}, m);
        if (p == 5) add({1, 2, 3, 4}, m);
        break;
    }
    case 4: {
        int p = (y + 1) % 12;
        if (p == 3 || p == 4) add({0, 1}, false);
        if (p == 5) add({0, 1, 2}, false);
        if (p == 9 || p == 10) add({0, 1}, true);
        if (p == 11) add({0, 1, 2}, true);
        break;
    }
    case 5: // fairy tiles under the pattern's own holes
        if (y % 8 == 1) cells.insert(w - 3);
        if (y % 8 == 4) cells.insert(2);
        break;
    }
    return cells;
}

TEST(Locations, VinesAndFairiesNeverFallIntoTheGaps) {
    // Both patterns answer for every new cell and a gap wins, so a vine link
    // in a gap column would leave a broken vine.
    for (const auto& p : ShippedLocations()) {
        if (p.vineModifier[0] == 0 || p.modifier[0] == 0 || HasLayout(p.n)) continue;
        for (int y = 0; y < 240; ++y)
            for (int x : VineCells(p.vineModifier[0], p.Width(), y))
                EXPECT_FALSE(GapAt(p.modifier[0], p.Width(), x, y))
                    << "location " << p.n << " row " << y << " column " << x;
    }
}

TEST(Locations, TemplesStandAtTheComicLocationsWithTheirSprites) {
    const std::set<int> temples = {10, 29, 53, 77, 99};
    for (const auto& p : ShippedLocations()) {
        SCOPED_TRACE("location " + std::to_string(p.n));
        EXPECT_EQ(p.big, temples.count(p.n) ? 1 : 0);
        if (!p.big) {
            EXPECT_EQ(p.sprite, "");
            continue;
        }
        Text picture = "media/quest/" + p.sprite + ".png";
        EXPECT_TRUE(IsListedPicture(picture)) << picture << " is not among the generated pictures";
        auto state = GeneratedPicture(picture);
        if (state == PictureState::TreeAbsent) continue; // the map pictures are not generated yet
        EXPECT_EQ(state, PictureState::Present) << picture;
    }
    int bonus = 0;
    for (const auto& p : ShippedLocations()) bonus += p.DoBonus();
    EXPECT_EQ(bonus, 23);
}

TEST(Locations, TheLessonsGetTheBoardsTheirOpeningLayoutsNeed) {
    const auto& l = ShippedLocations();
    ASSERT_EQ(l.size(), 100u);
    // Opening layouts fix these widths: a narrower board would cut pieces off.
    const std::pair<int, int> widths[] = {{0, 8},  {1, 8},   {2, 10},  {4, 10},  {6, 9},  {11, 10},
                                          {13, 9}, {15, 10}, {16, 11}, {22, 12}, {26, 12}};
    for (auto [n, w] : widths) {
        EXPECT_EQ(l[n].Width(), w) << "location " << n;
        // A gap pattern cuts the opening rows too and could take away a
        // piece the lesson points at.
        EXPECT_EQ(l[n].modifier[0], 0) << "location " << n;
    }
    EXPECT_EQ(l[0].time[0], 0);
    EXPECT_GT(l[1].gem[0], 0);
    EXPECT_GT(l[3].time[0], 0);    // the clock lesson points at the clock
    EXPECT_GE(l[4].colors[0], 5);  // the combo layout uses colour 4
    EXPECT_GE(l[13].colors[0], 4); // the fairy layout uses colours 0-3
    EXPECT_GE(l[16].colors[0], 4);
    EXPECT_GT(l[15].rainbow[0], 0);
    EXPECT_TRUE(HasLayout(6));  // the flower lesson's locked pieces
    EXPECT_TRUE(HasLayout(8));  // a vine with both ends in reach
    EXPECT_TRUE(HasLayout(19)); // the lock and the key
    EXPECT_TRUE(HasLayout(33));
    EXPECT_EQ(l[33].blockyVines[0], 1);
}

TEST(Locations, EveryLocationSitsOnItsTrailSpot) {
    mediagen::Trail trail;
    std::string error;
    ASSERT_TRUE(mediagen::LoadTrail(test::SourcePath("data/quest/trail.txt"), trail, error)) << error;
    ASSERT_EQ(trail.spots.size(), 100u);
    for (const auto& p : ShippedLocations()) {
        // The reader moves some locations after reading them.
        double x = p.x, y = p.y;
        if (p.n >= 1 && p.n <= 9) x -= 15;
        if (p.n >= 11 && p.n <= 27) {
            double t = std::clamp((x - 409) / (647.0 - 409), 0.0, 1.0);
            y -= 15 * (1 - t);
            x = 448 + t * (647 - 448);
        }
        EXPECT_NEAR(x, trail.spots[p.n].x, 1.0) << "location " << p.n;
        EXPECT_NEAR(y, trail.spots[p.n].y, 1.0) << "location " << p.n;
        EXPECT_EQ(p.big == 1, trail.IsTemple(p.n)) << "location " << p.n;
    }
}

TEST(Locations, TheCurveRisesAndSpecialsStayOnceIntroduced) {
    const auto& l = ShippedLocations();
    ASSERT_EQ(l.size(), 100u);
    for (int n = 1; n < 100; ++n) {
        EXPECT_GE(l[n].quota[0], l[n - 1].quota[0]) << "quota drops at " << n;
        // Location 4's combo lesson borrows a fifth colour early.
        if (n > 5) {
            EXPECT_GE(l[n].colors[0], l[n - 1].colors[0]) << "colours drop at " << n;
        }
        EXPECT_EQ(l[n].time[0] == 0, n < 3) << "only the first locations are untimed: " << n;
    }
    // Region by region the boards get wider and the clock tighter.
    const int regions[][2] = {{0, 10}, {11, 29}, {30, 53}, {54, 77}, {78, 99}};
    double lastWidth = 0, lastPace = 1e9;
    for (auto [first, last] : regions) {
        double width = 0, quota = 0, time = 0;
        for (int n = first; n <= last; ++n) {
            width += l[n].Width();
            if (l[n].time[0] > 0) quota += l[n].quota[0], time += l[n].time[0];
        }
        width /= last - first + 1;
        EXPECT_GT(width, lastWidth) << "region from " << first;
        EXPECT_LT(time / quota, lastPace) << "region from " << first;
        lastWidth = width;
        lastPace = time / quota;
    }
    // A special that has had its lesson keeps turning up.
    struct Special {
        const char* name;
        int from;
        std::vector<int> LocationParams::*frequency;
    };
    const Special specials[] = {
        {"gems", 1, &LocationParams::gem},
        {"column blasters", 2, &LocationParams::vertical},
        {"bombs", 11, &LocationParams::bomb},
        {"rainbows", 15, &LocationParams::rainbow},
        {"stones", 15, &LocationParams::stone},
        {"earthquakes", 22, &LocationParams::quake},
        {"row blasters", 26, &LocationParams::horizontal},
    };
    for (const Special& s : specials)
        for (const auto& p : l) EXPECT_EQ((p.*s.frequency)[0] > 0, p.n >= s.from) << s.name << " at " << p.n;
}

} // namespace
} // namespace wispwood::datatest
