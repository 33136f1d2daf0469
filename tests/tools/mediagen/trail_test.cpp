// The quest-map trail is shared data: the map painter draws it and the
// location file places the 100 locations on its spots, so its constraints
// are checked here once for both.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/paths.h"
#include "tools/mediagen/pictures/trail.h"

namespace wispwood::mediagen {
namespace {

Trail LoadShippedTrail() {
    Trail trail;
    std::string error;
    EXPECT_TRUE(LoadTrail(test::SourcePath("data/quest/trail.txt"), trail, error)) << error;
    return trail;
}

TEST(Trail, HasOneHundredSpotsInFiveRegionsEndingInTemples) {
    Trail trail = LoadShippedTrail();
    ASSERT_EQ(trail.spots.size(), 100u);
    ASSERT_EQ(trail.regions.size(), 5u);
    const int temples[5] = {10, 29, 53, 77, 99};
    int expected_first = 0;
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(trail.regions[r].first, expected_first);
        EXPECT_EQ(trail.regions[r].last, temples[r]);
        EXPECT_TRUE(trail.IsTemple(temples[r]));
        expected_first = temples[r] + 1;
    }
    EXPECT_FALSE(trail.IsTemple(0));
    EXPECT_FALSE(trail.IsTemple(50));
}

TEST(Trail, SpotsKeepTheScreenAreasOfTheMapClear) {
    Trail trail = LoadShippedTrail();
    for (size_t i = 0; i < trail.spots.size(); ++i) {
        const TrailPoint& p = trail.spots[i];
        SCOPED_TRACE("spot " + std::to_string(i));
        EXPECT_GE(p.y, 60);                     // title band
        EXPECT_LT(p.y, 505);                    // buttons and rank panel
        EXPECT_FALSE(p.x >= 590 && p.y >= 380); // the guide
        EXPECT_TRUE(p.x >= 20 && p.x <= 780);
        // the location reader remaps x of locations 11..27 into 448..647
        if (i >= 11 && i <= 27) {
            EXPECT_TRUE(p.x >= 448 && p.x <= 647);
        }
    }
}

TEST(Trail, SpotsAreFarEnoughApartForTheirMedallions) {
    Trail trail = LoadShippedTrail();
    for (size_t i = 0; i < trail.spots.size(); ++i)
        for (size_t j = i + 1; j < trail.spots.size(); ++j) {
            double d = std::hypot(trail.spots[i].x - trail.spots[j].x, trail.spots[i].y - trail.spots[j].y);
            // bonus medallions are drawn at 1.4 x 24 px; temples are 64 px wide
            double need = (trail.IsTemple(int(i)) || trail.IsTemple(int(j))) ? 36 : 25;
            EXPECT_GE(d, need) << "spots " << i << " and " << j;
        }
}

TEST(Trail, SpotsLieOnTheDrawnPath) {
    Trail trail = LoadShippedTrail();
    for (size_t i = 0; i < trail.spots.size(); ++i) {
        double best = 1e9;
        for (const TrailPoint& p : trail.points)
            best = std::min(best, std::hypot(p.x - trail.spots[i].x, p.y - trail.spots[i].y));
        EXPECT_LT(best, 6.0) << "spot " << i;
    }
}

TEST(Trail, RejectsMalformedText) {
    Trail trail;
    std::string error;
    EXPECT_FALSE(ParseTrail("point 1 2\npoint 3\n", trail, error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(
        ParseTrail("point 1 2\npoint 3 4\nspot 1 5 5\nregion 1 0 0 A\n", trail, error)); // spot numbering
    EXPECT_FALSE(ParseTrail("point 1 2\npoint 3 4\nspot 0 5 5\nregion 1 0 3 A\n", trail, error)); // no spot 3
    EXPECT_TRUE(
        ParseTrail("# c\npoint 1 2\r\npoint 3 4\nspot 0 5 5\nregion 1 0 0 Mossy Hollow\n", trail, error))
        << error;
    EXPECT_EQ(trail.regions[0].name, "Mossy Hollow");
}

} // namespace
} // namespace wispwood::mediagen
