#include "game/board/clear_pass.h"
#include "framework/anim/easing.h"
#include "framework/scene/input_snapshot.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/crumble.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_stats.h"
#include "game/board/locks.h"
#include "game/board/outlines.h"
#include "game/board/piece.h"
#include "game/board/powerup.h"
#include "game/board/quota_particle.h"
#include "game/board/score_popups.h"
#include "game/board/selection.h"
#include <algorithm>
#include <cstdlib>

namespace wispwood {

MarkedBoundsRect MarkedBounds;
int MarkedRows[kMarkedRowCount] = {};

namespace {

bool StillOnBoard(const Ref<Piece>& piece) {
    return piece->OnBoard && Board.Inside(piece->x, piece->y) && Board(piece->x, piece->y) == piece;
}

void MeasureMarked() {
    std::fill(std::begin(MarkedRows), std::end(MarkedRows), 0);
    bool any = false;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!p->MarkForDestruction) return;
        if (!any) MarkedBounds = {p->x, p->x, p->y, p->y};
        any = true;
        MarkedBounds.MinX = std::min(MarkedBounds.MinX, p->x);
        MarkedBounds.MaxX = std::max(MarkedBounds.MaxX, p->x);
        MarkedBounds.MinY = std::min(MarkedBounds.MinY, p->y);
        MarkedBounds.MaxY = std::max(MarkedBounds.MaxY, p->y);
        if (p->y >= 0 && p->y < kMarkedRowCount) MarkedRows[p->y] = 1;
    });
}

// The last column first, each column from the bottom row up.
std::vector<Ref<Piece>> ReverseGridOrder() {
    std::vector<Ref<Piece>> pieces;
    for (int x = Board.Width() - 1; x >= 0; --x)
        for (int y = Board.Height() - 1; y >= 0; --y)
            if (Board(x, y)) pieces.push_back(Board(x, y));
    return pieces;
}

// Bursts wait 12 updates per cleared row below them and 4 per column away
// from the cleared area's centre, so the clear ripples up and out.
int BurstDelay(const Piece& piece) {
    int rows = 0;
    for (int r = piece.y + 1; r <= MarkedBounds.MaxY; ++r)
        if (r >= 0 && r < kMarkedRowCount && MarkedRows[r]) ++rows;
    return 12 * rows + 4 * std::abs(piece.x - (MarkedBounds.MinX + MarkedBounds.MaxX) / 2);
}

} // namespace

void DelayedExplosionLogic::DelayedLogic(Particle&) {
    if (piece->BottomFadeIn < 48) piece->BottomFadeIn += 1;
}

void DelayedExplosionLogic::Logic(Particle& p) {
    piece->OverrideBrightness = static_cast<int>(LerpLinear(255, 160, p.Life()));
    piece->OverrideFrame = 1;
    piece->mover = 0;
    piece->MahjongOver = 0;
    if (!SkipFrames) piece->Frame = std::max(0, static_cast<int>(14 - p.CurrentLife / 2));
    piece->Update();
}

void DelayedExplosionLogic::Death(Particle& p) {
    // The piece and its burst particle refer to each other; once the burst
    // is over that ring is cut, or every burst piece would stay in memory.
    Ref<Piece> keep = std::exchange(piece, nullptr);
    p.OverrideRender = nullptr;
    Piece& pc = *keep;
    pc.RemoveFromBoard(1);
    // The removal sent the piece's first particle; a burst piece counts
    // twice.
    PieceQuotaParticle(pc, 0);
    if (pc.PlayMatchSound) PlayBoardSound("media\\sound\\tilematch.ogg");
    float x = static_cast<float>(pc.GetX()), y = static_cast<float>(pc.GetY());
    CrumbleEffect(pc.Definition(), x, y, 0, nullptr);
    ShowPoints(pc.Score, static_cast<float>(BoardLeft()) + x + static_cast<float>(CellWidth / 2),
               y - static_cast<float>(CellHeight / 2), 0.75f, 0, 100, 0);
}

void PieceRenderLogic::Render(Particle&) {
    piece->Render();
}

void BurstPiece(const Ref<Piece>& piece, int delay, int points) {
    if (!piece) return;
    if (piece->Unlocker) KeyBurst(piece);
    piece->Score = points;
    Ref<Particle> p = BoardEffects.AddParticle();
    p->Delayed = delay != -1 ? delay : BurstDelay(*piece);
    auto logic = New<DelayedExplosionLogic>();
    logic->piece = piece;
    logic->SkipFrames = 1 - piece->Normal();
    p->ExtraLogic = logic;
    p->TotalLife = 38;
    auto render = New<PieceRenderLogic>();
    render->piece = piece;
    p->OverrideRender = render;
    p->x = static_cast<float>(piece->GetX());
    p->y = static_cast<float>(piece->GetY());
    if (TilesPopped) TilesPopped->Inc();
    piece->PieceExplosionParticle = p;
}

void ClearMarked() {
    ResetQuotaParticleCount();
    LastClearX = static_cast<float>(GameMouseX());
    LastClearY = static_cast<float>(GameMouseY());
    BuildOutline(0, 0);
    MeasureMarked();

    bool first = true, processed = false, powerupHit = false;
    int kind = 0, points = 0;
    for (const Ref<Piece>& piece : ReverseGridOrder()) {
        // A powerup activated earlier in this pass may already have taken
        // this piece off the board, or burst it itself.
        if (!piece->MarkForDestruction || piece->PieceExplosionParticle || !StillOnBoard(piece)) continue;
        processed = true;
        piece->PlayMatchSound = first ? 1 : 0;
        first = false;
        int handled = 0;
        if (auto powerup = Cast<Powerup>(piece)) {
            powerupHit = true;
            if (IsKind<DestroyVerticalPiece>(piece)) kind = 1;
            if (IsKind<Earthquake>(piece)) kind = 2;
            handled = powerup->Activate();
        }
        if (!handled && StillOnBoard(piece) && !piece->PieceExplosionParticle) {
            points += 10;
            BurstPiece(piece, -1, points);
        }
        Sparkles(*piece, 6, 0);
    }
    DropUnsupported();

    if (processed && powerupHit) {
        PlayBoardSound(kind == 1   ? "media\\sound\\cheif.ogg"
                       : kind == 2 ? "media\\sound\\earthquake.ogg"
                                   : "media\\sound\\powerupsound.ogg");
    } else if (processed) {
        PlayBoardSound("media\\sound\\pointsappear.ogg");
    }
    PlayBoardSound("media\\sound\\tileclick.ogg");
}

void ResetClearPass() {
    MarkedBounds = {};
    std::fill(std::begin(MarkedRows), std::end(MarkedRows), 0);
}

} // namespace wispwood
