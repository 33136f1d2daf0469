// The real program started on a player's files with one of them damaged (or
// their folder taken away while it runs): it plays briefly and is stopped
// as a desktop session would stop it. The damage is said once, on stderr,
// naming the file, and every other file of the player is as it was, byte
// for byte.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/highscores/high_score_table.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/profiles_file.h"
#include "game/services/settings.h"
#include "game/services/user_data.h"
#include "tests/support/paths.h"
#include "tests/support/program_run.h"
#include "tests/support/user_folder.h"
#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>

namespace wispwood {
namespace {

namespace fs = std::filesystem;
using Files = std::map<Text, Text>; // file name in the user folder -> bytes

class FaultInjection : public ::testing::Test {
  protected:
    test::UserFolder user;
    test::TempDir logs;
    Text folder; // the game's own per-user folder
    Files before;

    // The player's files as the game writes them, each saved twice so that
    // each has its backup: three profiles, the settings, the high scores.
    void SetUp() override {
        ResetWorld();
        ASSERT_EQ(EnsureUserDataFolder(), 1);
        folder = UserDataPath();
        for (const char* name : {"Anna", "Ben", "Cleo"}) CreateProfile(name);
        Profiles.First()->Gems = 7;
        CreateSettings();
        ReadSettings();
        auto scores = THighScoreTable::Create(10, folder + "highscores.dat");
        scores->AddDefaults({{"Anna", "5000"}, {"Ben", "300"}});
        for (int round = 0; round < 2; ++round) {
            SaveProfiles();
            ASSERT_EQ(SaveSettings(), 1);
            ASSERT_EQ(scores->Save(""), 1);
        }
        ResetWorld();
        before = Snapshot();
        ASSERT_TRUE(before.count("playerprofiles.txt.bak"));
        ASSERT_TRUE(before.count("highscores.dat.bak"));
        ASSERT_TRUE(before.count("config.txt"));
    }
    void TearDown() override { ResetWorld(); }

    Files Snapshot() const {
        Files files;
        std::error_code error;
        for (const auto& e : fs::directory_iterator(folder.c_str(), error)) {
            if (!e.is_regular_file()) continue;
            Text bytes;
            LoadText(e.path().string(), bytes);
            files[e.path().filename().string()] = bytes;
        }
        return files;
    }

    // Starts the program from gameFolder (the built one by default), lets
    // it play until it has loaded everything (and said what is expected,
    // when that is given), runs what happens meanwhile, stops it; what it
    // printed. The wait is counted in the program's own processor time, so
    // a loaded machine does not stop it before it has come that far.
    Text PlayAndStop(const Text& gameFolder = "", const std::function<void()>& meanwhile = {},
                     const Text& expected = "") {
        const Text log = logs.File("stderr.txt");
        pid_t pid = test::Launch("./wispwood", gameFolder.empty() ? test::GamePath("") : gameFolder,
                                 {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"}, {"test"}, log);
        EXPECT_GT(pid, 0);
        if (pid <= 0) return "not started";
        // Loading ends after about half a second of the program's time.
        EXPECT_TRUE(test::WaitUntilWorked(pid, 1.0, 120, log, expected)) << "still waiting for " << expected;
        if (meanwhile) meanwhile();
        int status = test::RunThenTerminate(pid, 1);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        Text printed;
        LoadText(log, printed);
        // What the sound and video libraries say of a headless machine is
        // not the game's.
        Text own;
        for (size_t at = 0; at < printed.size();) {
            size_t end = printed.find('\n', at);
            if (end == Text::npos) end = printed.size();
            Text line = printed.substr(at, end - at);
            if (line.rfind("wispwood:", 0) == 0) own += line + "\n";
            at = end + 1;
        }
        return own;
    }

    // Every file but the named ones is as it was before.
    void ExpectUntouchedBut(const std::vector<Text>& changed) {
        Files now = Snapshot();
        for (const auto& [name, bytes] : before) {
            if (std::find(changed.begin(), changed.end(), name) != changed.end()) continue;
            ASSERT_TRUE(now.count(name)) << name << " is gone";
            EXPECT_TRUE(now[name] == bytes) << name << " changed";
        }
    }

    static int Lines(const Text& text) {
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
};

TEST_F(FaultInjection, ACutProfilesFileComesBackFromItsBackup) {
    const Text cut = before["playerprofiles.txt"].substr(0, before["playerprofiles.txt"].size() / 2);
    ASSERT_EQ(SaveText(folder + "playerprofiles.txt", cut), 1);
    const Text said = PlayAndStop("", {}, "playerprofiles.txt");
    EXPECT_EQ(Lines(said), 1) << said;
    EXPECT_NE(said.find("playerprofiles.txt"), Text::npos) << said;
    Files now = Snapshot();
    EXPECT_EQ(now["playerprofiles.txt.damaged"], cut);
    ExpectUntouchedBut({});
}

TEST_F(FaultInjection, ATruncatedHighScoreTableComesBackFromItsBackup) {
    const Text cut = before["highscores.dat"].substr(0, before["highscores.dat"].size() - 9);
    ASSERT_EQ(SaveText(folder + "highscores.dat", cut), 1);
    const Text said = PlayAndStop("", {}, "highscores.dat");
    EXPECT_EQ(Lines(said), 1) << said;
    EXPECT_NE(said.find("highscores.dat"), Text::npos) << said;
    EXPECT_EQ(Snapshot()["highscores.dat.damaged"], cut);
    ExpectUntouchedBut({});
}

// The folder is taken away while the game runs: stopping it writes all it
// holds into the folder made again.
TEST_F(FaultInjection, AFolderRemovedWhilePlayingIsMadeAgainWithEverything) {
    const Text said = PlayAndStop("", [&] {
        std::error_code error;
        fs::remove_all(folder.c_str(), error);
        ASSERT_FALSE(fs::exists(folder.c_str()));
    });
    EXPECT_EQ(said, "");
    Files now = Snapshot();
    for (const char* name : {"playerprofiles.txt", "highscores.dat", "config.txt"})
        EXPECT_TRUE(now[name] == before[name]) << name;
}

// A folder that cannot be made (a plain file stands in its place) loses
// the saves, and says so for each file.
TEST_F(FaultInjection, SavesThatCannotBeWrittenAreSaid) {
    const Text said = PlayAndStop("", [&] {
        std::error_code error;
        fs::remove_all(folder.c_str(), error);
        Text bare = folder;
        while (!bare.empty() && bare.back() == '/') bare.pop_back();
        SaveText(bare, "in the way");
    });
    for (const char* name : {"playerprofiles.txt", "highscores.dat", "config.txt"})
        EXPECT_NE(said.find(Text("could not save ") + folder + name), Text::npos) << name << "\n" << said;
}

struct MediaDamage {
    const char* file;
    Text bytes;
    bool remove;
};

class DamagedMedia : public FaultInjection, public ::testing::WithParamInterface<MediaDamage> {};

// A copy of the game folder (hard links, so nothing is copied) with one
// media file missing or damaged.
TEST_P(DamagedMedia, IsNamedOnceAndThePlayersFilesStayWhole) {
    const MediaDamage& d = GetParam();
    const Text name = fs::path(d.file).filename().string();
    const Text tree = test::GamePath("../fault-trees/") + name;
    std::error_code error;
    fs::remove_all(tree.c_str(), error);
    fs::create_directories(fs::path(tree.c_str()).parent_path(), error);
    fs::copy(test::GamePath("").c_str(), tree.c_str(),
             fs::copy_options::recursive | fs::copy_options::create_hard_links, error);
    ASSERT_FALSE(error) << error.message();
    // Replace, never write through, a linked file.
    fs::remove((tree + "/" + d.file).c_str());
    fs::remove((tree + "/out.txt").c_str());
    if (!d.remove) {
        ASSERT_EQ(SaveText(tree + "/" + d.file, d.bytes), 1);
    }
    const Text said = PlayAndStop(tree, {}, name);
    size_t mentions = 0;
    for (size_t at = said.find(name); at != Text::npos; at = said.find(name, at + 1)) ++mentions;
    EXPECT_EQ(mentions, 1u) << said;
    ExpectUntouchedBut({});
    fs::remove_all(tree.c_str(), error);
}

INSTANTIATE_TEST_SUITE_P(FaultInjection, DamagedMedia,
                         ::testing::Values(MediaDamage{"media/definedlevels.txt", "", true},
                                           MediaDamage{"media/Strings.txt", Text(200, '\0'), false},
                                           MediaDamage{"media/sound/tileclick.ogg", "OggS, not really",
                                                       false},
                                           MediaDamage{"media/font/characters.dat", "", false},
                                           MediaDamage{"media/quest/coords.txt", "", false},
                                           MediaDamage{"media/res.dat", Text("\0\0\0layout", 9), false},
                                           MediaDamage{"media/background.txt", "", true}),
                         [](const auto& info) {
                             Text name = fs::path(info.param.file).stem().string();
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

} // namespace
} // namespace wispwood
