// The real program, started as a player would (headless), stopped with
// SIGTERM: it must shut down in order and leave its files behind.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "tests/support/paths.h"
#include "tests/support/program_run.h"
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wispwood {
namespace {

TEST(BinaryRun, SigtermShutsDownInOrderAndLeavesTheFiles) {
    test::TempDir user;
    DeleteFile(test::GamePath("out.txt"));
    pid_t pid = test::LaunchGame(
        {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + user.Path()}, {});
    ASSERT_GT(pid, 0);
    int status = test::RunThenTerminate(pid, 3);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);

    Text config;
    ASSERT_TRUE(LoadText(user.Path() + "/Wispwood/config.txt", config));
    EXPECT_EQ(config, "[]\r\ncalmeffects = 0\r\ndepth = 32\r\nhints = 1\r\nloadsteps = 1\r\nmusicvolume = "
                      "0.8\r\nmuted = 0\r\nresx = 800\r\n"
                      "resy = 600\r\nsoundvolume = 1.0\r\nvoicevolume = 0.8\r\nwindowed = 0\r\n");
    EXPECT_EQ(FileSize(test::GamePath("out.txt")), 0);
    EXPECT_GE(FileSize(user.Path() + "/Wispwood/playerprofiles.txt"), 0);
}

TEST(BinaryRun, HelpAndVersionFollowLinuxConventions) {
    for (const char* word : {"--help", "--version"}) {
        pid_t pid = test::LaunchGame({"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"}, {word});
        ASSERT_GT(pid, 0);
        int status = test::WaitFor(pid, 10);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << word;
    }
}

// The images mode captures every location's first board and ends in order;
// on a fresh install it plays with a temporary profile that is never saved.
TEST(BinaryRun, ImagesModeCapturesEveryLocationAndExits) {
    test::TempDir user;
    const Text folder = test::GamePath("levelimages");
    auto capture = [&](int location) {
        char name[16];
        std::snprintf(name, sizeof name, "/out%03d.png", location);
        return folder + name;
    };
    for (int i = 0; i < 100; ++i) DeleteFile(capture(i));
    pid_t pid = test::LaunchGame(
        {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + user.Path()}, {"images"});
    ASSERT_GT(pid, 0);
    int status = test::WaitFor(pid, 240);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (int i = 0; i < 100; ++i) EXPECT_GT(FileSize(capture(i)), 10000) << i;
    Text profiles;
    LoadText(user.Path() + "/Wispwood/playerprofiles.txt", profiles);
    EXPECT_EQ(profiles.find("Player"), Text::npos);
}

} // namespace
} // namespace wispwood
