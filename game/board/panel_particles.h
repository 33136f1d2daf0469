#pragma once
// The sparkles that land on the side panel right of the board (extra lives,
// gems and scores arriving); the panel draws them over its counters.
#include "framework/particles/particle.h"

namespace wispwood {

extern ParticleGroup PanelParticles;

// No sparkles.
void ResetPanelParticles();

} // namespace wispwood
