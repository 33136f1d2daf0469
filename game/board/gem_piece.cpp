#include "game/board/gem_piece.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/scene_stack.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_render.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/gem.h"
#include "game/board/gem_images.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

constexpr int kUncoveredFadeIn = 28, kRingTick = 6, kFullFadeIn = 50;
constexpr int kRingSparkles = 23, kRingStep = 16;
constexpr float kRingSpeed = 1.5f;
constexpr double kDegrees = 3.14159265358979323846 / 180.0;

void RingBurst(float cx, float cy) {
    PlayBoardSound("media\\sound\\gemflip.ogg");
    for (int i = 0; i < kRingSparkles; ++i) {
        const double angle = (i * kRingStep + RandomInt(-20, 20)) * kDegrees;
        Ref<Particle> p = AddTwinkle(BoardTwinkles, cx, cy, 0, EffectImages.Twinkle, 5, 1);
        p->dx = kRingSpeed * static_cast<float>(std::cos(angle));
        p->dy = kRingSpeed * static_cast<float>(std::sin(angle));
    }
}

} // namespace

GemPiece::GemPiece(int pick) : Piece("gem", GemImages.Blank), Pick(pick) {}

void GemPiece::Update() {
    Piece::Update();
    UpdateGem();
}

void GemPiece::UpdateGem() {
    HasGem = 1 - Pick;
    if (BottomFadeIn > kUncoveredFadeIn) {
        GemFadeIn += 1;
        if (GemFadeIn == kRingTick && OnBoard && !TransitionInProgress() && y > 0)
            RingBurst(static_cast<float>(GetX() + CellWidth / 2), static_cast<float>(GetY() + CellHeight / 2));
    } else {
        GemFadeIn -= 1;
    }
    GemFadeIn = std::clamp(GemFadeIn, 0, kFullFadeIn);
    if (!HasGem) return;
    if (!GemInstance) {
        GemInstance = New<Gem>();
        GemInstance->pid = pid;
    }
    GemInstance->x = static_cast<float>(GetX());
    GemInstance->y = static_cast<float>(GetY());
    if (GemInstance->PieceFlipped == 0 && BottomDelay != -1) GemInstance->PieceFlipped = 1;
    GemInstance->Update();
}

float GemPiece::GemScale() {
    float scale = CellWidth == 48 ? 1.0f : kSmallCellScale;
    if (!PieceExplosionParticle)
        scale *= LerpDampenClamped(0, 1, static_cast<float>(GemFadeIn) / kFullFadeIn);
    return scale;
}

void GemPiece::RenderAt(float px, float py) {
    Frame = BottomFadeIn / 2;
    Piece::RenderAt(px, py);
    const float scale = GemScale();
    if (scale <= 0) return;
    if (Pick == 1) {
        TDrawState::Push();
        TDrawState::PushScale(scale, scale);
        DrawGameImage(GemImages.Pickaxe, LastDrawnx + static_cast<float>(CellWidth / 2),
                      LastDrawnY + static_cast<float>(CellHeight / 2));
        TDrawState::Pop();
    } else if (GemInstance) {
        GemInstance->SizeOnTile = scale;
        RenderGem(px, py);
    }
}

void GemPiece::RemoveFromBoard(int dropUnsupported) {
    if (OnBoard && GemInstance) {
        Ref<Gem> gem = GemInstance;
        GemInstance = nullptr;
        HasGem = 0;
        // A gem that never showed on its tile grows in as it flies.
        gem->StartSmall = GemFadeIn == 0 ? 1 : 0;
        gem->SizeOnTile = 1;
        gem->PopToMain(0);
    }
    Piece::RemoveFromBoard(dropUnsupported);
}

} // namespace wispwood
