#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/calm_effects.h"
#include "game/board/confetti.h"
#include "game/board/effect_images.h"
#include "tests/support/feedback_fixture.h"
#include "tests/support/headless_display.h"
#include <cmath>
#include <map>
#include <set>

namespace wispwood {
namespace {

const Text kBoom = "media\\sound\\confettiboom.ogg";

class Confetti : public test::FeedbackTest {
  protected:
    void SetUp() override {
        test::FeedbackTest::SetUp();
        // Four strips told apart by identity; nothing is drawn here.
        for (int i = 0; i < 4; ++i) EffectImages.Confetti.push_back(New<TImage>());
    }
    // Which strip (0 blue, 1 purple, 2 white, 3 black) each piece wears.
    static std::map<int, int> Colours(const ParticleGroup& group) {
        std::map<int, int> seen;
        for (const auto& p : group.AllParticles)
            for (int i = 0; i < 4; ++i)
                if (p->Image == EffectImages.Confetti[i]) seen[i] += 1;
        return seen;
    }
    static Ref<ConfettiExtraLogic> Logic(const Ref<Particle>& p) {
        return std::dynamic_pointer_cast<ConfettiExtraLogic>(p->ExtraLogic);
    }
};

TEST_F(Confetti, ACannonShotIs150PiecesOfAnyColourLeavingAgainstItsAngle) {
    ConfettiCannon(669, 596, 45, 1, 0);
    ASSERT_EQ(ConfettiLayerA.AllParticles.Count(), 150);
    EXPECT_EQ(ConfettiLayerB.AllParticles.Count(), 0);
    EXPECT_EQ(Colours(ConfettiLayerA).size(), 4u);
    int bursting = 0;
    for (const auto& p : ConfettiLayerA.AllParticles) {
        EXPECT_LT(p->dx, -3.5f); // up and to the left
        EXPECT_LT(p->dy, -3.5f);
        EXPECT_NEAR(std::hypot(p->dx, p->dy), 6, 1e-4);
        auto logic = Logic(p);
        ASSERT_TRUE(logic);
        EXPECT_EQ(logic->KeepCreating, 1);
        if (logic->Explosion) {
            bursting += 1;
            EXPECT_GE(logic->highvelocitytime, 90);
        }
    }
    EXPECT_GT(bursting, 75);

    ConfettiCannon(40, 596, 135, 0, 1);
    ASSERT_EQ(ConfettiLayerB.AllParticles.Count(), 150);
    for (const auto& p : ConfettiLayerB.AllParticles) EXPECT_GT(p->dx, 3.5f); // up and to the right
}

TEST_F(Confetti, AShotBoomsOnceAboutASecondLater) {
    ConfettiCannon(669, 596, 45, 1, 0);
    int sounders = 0;
    for (const auto& p : ConfettiLayerA.AllParticles) sounders += Logic(p)->PlayExplosion;
    EXPECT_EQ(sounders, 1);
    int boomedAt = 0;
    for (int i = 1; i <= 400; ++i) {
        UpdateConfetti();
        if (boomedAt == 0 && Played(kBoom)) boomedAt = i;
    }
    EXPECT_EQ(Played(kBoom), 1);
    EXPECT_GE(boomedAt, 91);
    EXPECT_LE(boomedAt, 101);
}

TEST_F(Confetti, BigBurstsUseEveryColourSmallOnesBlueAndWhiteThatFade) {
    ConfettiExplosion(300, 300, 0, 0, 200, 1.25f);
    EXPECT_EQ(ConfettiLayerA.AllParticles.Count(), 200);
    EXPECT_EQ(Colours(ConfettiLayerA).size(), 4u);
    for (const auto& p : ConfettiLayerA.AllParticles) EXPECT_EQ(Logic(p)->AlphaOUt, 0);

    ConfettiExplosion(120, 372, 0, 1, 200, 1.0f);
    const std::map<int, int> small = Colours(ConfettiLayerB);
    EXPECT_EQ(small.size(), 2u);
    EXPECT_GT(small.count(0), 0u);
    EXPECT_GT(small.count(2), 0u);
    for (const auto& p : ConfettiLayerB.AllParticles) EXPECT_EQ(Logic(p)->AlphaOUt, 1);
    // Bursts never boom.
    for (int i = 0; i < 300; ++i) UpdateConfetti();
    EXPECT_EQ(Played(kBoom), 0);
}

TEST_F(Confetti, EveryOtherBurstPieceComesBackAtTheTop) {
    ConfettiExplosion(400, 615, 1, 0, 10, 1.0f);
    std::vector<Ref<Particle>> pieces = ConfettiLayerA.AllParticles.ToArray();
    std::vector<bool> recycled(pieces.size(), false);
    for (int i = 0; i < 3000; ++i) {
        UpdateConfetti();
        for (size_t k = 0; k < pieces.size(); ++k)
            if (pieces[k]->y < 0) recycled[k] = true;
    }
    for (size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_EQ(recycled[k], k % 2 == 1) << k;
        if (k % 2 == 0) {
            EXPECT_GT(pieces[k]->y, 620) << k; // fell out and stays there
        }
    }
    EXPECT_EQ(ConfettiLayerA.AllParticles.Count(), 10);
}

TEST_F(Confetti, BurstsGoWhereTheCallerSays) {
    ParticleGroup board;
    ConfettiExplosion(10, 10, 0, 2, 30, 1.25f, &board);
    EXPECT_EQ(board.AllParticles.Count(), 30);
    ConfettiExplosion(10, 10, 0, 2, 30, 1.25f); // no board group given
    EXPECT_EQ(ConfettiLayerA.AllParticles.Count() + ConfettiLayerB.AllParticles.Count(), 0);
    ConfettiExplosion(10, 10, 0, 1, 5, 1.25f);
    EXPECT_EQ(ConfettiLayerB.AllParticles.Count(), 5);
    ResetConfetti();
    EXPECT_EQ(ConfettiLayerB.AllParticles.Count(), 0);
}

TEST_F(Confetti, AStillBurstStaysFinite) {
    // With no power every launch vector is zero; nothing may turn into NaN.
    ConfettiExplosion(200, 200, 1, 0, 20, 0.0f);
    for (int i = 0; i < 2000; ++i) UpdateConfetti();
    for (const auto& p : ConfettiLayerA.AllParticles) {
        EXPECT_TRUE(std::isfinite(p->x) && std::isfinite(p->y));
        EXPECT_TRUE(std::isfinite(p->dx) && std::isfinite(p->dy));
    }
}

TEST_F(Confetti, FallingPiecesKeepTheirLeastSidewaysSpeedEitherWay) {
    for (float dx : {-0.01f, 0.01f}) {
        Particle p;
        auto logic = New<ConfettiExtraLogic>();
        logic->highvelocitytime = -1;
        logic->SlowDown = 1;
        logic->Explosion = 100;                 // falling
        logic->NewDX = dx < 0 ? 0.08f : -0.08f; // last kept the other way
        p.StartScale = 1;
        p.FrameTickSpeed = 4;
        p.dx = dx;
        logic->Logic(p);
        EXPECT_FLOAT_EQ(p.dx, dx < 0 ? -0.08f : 0.08f);
        p.dx = dx; // slowed again, still the same way
        logic->Logic(p);
        EXPECT_FLOAT_EQ(p.dx, dx < 0 ? -0.08f : 0.08f);
        EXPECT_FLOAT_EQ(p.ay, 4.0f / 1000);
        EXPECT_FLOAT_EQ(p.Friction, 0.99f);
    }
}

TEST_F(Confetti, AFlutteringPieceEasesIntoADriftAndFalls) {
    ConfettiCannon(400, 500, 90, 0, 0);
    Ref<Particle> flutter;
    for (const auto& p : ConfettiLayerA.AllParticles)
        if (!Logic(p)->Explosion) flutter = p;
    ASSERT_TRUE(flutter);
    auto logic = Logic(flutter);
    const int flight = logic->highvelocitytime;
    for (int i = 0; i < flight; ++i) UpdateConfetti();
    EXPECT_EQ(logic->highvelocitytime, -1);
    EXPECT_EQ(logic->SlowDown, 1);
    for (int i = 0; i < 120; ++i) UpdateConfetti();
    EXPECT_EQ(logic->SlowDown, 0);
    EXPECT_FLOAT_EQ(flutter->dx, logic->NewDX);
    EXPECT_GT(flutter->ay, 0);
    const float y = flutter->y;
    for (int i = 0; i < 100; ++i) UpdateConfetti();
    EXPECT_GT(flutter->y, y);
}

TEST_F(Confetti, PiecesAreDrawnAndMissingStripsAreTolerated) {
    ASSERT_TRUE(test::OpenHeadlessDisplay());
    EffectImages.Confetti.clear();
    for (int colour : {0xff3060ff, 0xffa040ff, 0xffffffff, 0xff202020}) {
        auto strip =
            LoadGameFramedImage(test::SolidPixmap(32 * 32, 32, static_cast<int>(colour)), 32, 32, 0, 32);
        ASSERT_TRUE(strip);
        CentreImageHandle(strip);
        EffectImages.Confetti.push_back(strip);
    }
    ConfettiCannon(669, 596, 45, 1, 0);
    ConfettiExplosion(120, 372, 0, 1, 65, 1.0f);
    for (int i = 0; i < 20; ++i) UpdateConfetti();
    SetClsColor(0, 0, 0);
    Cls();
    RenderConfettiA();
    RenderConfettiB();
    EXPECT_EQ(TDrawState::Size(), 0);
    auto screen = test::GrabScreen();
    int lit = 0;
    for (const auto& p : ConfettiLayerA.AllParticles)
        if (p->x >= 0 && p->x < 800 && p->y >= 0 && p->y < 600)
            lit += (screen->ReadPixel(static_cast<int>(p->x), static_cast<int>(p->y)) & 0xffffff) != 0;
    EXPECT_GT(lit, 100);

    // Strips that never loaded: the pieces fly on, drawing nothing.
    EffectImages.Confetti.clear();
    ResetConfetti();
    ConfettiCannon(669, 596, 45, 1, 0);
    ConfettiExplosion(300, 300, 0, 0, 20, 1.25f);
    for (int i = 0; i < 200; ++i) UpdateConfetti();
    RenderConfettiA();
    EXPECT_EQ(ConfettiLayerA.AllParticles.Count(), 170);
}

// The victory rain in the calm mode: the same 150 pieces made from the same
// draws, flying the same way, but only a third of them drawn, and their
// flutter turning at the calm pace.
TEST_F(Confetti, ACalmRainDrawsAThirdOfItsPiecesFlutteringSlowlyFromTheSameDraws) {
    struct Shot {
        int32_t seed = 0;
        int drawn = 0;
        int frameChanges = 0;
        float x = 0;
    };
    auto shoot = [](bool calm) {
        ResetCalmEffects();
        CalmEffects = calm;
        ResetRandom();
        ConfettiLayerA.AllParticles.Clear();
        ConfettiCannon(669, 596, 45, 1, 0);
        Shot shot;
        std::vector<int> last;
        for (const auto& p : ConfettiLayerA.AllParticles) last.push_back(p->DrawnFrame());
        for (int i = 0; i < 300; ++i) {
            ConfettiLayerA.Update();
            size_t k = 0;
            for (const auto& p : ConfettiLayerA.AllParticles) {
                if (p->DrawnFrame() != last[k]) shot.frameChanges += 1;
                last[k++] = p->DrawnFrame();
            }
        }
        for (const auto& p : ConfettiLayerA.AllParticles) {
            shot.drawn += p->CalmShown ? 1 : 0;
            shot.x += p->x;
        }
        shot.seed = RandomSeed();
        return shot;
    };
    Shot full = shoot(false), calm = shoot(true);
    ResetCalmEffects();
    EXPECT_EQ(calm.seed, full.seed);
    EXPECT_FLOAT_EQ(calm.x, full.x);
    EXPECT_EQ(calm.drawn, 50);
    EXPECT_LT(calm.frameChanges, full.frameChanges * kCalmPace + 150);
    EXPECT_GT(calm.frameChanges, full.frameChanges * kCalmPace - 150);
}

} // namespace
} // namespace wispwood
