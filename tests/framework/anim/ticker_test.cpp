#include "engine/io/random.h"
#include "framework/anim/ticker.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class TickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRandom();
        UpdateCount = 0;
    }
    void TearDown() override { SetUp(); }
};

TEST_F(TickerTest, FixedDelayFiresOnEveryFourthTick) {
    auto ticker = Ticker::Create(3, 3);
    std::vector<int> fired;
    for (int i = 1; i <= 12; ++i) {
        UpdateCount = i;
        if (ticker->Tick()) fired.push_back(i);
    }
    EXPECT_EQ(fired, (std::vector<int>{4, 8, 12}));
    EXPECT_EQ(ticker->LastTicked, 12);
}

TEST_F(TickerTest, RandomDelaysComeFromTheSharedGenerator) {
    SeedRandom(99);
    auto ticker = Ticker::Create(2, 6);
    SeedRandom(99);
    int expected = RandomInt(2, 6);
    EXPECT_EQ(ticker->CurrentDelay, expected);
    int gaps = 0, since = 0;
    for (int i = 0; i < 1000; ++i) {
        ++since;
        if (ticker->Tick()) {
            EXPECT_GE(since, 3);
            EXPECT_LE(since, 7);
            since = 0;
            ++gaps;
        }
    }
    EXPECT_GT(gaps, 1000 / 7);
}

} // namespace
} // namespace wispwood
