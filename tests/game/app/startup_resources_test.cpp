// The start-up sequence and the loading screen fill the text table, the
// fonts, the sounds, the music and the credits.
#include "engine/draw/graphics.h"
#include "framework/scene/frame_loop.h"
#include "game/adventure/credit.h"
#include "game/adventure/credits_file.h"
#include "game/app/loader_queue.h"
#include "game/app/main_scene.h"
#include "game/services/game_fonts.h"
#include "game/services/sound_tables.h"
#include "game/services/text_table.h"
#include "tests/support/game_harness.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(StartUpResources, TextFontsSoundsAndMusicAreReadyForTheFirstScene) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    EXPECT_EQ(GetText("mainmenu", "play"), "Play");
    ASSERT_TRUE(MainFont && TutorialFont && BigFont);
    EXPECT_EQ(GetCurrentFont(), MainFont);
    EXPECT_TRUE(MainFont->Image);
    ASSERT_TRUE(MenuMusicScene);
    EXPECT_NE(MenuMusic, SilentSound);
    EXPECT_TRUE(FrameUpcalls.SoundHousekeeping);
    EXPECT_EQ(GameSound("media\\sound\\tileclick.ogg"), SilentSound); // not loaded yet
    for (int step = 0; step < LoaderCount; ++step) RunLoadStep(step);
    EXPECT_NE(GameSound("media\\sound\\tileclick.ogg"), SilentSound);
    EXPECT_NE(GameSound("media\\jingles\\medalawarded.ogg"), SilentSound);
    for (const auto& track : GameMusicTracks) EXPECT_NE(track, SilentSound);
    ASSERT_TRUE(GameMusicScene);
    EXPECT_EQ(GameMusicScene->Music[0].size(), 4u);
    // The credits the end of the adventure scrolls, from the installed file.
    ASSERT_GT(Credits.Count(), 0);
    EXPECT_EQ(Credits.First()->Size, 2);
    // The first scene draws its pictures over the whole screen.
    auto menu = New<MainScene>();
    menu->Init();
    menu->Render();
    auto frame = GrabPixmap(0, 0, 800, 600);
    int lit = 0;
    for (int y = 180; y < 400; ++y)
        for (int x = 200; x < 600; ++x) lit += (frame->ReadPixel(x, y) & 0xffffff) != 0;
    EXPECT_GT(lit, 500);
}

} // namespace
} // namespace wispwood
