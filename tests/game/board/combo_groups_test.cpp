#include "engine/io/random.h"
#include "game/board/board_sound.h"
#include "game/board/column_stacks.h"
#include "game/board/combo_groups.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_score.h"
#include "game/board/game_stats.h"
#include "game/board/piece.h"
#include "game/board/quota_particle.h"
#include "game/board/reward_text.h"
#include "game/board/score_popups.h"
#include "tests/support/ascii_board.h"
#include <algorithm>

namespace wispwood {
namespace {

using test::BuildBoard;
using test::Picture;

const Text kChime = "media\\sound\\gold-row.ogg";

// Pieces dropped from the board run through their fall and their combo.
class Combos : public test::BoardTest {
  protected:
    std::vector<Text> sounds;
    void SetUp() override {
        test::BoardTest::SetUp();
        CreateGameStats();
        SeedRandom(99);
        RecordBoardSounds(&sounds);
    }
    // Drops the picture (its top row left empty so nothing holds) and lets
    // every piece land; the combo groups form on the update they do.
    void DropAndLand(const Picture& rows) {
        Picture board{Text(rows.front().size(), '.')};
        board.insert(board.end(), rows.begin(), rows.end());
        BuildBoard(board);
        ResetColumnStacks(BoardWidth);
        DropUnsupported();
        for (int i = 0; i < 1000 && ComboGroups.IsEmpty(); ++i) UpdateFallingPieces(false);
    }
    static void Run(int updates) {
        for (int i = 0; i < updates; ++i) UpdateFallingPieces(false);
    }
    static void RunUntilGone() {
        for (int i = 0; i < 2000 && !FallingPieces.IsEmpty(); ++i) UpdateFallingPieces(false);
    }
    int Chimes() const { return static_cast<int>(std::count(sounds.begin(), sounds.end(), kChime)); }
    static Text LastBanner() {
        if (RewardTextQueue.IsEmpty()) return "";
        return RewardTextQueue.Last()->Instances.First()->txt;
    }
    static int ExcellentPopups() {
        int n = 0;
        for (const Ref<Particle>& p : ScorePopups.AllParticles) n += p->Delayed == 80 ? 1 : 0;
        return n;
    }
};

TEST_F(Combos, FourPiecesInAdjacentColumnsAreWorthTenEachAndFadeAway) {
    DropAndLand({"1212"});
    ASSERT_EQ(ComboGroups.Count(), 1);
    Ref<PieceParticleComboGroup> g = ComboGroups.First();
    EXPECT_EQ(g->Size, 4);
    EXPECT_EQ(g->Morph, 0);
    for (const Ref<PieceParticle>& r : g->Pieces) {
        EXPECT_EQ(r->ShowScore, 1);
        EXPECT_EQ(r->ComboGroup, g->GroupID);
        EXPECT_GE(r->AnimDelay, 20);
        EXPECT_LE(r->AnimDelay, 80);
    }
    // The group's first update came with the landing.
    EXPECT_EQ(GameScore, 40);
    EXPECT_TRUE(RewardTextQueue.IsEmpty()); // no banner for a small group
    // 2.0 of alpha at 0.03 per update: gone on the 67th.
    Run(65);
    EXPECT_EQ(FallingPieces.Count(), 4);
    Run(1);
    EXPECT_TRUE(FallingPieces.IsEmpty());
    EXPECT_TRUE(ComboGroups.IsEmpty());
    EXPECT_EQ(StackedCount(0), 1);
    Run(1);
    EXPECT_EQ(StackedCount(0), 0);         // the stacks let go of finished pieces
    EXPECT_TRUE(QuotaParticles.IsEmpty()); // a small group sends none
    EXPECT_EQ(GameScore, 40);
    EXPECT_EQ(SilverCombosStat->n, 0);
    EXPECT_EQ(Chimes(), 0);
}

TEST_F(Combos, FivePiecesMakeASilverComboWorthTwentyAPiece) {
    DropAndLand({"12121"});
    ASSERT_EQ(ComboGroups.Count(), 1);
    Ref<PieceParticleComboGroup> g = ComboGroups.First();
    EXPECT_EQ(g->Morph, 1);
    EXPECT_EQ(g->MorphGold, 0);
    EXPECT_EQ(g->Score(), 100);
    EXPECT_EQ(LastBanner(), "SILVER COMBO");
    EXPECT_EQ(RewardTextQueue.Last()->Delayed, 40);
    // The popup waits for the tiles to start turning.
    Run(39);
    EXPECT_EQ(GameScore, 0);
    Run(1);
    EXPECT_EQ(GameScore, 100);
    EXPECT_EQ(ExcellentPopups(), 0);
    // One quota particle carries the whole combo.
    ASSERT_EQ(QuotaParticles.Count(), 1);
    EXPECT_EQ(QuotaParticles.First()->Value, 5);
    EXPECT_EQ(QuotaParticles.First()->Combo, 1);
    EXPECT_EQ(BiggestComboStat->Value(), 100);
    RunUntilGone();
    EXPECT_TRUE(ComboGroups.IsEmpty());
    EXPECT_EQ(GameScore, 100);
    EXPECT_EQ(SilverCombosStat->n, 1);
    EXPECT_EQ(GoldCombosStat->n, 0);
    EXPECT_EQ(Chimes(), 1); // one chime per row the pieces came from
}

TEST_F(Combos, FifteenPiecesMakeAGoldComboWorthFiftyAPieceWithExcellent) {
    DropAndLand({"12121", "21212", "12121"});
    ASSERT_EQ(ComboGroups.Count(), 1);
    Ref<PieceParticleComboGroup> g = ComboGroups.First();
    EXPECT_EQ(g->MorphGold, 1);
    EXPECT_EQ(LastBanner(), "GOLD COMBO");
    Run(40);
    EXPECT_EQ(GameScore, 750);
    EXPECT_EQ(ExcellentPopups(), 1);
    ASSERT_EQ(QuotaParticles.Count(), 1);
    EXPECT_EQ(QuotaParticles.First()->Combo, 2);
    // The lowest pieces turn first.
    int low = 0, high = 0;
    for (const Ref<PieceParticle>& r : g->Pieces) {
        if (r->y == 600) low = r->Morphing;
        if (r->y == 504) high = r->Morphing;
        EXPECT_EQ(r->MorphingGold, 1);
    }
    EXPECT_GE(low, 40);
    EXPECT_GT(low, high);
    RunUntilGone();
    EXPECT_EQ(GoldCombosStat->n, 1);
    EXPECT_EQ(BiggestComboStat->Value(), 750);
    EXPECT_EQ(Chimes(), 3);
}

TEST_F(Combos, ATurningTileShimmersOnceFromFrameTwelveBackToTwelve) {
    DropAndLand({"11111"});
    Ref<PieceParticle> r = ComboGroups.First()->Pieces.First();
    r->AnimDelay = 3;
    std::vector<int> frames;
    for (int i = 0; i < 30; ++i) {
        Run(1);
        frames.push_back(r->MorphingFrame);
    }
    EXPECT_EQ(frames[2], 12); // still waiting
    EXPECT_EQ(frames[3], 13);
    EXPECT_EQ(frames[14], 24);
    EXPECT_EQ(frames[15], 0);
    EXPECT_EQ(frames[27], 12);
    EXPECT_EQ(r->StopAnimating, 1);
    EXPECT_EQ(frames[29], 12);
}

TEST_F(Combos, RunsOfColumnsSeparatedByAnEmptyColumnFormSeparateGroups) {
    DropAndLand({"12121.21212"});
    ASSERT_EQ(ComboGroups.Count(), 2);
    EXPECT_EQ(LastBanner(), "DOUBLE SILVER COMBO");
    EXPECT_EQ(RewardTextQueue.Count(), 1);
    // Ids are used up by empty runs too.
    EXPECT_EQ(ComboGroups.First()->GroupID, 1);
    EXPECT_EQ(ComboGroups.Last()->GroupID, 2);
    for (const Ref<PieceParticle>& r : FallingPieces)
        EXPECT_EQ(r->ComboGroup, r->columnx < 5 ? 1 : 2) << r->columnx;
}

TEST_F(Combos, SilverAndGoldTogetherShowOneMixedBanner) {
    DropAndLand({
        "12121.12121",
        "......21212",
        "......12121",
    });
    ASSERT_EQ(ComboGroups.Count(), 2);
    EXPECT_EQ(LastBanner(), "DOUBLE COMBO");
}

struct BannerRow {
    int silver, gold, size;
    const char* text;
    int loud;
};

TEST(ComboBanner, FollowsTheCountsOfSilverAndGoldGroups) {
    const BannerRow rows[] = {
        {0, 0, 0, "", 0},
        {1, 0, 5, "SILVER COMBO", 0},
        {1, 0, 9, "SILVER COMBO", 0},
        {1, 0, 10, "LARGE SILVER COMBO", 0},
        {2, 0, 5, "DOUBLE SILVER COMBO", 0},
        {3, 0, 5, "TRIPPLE SILVER COMBO", 0},
        {6, 0, 5, "MULTI SILVER COMBO", 0},
        {0, 1, 24, "GOLD COMBO", 0},
        {0, 1, 25, "LARGE GOLD COMBO", 1},
        {0, 1, 34, "LARGE GOLD COMBO", 1},
        {0, 1, 35, "MEGA GOLD COMBO", 1},
        {0, 2, 15, "DOUBLE GOLD COMBO", 1},
        {0, 3, 15, "TRIPPLE GOLD COMBO", 1},
        {0, 4, 15, "MULTI GOLD COMBO", 1},
        {1, 1, 15, "DOUBLE COMBO", 0},
        {1, 2, 15, "TRIPPLE COMBO", 1},
        {2, 1, 5, "TRIPPLE COMBO", 1},
        {2, 2, 5, "MULTI COMBO", 1},
    };
    for (const BannerRow& row : rows) {
        ComboBanner banner = ComboBannerFor(row.silver, row.gold, row.size);
        EXPECT_EQ(banner.text, row.text) << row.silver << " " << row.gold << " " << row.size;
        EXPECT_EQ(banner.loud, row.loud) << row.text;
    }
}

} // namespace
} // namespace wispwood
