// A save that cannot be written, with the game running: the player sees a
// notice at the top of whatever screen shows, and the shutdown can list it.
#include "engine/draw/pixmap.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/scene/notices.h"
#include "game/app/main_scene.h"
#include "game/services/save_report.h"
#include "game/services/settings.h"
#include "game/services/user_data.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

int Brightness(int pixel) {
    return ((pixel >> 16) & 255) + ((pixel >> 8) & 255) + (pixel & 255);
}

TEST(SaveReport, AFailedSaveShowsANoticeThatFadesAndTheNextSaveMakesTheFolderAgain) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
    game.Frames(100);
    const int bandBefore = Brightness(ReadPixel(game.Grab(), 400, 6));

    // A plain file where the folder was: nothing can be written there.
    Text folder = UserDataPath();
    std::filesystem::remove_all(folder.c_str());
    folder.pop_back();
    ASSERT_EQ(SaveText(folder, "in the way"), 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveSettings(), 0);
    const Text said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("could not save " + folder + "/config.txt"), Text::npos) << said;
    ASSERT_EQ(ShownNotices(), TextArray{"Could not save config.txt"});
    ASSERT_EQ(SaveFailures().size(), 1u);
    game.Frames(2);
    EXPECT_LT(Brightness(ReadPixel(game.Grab(), 400, 6)), bandBefore) << "no band over the menu";

    // A second failure of the same file keeps one notice up.
    testing::internal::CaptureStderr();
    SaveSettings();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ShownNotices().size(), 1u);
    EXPECT_EQ(SaveFailures().size(), 1u);
    game.Frames(500);
    EXPECT_TRUE(ShownNotices().empty());

    DeleteFile(folder);
    EXPECT_EQ(SaveSettings(), 1);
    EXPECT_EQ(PathKind(folder + "/config.txt"), 1);
}

} // namespace
} // namespace wispwood
