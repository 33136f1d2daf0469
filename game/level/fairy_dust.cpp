#include "game/level/fairy_dust.h"
#include "engine/io/random.h"
#include "framework/particles/particle_logic.h"
#include "game/board/effect_images.h"

namespace wispwood {

Ref<Particle> FairySparkle(ParticleGroup& group, float x, float y, float scale) {
    Ref<Particle> p = AddTwinkle(group, x, y, 0, EffectImages.Twinkle, 11, 1);
    if (p) p->StartScale = p->EndScale = p->StartScale * scale;
    return p;
}

void FairyDust(ParticleGroup& group, float x, float y, float scale) {
    if (RandomInt(1, 11) == 1) FairySparkle(group, x, y, scale);
}

} // namespace wispwood
