#include "framework/highscores/high_score_table.h"
#include <climits>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

// The ten default entries the game seeds a fresh table with.
const std::vector<std::pair<Text, Text>> kDefaults = {
    {"Rowan", "50000"}, {"Elsie", "40000"}, {"Tobias", "35000"}, {"Maren", "30000"}, {"Felix", "25000"},
    {"Ada", "20000"},   {"Jonas", "15000"}, {"Ilse", "10000"},   {"Caspar", "7500"}, {"Nell", "5000"},
};

Ref<THighScoreTable> DefaultTable() {
    auto table = THighScoreTable::Create(10, "unused.dat");
    table->AddDefaults(kDefaults);
    return table;
}

TEST(HighScoreTable, DefaultsFillAFreshTableInScoreOrderAndAreNotAddedTwice) {
    auto table = DefaultTable();
    ASSERT_EQ(table->SlotNumber(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(table->NameAtSlot(i), kDefaults[static_cast<size_t>(i)].first);
        EXPECT_EQ(table->ExtraDataAtSlot(i), "");
    }
    EXPECT_EQ(table->ScoreAtSlot(0), 50000);
    EXPECT_EQ(table->ScoreAtSlot(9), 5000);
    table->AddDefaults(kDefaults);
    EXPECT_EQ(table->ScoreAtSlot(9), 5000);
    EXPECT_EQ(table->ScoreExists("Nell", 5000), 1);
    EXPECT_EQ(table->ScoreExists("Nell", 5001), 0);
    EXPECT_EQ(table->ScoreExists("nell", 5000), 0);
}

TEST(HighScoreTable, InsertionSlotNeedsAStrictlyLowerEntry) {
    auto table = DefaultTable();
    EXPECT_EQ(table->ScoreInsertionSlot(99999), 1);
    EXPECT_EQ(table->ScoreInsertionSlot(45000), 2);
    EXPECT_EQ(table->ScoreInsertionSlot(40000), 3); // ties stay behind
    EXPECT_EQ(table->ScoreInsertionSlot(5001), 10);
    EXPECT_EQ(table->ScoreInsertionSlot(5000), -1);
    EXPECT_EQ(table->ScoreInsertionSlot(0), -1);
    EXPECT_EQ(THighScoreTable::Create(0, "")->ScoreInsertionSlot(1), -1);
}

TEST(HighScoreTable, AddScoreKeepsTheLengthAndPutsNewTiesBehindOldOnes) {
    auto table = DefaultTable();
    table->AddScore("Newcomer", 40000, "1,2,3");
    EXPECT_EQ(table->SlotNumber(), 10);
    EXPECT_EQ(table->NameAtSlot(1), "Elsie");
    EXPECT_EQ(table->NameAtSlot(2), "Newcomer");
    EXPECT_EQ(table->ExtraDataAtSlot(2), "1,2,3");
    EXPECT_EQ(table->NameAtSlot(3), "Tobias");
    EXPECT_EQ(table->NameAtSlot(9), "Caspar"); // Nell fell off
    EXPECT_EQ(table->ScoreExists("Nell", 5000), 0);

    // Equal to the lowest entry: sorts behind it and falls off again.
    auto before = table->Copy();
    table->AddScore("Late", 7500, "");
    EXPECT_EQ(table->Elements.size(), before->Elements.size());
    for (int i = 0; i < 10; ++i) EXPECT_EQ(table->NameAtSlot(i), before->NameAtSlot(i));

    table->AddScore("Top", INT_MAX, "");
    table->AddScore("Bottom", INT_MIN, "");
    EXPECT_EQ(table->NameAtSlot(0), "Top");
    EXPECT_EQ(table->ScoreExists("Bottom", INT_MIN), 0);
}

TEST(HighScoreTable, CompareDoesNotWrapAtTheEndsOfTheRange) {
    THighScoreElement high{"a", INT_MAX, ""}, low{"b", INT_MIN, ""};
    EXPECT_GT(high.Compare(low), 0);
    EXPECT_LT(low.Compare(high), 0);
    EXPECT_EQ(high.Compare(high), 0);
}

TEST(HighScoreTable, CopyIsDeepAndSlotsOutsideTheTableReadEmpty) {
    auto table = DefaultTable();
    auto copy = table->Copy();
    copy->AddScore("Copycat", 60000, "");
    EXPECT_EQ(table->NameAtSlot(0), "Rowan");
    EXPECT_EQ(copy->NameAtSlot(0), "Copycat");
    EXPECT_EQ(copy->OriginPath, "unused.dat");
    EXPECT_EQ(table->ScoreAtSlot(-1), 0);
    EXPECT_EQ(table->NameAtSlot(10), "");
    EXPECT_EQ(table->ExtraDataAtSlot(99), "");
    EXPECT_EQ(THighScoreTable::Create(-3, "")->SlotNumber(), 0);
}

} // namespace
} // namespace wispwood
