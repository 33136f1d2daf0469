// End-to-end: the real start-up and scene chain, run in-process headless.
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/scene/scene_stack.h"
#include "framework/sound/music_scene.h"
#include "game/app/loader_queue.h"
#include "game/app/loading_scene.h"
#include "game/app/logo_screens.h"
#include "game/app/main_scene.h"
#include "game/board/board.h"
#include "game/board/defined_levels.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_images.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/sound_tables.h"
#include "game/services/start_flags.h"
#include "game/services/user_data.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include <csignal>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(StartUp, RunsTheSplashScreensThenLoadsEverythingThenHandsOver) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    EXPECT_EQ(LoaderCount, 29);
    ASSERT_TRUE(test::OnTop<LogoScreen>());
    ASSERT_TRUE(MenuMusicScene);
    EXPECT_EQ(TopScene()->Scene, MenuMusicScene); // the menu theme plays from the first screen
    game.Frames(100);
    EXPECT_TRUE(MenuMusicScene->Playing);
    game.SaveFrame("splash-logo");
    // Each logo takes 461 updates; without channel.jpg the channel screen
    // pushes the loading screen at once.
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<Logo2Screen>(); }, 500));
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<Loading>(); }, 500));
    auto loading = Cast<Loading>(TopScene());
    EXPECT_EQ(loading->Scene, MenuMusicScene);
    ASSERT_TRUE(game.RunUntil([&] { return loading->LoadingProgress == 15; }, 200));
    game.SaveFrame("loading-half");
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 400));
    EXPECT_EQ(loading->LoadingProgress, 29);
    game.RunUntil([] { return !TransitionInProgress(0); }, 400);
    game.Frames(1);
    game.SaveFrame("first-scene");
}

TEST(StartUp, AKeyDuringTheOpeningWaitJumpsToTheFadeOut) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    auto logo = Cast<LogoScreen>(TopScene());
    ASSERT_TRUE(logo);
    game.Frames(10);
    game.PressKey(KeySpace);
    game.Frames(1);
    EXPECT_EQ(logo->FadingOut, 1);
    EXPECT_EQ(logo->OverlayProgress, 320); // full strength, fading to black
    // The wait still runs out (60 updates) before the picture's clock moves
    // on from 320 to past 400.
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<Logo2Screen>(); }, 200));
    EXPECT_EQ(logo->Progress, 141);
}

TEST(StartUp, RunWordAndSettingsAreApplied) {
    test::GameHarness game;
    ASSERT_EQ(EnsureUserDataFolder(), 1);
    ASSERT_EQ(SaveText(UserDataPath() + "config.txt", "[]\nwindowed = 1\nhints = 0\n"), 1);
    ASSERT_TRUE(game.Start({"Run7", "ignored"}));
    EXPECT_EQ(RunMode, 1);
    EXPECT_EQ(RunLocation, 7);
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_EQ(GetHints(), 0);
    EXPECT_EQ(GetResX(), 800);
}

TEST(StartUp, ProfilesAreReadAtStartAndSavedAtTheEnd) {
    test::GameHarness game;
    ASSERT_EQ(EnsureUserDataFolder(), 1);
    ASSERT_EQ(SaveText(UserDataPath() + "playerprofiles.txt", "[]\ncurrent = 3\n[3]\nname = Ivy\n"), 1);
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(GetCurrentProfile());
    EXPECT_EQ(GetCurrentProfile()->Name, "Ivy");
    GetCurrentProfile()->Gems = 12;
    std::raise(SIGTERM);
    game.Frames(3);
    EXPECT_TRUE(game.Ended());
    Text profiles;
    ASSERT_TRUE(LoadText(UserDataPath() + "playerprofiles.txt", profiles));
    EXPECT_EQ(profiles.substr(0, 4), "[]\r\n");
    EXPECT_NE(profiles.find("\r\ncurrent = 3\r\n[3]\r\n"), Text::npos) << profiles;
    EXPECT_NE(profiles.find("gemscollected = 12\r\n"), Text::npos);
}

TEST(StartUp, TheLoadingScreenLoadsThePiecesAndTheLayouts) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<Loading>(); }, 1200));
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 600));
    ASSERT_EQ(StandardPieceImages.size(), 8u);
    for (const auto& image : StandardPieceImages) EXPECT_EQ(ImageFrameCount(image), 25);
    EXPECT_GT(PieceDefinitions[0]->r, 0);
    EXPECT_TRUE(BlockImages.PathCorner);
    EXPECT_EQ(PredefinedLevels.Count(), 100);
}

TEST(StartUp, CloseRequestSavesSettingsAndOutTxtThenEnds) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    game.Frames(3);
    std::raise(SIGTERM);
    game.Frames(3);
    EXPECT_TRUE(game.Ended());
    Text config;
    ASSERT_TRUE(LoadText(UserDataPath() + "config.txt", config));
    EXPECT_EQ(config.substr(0, 4), "[]\r\n");
    EXPECT_NE(config.find("windowed = 0\r\n"), Text::npos);
    EXPECT_EQ(FileSize("out.txt"), 0);
}

} // namespace
} // namespace wispwood
