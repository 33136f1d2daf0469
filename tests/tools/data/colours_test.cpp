// The colour definitions: a tint for each of the ten piece colours, and a
// few pairs of look-alike colours that the rows keep apart.
#include "tests/tools/data/data_files.h"

#include "game/board/board.h"
#include "game/board/piece_definition.h"
#include <gtest/gtest.h>
#include <set>

namespace wispwood::datatest {
namespace {

// Both sets as the game reads them.
struct Colours {
    PieceDefinitionSet standard, bonus;
    Colours() {
        EXPECT_EQ(LoadColourDefinitions(ShippedPath("illegalcoloursbig.txt")), 1);
        standard = StandardPieceDefinitions;
        bonus = BonusPieceDefinitions;
        ResetPieceDefinitions();
    }
};

TEST(Colours, EveryPieceColourHasATint) {
    Colours colours;
    auto file = ReadSectioned("illegalcoloursbig.txt");
    EXPECT_EQ(SectionNames(*file).size(), colours.standard.size() + colours.bonus.size());
    for (const auto* set : {&colours.standard, &colours.bonus})
        for (const auto& def : *set) {
            ASSERT_EQ(file->SetNode(def->name), 1) << def->name;
            for (const char* channel : {"red", "green", "blue"})
                EXPECT_EQ(file->DataExists(channel), 1) << def->name << " " << channel;
            for (int v : {def->r, def->g, def->b}) {
                EXPECT_GE(v, 0) << def->name;
                EXPECT_LE(v, 255) << def->name;
            }
            EXPECT_GT(def->r + def->g + def->b, 0) << def->name;
        }
}

TEST(Colours, LookAlikePairsAreFewAndSpareTheFirstThreeColours) {
    // The early levels use only yellow, orange and red; a pair among them
    // would stall their rows. Every key besides the tint names a colour the
    // reader knows (it ignores any other).
    Colours colours;
    auto file = ReadSectioned("illegalcoloursbig.txt");
    for (const auto* set : {&colours.standard, &colours.bonus})
        for (const auto& def : *set) {
            file->SetNode(def->name);
            EXPECT_EQ(static_cast<size_t>(file->Data->CurrentNode->Data.Count()), 3 + def->Illegals.size())
                << def->name << " names a colour that is not one";
            for (const auto& [key, entry] : file->Data->CurrentNode->Data)
                if (key != "red" && key != "green" && key != "blue") {
                    EXPECT_EQ(entry.Value->Data, "1") << key;
                }
        }
    std::set<std::pair<int, int>> pairs;
    for (const auto& def : colours.standard)
        for (int other = 0; other < static_cast<int>(def->IllegalsArray.size()); ++other)
            if (def->IllegalsArray[other]) {
                EXPECT_NE(other, def->index);
                pairs.insert(std::minmax(def->index, other));
            }
    for (const auto& def : colours.bonus) EXPECT_TRUE(def->Illegals.empty()) << def->name;
    EXPECT_GE(pairs.size(), 1u);
    EXPECT_LE(pairs.size(), 3u);
    for (const auto& [a, b] : pairs) {
        EXPECT_GT(a, 2) << StandardColourNames()[a];
        EXPECT_GT(b, 2) << StandardColourNames()[b];
    }
}

} // namespace
} // namespace wispwood::datatest
