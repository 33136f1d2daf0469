#include "game/board/board.h"
#include "game/board/extra_life.h"
#include "game/board/extra_life_flight.h"
#include "game/board/panel_particles.h"
#include "game/board/reward_text.h"
#include "game/services/profiles.h"
#include "tests/support/feedback_fixture.h"

namespace wispwood {
namespace {

class ExtraLifeFlight : public test::FeedbackTest {
  protected:
    void SetUp() override {
        test::FeedbackTest::SetUp();
        test::BuildBoard({"0123456701", "1"});
        ASSERT_TRUE(CreateProfile("Ann"));
        SelectProfileByName("Ann");
        ASSERT_TRUE(CurrentProfile);
        CurrentProfile->Lives = 3;
    }
    // Runs until no flight is left (at most 400 updates); the last drawn
    // position of the given flight before it went.
    static void RunOut(const Ref<ExtraLifeParticle>& watch, float& lastx, float& lasty) {
        for (int i = 0; i < 400 && !ExtraLifeFlights.IsEmpty(); ++i) {
            UpdateExtraLifeFlights();
            if (ExtraLifeFlights.Contains(watch)) {
                lastx = watch->drawx;
                lasty = watch->drawy;
            }
        }
    }
};

TEST_F(ExtraLifeFlight, APairSplitsToTheCornersAndTheLeftOneAwardsTheLife) {
    auto right = CreateExtraLifeFlight(300, 200);
    auto left = CreateExtraLifeFlight(100, 200);
    PairExtraLifeFlights();
    EXPECT_EQ(left->targetx, 32 - BoardLeft());
    EXPECT_EQ(right->targetx, 600 - BoardLeft());
    EXPECT_EQ(left->targety, 16);
    EXPECT_EQ(left->Onleft, 1);
    EXPECT_EQ(right->Onleft, 0);

    float lx = 0, ly = 0;
    RunOut(left, lx, ly);
    EXPECT_TRUE(ExtraLifeFlights.IsEmpty());
    EXPECT_NEAR(lx, 32 - BoardLeft(), 6);
    EXPECT_NEAR(ly, 16, 6);
    EXPECT_EQ(CurrentProfile->Lives, 4);
    EXPECT_EQ(RewardTextQueue.Count(), 1);
    // The sparkles round the lives display, some of them held back.
    ASSERT_EQ(PanelParticles.AllParticles.Count(), 60);
    int delayed = 0;
    for (const auto& s : PanelParticles.AllParticles) {
        EXPECT_GE(s->Delayed, 0);
        EXPECT_LE(s->Delayed, 80);
        EXPECT_NEAR(s->x, 725, 64);
        EXPECT_NEAR(s->y, 130, 24);
        delayed += s->Delayed > 0;
    }
    EXPECT_GT(delayed, 30);
}

TEST_F(ExtraLifeFlight, ArrivalSpraysPointTowardsTheMiddle) {
    CreateExtraLifeFlight(300, 200);
    CreateExtraLifeFlight(100, 200);
    PairExtraLifeFlights();
    for (int i = 0; i < 400 && !ExtraLifeFlights.IsEmpty(); ++i) {
        const int before = ExtraLifeSparkles.AllParticles.Count();
        const int flights = ExtraLifeFlights.Count();
        UpdateExtraLifeFlights();
        if (ExtraLifeFlights.Count() == flights) continue;
        // Both land in the same update; each spray of 20 goes inwards.
        std::vector<Ref<Particle>> all = ExtraLifeSparkles.AllParticles.ToArray();
        std::vector<Ref<Particle>> fresh(all.begin() + before, all.end());
        int inwardsRight = 0, inwardsLeft = 0;
        for (const auto& s : fresh) {
            if (s->dx >= 1.5f) inwardsRight += 1;
            if (s->dx <= -1.5f) inwardsLeft += 1;
        }
        EXPECT_GT(inwardsRight, 10); // from the left corner
        EXPECT_GT(inwardsLeft, 10);  // from the right corner
    }
    EXPECT_EQ(CurrentProfile->Lives, 4);
}

TEST_F(ExtraLifeFlight, ALoneFlightGoesToTheBoardsLeftEdgeAndAwardsNothing) {
    auto lone = CreateExtraLifeFlight(200, 300);
    PairExtraLifeFlights();
    EXPECT_EQ(lone->targetx, 0);
    EXPECT_EQ(lone->Onleft, 0);
    float lx = 0, ly = 0;
    RunOut(lone, lx, ly);
    EXPECT_NEAR(lx, 0, 6);
    EXPECT_NEAR(ly, 16, 6);
    EXPECT_EQ(CurrentProfile->Lives, 3);
    EXPECT_EQ(RewardTextCount(), 0);
    EXPECT_EQ(PanelParticles.AllParticles.Count(), 0);
}

TEST_F(ExtraLifeFlight, FlightsAlreadyUnderWayAreNotPairedAgain) {
    auto early = CreateExtraLifeFlight(500, 300);
    auto partner = CreateExtraLifeFlight(100, 300);
    PairExtraLifeFlights();
    UpdateExtraLifeFlights();
    auto late = CreateExtraLifeFlight(50, 300);
    PairExtraLifeFlights();
    EXPECT_EQ(early->Onleft, 0);
    EXPECT_EQ(partner->Onleft, 1);
    EXPECT_EQ(late->targetx, 0);
}

TEST_F(ExtraLifeFlight, AwardingWithoutAPlayerOnlySparkles) {
    SetCurrentProfile(nullptr);
    GainLife();
    EXPECT_EQ(PanelParticles.AllParticles.Count(), 60);
}

TEST_F(ExtraLifeFlight, ResetForgetsFlightsAndSparkles) {
    CreateExtraLifeFlight(100, 100);
    UpdateExtraLifeFlights();
    UpdateExtraLifeFlights();
    UpdateExtraLifeFlights();
    ASSERT_GT(ExtraLifeSparkles.AllParticles.Count(), 0);
    ResetExtraLifeFlights();
    EXPECT_TRUE(ExtraLifeFlights.IsEmpty());
    EXPECT_EQ(ExtraLifeSparkles.AllParticles.Count(), 0);
}

} // namespace
} // namespace wispwood
