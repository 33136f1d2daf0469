// The first bonus game of the quest end to end: location 5 started as a
// developer would, its set moved on to the bonus level that follows it, and
// the bonus game won perfectly by a player who clicks through the real
// mouse input.
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/board/game_score.h"
#include "game/board/level.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/level/bonus_brick.h"
#include "game/level/bonus_game.h"
#include "game/level/level_start.h"
#include "game/level/tally.h"
#include "tests/support/game_harness.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

bool AllFairiesShown() {
    for (auto& column : BonusGrid)
        for (auto& b : column)
            if (b && b->Treasure && b->Frame < 24) return false;
    return FairyCount > 0;
}

TEST(BonusGamePlay, TheBonusLevelAfterLocationFiveIsWonPerfectlyByClickingTheFairies) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start({"run5"}));
    ASSERT_TRUE(game.RunUntil([] { return Cast<MainGame>(TopScene()) != nullptr; }, 2000));
    ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400));
    ASSERT_EQ(CurrentLevel->n, 5);
    ASSERT_EQ(CurrentLevelSet->Levels.size(), 2u);
    ASSERT_TRUE(IsBonusLevel(*CurrentLevelSet->Levels[1]));

    // The set moves on as the success sequence of a won level moves it.
    ASSERT_EQ(StartLevel(0, 0), 0);
    ASSERT_TRUE(IsBonusLevel(*CurrentLevel));
    EXPECT_EQ(CurrentLevel->BonusNumber, 0);
    ASSERT_EQ(FairyCount, 4);

    ASSERT_TRUE(game.RunUntil(AllFairiesShown, 600));
    game.Frames(5);
    game.SaveFrame("bonus-run5-shown");
    game.Click(400, 560);
    ASSERT_TRUE(game.RunUntil([] { return BonusPhase == BonusFind; }, 300));
    game.SaveFrame("bonus-run5-hidden");

    const int before = GameScore;
    std::vector<std::pair<int, int>> fairies;
    for (int column = 0; column < BonusColumns; ++column)
        for (int row = 0; row < BonusRows; ++row)
            if (BonusGrid[column][row] && BonusGrid[column][row]->Treasure) fairies.push_back({column, row});
    ASSERT_EQ(fairies.size(), 4u);
    for (auto [column, row] : fairies) {
        game.Click(BonusGridLeft() + column * BonusTilePitch + BonusTileSize / 2,
                   BonusGridTop() + row * BonusTilePitch + BonusTileSize / 2);
        game.Frames(15);
    }
    EXPECT_EQ(FairiesFound, 4);
    EXPECT_EQ(BonusPerfect, 1);
    game.SaveFrame("bonus-run5-found");
    ASSERT_TRUE(game.RunUntil([] { return BonusGameOver() == 1; }, 1500));
    EXPECT_EQ(GemsCollected, 3);
    game.Frames(30);
    game.SaveFrame("bonus-run5-perfect");
    EXPECT_EQ(GameScore - before, 1000 + 2000 + 3000 + 4000);

    // The bonus level ends the set: the tally takes over and the result
    // carries the three gems to the quest map.
    ASSERT_TRUE(game.RunUntil([] { return CurrentTally != nullptr; }, 1500));
    EXPECT_EQ(LastGemsEarned, 3);
}

} // namespace
} // namespace wispwood
