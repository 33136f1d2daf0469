#include "game/board/extra_life.h"
#include "engine/io/random.h"
#include "framework/particles/particle_logic.h"
#include "game/board/board.h"
#include "game/board/effect_images.h"
#include "game/board/extra_life_flight.h"
#include "game/board/panel_particles.h"
#include "game/board/piece_images.h"
#include "game/board/powerup.h"
#include "game/services/profiles.h"
#include <algorithm>

namespace wispwood {

ExtraLife::ExtraLife() : Powerup("extralife", BlockImages.ExtraLife) {}

int ExtraLife::Activate() {
    CreateExtraLifeFlight(static_cast<float>(GetX() + CellWidth / 2),
                          static_cast<float>(GetY() + CellHeight / 2));
    PairExtraLifeFlights();
    RemoveFromBoard(0);
    return 1;
}

void GainLife() {
    if (CurrentProfile) CurrentProfile->Lives += 1;
    for (int i = 0; i < 60; ++i) {
        const float x = 725 + static_cast<float>(RandomFloat(-64, 64));
        const float y = 130 + static_cast<float>(RandomFloat(-24, 24));
        Ref<Particle> s = AddTwinkle(PanelParticles, x, y, 0, EffectImages.Twinkle, 15, 1);
        s->Delayed = std::max(0, RandomInt(-20, 80));
    }
}

} // namespace wispwood
