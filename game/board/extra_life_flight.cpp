#include "game/board/extra_life_flight.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/particles/particle_logic.h"
#include "game/board/board.h"
#include "game/board/effect_images.h"
#include "game/board/extra_life.h"
#include "game/board/reward_text.h"
#include "game/services/text_table.h"

namespace wispwood {

TList<Ref<ExtraLifeParticle>> ExtraLifeFlights;
ParticleGroup ExtraLifeSparkles;

namespace {

Ref<Particle> LifeSparkle(ParticleGroup& group, float x, float y, int chance) {
    return AddTwinkle(group, x, y, 0, EffectImages.Twinkle, chance, 1);
}

void ArrivalSparkles(const ExtraLifeParticle& p) {
    for (int i = 0; i < 20; ++i) {
        Ref<Particle> s = LifeSparkle(ExtraLifeSparkles, p.targetx, p.targety, 5);
        s->dx = static_cast<float>(RandomFloat(-1.5, 1.5));
        s->dy = static_cast<float>(RandomFloat(-1.5, 1.5));
    }
    // A longer-lived spray pointing back towards the middle of the board.
    const float towardsMiddle = -(1.0f - 2.0f * static_cast<float>(p.Onleft));
    for (int i = 0; i < 20; ++i) {
        Ref<Particle> s = LifeSparkle(ExtraLifeSparkles, p.targetx, p.targety, 2);
        s->dx = static_cast<float>(RandomFloat(1, 5)) * towardsMiddle;
        s->dy = static_cast<float>(RandomFloat(-0.4, 0.4));
        s->TotalLife *= 2;
    }
}

} // namespace

void ExtraLifeParticle::Update() {
    lastframex = x;
    lastframey = y;
    realy += realdy;
    realx += realdx;
    realdy += 0.05f;
    Progress += 0.006f;

    if (Progress > 1) {
        if (Ref<ExtraLifeParticle> self = weak_from_this().lock()) ExtraLifeFlights.Remove(self);
        ArrivalSparkles(*this);
        if (Onleft) {
            GainLife();
            CreateRewardText(GetText("reward", "extralife"), "", 0, 0, 0);
        }
    }

    const float ex = LerpSquareSquareClamped(startx, targetx, Progress);
    const float ey = LerpSquareSquareClamped(starty, targety, Progress);
    drawx = LerpLinear(realx, ex, Progress);
    drawy = LerpLinear(realy, ey, Progress);

    ParticleCreateTicks += 1;
    if (ParticleCreateTicks % 3 == 0) LifeSparkle(ExtraLifeSparkles, drawx, drawy, 5);
}

Ref<ExtraLifeParticle> CreateExtraLifeFlight(float x, float y) {
    auto p = New<ExtraLifeParticle>();
    p->x = p->startx = p->realx = x;
    p->y = p->starty = p->realy = y;
    p->realdx = -1;
    p->targety = 16;
    ExtraLifeFlights.AddLast(p);
    return p;
}

void PairExtraLifeFlights() {
    // The corners (32, 16) and (600, 16) of the screen, in board coordinates.
    const float left = static_cast<float>(32 - BoardLeft());
    const float right = static_cast<float>(600 - BoardLeft());
    for (const Ref<ExtraLifeParticle>& a : ExtraLifeFlights) {
        for (const Ref<ExtraLifeParticle>& b : ExtraLifeFlights) {
            if (a == b || a->Progress != 0 || b->Progress != 0) continue;
            const bool aLeft = a->realx < b->realx;
            a->targetx = aLeft ? left : right;
            b->targetx = aLeft ? right : left;
            a->Onleft = aLeft ? 1 : 0;
            b->Onleft = aLeft ? 0 : 1;
        }
    }
}

void UpdateExtraLifeFlights() {
    ExtraLifeSparkles.Update();
    for (const Ref<ExtraLifeParticle>& p : ExtraLifeFlights) p->Update();
}

void RenderExtraLifeFlights() {
    ExtraLifeSparkles.Render();
    for (const Ref<ExtraLifeParticle>& p : ExtraLifeFlights) p->Render();
}

void ResetExtraLifeFlights() {
    ExtraLifeFlights.Clear();
    ExtraLifeSparkles = ParticleGroup{};
}

} // namespace wispwood
