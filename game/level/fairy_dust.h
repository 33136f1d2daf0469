#pragma once
// The dust a fairy trails: twinkles left now and then where it flies (the
// tally's fairies, the high-score fairy, the main menu's guide).
#include "framework/particles/particle.h"

namespace wispwood {

// One twinkle at (x, y), its size scaled by scale.
Ref<Particle> FairySparkle(ParticleGroup& group, float x, float y, float scale = 1);
// The same with a chance of 1 in 11 (per update, a light trail).
void FairyDust(ParticleGroup& group, float x, float y, float scale = 1);

} // namespace wispwood
