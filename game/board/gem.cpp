#include "game/board/gem.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/particles/shiny_effect.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/board_render.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/gem_images.h"
#include "game/board/level_result.h"
#include "game/board/panel_particles.h"
#include <cmath>

namespace wispwood {

TList<Ref<Gem>> GemsInFlight;

namespace {

constexpr int kArrivalTick = 200, kFadeEndTick = 250, kGrowTicks = 20;
constexpr float kGemScale = 0.5f;

Ref<Particle> Sparkle(ParticleGroup& group, float px, float py) {
    return AddTwinkle(group, px, py, 0, EffectImages.Twinkle, 5, 1);
}

} // namespace

Gem::Gem() {
    Glow.Speed = 1;
    Anim = TAnim::CreateFromImage(GemImages.Gem);
    if (Anim->CurrentAnimStretch) Anim->CurrentAnimStretch->FrameTickSpeed = 2;
}

void Gem::PopToMain(int silent) {
    if (!silent) PlayBoardSound("media\\sound\\gemreleased.ogg");
    Ref<Gem> self = weak_from_this().lock();
    if (self && !GemsInFlight.Contains(self)) GemsInFlight.AddLast(self);
    y -= static_cast<float>(CellHeight);
    x += static_cast<float>(BoardLeft());
    OnMain = 1;
}

float Gem::BoardScale() const {
    return CellWidth == 48 ? 1.0f : kSmallCellScale;
}

float Gem::DrawX() {
    const float t = static_cast<float>(OnMain) / kArrivalTick;
    return LerpSquareSquareClamped(x + static_cast<float>(CellWidth) / 2, GetTunable("gemtargetx", "691"), t);
}

float Gem::DrawY() {
    const float t = static_cast<float>(OnMain) / kArrivalTick;
    return LerpSquareSquareClamped(y + static_cast<float>(CellHeight) / 2, GetTunable("gemtargety", "208"), t);
}

void Gem::Shine() {
    if (PieceFlipped == 0) return;
    PieceFlipped += 1;
    const int calls = OnMain != 0 ? 13 : 1;
    const float left = DrawX() - static_cast<float>(CellWidth) / 2;
    const float top = DrawY() - static_cast<float>(CellHeight) / 2;
    for (int i = 0; i < calls; ++i)
        ShinyEffect::Singleton()->HandleEffectArea(static_cast<int>(left) + 16, static_cast<int>(top) + 12,
                                                   CellWidth - 32, 12, "_p" + IntToText(pid),
                                                   EffectImages.Twinkle, Layer);
}

// The gem's sparkles step twice in every update, once as the gem's glow
// pulses and once more as it animates or fades out: they live, move and
// fade at twice the board's pace, which keeps the trail of a flying gem
// short and quick.
void Gem::Update() {
    if (AlphaIn != 0) AlphaIn += 1;
    Glow.Update();
    Layer.Update();
    if (ParticlesOnly == 1) {
        FadeOutSparkles();
        return;
    }
    Anim->Update();
    Layer.Update();
    Shine();
    if (Delay >= 1) {
        Delay -= 1;
        return;
    }
    // Attached to its tile, it goes where the tile is drawn.
    if (OnMain == 0) return;
    OnMain += 1;
    FlightStep();
}

// After the flight only the sparkles are left; the gem goes with them.
void Gem::FadeOutSparkles() {
    Layer.Update();
    if (Layer.AllParticles.Count() == 0) {
        if (Ref<Gem> self = weak_from_this().lock()) GemsInFlight.Remove(self);
    }
}

void Gem::FlightStep() {
    const float cw = static_cast<float>(CellWidth), ch = static_cast<float>(CellHeight);
    if (OnMain == 3 && AlphaIn == 0) {
        for (int i = 0; i < 20; ++i) Sparkle(Layer, x + RandomFloatF(0, cw), y + RandomFloatF(0, ch));
    }
    if (OnMain % (AlphaIn > 0 ? 12 : 4) == 0)
        Sparkle(PanelParticles, DrawX() + RandomFloatF(-15, 15), DrawY() + RandomFloatF(-15, 15));
    if (OnMain >= kArrivalTick + 1 && OnMain <= kArrivalTick + 10) {
        const float reach = std::max(8.0f, (cw - 16) * 0.75f);
        for (int i = 0, n = AlphaIn > 0 ? 1 : 5; i < n; ++i)
            Sparkle(Layer, DrawX() - cw / 2 + RandomFloatF(8, reach), DrawY() - ch / 2 + RandomFloatF(8, reach));
    }
    if (OnMain == kArrivalTick) CountGem();
    if (OnMain > kFadeEndTick) ParticlesOnly = 1;
}

void Gem::Render() {
    if (ParticlesOnly == 1) {
        Layer.Render();
        return;
    }
    float scale = kGemScale * BoardScale() * SizeOnTile;
    if (StartSmall) scale *= ClampFloat(static_cast<float>(OnMain) / kGrowTicks, 0, 1);
    const float alpha = AlphaIn != 0 ? ClampFloat(static_cast<float>(AlphaIn) / 60.0f, 0, 1) : 1;
    const float px = DrawX(), py = DrawY();
    TDrawState::Push();
    TDrawState::PushColor(255, 255, 255);
    TDrawState::PushAlpha(alpha);
    // The glow fades out as the gem settles into the counter.
    const float fade = 1 - ClampFloat(static_cast<float>(OnMain - kArrivalTick) / (kFadeEndTick - kArrivalTick), 0, 1);
    const float glow = std::sqrt(std::max(Glow.Glow(), 0.0f)) * fade;
    if (glow > 0) {
        TDrawState::Push();
        TDrawState::PushBlend(LIGHTBLEND);
        TDrawState::PushAlpha(glow);
        TDrawState::PushScale(scale * 1.4f, scale * 1.4f);
        DrawGameImage(GemImages.Gem, px, py, Anim->Frame());
        TDrawState::Pop();
    }
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushScale(scale, scale);
    // Two layers of the frame: the gem's soft edges and its fade-in build up
    // to a solid stone, which one layer leaves pale over the board.
    DrawGameImage(GemImages.Gem, px, py, Anim->Frame());
    DrawGameImage(GemImages.Gem, px, py, Anim->Frame());
    TDrawState::Pop();
    Layer.Render();
}

void CountGem() {
    GemsCollected += 1;
    if (ResultRecorded == 1) LastGemsEarned = GemsCollected;
}

void ResetGems() {
    GemsCollected = 0;
    GemsInFlight.Clear();
}

void UpdateGems() {
    for (const Ref<Gem>& g : GemsInFlight) g->Update();
}

void RenderGems() {
    for (const Ref<Gem>& g : GemsInFlight) g->Render();
}

} // namespace wispwood
