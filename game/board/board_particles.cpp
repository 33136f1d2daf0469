#include "game/board/board_particles.h"

namespace wispwood {

ParticleGroup BoardEffects;
ParticleGroup BoardTwinkles;

int BoardEffectsDelayed() {
    for (const auto& p : BoardEffects.AllParticles)
        if (p->Delayed > 0) return 1;
    return 0;
}

void ResetBoardParticles() {
    BoardEffects.AllParticles.Clear();
    BoardTwinkles.AllParticles.Clear();
}

} // namespace wispwood
