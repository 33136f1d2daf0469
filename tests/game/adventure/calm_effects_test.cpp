// Calm effects through the real game: the bomb location played with the
// same input in both modes. The calm game flashes and shakes nothing and
// draws a third of the sparkles, yet it is the same game: the same random
// numbers are drawn and the same score is made.
#include "engine/draw/pixmap.h"
#include "engine/io/file_stream.h"
#include "engine/io/random.h"
#include "framework/particles/calm_effects.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/earthquake.h"
#include "game/board/game_score.h"
#include "game/board/piece.h"
#include "game/board/powerup.h"
#include "game/board/tutorials.h"
#include "game/services/user_data.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace wispwood {
namespace {

// What one run made of the bombs: the board's brightness frame by frame,
// the random generator's state and the score after it, the sparkles.
struct BombRun {
    std::vector<double> brightness;
    int32_t seed = 0;
    int score = 0;
    int sparkles = 0, sparklesDrawn = 0;
    bool shook = false;
    Text frame;
};

// The mean of the board area's channels, left of the side panel.
double MeanBrightness(const Ref<TPixmap>& pixmap) {
    const int x0 = 80, x1 = 570, y0 = 40, y1 = 560;
    double sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const auto p = static_cast<uint32_t>(pixmap->ReadPixel(x, y));
            sum += ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255);
        }
    return sum / (3.0 * (x1 - x0) * (y1 - y0));
}

// The bomb location: its two bombs matched, then an earthquake.
BombRun PlayTheBombs(bool calm, const Text& frameName) {
    BombRun run;
    test::GameHarness game;
    if (calm) {
        EnsureUserDataFolder();
        SaveText(UserDataPath() + "config.txt", "[]\r\ncalmeffects = 1\r\n");
    }
    EXPECT_TRUE(game.Start({"run11"}));
    EXPECT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>() && !TransitionInProgress(0); }, 600, 100));
    EXPECT_EQ(CalmEffects, calm);
    ClearTutorials();
    game.Frames(15, 100); // the rows have flipped in
    std::vector<Ref<Piece>> bombs;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (IsKind<Bomb>(p) && p->Bottom) bombs.push_back(p);
    });
    EXPECT_EQ(bombs.size(), 2u);
    if (bombs.size() < 2) return run;
    for (const Ref<Piece>& bomb : bombs) {
        game.Click(BoardLeft() + bomb->GetX() + CellWidth / 2, BoardTop() + bomb->GetY() + CellHeight / 2);
        game.Frames(20);
    }
    for (int i = 0; i < 30; ++i) {
        game.Frames(2);
        run.brightness.push_back(MeanBrightness(game.Grab()));
        if (i == 6) run.frame = game.SaveFrame(frameName);
    }
    for (const Ref<Particle>& p : BoardTwinkles.AllParticles) {
        if (p->Role != EffectRole::Sparkle) continue;
        run.sparkles += 1;
        run.sparklesDrawn += p->CalmShown ? 1 : 0;
    }
    StartEarthquake();
    for (int i = 0; i < 100; ++i) {
        game.Frames(1);
        ForEachPiece([&](const Ref<Piece>& p) { run.shook = run.shook || p->EarthquakeX != 0; });
    }
    run.seed = RandomSeed();
    run.score = GameScore;
    return run;
}

TEST(CalmEffectsPlay, BombsAndAQuakeInTheCalmModeFlashAndShakeNothingAndPlayTheSameGame) {
    BombRun full = PlayTheBombs(false, "bomb-full");
    BombRun calm = PlayTheBombs(true, "bomb-calm");
    // The same game: the same draws from the random generator, the same
    // points.
    EXPECT_EQ(calm.seed, full.seed);
    EXPECT_EQ(calm.score, full.score);
    EXPECT_GT(full.score, 0);
    // The bursts light the board up; calmly the board is never brighter
    // than in the full mode, and far darker at the bursts' height. Once
    // they are over both show the same board.
    ASSERT_EQ(calm.brightness.size(), full.brightness.size());
    double widest = 0;
    for (size_t i = 0; i < full.brightness.size(); ++i) {
        EXPECT_LE(calm.brightness[i], full.brightness[i] + 1) << "frame " << i << " " << calm.frame;
        widest = std::max(widest, full.brightness[i] - calm.brightness[i]);
    }
    EXPECT_GT(widest, 10) << full.frame << " " << calm.frame;
    EXPECT_NEAR(calm.brightness.back(), full.brightness.back(), 3);
    // The quake shakes the board only in the full mode.
    EXPECT_TRUE(full.shook);
    EXPECT_FALSE(calm.shook);
    // A third of the sparkles is drawn.
    ASSERT_GT(calm.sparkles, 9);
    EXPECT_NEAR(calm.sparklesDrawn, calm.sparkles / 3, 2);
}

} // namespace
} // namespace wispwood
