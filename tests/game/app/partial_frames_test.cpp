// The screens a player passes through are drawn again only where they
// changed; each frame must show exactly what drawing it whole shows, with
// everything the game draws: menus and dialogs, a level in play with its
// bursts and sparkles, and the game playing itself at full tilt.
#include "engine/draw/sdl_driver.h"
#include "engine/io/random.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "tests/support/game_harness.h"
#include "tests/support/golden_image.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

// Runs frames and, every few, compares the canvas with the last frame
// drawn whole; returns how many frames could be compared.
int CompareFrames(test::GameHarness& game, int frames, const std::function<void(int)>& each = nullptr) {
    int compared = 0;
    for (int f = 0; f < frames && !game.Ended(); ++f) {
        if (each) each(f);
        game.Frames(1);
        if (f % 7 != 0) continue;
        Ref<TPixmap> whole = LastFrameDrawnWhole();
        if (!whole) continue;
        ++compared;
        // The same calls drawn the same way: not one pixel apart.
        EXPECT_EQ(test::CountDifferingPixels(game.Grab(), whole, 0), 0) << "frame " << f;
    }
    return compared;
}

TEST(PartialFrames, MenusAndALevelInPlayShowWhatWholeFramesShow) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    // Logos, loading and the first-profile dialog over the menu.
    EXPECT_GT(CompareFrames(game, 400,
                            [&](int f) {
                                if (f == 100 || f == 200) game.PressKey(' ');
                                if (f > 300) game.MoveMouseTo(200 + f, 300);
                            }),
              20);

    test::GameHarness level;
    ASSERT_TRUE(level.Start({"run20"}));
    ASSERT_TRUE(level.RunUntil([] { return Cast<MainGame>(TopScene()) != nullptr; }, 2000));
    ASSERT_TRUE(level.RunUntil([] { return !TransitionInProgress(0); }, 400));
    SeedRandom(7);
    // Clicks at random over the lower board: groups picked, paths drawn,
    // pairs burst.
    EXPECT_GT(CompareFrames(level, 500,
                            [&](int f) {
                                if (f % 8 == 0) level.Click(RandomInt(70, 590), RandomInt(330, 480));
                            }),
              50);
}

TEST(PartialFrames, TheGamePlayingItselfShowsWhatWholeFramesShow) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start({"test"}));
    ASSERT_TRUE(game.RunUntil([] { return Cast<MainGame>(TopScene()) != nullptr; }, 2000));
    EXPECT_GT(CompareFrames(game, 600), 50);
}

} // namespace
} // namespace wispwood
