#include "game/board/panel_particles.h"

namespace wispwood {

ParticleGroup PanelParticles;

void ResetPanelParticles() {
    PanelParticles.AllParticles.Clear();
}

} // namespace wispwood
