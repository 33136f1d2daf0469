#include "engine/io/random.h"
#include "framework/scene/input_snapshot.h"
#include "game/board/crumble.h"
#include "game/board/earthquake.h"
#include "game/board/falling_pieces.h"
#include "game/board/powerup.h"
#include "game/board/selection.h"
#include "tests/game/board/clear_pass_fixture.h"
#include <cmath>

namespace wispwood {
namespace {

using test::Picture;

class Quake : public test::ClearPassWorldTest {
  protected:
    void TearDown() override { test::ClearPassWorldTest::TearDown(); }
    // Runs the quake step for the given updates; the updates (counted from
    // 1) in which a piece dropped.
    std::vector<int> Run(int updates, bool reflood = false) {
        std::vector<int> drops;
        for (int i = 1; i <= updates; ++i) {
            int before = FallingPieces.Count();
            UpdateEarthquake();
            if (FallingPieces.Count() > before)
                drops.push_back(++ticks);
            else
                ++ticks;
            if (reflood) FindReachablePieces();
        }
        return drops;
    }
    int ticks = 0;
};

TEST_F(Quake, AMatchedPairStartsAQuakeThatDropsPiecesEverFasterFor270Updates) {
    Board({
        "1234567012345670",
        "2345670123456701",
        "E..............E",
    });
    Match({{0, 2}, {15, 2}});
    EXPECT_EQ(PieceAt(0, 2), nullptr);
    EXPECT_EQ(PieceAt(15, 2), nullptr);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 0);
    EXPECT_EQ(Played("media\\sound\\earthquake.ogg"), 1);
    ASSERT_EQ(IsShaking(), 1);
    StartEarthquake(); // one quake at a time
    EXPECT_EQ(QuakeTicks, 1);

    std::vector<int> drops = Run(270, true);
    ASSERT_GE(drops.size(), 3u);
    EXPECT_EQ(drops[0], 60);
    EXPECT_EQ(drops[1], 85);
    for (size_t i = 2; i < drops.size(); ++i) EXPECT_LE(drops[i] - drops[i - 1], drops[i - 1] - drops[i - 2]);
    EXPECT_EQ(drops.size(), 19u);
    EXPECT_GT(Played("media\\sound\\tileexplode.ogg"), 10); // debris from the top
    EXPECT_EQ(IsShaking(), 0);

    // Then 50 updates of after-shake, with nothing dropping.
    EXPECT_EQ(IsAfterShaking(), 1);
    EXPECT_TRUE(Run(49).empty());
    EXPECT_EQ(IsAfterShaking(), 1);
    Run(1);
    EXPECT_EQ(IsAfterShaking(), 0);
}

TEST_F(Quake, OnlyReachablePiecesOverAnEmptyCellDrop) {
    Board({
        "1234",
        "2S3.",
    });
    BurstPiece(PieceAt(2, 1), 500, 10);
    Ref<Piece> stone = PieceAt(1, 1), bursting = PieceAt(2, 1);
    StartEarthquake();
    Run(270);
    EXPECT_EQ(test::DrawBoard(2, [](const Piece&) { return 'x'; }), (Picture{"xxx.", ".xx."}));
    EXPECT_EQ(FallingPieces.Count(), 2);
    EXPECT_EQ(PieceAt(1, 1), stone);
    EXPECT_EQ(PieceAt(2, 1), bursting);
}

TEST_F(Quake, TheShakeGrowsThenDiesAwayInTheAfterShake) {
    EXPECT_EQ(CurrentShake().x, 0);
    StartEarthquake();
    float biggest = 0;
    for (int i = 0; i < 270; ++i) {
        ShakeOffset s = CurrentShake();
        float limit = std::min(3.0f, 3.0f * 2 * static_cast<float>(QuakeTicks) / 270);
        EXPECT_LE(std::fabs(s.x), limit);
        EXPECT_LE(std::fabs(s.y), limit);
        biggest = std::max(biggest, std::fabs(s.x));
        UpdateEarthquake();
    }
    EXPECT_GT(biggest, 2);
    for (int i = 0; i < 50; ++i) {
        ShakeOffset s = CurrentShake();
        EXPECT_LE(std::fabs(s.y), 3.0f * static_cast<float>(AfterShake) / 50);
        UpdateEarthquake();
    }
    ShakeOffset still = CurrentShake();
    EXPECT_EQ(still.x, 0);
    EXPECT_EQ(still.y, 0);
}

// The shake is drawn, once a piece in every frame: it leaves the game's
// generator alone, or play would follow the frame rate.
TEST_F(Quake, TheShakeDrawsNothingFromTheGamesGenerator) {
    StartEarthquake();
    for (int i = 0; i < 100; ++i) UpdateEarthquake();
    SeedRandom(5);
    float moved = 0;
    for (int i = 0; i < 20; ++i) moved += std::fabs(CurrentShake().x);
    EXPECT_GT(moved, 0);
    EXPECT_EQ(RandomSeed(), 5);
}

TEST_F(Quake, ClicksDoNothingWhileTheBoardShakes) {
    auto revealed = [this] {
        Board({"11", "22"});
        ForEachPiece([](const Ref<Piece>& p) {
            if (p->Bottom) p->BottomDelay = 0, p->BottomFadeIn = 48;
        });
    };
    auto click = [] {
        OverrideMouse(BoardLeft() + CellWidth / 2,
                      static_cast<int>(static_cast<float>(CellHeight / 2) + ScrollOffset));
        TakeInputSnapshot();
        ForceMouseClicks(1);
        BoardUpdate(LevelSucceeding::No);
    };
    revealed();
    StartEarthquake();
    click();
    EXPECT_EQ(CountSelected(), 0);
    for (int i = 0; i < 270; ++i) UpdateEarthquake();
    ASSERT_EQ(IsAfterShaking(), 1);
    revealed(); // the quake dropped the 2s
    click();
    EXPECT_GT(CountSelected(), 0);
}

} // namespace
} // namespace wispwood
