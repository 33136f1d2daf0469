#include "game/adventure/gem_particle.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/tunables.h"
#include "game/adventure/quest_map_state.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/gem_images.h"
#include "game/board/reward_text.h"
#include "game/services/profiles.h"
#include "game/services/text_table.h"

namespace wispwood {

TList<Ref<GemParticle>> GemParticles;

namespace {

constexpr int kMedalFlightTicks = 200;

void MapSparkles(int count, float x, float y, float lo, float hi) {
    for (int i = 0; i < count; ++i)
        AddTwinkle(QuestParticles, x + static_cast<float>(RandomFloat(lo, hi)),
                   y + static_cast<float>(RandomFloat(lo, hi)), 0, EffectImages.Twinkle, 5, 1);
}

} // namespace

Ref<GemParticle> GemParticle::Create(float x, float y, float tx, float ty, int medal) {
    auto g = New<GemParticle>();
    if (medal == 0 && QuestMapImages.GemBase) {
        tx += static_cast<float>(ImageWidth(QuestMapImages.GemBase) / 2);
        ty += static_cast<float>(ImageHeight(QuestMapImages.GemBase) / 2);
    }
    g->Movement = VelocityIntoPath::Create(x, y, tx, ty);
    g->Movement->dx = -3 - x / 400;
    g->Movement->dy = static_cast<float>(RandomFloat(-0.5, 0.5));
    g->anim = TAnim::CreateFromImage(GemImages.Gem);
    g->anim->CurrentAnimStretch->FrameTickSpeed = 2;
    g->Medal = medal;
    GemParticles.AddLast(g);
    return g;
}

int GemParticle::Any(int a, int b) {
    for (const Ref<GemParticle>& g : GemParticles) {
        if (g->Medal == 0) return 1;
        if (a == 0 && b == 0 && g->Delay <= 0) return 1;
    }
    return 0;
}

void GemParticle::UpdateAll() {
    for (const Ref<GemParticle>& g : GemParticles) g->Update();
}

void GemParticle::RenderAll() {
    for (const Ref<GemParticle>& g : GemParticles) g->Render();
}

void GemParticle::Update() {
    if (Medal != 0) {
        Movement->SquareSquare = 1;
        Movement->Life = kMedalFlightTicks;
    }
    Delay -= 1;
    if (Delay == 0 && Medal == 0) PlayBoardSound("media\\sound\\staff.ogg");
    anim->Update();
    if (Delay == 0) MapSparkles(2, Movement->startx, Movement->starty, -5, 5);
    if (Delay > 0) return;
    Movement->Update();
    if (Movement->Finished()) Arrive();
}

void GemParticle::Arrive() {
    if (Medal != 0) PlayBoardSound("media\\sound\\scoremagicdone.ogg");
    if (Medal == 2) {
        ShownGoldMedals += 1;
    } else if (Medal == 1) {
        ShownSilverMedals += 1;
    } else {
        ShownGems += 1;
    }
    Ref<GemParticle> self;
    for (const Ref<GemParticle>& g : GemParticles)
        if (g.get() == this) self = g;
    if (self) GemParticles.Remove(self);
    MapSparkles(Medal != 0 ? 10 : 5, Movement->endx, Movement->endy, -8, 16);
    if (!RankUp) return;
    if (CurrentProfile) CurrentProfile->Lives += 1;
    CreateRewardText(GetText("ranks", "rankup"), "", 1, 1, 1);
    PlayBoardSound("media\\jingles\\questcompleted.ogg");
    const float rx = GetTunable("rankrenderx", "0"), ry = GetTunable("rankrendery", "0");
    const float rw = GetTunable("rankwidth", "250"), rh = GetTunable("rankheight", "32");
    for (int i = 0; i < 100; ++i)
        AddTwinkle(QuestParticles, rx + static_cast<float>(RandomFloat(0, rw)),
                   ry + static_cast<float>(RandomFloat(0, rh)), 0, EffectImages.Twinkle, 5, 1);
}

void GemParticle::Render() {
    float scale = 1, alpha = 1;
    Ref<TImage> image;
    int frame = 0;
    if (Medal != 0) {
        if (Delay > 100) return;
        if (Delay > 0) {
            const float t = ClampFloat(static_cast<float>(Delay - 80) / (20.0f - 80.0f), 0, 1);
            scale = LerpSquareClamped(3, 1, t);
            alpha = t;
        }
        image = Medal == 2 ? QuestMapImages.MedalGold : QuestMapImages.MedalSilver;
    } else {
        if (Delay > 0) return;
        image = GemImages.Gem;
        frame = anim->Frame();
    }
    std::vector<float> pos = Movement->Pos();
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(alpha);
    TDrawState::PushScale(scale * 0.3f, scale * 0.3f);
    DrawGameImage(image, pos[0], pos[1], frame);
    TDrawState::Pop();
}

} // namespace wispwood
