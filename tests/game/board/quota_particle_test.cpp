#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/clear_pass.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/quota.h"
#include "game/board/selection.h"
#include "game/level/level_end.h"
#include "tests/support/ascii_board.h"
#include <cmath>

namespace wispwood {
namespace {

using test::BuildBoard;

class QuotaFlights : public test::BoardTest {
  protected:
    std::vector<Text> unheard;

    void SetUp() override {
        test::BoardTest::SetUp();
        // The bottle's sounds are not what these tests look at.
        RecordBoardSounds(&unheard);
        CurrentLevel = New<Level>();
        ResetQuota(1);
    }
    // Runs the bottle until every particle has landed and every drop has
    // reached the liquid. Returns the updates it took.
    int Settle() {
        int updates = 0;
        while ((QuotaParticles.Count() > 0 || DropsFalling()) && updates < 2000) {
            UpdateQuota();
            ++updates;
        }
        return updates;
    }
    static bool DropsFalling() {
        for (const Ref<Particle>& p : QuotaDrops.AllParticles)
            if (dynamic_cast<ParticleLogicQuotaDrop*>(p->ExtraLogic.get())) return true;
        return false;
    }
    static void FinishBursts() {
        for (int i = 0; i < 500 && BoardEffects.AllParticles.Count() > 0; ++i) BoardEffects.Update();
    }
};

TEST_F(QuotaFlights, AMatchedPieceCountsTwiceARemovedOneOnceAndOthersNever) {
    // The walls hold the second row up once the pair has gone.
    BuildBoard({"11WW", "..2G"});
    PieceAt(0, 0)->MarkForDestruction = 1;
    PieceAt(1, 0)->MarkForDestruction = 1;
    ClearMarked();
    FinishBursts();
    EXPECT_EQ(QuotaParticles.Count(), 4);
    Settle();
    EXPECT_EQ(QuotaCollected, 4);

    // Removed without a burst (the stuck recovery, a vine): once.
    ResetQuotaParticleCount();
    PieceAt(2, 1)->RemoveFromBoard(0);
    Settle();
    EXPECT_EQ(QuotaCollected, 5);

    // A gem tile is no coloured piece; a piece dropping out of the grid
    // leaves without its particle; a gold piece pays points instead.
    PieceAt(3, 1)->RemoveFromBoard(0);
    BuildBoard({"33"});
    PieceAt(0, 0)->NoParticle = 1;
    PieceAt(0, 0)->RemoveFromBoard(0);
    PieceAt(1, 0)->IsGold = 1;
    PieceAt(1, 0)->RemoveFromBoard(0);
    EXPECT_EQ(QuotaParticles.Count(), 0);
    Settle();
    EXPECT_EQ(QuotaCollected, 5);
}

TEST_F(QuotaFlights, AnUnforcedParticleThatWouldOpenAClearPassIsSkipped) {
    BuildBoard({"1"});
    Piece& p = *PieceAt(0, 0);
    ResetQuotaParticleCount();
    PieceQuotaParticle(p, 0);
    EXPECT_EQ(QuotaParticles.Count(), 0);
    EXPECT_EQ(QuotaParticleCount, 1);
    PieceQuotaParticle(p, 0);
    EXPECT_EQ(QuotaParticles.Count(), 1);
}

TEST_F(QuotaFlights, ACombosParticleCarriesItsSizeAndTheCountStopsAtTheQuota) {
    ComboQuotaParticle(300, 400, 1, 15);
    const QuotaParticle& q = *QuotaParticles.First();
    EXPECT_EQ(q.Value, 15);
    EXPECT_EQ(q.Combo, 2);
    EXPECT_FLOAT_EQ(q.Scale, 1.8f);
    Settle();
    EXPECT_EQ(QuotaCollected, 15);
    EXPECT_EQ(QuotaReached(), 0);

    // 43 matched pieces more complete a quota of 100, with one to spare.
    BuildBoard({"1"});
    for (int i = 0; i < 86; ++i) PieceQuotaParticle(*PieceAt(0, 0), 1);
    Settle();
    EXPECT_EQ(QuotaCollected, 100);
    EXPECT_EQ(QuotaReached(), 1);
    QuotaCollected = 130;
    UpdateQuota();
    EXPECT_EQ(QuotaCollected, 100);
}

TEST_F(QuotaFlights, APieceArrivesAfter100UpdatesAComboAfter125) {
    LaunchQuotaParticle(200, 300, 1, 0);
    int updates = 0;
    while (QuotaParticles.Count() > 0 && updates < 1000) {
        UpdateQuota();
        ++updates;
    }
    EXPECT_EQ(updates, 100);

    LaunchQuotaParticle(200, 300, 5, 1);
    updates = 0;
    while (QuotaParticles.Count() > 0 && updates < 1000) {
        UpdateQuota();
        ++updates;
    }
    EXPECT_EQ(updates, 125);
}

TEST_F(QuotaFlights, ParticlesOfARestartedLevelAndDropsDuringGameOverAddNothing) {
    LaunchQuotaParticle(200, 300, 1, 0);
    for (int i = 0; i < 50; ++i) UpdateQuota();
    ResetQuota(1);
    LaunchQuotaParticle(200, 300, 1, 0); // one of the new level
    Settle();
    EXPECT_EQ(QuotaCollected, 1);

    // A drop already falling when the level restarts counts for nothing.
    LaunchQuotaParticle(200, 300, 1, 0);
    for (int i = 0; i < 100; ++i) UpdateQuota();
    ASSERT_TRUE(DropsFalling());
    ResetQuota(1);
    Settle();
    EXPECT_EQ(QuotaCollected, 0);

    GameOverSequence = New<GameOver>();
    LaunchQuotaParticle(200, 300, 1, 0);
    Settle();
    EXPECT_EQ(QuotaCollected, 0);
}

TEST_F(QuotaFlights, TheLaunchLeadsAwayFromTheClickAndFromTheClickItselfUpwards) {
    LastClearX = 100;
    LastClearY = 100;
    const QuotaParticle& away = *LaunchQuotaParticle(130, 140, 1, 0);
    EXPECT_FLOAT_EQ(away.realdx, 3);
    EXPECT_FLOAT_EQ(away.realdy, 4);

    const QuotaParticle& still = *LaunchQuotaParticle(100, 100, 1, 0);
    EXPECT_EQ(still.realdx, 0);
    EXPECT_FLOAT_EQ(still.realdy, -5);

    // A combo always leaves up and to the left.
    const QuotaParticle& combo = *LaunchQuotaParticle(130, 140, 8, 1);
    EXPECT_FLOAT_EQ(combo.realdx, -3);
    EXPECT_FLOAT_EQ(combo.realdy, -4);

    for (int i = 0; i < 200; ++i) UpdateQuota();
    EXPECT_EQ(QuotaParticles.Count(), 0);
    EXPECT_EQ(QuotaCollected, 10); // every one of them flew and landed
}

} // namespace
} // namespace wispwood
