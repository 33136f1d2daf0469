#include "engine/io/file_stream.h"
#include "engine/io/text_convert.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/text_table.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class TextTableTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    void SetUp() override {
        ResetWorld();
        ASSERT_EQ(SaveText(dir.File("Strings.txt"), "[misc]\r\n"
                                                    "congrats = Well done, <name>!\r\n"
                                                    "twice = <name> and <name>\r\n"
                                                    "shouting = <NAME> wins\r\n"
                                                    "  Spaced Key  = spaced\r\n"
                                                    "[ Lesson ]\r\n"
                                                    "line1 = first <name>\r\n"
                                                    "line2 = second\r\n"
                                                    "line4 = fourth\r\n"),
                  1);
        LoadTextTable(dir.File("Strings.txt"));
    }
    void TearDown() override { ResetWorld(); }

    static void SetPlayer(const Text& player) {
        if (!CurrentProfile) CurrentProfile = PlayerProfile::Create();
        CurrentProfile->Name = player;
    }
};

TEST_F(TextTableTest, PlaceholderIsReplacedEverywhereOnlyWithAPlayerAndOnlyInSmallLetters) {
    EXPECT_EQ(GetText("misc", "congrats"), "Well done, <name>!");
    SetPlayer("Ann");
    EXPECT_EQ(GetText("misc", "congrats"), "Well done, Ann!");
    EXPECT_EQ(GetText("misc", "twice"), "Ann and Ann");
    EXPECT_EQ(GetText("misc", "shouting"), "<NAME> wins");
    // A name that itself looks like the placeholder is not expanded again.
    SetPlayer("<name><name>");
    EXPECT_EQ(GetText("misc", "twice"), "<name><name> and <name><name>");
    CurrentProfile = nullptr;
    EXPECT_EQ(GetText("misc", "twice"), "<name> and <name>");
}

TEST_F(TextTableTest, SectionsAndKeysMatchWithoutCaseOrBlanks) {
    EXPECT_EQ(GetText(" MISC ", "spaced key"), "spaced");
    EXPECT_EQ(GetText("Misc", "SPACED KEY "), "spaced");
    EXPECT_EQ(GetText("lesson", "LINE2"), "second");
    EXPECT_EQ(GetText("misc", "absent"), "");
    EXPECT_EQ(GetText("no such section", "congrats"), "");
    // Asking for a section that does not exist does not disturb later lookups.
    EXPECT_EQ(GetText("misc", "congrats"), "Well done, <name>!");
}

TEST_F(TextTableTest, ListsStopAtTheFirstGapAndKeepThePlaceholder) {
    SetPlayer("Ann");
    EXPECT_EQ(GetTextList("lesson", "line"), (TextArray{"first <name>", "second"}));
    EXPECT_TRUE(GetTextList("lesson", "missing").empty());
    EXPECT_TRUE(GetTextList("nowhere", "line").empty());
}

TEST_F(TextTableTest, ListsEndAfter128Entries) {
    Text file = "[long]\r\n";
    for (int i = 1; i <= 130; ++i) {
        const Text n = IntToText(i);
        file.append("k").append(n).append(" = v").append(n).append("\r\n");
    }
    ASSERT_EQ(SaveText(dir.File("long.txt"), file), 1);
    LoadTextTable(dir.File("long.txt"));
    TextArray list = GetTextList("long", "k");
    ASSERT_EQ(list.size(), 128u);
    EXPECT_EQ(list.back(), "v128");
}

TEST_F(TextTableTest, MissingFilesLeaveEmptyTables) {
    LoadTextTable(dir.File("absent.txt"));
    EXPECT_EQ(GetText("misc", "congrats"), "");
    EXPECT_TRUE(GetTextList("lesson", "line").empty());
    EXPECT_EQ(DataText("Channel", "Channel Name"), "");
    ResetTextTable();
    EXPECT_EQ(GetText("misc", "congrats"), "");
}

TEST_F(TextTableTest, DistributionTableIsReadAsWritten) {
    ASSERT_EQ(SaveText(dir.File("data2.dat"), "[Channel]\r\nChannel Name = <name> Games\r\n"), 1);
    LoadDistributionTable(dir.File("data2.dat"));
    SetPlayer("Ann");
    EXPECT_EQ(DataText("channel", "channel name"), "<name> Games");
}

TEST_F(TextTableTest, TheShippedTableAnswersEveryMenuKey) {
    LoadTextTable(test::GamePath("media/Strings.txt"));
    for (const char* key : {"play", "masterquest", "profile", "options", "highscores", "exit"})
        EXPECT_NE(GetText("mainmenu", key), "") << key;
    EXPECT_FALSE(GetTextList("ranks", "rank").empty());
    EXPECT_FALSE(GetTextList("basictutorial", "firstgroup").empty());
}

} // namespace
} // namespace wispwood
