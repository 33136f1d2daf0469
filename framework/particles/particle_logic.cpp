#include "framework/particles/particle_logic.h"
#include "engine/io/random.h"
#include "framework/anim/numeric.h"
#include "framework/particles/calm_effects.h"
#include <cmath>

namespace wispwood {

float ScaleOutInertia::f(float x) {
    return StartScale + (EndScale - StartScale) * ClampFloat(2 * x - x * x, 0, 1);
}

float TwinkleAlpha::f(float x) {
    if (x > 0.95f) {
        const float fall = ClampFloat((x - 0.95f) / 0.05f, 0, 1);
        return 1 - fall * fall;
    }
    return std::sqrt(ClampFloat(x / 0.1f, 0, 1));
}

const Ref<TwinkleAlpha>& TwinkleAlpha::Shared() {
    static const Ref<TwinkleAlpha> shared = New<TwinkleAlpha>();
    return shared;
}

void ParticleDeleteAfterY::Logic(Particle& p) {
    if (p.y > Height) p.CurrentLife = p.TotalLife = 0;
}

void ParticleDeleteBeforeY::Logic(Particle& p) {
    if (p.y < Height) p.CurrentLife = p.TotalLife = 0;
}

void TwinkleExtraLogic::Logic(Particle& p) {
    NextCheck -= 1;
    if (NextCheck < 1) {
        NextCheck = RandomInt(3, 7);
        TwinkleScale = static_cast<float>(RandomFloat(0.1, 1));
        if (RandomInt(0, 1) == 0) TwinkleScale = 0;
    }
    if (CalmEffects) {
        // The same draws, but a steady size and a slower drift: no flicker.
        p.xscale = p.yscale = 0.8f * OverallScale;
        p.x -= p.dx * (1 - kCalmPace);
        p.y -= p.dy * (1 - kCalmPace);
        return;
    }
    p.xscale = p.yscale = (0.4f * TwinkleScale + 0.6f) * OverallScale;
}

Ref<Particle> AddTwinkle(ParticleGroup& group, float x, float y, float ignored, const Ref<TImage>& image,
                         int chance, float lifeScale) {
    (void)ignored;
    auto p = New<Particle>();
    p->Image = image;
    p->ExtraLogic = New<TwinkleExtraLogic>();
    p->OverrideAlpha = TwinkleAlpha::Shared();
    p->x = x;
    p->y = y;
    p->StartScale = 1;
    p->EndScale = 0;
    p->TotalLife = static_cast<float>(RandomFloat(55, 65)) * lifeScale;
    p->dx = static_cast<float>(RandomFloat(-0.2, 0.2));
    p->dy = static_cast<float>(RandomFloat(-0.2, 0.2));
    p->Blend = 4;
    // The draw is made even when chance is -1, so the sequence of random
    // numbers does not depend on it.
    const int draw = RandomInt(1, chance);
    if (draw == 3 || chance == -1) p->TotalLife = static_cast<float>(RandomInt(160, 310)) * lifeScale;
    MarkSparkle(*p);
    return group.AddParticle(p);
}

} // namespace wispwood
