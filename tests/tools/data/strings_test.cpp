// The text table: every text the screens ask for is there, every lesson has
// its blocks, and the lines are short enough for the places they are drawn.
#include "tests/tools/data/data_files.h"

#include "engine/io/text_convert.h"
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace wispwood::datatest {
namespace {

Text Value(GameFile& table, const Text& section, const Text& key) {
    table.SetNode(section);
    return table.GetData(key);
}

// The values of key1, key2, ... up to the first missing one.
std::vector<Text> List(GameFile& table, const Text& section, const Text& prefix) {
    table.SetNode(section);
    std::vector<Text> values;
    for (int i = 1; i <= 128 && table.DataExists(prefix + IntToText(i)); ++i)
        values.push_back(table.GetData(prefix + IntToText(i)));
    return values;
}

TEST(Strings, EveryTextTheScreensAskForIsThere) {
    auto table = ReadSectioned("Strings.txt");
    const std::pair<const char*, const char*> texts[] = {
        {"mainmenu", "play"},
        {"mainmenu", "masterquest"},
        {"mainmenu", "profile"},
        {"mainmenu", "options"},
        {"mainmenu", "highscores"},
        {"mainmenu", "exit"},
        {"profile", "ok"},
        {"profile", "new"},
        {"profile", "delete"},
        {"profile", "cancel"},
        {"profile", "welcome"},
        {"profile", "entername"},
        {"profile", "createprofile"},
        {"options", "heading"},
        {"options", "ok"},
        {"options", "cancel"},
        {"options", "fullscreen"},
        {"options", "windowed"},
        {"options", "hintson"},
        {"options", "hintsoff"},
        {"options", "soundvolume"},
        {"options", "musicvolume"},
        {"options", "voicevolume"},
        {"main", "paused"},
        {"main", "options"},
        {"main", "exit"},
        {"main", "back"},
        {"main", "menu"},
        {"prompts", "quit1"},
        {"prompts", "quit2"},
        {"prompts", "quit3"},
        {"game", "timehurry"},
        {"game", "gameover"},
        {"game", "tryagain"},
        {"game", "timeout"},
        {"game", "nomatches"},
        {"timebonusdisplay", "timebonus"},
        {"timebonusdisplay", "goldmedal"},
        {"timebonusdisplay", "silvermedal"},
        {"timebonusdisplay", "levelcomplete"},
        {"templecomplete", "ok"},
        {"bonus", "bonusgame"},
        {"bonus", "bonusgameclick"},
        {"map", "back"},
        {"map", "continue"},
        {"misc", "congrats"},
        {"misc", "questcompleted"},
        {"misc", "masterunlocked"},
        {"ranks", "nextrank"},
        {"ranks", "maxrank"},
        {"ranks", "rankup"},
        {"highscores", "ok"},
        {"reward", "extralife"},
        {"comics", "back"},
        {"comics", "next"},
        {"comics", "ok"},
        {"gameend", "whatever"},
    };
    for (const auto& [section, key] : texts)
        EXPECT_NE(Value(*table, section, key), "") << section << "/" << key;
    // The one text that greets the player by name carries the placeholder.
    EXPECT_NE(Value(*table, "misc", "congrats").find("<name>"), Text::npos);
}

TEST(Strings, EveryLessonHasItsHeadingAndShortBlocks) {
    auto table = ReadSectioned("Strings.txt");
    struct Lesson {
        const char* section;
        int blocks; // firstgroup, secondgroup, thirdgroup
    };
    const Lesson lessons[] = {
        {"basictutorial", 2},      {"gemtutorial", 2},          {"poweruptutorial", 2},
        {"timetutorial", 1},       {"combotutorial", 2},        {"flowertutorial", 2},
        {"chainstutorial", 2},     {"bombtutorial", 2},         {"hovertutorial", 1},
        {"rainbowtutorial", 2},    {"rainbowhovertutorial", 2}, {"keytutorial", 2},
        {"earthquaketutorial", 2}, {"horizontaltutorial", 2},   {"chains2tutorial", 2},
        {"bonustutorial", 3},
    };
    const char* const prefixes[] = {"firstgroup", "secondgroup", "thirdgroup"};
    for (const Lesson& lesson : lessons) {
        EXPECT_NE(Value(*table, lesson.section, "heading"), "") << lesson.section;
        for (int b = 0; b < lesson.blocks; ++b) {
            auto lines = List(*table, lesson.section, prefixes[b]);
            EXPECT_GE(lines.size(), 1u) << lesson.section << " " << prefixes[b];
            // The help panel is narrow and short: a few short lines per block.
            EXPECT_LE(lines.size(), 4u) << lesson.section << " " << prefixes[b];
            for (const Text& line : lines) {
                EXPECT_FALSE(line.empty()) << lesson.section;
                EXPECT_LE(line.size(), 36u) << lesson.section << ": " << line;
                // Lists are shown as written: a placeholder would appear as is.
                EXPECT_EQ(line.find("<name>"), Text::npos) << lesson.section;
            }
        }
    }
}

TEST(Strings, RanksAreElevenShortNames) {
    auto table = ReadSectioned("Strings.txt");
    auto names = List(*table, "ranks", "rank");
    ASSERT_EQ(names.size(), 11u);
    for (const Text& name : names) {
        EXPECT_FALSE(name.empty());
        // Drawn at 0.6 scale between the rank picture and the counters.
        EXPECT_LE(name.size(), 12u) << name;
    }
    // A rank's picture is media/ranks/<index>.png.
    for (size_t i = 0; i < names.size(); ++i) {
        Text picture = "media/ranks/" + IntToText(static_cast<int>(i)) + ".png";
        auto state = GeneratedPicture(picture);
        if (state == PictureState::TreeAbsent) GTEST_SKIP() << "rank pictures not generated yet";
        EXPECT_EQ(state, PictureState::Present) << picture;
    }
}

TEST(Strings, MenuAndBannerTextsFitTheirPlaces) {
    auto table = ReadSectioned("Strings.txt");
    // Buttons: 160-pixel buttons hold about 12 letters, the side-panel and
    // small buttons fewer; banners dropped letter by letter over the board
    // keep to a board's width.
    const std::tuple<const char*, const char*, size_t> limits[] = {
        {"mainmenu", "play", 10},      {"mainmenu", "masterquest", 14},
        {"main", "menu", 8},           {"main", "exit", 12},
        {"main", "options", 12},       {"main", "back", 12},
        {"comics", "next", 8},         {"map", "continue", 12},
        {"game", "gameover", 12},      {"game", "timeout", 12},
        {"game", "nomatches", 16},     {"ranks", "nextrank", 12},
        {"ranks", "maxrank", 14},      {"timebonusdisplay", "levelcomplete", 16},
        {"options", "fullscreen", 14}, {"options", "hintsoff", 14},
    };
    for (const auto& [section, key, most] : limits)
        EXPECT_LE(Value(*table, section, key).size(), most) << section << "/" << key;
}

} // namespace
} // namespace wispwood::datatest
