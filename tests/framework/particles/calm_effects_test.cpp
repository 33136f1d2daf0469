// What the calm mode draws: a third of the sparkles, steady and slow; dim,
// blended flashes; no brightening. And what it must not change: the
// particles' lives and the random numbers they draw.
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/calm_effects.h"
#include "framework/particles/particle_logic.h"
#include "tests/support/headless_display.h"
#include <gtest/gtest.h>
#include <set>

namespace wispwood {
namespace {

using test::GrabScreen;

class CalmDrawing : public test::HeadlessDisplayTest {
  protected:
    Ref<TImage> grey;
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        ResetCalmEffects();
        TDrawState::Reset();
        SetClsColor(0, 0, 0);
        Cls();
        grey = LoadGameImage(test::SolidPixmap(8, 8, static_cast<int>(0xff646464u)), 0);
        ASSERT_TRUE(grey);
    }
    void TearDown() override {
        ResetCalmEffects();
        HeadlessDisplayTest::TearDown();
    }
    Ref<Particle> Square(ParticleGroup& group, float x, float y) {
        auto p = group.AddParticle();
        p->Image = grey;
        p->TotalLife = 100;
        p->x = x;
        p->y = y;
        return p;
    }
    // The red channel of the screen at (x, y) after drawing the group.
    int RedAt(ParticleGroup& group, int x, int y) {
        Cls();
        group.Render();
        return (GrabScreen()->ReadPixel(x, y) >> 16) & 255;
    }
};

TEST_F(CalmDrawing, OneSparkleInThreeIsDrawnAndPlainParticlesAllAre) {
    ParticleGroup group;
    std::vector<Ref<Particle>> sparkles;
    for (int i = 0; i < 6; ++i) {
        sparkles.push_back(Square(group, 10.0f + 20 * static_cast<float>(i), 10));
        MarkSparkle(*sparkles.back());
    }
    Ref<Particle> plain = Square(group, 10, 40);
    auto drawn = [&] {
        Cls();
        group.Render();
        Ref<TPixmap> screen = GrabScreen();
        int n = 0;
        for (int i = 0; i < 6; ++i) n += (screen->ReadPixel(12 + 20 * i, 12) & 0xffffff) != 0 ? 1 : 0;
        EXPECT_NE(screen->ReadPixel(12, 42) & 0xffffff, 0) << "the plain particle";
        return n;
    };
    EXPECT_EQ(drawn(), 6);
    CalmEffects = true;
    EXPECT_EQ(drawn(), 2);
    EXPECT_TRUE(sparkles[0]->CalmShown);
    EXPECT_TRUE(sparkles[3]->CalmShown);
}

TEST_F(CalmDrawing, FlashesAreDimAndBlendedAndNothingIsBrightened) {
    ParticleGroup group;
    Ref<Particle> flash = Square(group, 10, 10);
    flash->StartAlpha = flash->EndAlpha = 6;
    flash->Blend = LIGHTBLEND;
    MarkFlash(*flash);
    // Added, and added again for the brightening beyond an alpha of 1.
    EXPECT_EQ(RedAt(group, 12, 12), 200);
    CalmEffects = true;
    EXPECT_NEAR(RedAt(group, 12, 12), 100 * kCalmFlashAlpha, 2);
    // Past an alpha of 1 a picture brightens by adding itself again; the
    // calm mode draws it at its own brightness.
    flash->Role = EffectRole::Plain;
    flash->Blend = ALPHABLEND;
    flash->StartAlpha = flash->EndAlpha = 1.5f;
    EXPECT_NEAR(RedAt(group, 12, 12), 100, 2);
    CalmEffects = false;
    EXPECT_NEAR(RedAt(group, 12, 12), 150, 2);
}

// Twinkles: the same lives and draws in both modes, but a calm one neither
// flickers nor drifts at its full pace.
TEST(CalmTwinkles, DrawTheSameNumbersButHoldStillerAndSteady) {
    struct Run {
        int32_t seed;
        std::set<float> sizes;
        float travelled;
        float life;
    };
    auto run = [](bool calm) {
        ResetCalmEffects();
        CalmEffects = calm;
        ResetRandom();
        ParticleGroup group;
        Ref<Particle> p = AddTwinkle(group, 100, 100, 0, nullptr, 5, 1);
        p->dx = 1;
        Run r{0, {}, 0, p->TotalLife};
        for (int i = 0; i < 40; ++i) {
            group.Update();
            r.sizes.insert(p->xscale);
        }
        r.travelled = p->x - 100;
        r.seed = RandomSeed();
        return r;
    };
    Run full = run(false), calm = run(true);
    ResetCalmEffects();
    EXPECT_EQ(calm.seed, full.seed);
    EXPECT_EQ(calm.life, full.life);
    EXPECT_GT(full.sizes.size(), 2u);
    EXPECT_EQ(calm.sizes.size(), 1u);
    EXPECT_NEAR(full.travelled, 40, 0.01);
    EXPECT_NEAR(calm.travelled, 40 * kCalmPace, 0.01);
}

TEST(CalmSparkles, TurnTheirFramesAtTheCalmPaceWhileTheirOwnFrameKeepsTime) {
    ResetCalmEffects();
    Particle p;
    MarkSparkle(p);
    p.TotalLife = 1000;
    p.StartFrame = 0;
    p.EndFrame = 31;
    p.CurrentFrame = 5;
    p.FrameTickSpeed = 2;
    std::set<int> full, calm;
    for (int i = 0; i < 100; ++i) {
        p.Update();
        full.insert(p.DrawnFrame());
        CalmEffects = true;
        calm.insert(p.DrawnFrame());
        CalmEffects = false;
    }
    EXPECT_EQ(p.CurrentFrame, (5 + 50) % 32); // the rules' frame, as ever
    EXPECT_EQ(full.size(), 32u);
    // 100 updates at the calm pace turn 17 frames, from where it stood.
    EXPECT_EQ(calm.size(), static_cast<size_t>(100 * kCalmPace / 2) + 1);
    EXPECT_EQ(*calm.begin(), 5);
    ResetCalmEffects();
}

} // namespace
} // namespace wispwood
