// The colour definitions: a tint for each of the ten piece colours, and a
// few pairs of look-alike colours that the rows keep apart.
#include "tests/tools/data/data_files.h"

#include "engine/io/text_convert.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>
#include <set>

namespace wispwood::datatest {
namespace {

const char* const kStandard[] = {"yellow",  "orange", "red",       "purple",
                                 "magenta", "blue",   "turquoise", "green"};

TEST(Colours, EveryPieceColourHasATint) {
    auto file = ReadSectioned("illegalcoloursbig.txt");
    std::vector<Text> names(std::begin(kStandard), std::end(kStandard));
    names.push_back("letter");
    names.push_back("lettergold");
    EXPECT_EQ(SectionNames(*file).size(), names.size());
    for (const Text& name : names) {
        ASSERT_EQ(file->SetNode("block-" + name), 1) << name;
        for (const char* channel : {"red", "green", "blue"}) {
            ASSERT_EQ(file->DataExists(channel), 1) << name << " " << channel;
            int v = TextToInt(file->GetData(channel));
            EXPECT_GE(v, 0);
            EXPECT_LE(v, 255);
        }
    }
}

TEST(Colours, LookAlikePairsAreFewAndSpareTheFirstThreeColours) {
    // The early levels use only yellow, orange and red; a pair among them
    // would stall their rows. Every key besides the tint names a colour.
    auto file = ReadSectioned("illegalcoloursbig.txt");
    std::set<Text> standard(std::begin(kStandard), std::end(kStandard));
    std::set<std::pair<Text, Text>> pairs;
    for (const Text& section : SectionNames(*file)) {
        file->SetNode(section);
        Text colour = section.substr(6);
        for (const auto& [key, entry] : file->Data->CurrentNode->Data) {
            if (key == "red" || key == "green" || key == "blue") continue;
            EXPECT_TRUE(standard.count(key)) << section << ": " << key;
            EXPECT_EQ(entry.Value->Data, "1") << section << ": " << key;
            EXPECT_NE(key, colour);
            pairs.insert(std::minmax(key, colour));
        }
    }
    EXPECT_GE(pairs.size(), 1u);
    EXPECT_LE(pairs.size(), 3u);
    for (const auto& [a, b] : pairs)
        for (const char* early : {"yellow", "orange", "red"}) {
            EXPECT_NE(a, early);
            EXPECT_NE(b, early);
        }
}

} // namespace
} // namespace wispwood::datatest
