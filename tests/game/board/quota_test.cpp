#include "engine/draw/image.h"
#include "framework/particles/effect.h"
#include "game/board/board_sound.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/quota.h"
#include "game/board/quota_images.h"
#include "tests/support/ascii_board.h"
#include <algorithm>
#include <cmath>

namespace wispwood {
namespace {

using test::BuildBoard;

class QuotaBottle : public test::BoardTest {
  protected:
    std::vector<Text> sounds;
    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
        CurrentLevel = New<Level>();
        ResetQuota(1);
    }
    int Jingles() const { return static_cast<int>(std::count(sounds.begin(), sounds.end(), kJingle)); }
    static constexpr const char* kJingle = "media\\jingles\\levelcomplete.ogg";
};

TEST_F(QuotaBottle, TheFillSinksByAQuarterPercentAndClimbsBackByHalfAPercent) {
    QuotaCollected = 50;
    UpdateQuota();
    EXPECT_EQ(QuotaRemaining, 50);
    EXPECT_FLOAT_EQ(QuotaLevel, 0.9975f);
    for (int i = 0; i < 198; ++i) UpdateQuota();
    EXPECT_NEAR(QuotaLevel, 0.5025f, 1e-4);
    UpdateQuota();
    UpdateQuota();
    EXPECT_FLOAT_EQ(QuotaLevel, 0.5f); // the last small gap closes at once
    EXPECT_EQ(QuotaDisplayCatchingUp(), 0);

    // A drained bottle empties twice as fast as it filled.
    QuotaCollected = 0;
    UpdateQuota();
    EXPECT_FLOAT_EQ(QuotaLevel, 0.505f);
    EXPECT_EQ(QuotaDisplayCatchingUp(), 1);
}

TEST_F(QuotaBottle, AQuotaOfZeroIsCompleteAndDividesAsOne) {
    CurrentLevel->_Quota = 0;
    ResetQuota(1);
    UpdateQuota();
    EXPECT_TRUE(std::isfinite(QuotaLevel));
    EXPECT_FLOAT_EQ(QuotaLevel, 0.9975f);
    SetQuotaDisplay();
    EXPECT_EQ(QuotaLevel, 0.0f);
    EXPECT_EQ(QuotaReached(), 1);
    EXPECT_EQ(QuotaDivisor(), 1);
}

TEST_F(QuotaBottle, ARestoredGameShowsTheBottleInWholeNumbers) {
    QuotaCollected = 40;
    SetQuotaDisplay();
    EXPECT_EQ(QuotaRemaining, 60);
    EXPECT_EQ(QuotaLevel, 0.0f);
    QuotaCollected = 0;
    SetQuotaDisplay();
    EXPECT_EQ(QuotaLevel, 1.0f);
}

TEST_F(QuotaBottle, TheLastDropPlaysTheJingleOnceAndStartsTheRings) {
    QuotaCollected = 98;
    CountQuotaDrop(1);
    EXPECT_EQ(Jingles(), 0);
    EXPECT_EQ(QuotaDrops.AllParticles.Count(), 0);
    CountQuotaDrop(5);
    EXPECT_EQ(QuotaCollected, 100);
    EXPECT_EQ(Jingles(), 1);
    EXPECT_EQ(CurrentLevel->DoneQuotaBottleEffect, 1);
    ASSERT_EQ(QuotaDrops.AllParticles.Count(), 4);
    const Particle& sweep = *QuotaDrops.AllParticles.First();
    EXPECT_EQ(sweep.Delayed, 30);
    EXPECT_FLOAT_EQ(sweep.EndScale, 30);
    EXPECT_EQ(sweep.TotalLife, 140);
    EXPECT_TRUE(dynamic_cast<KillPiecesUnderNeath*>(sweep.ExtraLogic.get()));
    EXPECT_EQ(QuotaRingSpreading(), 1);
    CountQuotaDrop(1);
    EXPECT_EQ(Jingles(), 1);
    EXPECT_EQ(QuotaDrops.AllParticles.Count(), 4);
}

TEST_F(QuotaBottle, TheRingTurnsTheBoardToGoldFromTheBottleSideWithinItsLife) {
    QuotaImages.DoneThin = CreateImage(64, 64, 1, 0);
    BuildBoard({"1234567012", "2345670123", "3456701234"});
    QuotaCollected = 99;
    CountQuotaDrop(1);
    auto gold = [](int x, int y) { return PieceAt(x, y)->IsGold; };
    for (int i = 0; i < 30; ++i) QuotaDrops.Update();
    EXPECT_EQ(CountPieces(), 30);
    int goldNow = 0;
    ForEachPiece([&](const Ref<Piece>& p) { goldNow += p->IsGold; });
    EXPECT_EQ(goldNow, 0); // the sweep waits 30 updates

    int updates = 30;
    while (!gold(9, 0) && updates < 300) {
        QuotaDrops.Update();
        ++updates;
    }
    EXPECT_EQ(gold(0, 2), 0); // the far side is not reached yet
    while (QuotaRingSpreading() && updates < 300) {
        QuotaDrops.Update();
        ++updates;
    }
    EXPECT_LE(updates, 30 + 141);
    ForEachPiece([](const Ref<Piece>& p) { EXPECT_EQ(p->IsGold, 1) << p->x << "," << p->y; });
}

TEST_F(QuotaBottle, TheBottleGlintsOnlyWhenFewerThanAHundredAreMissing) {
    auto glints = [] {
        int n = 0;
        for (const Ref<Particle>& p : QuotaDrops.AllParticles)
            n += dynamic_cast<EffectParticle*>(p.get()) != nullptr;
        return n;
    };
    CurrentLevel->_Quota = 150;
    ResetQuota(1);
    int seen = 0;
    for (int i = 0; i < 1200; ++i) {
        UpdateQuota();
        seen += glints();
    }
    EXPECT_EQ(seen, 0);
    QuotaCollected = 60;
    for (int i = 0; i < 1200; ++i) {
        UpdateQuota();
        seen += glints();
    }
    EXPECT_GT(seen, 0);
}

} // namespace
} // namespace wispwood
