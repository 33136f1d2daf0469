#include "game/board/fairy_flight.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/particles/particle_logic.h"
#include "game/board/board.h"
#include "game/board/effect_images.h"
#include "game/board/score_popups.h"
#include "game/board/fairy_glow_images.h"

namespace wispwood {

void FairyFlyLogic::Logic(Particle& p) {
    float scale = LerpSquareClamped(0.5f, 1.5f, p.Life());
    p.StartScale = p.EndScale = scale;
    p.dx -= 0.01f * static_cast<float>(xmult);
    p.ay -= 0.001f;
}

void ReleaseFairy(float x, float y, const FairyImagePair* images, ParticleGroup* group) {
    FairyImagePair board{FairyGlowImages.FairyFlyLeft, FairyGlowImages.FairyFlyRight};
    const FairyImagePair& pair = images ? *images : board;
    ParticleGroup& into = group ? *group : ScorePopups;
    float w = static_cast<float>(CellWidth), h = static_cast<float>(CellHeight);
    for (int i = 0; i < 32; ++i)
        AddTwinkle(into, x + static_cast<float>(RandomFloat(0, w)),
                   y - h + static_cast<float>(RandomFloat(0, h)), 0, EffectImages.Twinkle, 5, 1);

    bool left = RandomInt(0, 1) == 0;
    Ref<Particle> fairy = into.AddParticle();
    fairy->Image = left ? pair.Left : pair.Right;
    fairy->x = x + w / 2;
    fairy->y = y - h / 2;
    fairy->TotalLife = 200;
    fairy->StartFrame = 0;
    fairy->EndFrame = 2;
    fairy->FrameTickSpeed = 3;
    fairy->Blend = ALPHABLEND;
    fairy->dy = 0.3f;
    auto logic = New<FairyFlyLogic>();
    logic->xmult = left ? 1 : -1;
    fairy->ExtraLogic = logic;
    fairy->StartScale = fairy->EndScale = 0.5f;
}

} // namespace wispwood
