// Where the game finds its media from its own path, and where it writes the
// files that belong beside them.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/program_folder.h"
#include "engine/io/write_folder.h"
#include "game/app/world_reset.h"
#include "game/services/install_folder.h"
#include "game/services/saved_game_path.h"
#include "tests/support/paths.h"
#include "tests/support/user_folder.h"
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wispwood {
namespace {

class InstallFolderTest : public ::testing::Test {
  protected:
    test::TempDir root;
    void TearDown() override { ResetWorld(); }
    void MakeFolder(const Text& relative) { ASSERT_EQ(CreateDir(root.File(relative), 1), 1); }
};

TEST_F(InstallFolderTest, MediaBesideTheProgramWinOverASharedTree) {
    MakeFolder("bin/media");
    MakeFolder("share/wispwood/media");
    InstallFolder found = FindInstallFolder(root.File("bin/wispwood"));
    EXPECT_EQ(found.Layout, InstallLayout::Beside);
    EXPECT_EQ(found.Path, root.File("bin"));
}

TEST_F(InstallFolderTest, AnInstalledProgramFindsTheSharedTree) {
    MakeFolder("usr/bin");
    MakeFolder("usr/share/wispwood/media");
    InstallFolder found = FindInstallFolder(root.File("usr/bin/wispwood"));
    EXPECT_EQ(found.Layout, InstallLayout::Shared);
    EXPECT_EQ(PathKind(found.Path + "/media"), 2);
    EXPECT_EQ(found.Path, root.File("usr/share/wispwood"));
}

TEST_F(InstallFolderTest, NoMediaAnywhereOrNoProgramPathFindsNothing) {
    MakeFolder("bin");
    // A file called media is not a media tree.
    ASSERT_EQ(SaveText(root.File("bin/media"), "x"), 1);
    EXPECT_EQ(FindInstallFolder(root.File("bin/wispwood")).Layout, InstallLayout::None);
    EXPECT_EQ(FindInstallFolder("").Layout, InstallLayout::None);
}

TEST_F(InstallFolderTest, TheRunningProgramKnowsItsOwnPath) {
    Text self = ProgramPath();
    ASSERT_FALSE(self.empty());
    EXPECT_EQ(self.front(), '/');
    EXPECT_EQ(PathKind(self), 1);
}

// Redirected paths keep their shape under the per-user folder, whichever
// slash the game wrote them with.
TEST_F(InstallFolderTest, WritablePathsMoveUnderTheStandInFolder) {
    EXPECT_EQ(WritablePath("media\\saves\\Ann.txt"), "media\\saves\\Ann.txt");
    WriteFolder = "/home/ann/.local/share/Wispwood/";
    EXPECT_EQ(WritablePath("media\\saves\\Ann.txt"), "/home/ann/.local/share/Wispwood/media/saves/Ann.txt");
    EXPECT_EQ(WritablePath("out.txt"), "/home/ann/.local/share/Wispwood/out.txt");
    EXPECT_EQ(SavedGamePath(" Ann "), "/home/ann/.local/share/Wispwood/media/saves/Ann.txt");
    // A path-like name stays inside the folder.
    EXPECT_EQ(SavedGamePath("../x"), "/home/ann/.local/share/Wispwood/media/saves/_2e_2e_2fx.txt");
}

TEST_F(InstallFolderTest, WritesStayBesideAWritableBuildFolder) {
    test::UserFolder user;
    test::WorkingFolder here(root.Path());
    ASSERT_TRUE(here.Entered());
    EXPECT_EQ(ChooseWriteFolder(InstallLayout::Beside), "");
    EXPECT_EQ(ChooseWriteFolder(InstallLayout::None), "");
}

// A shared installation is never written into, even where the process could
// (an administrator's run of a system-wide install).
TEST_F(InstallFolderTest, ASharedInstallWritesToThePerUserFolder) {
    test::UserFolder user;
    test::WorkingFolder here(root.Path());
    ASSERT_TRUE(here.Entered());
    EXPECT_EQ(ChooseWriteFolder(InstallLayout::Shared), user.Path() + "/Wispwood/");
    EXPECT_EQ(WritablePath("out.txt"), user.Path() + "/Wispwood/out.txt");
}

TEST_F(InstallFolderTest, AReadOnlyBuildFolderWritesToThePerUserFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the administrator";
    test::UserFolder user;
    MakeFolder("locked");
    ASSERT_EQ(chmod(root.File("locked").c_str(), 0555), 0);
    {
        test::WorkingFolder here(root.File("locked"));
        ASSERT_TRUE(here.Entered());
        EXPECT_EQ(FolderWritable("."), 0);
        EXPECT_EQ(ChooseWriteFolder(InstallLayout::Beside), user.Path() + "/Wispwood/");
    }
    chmod(root.File("locked").c_str(), 0755);
}

} // namespace
} // namespace wispwood
