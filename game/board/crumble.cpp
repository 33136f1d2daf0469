#include "game/board/crumble.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/images/game_image.h"
#include "framework/particles/calm_effects.h"
#include "framework/particles/particle_logic.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_render.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"

namespace wispwood {

std::vector<Ref<PieceCrumbling>> CrumbleShards;
std::vector<Ref<TImage>> CrumbleFollowers;
ParticleGroup ShardParticles;

namespace {

// The spin of a shard: shards right of the middle turn one way, the others
// the other way, so the burst opens like a flower.
float Spin(float offsetx) {
    float sign = offsetx > static_cast<float>(CellWidth) / 2 ? -1.0f : 1.0f;
    return RandomFloatF(0, 0.6f) * sign;
}

void AddFollower(ParticleGroup& group, const Ref<Particle>& shard, float offsetx) {
    auto p = group.AddParticle();
    if (!CrumbleFollowers.empty())
        p->Image = CrumbleFollowers[RandomInt(0, static_cast<int>(CrumbleFollowers.size()) - 1)];
    p->Parent = shard;
    p->x = shard->x;
    p->y = shard->y;
    p->Delayed = RandomInt(65, 110);
    p->RenderWhileDelayed = 0;
    p->StartScale = 1;
    p->EndScale = -1.8f;
    p->TotalLife = 999;
    p->StartAlpha = 1;
    p->EndAlpha = 0;
    p->ay = 0.7f * shard->ay;
    p->r = p->g = p->b = 160;
    p->dRotation = Spin(offsetx);
    p->ExtraLogic = New<ParticleDeleteAfterY>(620);
    MarkSparkle(*p);
}

} // namespace

float PieceCrumbling::dx() {
    return RandomFloatF(0.1f, 0.2f) * (offsetx - static_cast<float>(CellWidth) / 2) /
           static_cast<float>(CellWidth);
}

void LoadCrumbleShards() {
    struct ShardPlace {
        const char* name;
        float x, y;
    };
    static const ShardPlace places[] = {{"topleft", 11, 10},    {"topright", 35, 10},
                                        {"centerleft", 13, 28}, {"centerright", 35, 28},
                                        {"bottomleft", 14, 43}, {"bottomright", 37, 41}};
    CrumbleShards.clear();
    for (const ShardPlace& place : places) {
        auto shard = New<PieceCrumbling>();
        shard->Image = LoadGameFramedImage("media\\crumble\\" + Text(place.name) + ".png", 31, 30, 0, 24);
        if (shard->Image) CentreImageHandle(shard->Image);
        shard->offsetx = place.x;
        shard->offsety = place.y;
        CrumbleShards.push_back(shard);
    }
    CrumbleFollowers.clear();
    for (int i = 1; i <= 3; ++i) {
        CrumbleFollowers.push_back(LoadCentredGameImage("media\\crumble\\bit" + IntToText(i) + ".png"));
    }
}

void CrumbleEffect(const Ref<PieceDefinition>& definition, float x, float y, int sparse,
                   ParticleGroup* group) {
    PlayBoardSound("media\\sound\\tileexplode.ogg",
                   definition ? 1 + 0.1f * static_cast<float>(definition->index) : 1);
    bool small = CellWidth == 40;
    bool ownGroup = group != nullptr;
    ParticleGroup& into = group ? *group : ShardParticles;
    int count = static_cast<int>(CrumbleShards.size());
    int k = 0;
    for (const Ref<PieceCrumbling>& shard : CrumbleShards) {
        if (sparse && RandomInt(0, count) != 1) continue;
        float ox = shard->offsetx, oy = shard->offsety;
        if (small) ox *= kSmallCellScale, oy *= kSmallCellScale;
        auto p = into.AddParticle();
        p->Image = shard->Image;
        p->x = x + ox;
        p->y = y + oy;
        p->StartFrame = 0;
        p->EndFrame = 23;
        p->FrameTickSpeed = 5;
        p->StartScale = small && !ownGroup ? kSmallCellScale : 1;
        p->EndScale = -1.8f;
        p->TotalLife = 999;
        p->r = p->g = p->b = 160;
        p->dx = shard->dx();
        p->dy = shard->dy();
        p->ay = RandomFloatF(0.04f, 0.1f);
        p->dRotation = Spin(shard->offsetx);
        p->ExtraLogic = New<ParticleDeleteAfterY>(660);
        // Shards start in pairs, four updates apart.
        p->Delayed = 15 - 2 * k + (2 * k) % 4;
        MarkSparkle(*p);
        if (RandomInt(1, 3) == 1) AddFollower(into, p, shard->offsetx);
        ++k;
    }
    if (definition) {
        auto flash = into.AddParticle();
        flash->Image = definition->Particle;
        flash->x = x + static_cast<float>(CellWidth) / 2;
        flash->y = y + static_cast<float>(CellHeight) / 2;
        flash->Blend = 4;
        flash->StartAlpha = 6;
        flash->EndAlpha = 0;
        flash->StartScale = 2;
        flash->EndScale = 5;
        flash->TotalLife = 35;
        MarkFlash(*flash);
    }
}

void Sparkles(Piece& piece, int count, float speed) {
    for (int i = 0; i < count; ++i) {
        float x = static_cast<float>(piece.GetX()) + RandomFloatF(5, static_cast<float>(CellWidth) - 5);
        float y = static_cast<float>(piece.GetY()) + RandomFloatF(5, static_cast<float>(CellHeight) - 5);
        Ref<Particle> p = AddTwinkle(BoardTwinkles, x, y, 0, EffectImages.Twinkle, 5, 1);
        p->dx = RandomFloatF(0, speed) * (RandomInt(0, 1) ? 1.0f : -1.0f);
        p->dy = RandomFloatF(0, speed) * (RandomInt(0, 1) ? 1.0f : -1.0f);
    }
}

void ResetCrumble() {
    ShardParticles.AllParticles.Clear();
}

void ResetCrumbleShards() {
    CrumbleShards.clear();
    CrumbleFollowers.clear();
}

} // namespace wispwood
