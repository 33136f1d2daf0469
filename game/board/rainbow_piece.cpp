#include "game/board/rainbow_piece.h"
#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/calm_effects.h"
#include "framework/particles/glow_logic.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/fairy_glow_images.h"
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/board/piece_images.h"
#include <cmath>

namespace wispwood {

RainbowPiece::RainbowPiece() : Piece("rainbow", BlockImages.Rainbow), Glow(New<GlowLogic>()) {}

void RainbowPiece::Update() {
    Piece::Update();
    Glow->Update();
    // The flash goes off as the burst begins, not while it waits its turn;
    // once the level's quota is full the board's own finale takes over.
    bool bursting = PieceExplosionParticle && PieceExplosionParticle->Delayed <= 0;
    if (!bursting || DoneExplosion || (CurrentLevel && CurrentLevel->DoneQuotaBottleEffect)) return;
    Ref<wispwood::Particle> p = BoardTwinkles.AddParticle();
    p->Image = FairyGlowImages.Wizzlestaff;
    p->x = static_cast<float>(GetX() + CellWidth / 2);
    p->y = static_cast<float>(GetY() + CellHeight / 2);
    p->Blend = LIGHTBLEND;
    p->StartScale = 0;
    p->EndScale = 6;
    p->StartAlpha = 3;
    p->EndAlpha = 0;
    p->TotalLife = 80;
    MarkFlash(*p);
    DoneExplosion = 1;
}

void RainbowPiece::RenderAfter() {
    float glow = Glow->Glow();
    float k = static_cast<float>(CellWidth) / 48.0f;
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushAlpha((glow + 1) * static_cast<float>(BottomFadeIn) / 48.0f);
    float scale = 0.5f * std::sqrt(1.5f * glow);
    TDrawState::PushScale(scale, scale);
    DrawGameImage(FairyGlowImages.Glow, LastDrawnx + 34 * k, LastDrawnY + 16 * k);
    TDrawState::Pop();
}

int RainbowSelected() {
    int n = 0;
    ForEachPiece([&](const Ref<Piece>& p) { n += p->MahjongOver && IsKind<RainbowPiece>(p) ? 1 : 0; });
    return n;
}

int RainbowCount() {
    int n = 0;
    ForEachPiece([&](const Ref<Piece>& p) { n += IsKind<RainbowPiece>(p) ? 1 : 0; });
    return n;
}

} // namespace wispwood
