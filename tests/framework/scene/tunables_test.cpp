#include "engine/io/random.h"
#include "framework/scene/tickers.h"
#include "framework/scene/tunables.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class SceneServices : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTunables();
        ResetTickers();
        ResetRandom();
        UpdateCount = 0;
    }
    void TearDown() override { SetUp(); }
};

TEST_F(SceneServices, FirstDefaultWinsForTheWholeRun) {
    EXPECT_FLOAT_EQ(GetTunable("x", "5"), 5.0f);
    EXPECT_EQ(*Tunables.LookUp("X "), "5");
    EXPECT_FLOAT_EQ(GetTunable("X", "7"), 5.0f);
    EXPECT_EQ(*ActiveTunables.LookUp("x"), "default");
    ClearActiveTunables();
    EXPECT_FALSE(ActiveTunables.LookUp("x"));
    EXPECT_FLOAT_EQ(GetTunable("word", "abc"), 0.0f);
    EXPECT_FLOAT_EQ(FixedTunable("never stored", "2.5"), 2.5f);
    EXPECT_FALSE(Tunables.LookUp("never stored"));
}

TEST_F(SceneServices, EmptyStoredTextFallsBackToTheDefaultAgain) {
    Tunables.Add("gap", New<Text>(""));
    EXPECT_FLOAT_EQ(GetTunable("gap", "3"), 3.0f);
    EXPECT_EQ(*Tunables.LookUp("gap"), "3");
}

TEST_F(SceneServices, TickersAreSharedByNameAndDroppedWhenIdle) {
    GetTicker("sparkle", 5, 5);
    auto first = Tickers["sparkle"];
    GetTicker("sparkle", 1, 1);
    EXPECT_EQ(Tickers["sparkle"], first); // the same one, its delays unchanged
    EXPECT_EQ(first->DelayLow, 5);
    EXPECT_GE(first->Ticks, 1);

    UpdateCount = 5100;
    GetTicker("other", 3, 3);
    EXPECT_EQ(Tickers.count("sparkle"), 0u); // not asked for in over 5000 updates
    EXPECT_EQ(LastTickerPurge, 5100);
    GetTicker("sparkle", 2, 2);
    EXPECT_NE(Tickers["sparkle"], first);
}

TEST_F(SceneServices, TickerFiresAtItsRate) {
    int fired = 0;
    for (int i = 0; i < 400; ++i) {
        ++UpdateCount;
        fired += GetTicker("steady", 3, 3);
    }
    EXPECT_EQ(fired, 100);
}

} // namespace
} // namespace wispwood
