#include "game/board/confetti.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/particles/calm_effects.h"
#include "framework/scene/tunables.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include <cmath>
#include <numbers>

namespace wispwood {

ParticleGroup ConfettiLayerA;
ParticleGroup ConfettiLayerB;

namespace {

enum ConfettiColour { Blue = 0, Purple = 1, White = 2, Black = 3 };

// Null when the strips are not loaded; the pieces still move.
Ref<TImage> Strip(int colour) {
    const auto& strips = EffectImages.Confetti;
    return colour < static_cast<int>(strips.size()) ? strips[colour] : nullptr;
}

float Radians(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180.0f;
}

// A piece falls faster the larger it is and the slower it flutters.
float FallAcceleration(const Particle& p) {
    return std::sqrt(p.StartScale) * static_cast<float>(p.FrameTickSpeed) / 1000.0f;
}

Ref<ConfettiExtraLogic> SetUpPiece(ParticleGroup& group, const Ref<TImage>& image, float x, float y,
                                   Ref<Particle>& out) {
    Ref<Particle> p = group.AddParticle();
    p->Image = image;
    p->x = x;
    p->y = y;
    p->StartScale = p->EndScale = static_cast<float>(RandomFloat(0.8, 1.4));
    auto logic = New<ConfettiExtraLogic>();
    p->ExtraLogic = logic;
    p->TotalLife = 1000000; // never dies of age
    p->Rotation = static_cast<float>(RandomFloat(-10, 10));
    p->StartFrame = 0;
    p->EndFrame = 31;
    p->CurrentFrame = RandomInt(0, 31);
    p->FrameTickSpeed = RandomInt(2, 5);
    MarkSparkle(*p);
    out = p;
    return logic;
}

} // namespace

ConfettiExtraLogic::ConfettiExtraLogic() {
    Explosion = RandomInt(1, 4) != 1 ? 1 : 0;
    highvelocitytime = RandomInt(Explosion ? 90 : 1, 100);
    Ticks = RandomInt(1, 10000);
    SlowDownTicks = RandomInt(150, 300);
    dAlpha = static_cast<float>(RandomFloat(0.005, 0.015));
}

void ConfettiExtraLogic::KeepMinimumSpeed(Particle& p) {
    // The least speed takes the sign of the motion; compared by size, so it
    // holds for pieces drifting left as well as right.
    if (std::fabs(p.dx) < std::fabs(NewDX)) {
        if (p.dx != 0) NewDX = std::fabs(NewDX) * static_cast<float>(SignOf(p.dx));
        p.dx = NewDX;
    }
}

void ConfettiExtraLogic::Logic(Particle& p) {
    Ticks += 1;
    n += 1;
    if (n % SlowDownTicks == 0 && p.FrameTickSpeed < 5) p.FrameTickSpeed += 1;

    if (p.y > 620 && KeepCreating) {
        p.y = -40;
        p.x = static_cast<float>(RandomFloat(0, 800));
    }

    if (SlowDown != 0) {
        if (Explosion != 0) {
            if (Explosion == 1) {
                if (PlayExplosion) PlayBoardSound("media\\sound\\confettiboom.ogg");
                const float a = Radians(static_cast<float>(RandomFloat(0, 360)));
                const float s = static_cast<float>(RandomFloat(0, 10));
                p.dx = std::sin(a) * s;
                p.dy = std::cos(a) * s;
                p.Friction = 0.97f;
            } else if (Explosion <= 80) {
                if (LockFriction > 0.5f) {
                    p.Friction = LockFriction;
                    p.ay = FallAcceleration(p);
                    KeepMinimumSpeed(p);
                }
            } else {
                p.Friction = 0.99f;
                p.ay = FallAcceleration(p);
                if (AlphaOUt) {
                    TickSpeedIncrease += 1;
                    if (TickSpeedIncrease > 20) {
                        p.FrameTickSpeed += 1;
                        TickSpeedIncrease = 0;
                    }
                    Alpha -= dAlpha;
                }
                KeepMinimumSpeed(p);
            }
            Explosion += 1;
        } else {
            SlowDown += 1;
            if (SlowDown <= 120) {
                const float t = static_cast<float>(SlowDown) / 20.0f;
                p.dx = LerpLinearClamped(OldDX, NewDX, t);
                p.dy = LerpLinearClamped(OldDY, NewDY, t);
            } else {
                p.Friction = 0.99f;
                p.ay = FallAcceleration(p);
                p.dx = NewDX;
                SlowDown = 0;
            }
        }
    }

    if (highvelocitytime >= 0 && LockFriction < 0.5f) {
        highvelocitytime -= 1;
        if (highvelocitytime == 0) {
            highvelocitytime = -1;
            SlowDown = 1;
            NewDX = static_cast<float>(RandomFloat(-0.1, 0.1));
            NewDY = static_cast<float>(RandomFloat(0.2, 0.4));
            OldDX = p.dx;
            OldDY = p.dy;
            p.dx = static_cast<float>(RandomFloat(-0.1, 0.1));
            p.dy = static_cast<float>(RandomFloat(0.1, 0.2));
        }
    }
}

void ConfettiCannon(float x, float y, float angle, int keepCreating, int toLayerB) {
    ParticleGroup& group = toLayerB ? ConfettiLayerB : ConfettiLayerA;
    bool soundGiven = false;
    for (int i = 0; i < 150; ++i) {
        const Ref<TImage> image = Strip(RandomInt(0, 3));
        const float a = Radians(angle + static_cast<float>(RandomFloat(-1.5, 1.5)));
        Ref<Particle> p;
        Ref<ConfettiExtraLogic> logic = SetUpPiece(group, image, x, y, p);
        p->dx = -6 * std::cos(a);
        p->dy = -6 * std::sin(a);
        logic->KeepCreating = keepCreating;
        if (logic->Explosion != 0 && !soundGiven) {
            logic->PlayExplosion = 1;
            soundGiven = true;
        }
        if (logic->Explosion == 0) {
            p->x += static_cast<float>(RandomFloat(-5, 5));
            p->y += static_cast<float>(RandomFloat(-5, 5));
        }
        p->Friction = 0.99f;
    }
}

void ConfettiExplosion(float x, float y, int keepCreating, int layer, int count, float power,
                       ParticleGroup* boardGroup) {
    ParticleGroup* group = layer == 2 ? boardGroup : layer == 1 ? &ConfettiLayerB : &ConfettiLayerA;
    if (!group) return;
    const bool allColours = power > 1.2f;
    for (int i = 0; i < count; ++i) {
        const int colour = allColours ? RandomInt(0, 3) : (RandomInt(0, 1) == 0 ? Blue : White);
        const float s = static_cast<float>(RandomFloat(0, GetTunable("speed", "3.00000000")));
        const float a = Radians(static_cast<float>(RandomFloat(0, 360)));
        Ref<Particle> p;
        Ref<ConfettiExtraLogic> logic = SetUpPiece(*group, Strip(colour), x, y, p);
        p->dx = -std::cos(a) * s * power;
        p->dy = -std::sin(a) * s * power;
        logic->KeepCreating = keepCreating * (i % 2);
        logic->SlowDown = 1;
        logic->Explosion = 2; // straight into the settling phase
        if (!allColours) logic->AlphaOUt = 1;
        logic->LockFriction = 0.975f;
    }
}

void ResetConfetti() {
    ConfettiLayerA = ParticleGroup{};
    ConfettiLayerB = ParticleGroup{};
}

void UpdateConfetti() {
    ConfettiLayerA.Update();
    ConfettiLayerB.Update();
}

void RenderConfettiA() {
    ConfettiLayerA.Render();
}

void RenderConfettiB() {
    ConfettiLayerB.Render();
}

} // namespace wispwood
