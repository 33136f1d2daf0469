#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/board/panel_particles.h"
#include "game/level/score_flight.h"
#include "tests/support/feedback_fixture.h"
#include "tests/support/headless_display.h"

namespace wispwood {
namespace {

class ScoreFlight : public test::FeedbackTest {
  protected:
    static void Run(int updates, int onlyDuringTally = 0) {
        for (int i = 0; i < updates; ++i) UpdateScoreFlights(onlyDuringTally);
    }
};

TEST_F(ScoreFlight, LandsOnThePanelAfter131UpdatesAndPaysOnce) {
    auto flight = AddToScoreParticle::Create(100, 400, 700, 50);
    EXPECT_EQ(Played("media\\sound\\scoremagicstart.ogg"), 1);
    EXPECT_EQ(flight->value, 1000);
    flight->value = 2500;
    ASSERT_EQ(ScoreFlights.Count(), 1);

    Run(130);
    EXPECT_EQ(ScoreFlights.Count(), 1);
    EXPECT_EQ(GameScore, 0);
    // By then it is drawn at the end of its eased path.
    EXPECT_NEAR(flight->x, 700, 0.01);
    EXPECT_NEAR(flight->y, 50, 0.01);
    const int trail = PanelParticles.AllParticles.Count();
    EXPECT_GT(trail, 130 / 7);

    Run(1);
    EXPECT_EQ(ScoreFlights.Count(), 0);
    EXPECT_EQ(GameScore, 2500);
    EXPECT_EQ(Played("media\\sound\\scoremagicdone.ogg"), 1);
    EXPECT_EQ(PanelParticles.AllParticles.Count(), trail + 15);

    // Whoever still holds it cannot make it pay again.
    flight->Update();
    Run(100);
    EXPECT_EQ(GameScore, 2500);
}

TEST_F(ScoreFlight, LeavesAlongTheFreeFlightBeforeTheEasedPath) {
    auto flight = AddToScoreParticle::Create(400, 300, 700, 50);
    Run(10);
    // The free point accelerates left; the drawn ball starts out with it.
    EXPECT_LT(flight->realx, 400 - 10);
    EXPECT_LT(flight->x, 400);
}

TEST_F(ScoreFlight, WaitsWhileOnlyTheTallyMayMoveIt) {
    auto flight = AddToScoreParticle::Create(100, 400, 700, 50);
    Run(200, 1);
    EXPECT_EQ(flight->ticks, 0);
    EXPECT_EQ(ScoreFlights.Count(), 1);
    Run(5, 0);
    EXPECT_EQ(flight->ticks, 5);
}

TEST_F(ScoreFlight, CashingInPaysEveryFlightInTheAirExactlyOnce) {
    auto a = AddToScoreParticle::Create(100, 400, 700, 50);
    a->value = 300;
    Run(50);
    auto b = AddToScoreParticle::Create(100, 400, 700, 50);
    b->value = 700;
    Run(90); // a has landed; b is in the air
    EXPECT_EQ(GameScore, 300);
    ASSERT_EQ(ScoreFlights.Count(), 1);

    EXPECT_EQ(CashInScoreFlights(), 700);
    EXPECT_EQ(GameScore, 1000);
    EXPECT_EQ(ScoreFlights.Count(), 0);
    b->Update();
    Run(200);
    EXPECT_EQ(CashInScoreFlights(), 0);
    EXPECT_EQ(GameScore, 1000);
}

TEST_F(ScoreFlight, ResetDropsFlightsUnpaid) {
    AddToScoreParticle::Create(100, 400, 700, 50);
    ResetScoreFlights();
    Run(200);
    EXPECT_EQ(GameScore, 0);
    EXPECT_EQ(ScoreFlights.Count(), 0);
}

TEST_F(ScoreFlight, TheBallIsDrawnWhereItFlies) {
    ASSERT_TRUE(test::OpenHeadlessDisplay());
    EffectImages.AddToScore = LoadGameImage(test::SolidPixmap(16, 16, static_cast<int>(0xff80c0ffu)));
    ASSERT_TRUE(EffectImages.AddToScore);
    CentreImageHandle(EffectImages.AddToScore);
    auto flight = AddToScoreParticle::Create(100, 400, 700, 50);
    Run(130);
    SetClsColor(0, 0, 0);
    Cls();
    RenderScoreFlights();
    auto screen = test::GrabScreen();
    EXPECT_NE(screen->ReadPixel(700, 50) & 0xffffff, 0);
    EXPECT_EQ(screen->ReadPixel(100, 400) & 0xffffff, 0);

    // Without its picture the flight draws nothing and still lands.
    EffectImages.AddToScore = nullptr;
    RenderScoreFlights();
    Run(1);
    EXPECT_EQ(GameScore, 1000);
}

} // namespace
} // namespace wispwood
