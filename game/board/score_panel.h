#pragma once
// The panel right of the board: score, gems and lives, with the sparkles
// that land on it.
#include "framework/particles/particle.h"

namespace wispwood {

// Drawn with the panel: the sparkles of extra lives and arriving scores.
extern ParticleGroup PanelParticles;

void RenderScorePanel();

void ResetScorePanel();

} // namespace wispwood
