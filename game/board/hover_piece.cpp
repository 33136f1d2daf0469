#include "game/board/hover_piece.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "game/board/board.h"
#include "game/board/board_render.h"
#include "game/board/board_sound.h"
#include "game/board/fairy_flight.h"
#include "game/board/fairy_glow_images.h"
#include "game/board/fairy_tile_anim.h"
#include "game/board/groups.h"
#include "game/board/piece_images.h"
#include "game/board/piece_match.h"
#include "game/board/score_popups.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace wispwood {

namespace {

constexpr int kCobwebMax = 50;
constexpr int kBreakFreeAfter = 100;
constexpr int kOpenRowsToBreakFree = 4;

bool RowEmpty(int row) {
    for (int x = 0; x < BoardWidth; ++x)
        if (CellAt(x, row)) return false;
    return true;
}

void GrowCluster(Piece& from, PieceGroup& cluster) {
    for (int k = 0; k < 4; ++k) {
        const Ref<Piece>& n = CellAt(from.x + kNeighbourDx[k], from.y + kNeighbourDy[k]);
        if (!n || n->Checked) continue;
        n->Checked = 1;
        cluster.push_back(n);
        GrowCluster(*n, cluster);
    }
}

} // namespace

HoverPiece::HoverPiece() : Piece("hoverpiece", BlockImages.FairyTile), Anim(NewFairyTileAnim()) {}

void HoverPiece::Update() {
    Piece::Update();
    if (Anim) {
        Anim->Update();
        if (Ref<TImage> image = Anim->Image()) Image = image;
        Frame = Anim->Frame();
        OverrideFrame = 1;
    }
    if (!OnBoard || PieceExplosionParticle) return;

    bool touched = false;
    for (int k = 0; k < 4; ++k) {
        const Ref<Piece>& n = CellAt(x + kNeighbourDx[k], y + kNeighbourDy[k]);
        if (n && n->Normal()) touched = true;
    }
    if (!touched && y > 0) {
        Release();
        return;
    }
    UpdateCobwebs();

    if (BreakFreeAnim != 0) {
        BreakFreeAnim += 1;
        if (BreakFreeAnim > kBreakFreeAfter) {
            Release();
            return;
        }
    }
    if (Ceiling() >= kOpenRowsToBreakFree) {
        if (ClusterCanMatch())
            BreakFreeAnim = 0;
        else if (BreakFreeAnim == 0)
            BreakFreeAnim = 1;
    } else {
        BreakFreeAnim = 0;
    }
}

void HoverPiece::UpdateCobwebs() {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            // The tile's own cell holds no web.
            if (dx == 0 && dy == 0) continue;
            int& strength = DrawCobwebs[dx + 1][dy + 1];
            strength += CellAt(x + dx, y + dy) ? 2 : -1;
            strength = std::clamp(strength, 0, kCobwebMax);
        }
}

int HoverPiece::Ceiling() {
    int rows = 0;
    for (int row = y - 1; row >= 0; --row) {
        if (RowEmpty(row))
            rows += 1;
        else if (rows > 0)
            break;
    }
    return rows;
}

bool HoverPiece::ClusterCanMatch() {
    ClearChecked();
    Checked = 1;
    PieceGroup cluster;
    GrowCluster(*this, cluster);
    PieceGroup reachable;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->Bottom && p->y > 0) reachable.push_back(p);
    });
    for (const Ref<Piece>& member : cluster)
        for (const Ref<Piece>& p : reachable)
            if (p != member && PiecesMatch(member, p)) return true;
    return false;
}

void HoverPiece::Release() {
    PlayBoardSound("media\\sound\\fairyreleased.ogg");
    RemoveFromBoard(1);
}

void HoverPiece::RemoveFromBoard(int dropUnsupported) {
    if (!OnBoard) return;
    // The freed fairy is worth points of its own instead of quota.
    NoParticle = 1;
    float left = static_cast<float>(BoardLeft() + GetX());
    ShowPoints(250, left + static_cast<float>(CellWidth / 2), static_cast<float>(GetY() + CellHeight / 2), 1,
               0, 150, 0);
    ReleaseFairy(left, static_cast<float>(GetY()));
    Piece::RemoveFromBoard(dropUnsupported);
}

void HoverPiece::RenderAfter() {
    if (!OnBoard) return;
    float fade = IsGold ? LerpLinearClamped(1, 0, static_cast<float>(IsGold - 2) / 20.0f) : 1.0f;
    float cx = LastDrawnx + static_cast<float>(CellWidth / 2),
          cy = LastDrawnY + static_cast<float>(CellHeight / 2);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            int strength = DrawCobwebs[dx + 1][dy + 1];
            if (strength <= 0) continue;
            TDrawState::Push();
            TDrawState::PushAlpha(LerpLinearClamped(0, fade, static_cast<float>(strength) / kCobwebMax));
            TDrawState::PushRotation(static_cast<float>(std::atan2(dy, dx) * 180 / std::numbers::pi));
            PushCellScale();
            DrawGameImage(FairyGlowImages.Cobweb, cx, cy);
            TDrawState::Pop();
        }
}

} // namespace wispwood
