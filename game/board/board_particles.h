#pragma once
// The board's own particle groups: the board-effects group (bursts and
// rubble, drawn under the pieces; its delayed particles hold back the
// reveal) and the twinkle group (drawn over them). The game scene updates
// them with the board.
#include "framework/particles/particle.h"

namespace wispwood {

extern ParticleGroup BoardEffects;
extern ParticleGroup BoardTwinkles;

// 1 while some board-effects particle still waits to start.
int BoardEffectsDelayed();

void ResetBoardParticles();

} // namespace wispwood
