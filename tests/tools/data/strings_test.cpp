// The text table as the game reads it: every text the screens ask for is
// there, every lesson has its blocks, and the rank table matches the rank
// pictures. Whether the texts fit their places is checked with the real
// fonts (text_fit_test).
#include "tests/tools/data/data_files.h"

#include "engine/io/text_convert.h"
#include "game/app/world_reset.h"
#include "game/services/text_table.h"
#include <gtest/gtest.h>
#include <utility>

namespace wispwood::datatest {
namespace {

class Strings : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadTextTable(ShippedPath("Strings.txt"));
        ASSERT_TRUE(TextTable && TextTable->Nodes().ObjectEnumerator().size() > 1)
            << "Strings.txt did not load";
    }
    void TearDown() override { ResetWorld(); }
};

TEST_F(Strings, EveryTextTheScreensAskForIsThere) {
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
        {"demo", "banner"},
        {"demo", "leave"},
    };
    for (const auto& [section, key] : texts) EXPECT_NE(GetText(section, key), "") << section << "/" << key;
    // The one text that greets the player by name carries the placeholder.
    EXPECT_NE(GetText("misc", "congrats").find("<name>"), Text::npos);
}

TEST_F(Strings, EveryLessonHasItsHeadingAndBlocks) {
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
        EXPECT_NE(GetText(lesson.section, "heading"), "") << lesson.section;
        for (int b = 0; b < lesson.blocks; ++b) {
            TextArray lines = GetTextList(lesson.section, prefixes[b]);
            EXPECT_GE(lines.size(), 1u) << lesson.section << " " << prefixes[b];
            for (const Text& line : lines) {
                EXPECT_FALSE(line.empty()) << lesson.section;
                // Lists are shown as written: a placeholder would appear as is.
                EXPECT_EQ(line.find("<name>"), Text::npos) << lesson.section;
            }
        }
    }
}

TEST_F(Strings, ElevenRanksEachWithItsPicture) {
    TextArray names = GetTextList("ranks", "rank");
    ASSERT_EQ(names.size(), 11u);
    for (const Text& name : names) EXPECT_FALSE(name.empty());
    // A rank's picture is media/ranks/<index>.png.
    for (size_t i = 0; i < names.size(); ++i) {
        Text picture = "media/ranks/" + IntToText(static_cast<int>(i)) + ".png";
        auto state = GeneratedPicture(picture);
        if (state == PictureState::TreeAbsent) GTEST_SKIP() << "rank pictures not generated yet";
        EXPECT_EQ(state, PictureState::Present) << picture;
    }
}

} // namespace
} // namespace wispwood::datatest
