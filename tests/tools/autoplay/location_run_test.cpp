// A location plays from its seed the same whatever was played before it in
// the process: nothing a finished game leaves behind (the specials waiting
// for the row generator, the glints' tickers, a gap pattern's last hole,
// the sounds still playing) may change the next one.
#include "game/app/world_reset.h"
#include "tests/support/paths.h"
#include "tests/support/user_folder.h"
#include "tools/autoplay/autoplay_session.h"
#include "tools/autoplay/location_run.h"
#include <gtest/gtest.h>

namespace wispwood::autoplay {
namespace {

void ExpectSamePlay(const LocationRun& first, const LocationRun& again) {
    EXPECT_EQ(again.score, first.score);
    EXPECT_EQ(again.updates, first.updates);
    EXPECT_EQ(again.won, first.won);
    EXPECT_EQ(again.timeLeftShare, first.timeLeftShare);
}

TEST(LocationRun, ALocationPlaysTheSameAfterOthersAsItDoesFirst) {
    test::UserFolder user;
    test::WorkingFolder folder(test::GamePath(""));
    ResetWorld();
    ASSERT_TRUE(OpenSession(test::GamePath("")));
    // Location 17 cuts its holes with the one shared chunk pattern and makes
    // bombs, gems, stones and rainbows; 2 and 14 play in between.
    const LocationRun first = PlayLocation(17, 3, false, true);
    ASSERT_GT(first.updates, 1000);
    PlayLocation(2, 0, false, true);
    PlayLocation(14, 1, false, true);
    ExpectSamePlay(first, PlayLocation(17, 3, false, true));
    ExpectSamePlay(first, PlayLocation(17, 3, false, true));
    ResetWorld();
}

} // namespace
} // namespace wispwood::autoplay
