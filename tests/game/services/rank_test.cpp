#include "framework/scene/tunables.h"
#include "game/app/world_reset.h"
#include "game/services/rank.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class RankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetWorld();
        BuildRanks({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}, false);
    }
    void TearDown() override { ResetWorld(); }
};

TEST_F(RankTest, EachRankNeedsMoreGemsThanTheOneBefore) {
    const int expected[] = {6, 8, 12, 16, 20, 24, 26, 30, 34, 38, 42};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(Ranks[static_cast<size_t>(i)]->GemsRequired, expected[i]) << i;
        EXPECT_EQ(Ranks[static_cast<size_t>(i)]->n, i);
        EXPECT_EQ(Ranks[static_cast<size_t>(i)]->MaxRank, i == 10 ? 1 : 0);
    }
}

TEST_F(RankTest, GemTotalsWalkThroughTheTable) {
    for (int g = 0; g <= 5; ++g) {
        EXPECT_EQ(RankFor(g)->n, 0) << g;
        EXPECT_EQ(GemsIntoRank(g), g) << g;
    }
    EXPECT_EQ(RankFor(6)->n, 1);
    EXPECT_EQ(GemsIntoRank(6), 0);
    EXPECT_EQ(RankFor(13)->n, 1);
    EXPECT_EQ(GemsIntoRank(13), 7);
    EXPECT_EQ(RankFor(14)->n, 2);
    EXPECT_EQ(GemsIntoRank(14), 0);
    // The whole table holds 256 gems; beyond it the last rank stays, full.
    EXPECT_EQ(RankFor(255)->n, 10);
    EXPECT_EQ(GemsIntoRank(255), 41);
    EXPECT_EQ(RankFor(256)->n, 10);
    EXPECT_EQ(GemsIntoRank(256), 42);
    EXPECT_EQ(RankFor(5000)->n, 10);
    EXPECT_EQ(GemsIntoRank(5000), 42);
}

TEST_F(RankTest, SlotsAreOneRowUpToTenGemsAndTwoRowsBeyond) {
    std::vector<GemSlot> first = GemSlots(3);
    ASSERT_EQ(first.size(), 6u);
    for (size_t k = 0; k < first.size(); ++k) {
        EXPECT_EQ(first[k].x, 371 + 28 * static_cast<int>(k));
        EXPECT_EQ(first[k].y, 559);
    }
    EXPECT_EQ(GemSlots(6).size(), 8u);
    // Twelve slots: slot k in column k / 2, row k mod 2.
    std::vector<GemSlot> third = GemSlots(14);
    ASSERT_EQ(third.size(), 12u);
    for (size_t k = 0; k < third.size(); ++k) {
        EXPECT_EQ(third[k].x, 371 + 28 * static_cast<int>(k / 2)) << k;
        EXPECT_EQ(third[k].y, 548 + 26 * static_cast<int>(k % 2)) << k;
    }
    // From rank 4 the slots start further left.
    const int rank4 = 6 + 8 + 12 + 16;
    ASSERT_EQ(RankFor(rank4)->n, 4);
    EXPECT_EQ(GemSlots(rank4)[0].x, 223);
    EXPECT_EQ(GemSlots(rank4 - 1)[0].x, 371);
}

TEST_F(RankTest, TheNextSlotIsTheFirstEmptyOne) {
    GemSlot s = NextGemSlot(13);
    EXPECT_EQ(s.x, 371 + 28 * 7);
    EXPECT_EQ(s.y, 559);
    s = NextGemSlot(15); // rank 2, one gem in: column 0, row 1
    EXPECT_EQ(s.x, 371);
    EXPECT_EQ(s.y, 574);
    // The full last rank has no next slot.
    s = NextGemSlot(256);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 0);
}

TEST_F(RankTest, AnEmptyNameListStillGivesOneRankToLookUp) {
    BuildRanks({}, false);
    ASSERT_EQ(Ranks.size(), 1u);
    EXPECT_EQ(Ranks[0]->txt, "");
    EXPECT_EQ(Ranks[0]->MaxRank, 1);
    EXPECT_EQ(RankFor(0), Ranks[0]);
    EXPECT_EQ(RankFor(100), Ranks[0]);
    EXPECT_EQ(GemsIntoRank(3), 3);
    EXPECT_EQ(GemsIntoRank(100), 6);
    EXPECT_EQ(GemSlots(2).size(), 6u);
    // Even a table never built answers.
    ResetRanks();
    EXPECT_EQ(RankFor(7)->n, 0);
    EXPECT_EQ(NextGemSlot(7).x, 0);
}

} // namespace
} // namespace wispwood
