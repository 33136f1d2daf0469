#include "engine/io/random.h"
#include "framework/anim/ticker.h"
#include "framework/particles/glow_logic.h"
#include "framework/particles/shiny_effect.h"
#include "framework/particles/velocity_into_path.h"
#include "framework/scene/tickers.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class ShinyEffects : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRandom();
        ResetTickers();
    }
    void TearDown() override { ResetTickers(); }
};

TEST_F(ShinyEffects, SpritesSpreadTheirScalesAndTurnOppositeWays) {
    SeedRandom(4242);
    const bool side = RandomInt(1, 100) > 50;
    std::vector<double> draws;
    for (int i = 0; i < 2; ++i) {
        draws.push_back(RandomFloat(1, 360));
        draws.push_back(RandomFloat(0.2, 0.5));
    }
    SeedRandom(4242);
    ShinyEffect glint;
    glint.dRotation = 2;
    glint.CreateSprites();
    ASSERT_EQ(glint.Effects.size(), 2u);
    EXPECT_FLOAT_EQ(glint.Effects[0]->Scale, 1);
    EXPECT_FLOAT_EQ(glint.Effects[1]->Scale, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FLOAT_EQ(glint.Effects[i]->Rotation, static_cast<float>(draws[2 * i]));
        const float speed = static_cast<float>(draws[2 * i + 1]) * 2;
        EXPECT_FLOAT_EQ(glint.Effects[i]->dRotation, ((i == 1) == side) ? -speed : speed);
    }
    EXPECT_LT(glint.Effects[0]->dRotation * glint.Effects[1]->dRotation, 0);
}

TEST_F(ShinyEffects, LifeFadesInOverAHundredAndOutOverTheLastTwoHundred) {
    ShinyEffect glint;
    glint.CreateSprites();
    const float turn = glint.Effects[0]->dRotation;
    const float start = glint.Effects[0]->Rotation;
    EXPECT_FLOAT_EQ(glint.FadeAlpha(), 0);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(glint.Update(), 0);
    EXPECT_NEAR(glint.Effects[0]->Rotation, start + 50 * turn, 1e-3);
    EXPECT_FLOAT_EQ(glint.FadeAlpha(), 0.8f * 0.25f);
    for (int i = 0; i < 250; ++i) glint.Update();
    EXPECT_FLOAT_EQ(glint.FadeAlpha(), 0.8f * 0.75f);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(glint.Update(), 0);
    EXPECT_FLOAT_EQ(glint.FadeAlpha(), 0);
    EXPECT_EQ(glint.Update(), 1);
    glint.ShortenLife(10);
    EXPECT_FLOAT_EQ(glint.TotalLife, 390);
}

TEST_F(ShinyEffects, OneInstancePerIdentLengthensTheGlintAlreadyShowing) {
    ParticleGroup group;
    auto& area = *ShinyEffect::Singleton();
    area.OneInstance = 1;
    area.Alpha = 0.5f;
    auto glint = area.HandleEffectArea(100, 200, 50, 10, "window", nullptr, group);
    ASSERT_TRUE(glint);
    EXPECT_EQ(glint->ident, "window");
    EXPECT_FLOAT_EQ(glint->Alpha, 0.5f);
    EXPECT_EQ(glint->OneInstance, 0);
    EXPECT_TRUE(glint->x >= 100 && glint->x <= 150);
    EXPECT_TRUE(glint->y >= 200 && glint->y <= 210);
    EXPECT_EQ(group.AllParticles.Count(), 1);
    EXPECT_EQ(area.HandleEffectArea(100, 200, 50, 10, "window", nullptr, group), nullptr);
    EXPECT_FLOAT_EQ(glint->TotalLife, 401);
    EXPECT_TRUE(area.HandleEffectArea(0, 0, 5, 5, "door", nullptr, group));
    EXPECT_EQ(group.AllParticles.Count(), 2);
    area.OneInstance = 0;
    area.Alpha = 0.8f;
}

TEST_F(ShinyEffects, WithoutOneInstanceTheNamedTickerDecides) {
    ParticleGroup group;
    auto& area = *ShinyEffect::Singleton();
    int fired = 0;
    for (int i = 0; i < 2000; ++i) {
        UpdateCount = i;
        if (area.HandleEffectArea(0, 0, 10, 10, "tree", nullptr, group)) ++fired;
    }
    UpdateCount = 0;
    // Delays of 350-500 updates, with a random head start.
    EXPECT_GE(fired, 4);
    EXPECT_LE(fired, 6);
    EXPECT_EQ(group.AllParticles.Count(), fired);
}

TEST_F(ShinyEffects, AnEffectParticleLivesUntilItsEffectEnds) {
    ParticleGroup group;
    auto glint = New<ShinyEffect>();
    glint->TotalLife = 3;
    auto carrier = EffectParticle::CreateFromEffect(glint);
    carrier->dx = 5; // its own motion does not run
    group.AddParticle(carrier);
    for (int i = 0; i < 3; ++i) group.Update();
    EXPECT_EQ(group.AllParticles.Count(), 1);
    EXPECT_FLOAT_EQ(carrier->x, 0);
    EXPECT_FLOAT_EQ(carrier->CurrentLife, 0);
    group.Update();
    EXPECT_EQ(group.AllParticles.Count(), 0);
}

TEST(GlowLogic, StaysBetweenLowAndHighAndMoves) {
    GlowLogic glow;
    float lowest = 1, highest = 0;
    for (int i = 0; i < 5000; ++i) {
        glow.Update();
        const float v = glow.Glow();
        ASSERT_GE(v, glow.Low);
        ASSERT_LE(v, glow.High);
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_LT(lowest, 0.35f);
    EXPECT_GT(highest, 0.65f);
    // At t = 0 every term but the last is 0: 1 + sin(8 deg) / 6.
    glow.t = 0;
    EXPECT_NEAR(glow.Glow(), 0.2f + (1 + std::sin(8 * 3.14159265 / 180) / 6) / 1.64f * 0.6f, 1e-5);
}

TEST(VelocityIntoPath, LeavesAlongItsVelocityAndArrivesExactly) {
    auto path = VelocityIntoPath::Create(10, 20, 110, 220);
    path->dx = -3;
    path->dy = 0;
    EXPECT_EQ(path->Pos(), (std::vector<float>{10, 20}));
    path->Update();
    auto early = path->Pos();
    EXPECT_LT(early[0], 10); // still moving away, against the target
    for (int i = 1; i < 100; ++i) path->Update();
    EXPECT_EQ(path->Finished(), 0);
    EXPECT_EQ(path->Pos(), (std::vector<float>{110, 220}));
    path->Update();
    EXPECT_EQ(path->Finished(), 1);
    EXPECT_EQ(path->Pos(), (std::vector<float>{110, 220}));

    auto curved = VelocityIntoPath::Create(0, 0, 100, 50);
    curved->SquareSquare = 1;
    curved->dx = 40; // the curved flight ignores the drift
    for (int i = 0; i < 50; ++i) curved->Update();
    EXPECT_EQ(curved->Pos(), (std::vector<float>{50, 25}));
}

} // namespace
} // namespace wispwood
