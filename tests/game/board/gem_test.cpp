// Gems on the board and in flight to the gem counter.
#include "game/board/board.h"
#include "game/board/gem.h"
#include "game/board/gem_piece.h"
#include "game/board/level_result.h"
#include "tests/support/feedback_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class GemTest : public test::FeedbackTest {
  protected:
    void SetUp() override { FeedbackTest::SetUp(); }
    void TearDown() override { FeedbackTest::TearDown(); }

    static Ref<Gem> Released() {
        auto gem = New<Gem>();
        gem->PopToMain(1);
        return gem;
    }

    static void Fly(const Ref<Gem>& gem, int updates) {
        for (int i = 0; i < updates; ++i) gem->Update();
    }
};

TEST_F(GemTest, AGemCountsWhenItReachesTheCounter) {
    Ref<Gem> gem = Released();
    ASSERT_EQ(GemsInFlight.Count(), 1);
    Fly(gem, 198);
    EXPECT_EQ(GemsCollected, 0);
    Fly(gem, 1); // flight tick 200
    EXPECT_EQ(GemsCollected, 1);
    EXPECT_EQ(LastGemsEarned, 0); // no result recorded yet: the level sets it
    // After the flight only its sparkles stay, then it is gone.
    for (int i = 0; i < 2000 && GemsInFlight.Count() > 0; ++i) UpdateGems();
    EXPECT_EQ(GemsInFlight.Count(), 0);
    EXPECT_EQ(gem->ParticlesOnly, 1);
    EXPECT_EQ(GemsCollected, 1);
}

TEST_F(GemTest, AGemLandingAfterTheLevelIsWonStillJoinsTheResult) {
    GemsCollected = 2;
    RecordLevelResult();
    EXPECT_EQ(LastGemsEarned, 2);
    Ref<Gem> gem = Released();
    Fly(gem, 199);
    EXPECT_EQ(GemsCollected, 3);
    EXPECT_EQ(LastGemsEarned, 3);
}

TEST_F(GemTest, ADelayedGemWaitsBeforeItFlies) {
    Ref<Gem> gem = Released();
    gem->Delay = 50;
    Fly(gem, 50);
    EXPECT_EQ(gem->OnMain, 1);
    Fly(gem, 199);
    EXPECT_EQ(GemsCollected, 1);
}

TEST_F(GemTest, ATileLeavingTheBoardReleasesItsGemAtItsScreenPosition) {
    test::BuildBoard({"G.", "00"});
    Ref<Piece> piece = Board(0, 0);
    auto tile = Cast<GemPiece>(piece);
    ASSERT_TRUE(tile);
    tile->Update();
    ASSERT_TRUE(tile->GemInstance);
    EXPECT_EQ(tile->HasGem, 1);
    Ref<Gem> gem = tile->GemInstance;
    const float boardX = gem->x, boardY = gem->y;
    tile->RemoveFromBoard(0);
    EXPECT_EQ(tile->GemInstance, nullptr);
    ASSERT_EQ(GemsInFlight.Count(), 1);
    EXPECT_EQ(GemsInFlight.ValueAtIndex(0), gem);
    EXPECT_EQ(gem->OnMain, 1);
    EXPECT_EQ(gem->x, boardX + static_cast<float>(BoardLeft()));
    EXPECT_EQ(gem->y, boardY - static_cast<float>(CellHeight));
    // The tile was never uncovered: its gem grows in as it flies.
    EXPECT_EQ(gem->StartSmall, 1);
    EXPECT_EQ(Played("media\\sound\\gemreleased.ogg"), 1);
    // Leaving twice releases nothing more.
    tile->RemoveFromBoard(0);
    EXPECT_EQ(GemsInFlight.Count(), 1);
}

TEST_F(GemTest, APickCarriesNoGemAndAnUncoveredTileGrowsItsGemIn) {
    test::BuildBoard({"PG", "00"});
    auto pick = Cast<GemPiece>(Board(0, 0));
    auto tile = Cast<GemPiece>(Board(1, 0));
    ASSERT_TRUE(pick && tile);
    pick->Update();
    EXPECT_EQ(pick->HasGem, 0);
    EXPECT_EQ(pick->GemInstance, nullptr);
    EXPECT_NEAR(tile->GemScale(), 0, 0.01);
    for (int i = 0; i < 60; ++i) {
        tile->BottomFadeIn = 40;
        tile->UpdateGem();
    }
    EXPECT_EQ(tile->GemFadeIn, 50);
    EXPECT_FLOAT_EQ(tile->GemScale(), CellWidth == 48 ? 1.0f : 0.8333333f);
    for (int i = 0; i < 80; ++i) {
        tile->BottomFadeIn = 0;
        tile->UpdateGem();
    }
    EXPECT_EQ(tile->GemFadeIn, 0);
}

} // namespace
} // namespace wispwood
