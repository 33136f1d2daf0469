// The replay word of the real program: without a window it plays a
// recording at once and says by its exit status whether the game ended as
// recorded; watched, it plays at the game's pace; either way the player's
// profiles, settings and high scores stay as they were, byte for byte.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/highscores/high_score_table.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/user_data.h"
#include "tests/support/paths.h"
#include "tests/support/program_run.h"
#include "tests/support/user_folder.h"
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>

namespace wispwood {
namespace {

using PlayerFiles = std::map<Text, Text>;

class ReplayCommand : public ::testing::Test {
  protected:
    test::UserFolder user;
    test::TempDir scratch;
    Text folder;
    PlayerFiles before;

    // A player's files: two profiles, the settings, the high scores.
    void SetUp() override {
        ResetWorld();
        ASSERT_EQ(EnsureUserDataFolder(), 1);
        folder = UserDataPath();
        CreateProfile("Anna");
        CreateProfile("Ben");
        Profiles.First()->Score = 4000;
        SaveProfiles();
        CreateSettings();
        ReadSettings();
        SetHints(0);
        ASSERT_EQ(SaveSettings(), 1);
        auto scores = THighScoreTable::Create(10, folder + "highscores.dat");
        scores->AddDefaults({{"Anna", "5000"}});
        ASSERT_EQ(scores->Save(""), 1);
        ResetWorld();
        before = PlayersFiles();
    }
    void TearDown() override { ResetWorld(); }

    PlayerFiles PlayersFiles() const {
        PlayerFiles files;
        for (const Text& name : ListDirectory(folder))
            if (PathKind(folder + name) == 1) LoadText(folder + name, files[name]);
        return files;
    }

    // The program's exit status, or -1 when it did not end by itself.
    int Replay(const std::vector<std::string>& args, int seconds = 30) {
        pid_t pid =
            test::Launch("./wispwood", test::GamePath(""), {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"},
                         args, scratch.File("stderr.txt"));
        if (pid <= 0) return -1;
        const int status = test::WaitFor(pid, seconds);
        return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    Text Said() const {
        Text said;
        LoadText(scratch.File("stderr.txt"), said);
        return said;
    }
};

TEST_F(ReplayCommand, WithoutAWindowItSaysWhetherTheGameEndedAsRecorded) {
    const Text recording = test::FixturePath("replays/location17-chunk-gaps.txt");
    EXPECT_EQ(Replay({"replay", recording, "--headless"}), 0);

    Text text;
    ASSERT_TRUE(LoadText(recording, text));
    const Text changed = scratch.File("changed.txt");
    ASSERT_EQ(SaveText(changed, text.replace(text.find(" score 2"), 8, " score 3")), 1);
    EXPECT_EQ(Replay({"replay", changed, "--headless"}), 1);

    const Text damaged = scratch.File("damaged.txt");
    ASSERT_EQ(SaveText(damaged, "wispwood replay 1\r\nlocation x\r\n"), 1);
    EXPECT_EQ(Replay({"replay", damaged, "--headless"}), 2);
    EXPECT_NE(Said().find("a bad header line (line 2)"), Text::npos) << Said();
    EXPECT_EQ(Replay({"replay", scratch.File("missing.txt"), "--headless"}), 2);
    EXPECT_EQ(Replay({"replay"}), 2);
    EXPECT_EQ(PlayersFiles(), before);
}

// Watched, the game plays at its pace until the desktop closes the
// program; nothing is saved on the way out.
TEST_F(ReplayCommand, AWatchedReplayClosedHalfwayLeavesThePlayersFilesAlone) {
    pid_t pid =
        test::Launch("./wispwood", test::GamePath(""), {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"},
                     {"replay", test::FixturePath("replays/location47-master-quest.txt")});
    ASSERT_GT(pid, 0);
    const int status = test::RunThenTerminate(pid, 4);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(PlayersFiles(), before);
    EXPECT_EQ(PathKind(folder + "replays"), 0) << "a replay is not recorded again";
}

} // namespace
} // namespace wispwood
