#pragma once
// The idle hint: after six idle seconds a random matching pair blinks with
// its path.
#include "framework/particles/particle.h"

namespace wispwood {

extern int HintIdleTicks;
// The hint's own effects; it runs at twice the speed of play.
extern ParticleGroup HintParticles;
extern int HintBlinkTicks;

// Once per update during play, after the game scene's update.
void UpdateHint();
// A successful match: the idle count starts again and a shown hint goes.
void ResetHint();
// Alpha of the hint path: on for 36 updates, off for 34.
float HintAlpha();

// Start-up state.
void ResetHintState();

} // namespace wispwood
