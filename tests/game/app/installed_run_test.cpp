// The game as `cmake --install` lays it out, started from an unrelated
// folder like a desktop launcher does: it must find its media through its
// own path and keep every file it writes out of the shared installation.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "tests/support/paths.h"
#include "tests/support/program_run.h"
#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace wispwood {
namespace {

class InstalledRun : public ::testing::Test {
  protected:
    test::TempDir prefix, user, elsewhere;

    void SetUp() override {
        std::string cmake = test::FindOnPath("cmake");
        if (cmake.empty()) GTEST_SKIP() << "cmake is not on the path";
        pid_t pid =
            test::Launch(cmake, "", {}, {"--install", WISPWOOD_BINARY_DIR, "--prefix", prefix.Path()});
        ASSERT_GT(pid, 0);
        int status = test::WaitFor(pid, 60);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "cmake --install: " << status;
    }
    Text Installed(const Text& relative) const { return prefix.File(relative); }
};

TEST_F(InstalledRun, TheInstallHoldsProgramMediaAndDesktopFiles) {
    EXPECT_EQ(PathKind(Installed("bin/wispwood")), 1);
    EXPECT_EQ(PathKind(Installed("share/wispwood/media/res.dat")), 1);
    EXPECT_EQ(PathKind(Installed("share/applications/org.wispwood.Wispwood.desktop")), 1);
    EXPECT_EQ(PathKind(Installed("share/metainfo/org.wispwood.Wispwood.metainfo.xml")), 1);
    EXPECT_EQ(PathKind(Installed("share/man/man6/wispwood.6")), 1);
    // A developer's saved games and the generator's icon sources stay out.
    EXPECT_EQ(PathKind(Installed("share/wispwood/media/saves")), 0);
    EXPECT_EQ(PathKind(Installed("share/wispwood/media/icons")), 0);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        Text built = test::GamePath("media/icons/wispwood-" + std::to_string(size) + ".png");
        if (PathKind(built) != 1) continue; // a build without generated media
        Text icon = "share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) +
                    "/apps/org.wispwood.Wispwood.png";
        EXPECT_EQ(FileSize(Installed(icon)), FileSize(built)) << size;
    }
}

TEST_F(InstalledRun, StartsFromAnyFolderAndWritesOnlyToThePerUserFolder) {
    pid_t pid =
        test::Launch(Installed("bin/wispwood"), elsewhere.Path(),
                     {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + user.Path()}, {});
    ASSERT_GT(pid, 0);
    int status = test::RunThenTerminate(pid, 3);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0); // a game without its media would have stopped with 1

    const Text mine = user.Path() + "/Wispwood/";
    EXPECT_GT(FileSize(mine + "config.txt"), 0);
    EXPECT_GE(FileSize(mine + "playerprofiles.txt"), 0);
    EXPECT_EQ(FileSize(mine + "out.txt"), 0);
    EXPECT_EQ(PathKind(mine + "media/saves"), 2);
    EXPECT_EQ(PathKind(Installed("share/wispwood/out.txt")), 0);
    EXPECT_EQ(PathKind(Installed("share/wispwood/media/saves")), 0);
    EXPECT_EQ(PathKind(Installed("bin/out.txt")), 0);
    EXPECT_TRUE(ListDirectory(elsewhere.Path()).empty());
}

} // namespace
} // namespace wispwood
