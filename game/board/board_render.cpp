// Drawing of pieces, the board in two passes, the paths and the frame.
#include "game/board/board_render.h"
#include "engine/draw/graphics.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_particles.h"
#include "game/board/earthquake.h"
#include "game/board/hint.h"
#include "game/board/hover_piece.h"
#include "game/board/lock_particles.h"
#include "game/board/lock_piece.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/piece_images.h"
#include "game/board/rainbow_piece.h"
#include <algorithm>

namespace wispwood {

namespace {


} // namespace

void PushCellScale() {
    if (CellWidth == 40) TDrawState::PushScale(kSmallCellScale, kSmallCellScale);
}

void Piece::RenderAt(float px, float py) {
    px -= Height;
    py -= Height;
    LastDrawnx = px;
    LastDrawnY = py;
    TDrawState::Push();
    float alpha = CreationShine != 0 ? 1 - ClampFloat(static_cast<float>(CreationShine) / 50.0f, 0, 1) : 1;
    int brightness = OverrideBrightness != 0 ? OverrideBrightness : 80 + 175 * BottomFadeIn / 30;
    brightness = std::clamp(brightness, 0, 255);
    if (Highlightfortutorial) alpha = 1.5f;
    TDrawState::PushAlpha(alpha);
    if (!FullBright()) TDrawState::PushColor(brightness, brightness, brightness);
    PushCellScale();
    // A standard piece flips into view as it is revealed.
    int frame = Frame != 0 || !Normal() || OverrideFrame ? Frame : BottomFadeIn / 2;
    DrawGameImage(GetMyImage(frame), px, py, frame);
    SetColor(255, 255, 255);
    float cx = px + static_cast<float>(CellWidth / 2), cy = py + static_cast<float>(CellHeight / 2);
    if (Locked) DrawGameImage(BlockImages.BlockLocked, cx, cy);
    if (Unlocker && !IsKind<LockPiece>(this)) DrawGameImage(BlockImages.DestroyLocked, cx, cy);
    TDrawState::Pop();
}

void Piece::Render() {
    float px = static_cast<float>(GetX()), py = static_cast<float>(GetY());
    if (IsGold == 0) {
        RenderAt(px, py);
        return;
    }
    float t = ClampFloat(static_cast<float>(IsGold - 2) / 20.0f, 0, 1);
    TDrawState::Push();
    TDrawState::PushAlpha(1 - t);
    RenderAt(px, py);
    TDrawState::PushAlpha(t);
    PushCellScale();
    DrawGameImage(BlockImages.ComboGold, px, py, GoldFrame);
    TDrawState::Pop();
}

void RenderBoard(bool paused) {
    TDrawState::Push();
    TDrawState::PushOrigin(static_cast<float>(BoardLeft()), static_cast<float>(BoardTop()));
    // Pieces fade in and out, so they blend by their alpha.
    TDrawState::PushBlend(ALPHABLEND);
    BoardEffects.Render();
    // The board goes on shaking, more and more gently, after the quake.
    bool shaking = IsShaking() || IsAfterShaking();
    for (int pass = 0; pass < 2; ++pass)
        ForEachPiece([&](const Ref<Piece>& p) {
            if ((p->Height > 0) != (pass == 1)) return;
            TDrawState::Push();
            if (shaking) {
                if (!paused) {
                    ShakeOffset shake = CurrentShake();
                    p->EarthquakeX = shake.x;
                    p->EarthquakeY = shake.y;
                }
                TDrawState::PushOrigin(p->EarthquakeX, p->EarthquakeY);
            } else {
                p->EarthquakeX = p->EarthquakeY = 0;
            }
            p->Render();
            TDrawState::Pop();
        });
    BoardTwinkles.Render();
    // The overlays leaving locked pieces fly over the pieces they left.
    LockParticles.Render();
    ForEachPiece([](const Ref<Piece>& p) {
        if (auto hover = Cast<HoverPiece>(p)) hover->RenderAfter();
        if (auto rainbow = Cast<RainbowPiece>(p)) rainbow->RenderAfter();
    });
    TDrawState::Pop();
}

void PathPossibility::RenderPath() {
    TDrawState::Push();
    float pathAlpha = 1 - static_cast<float>(TicksOut) / 20.0f;
    TDrawState::PushBlend(LIGHTBLEND);
    if (!Rainbow) TDrawState::PushColor(r, g, b);
    PushCellScale();
    for (const Tile& tile : Tiles()) {
        TDrawState::PushAlpha(pathAlpha * tile.alpha);
        TDrawState::PushRotation(tile.rotation);
        float x = static_cast<float>(tile.x * CellWidth + CellWidth / 2 + 1);
        float y = static_cast<float>(tile.y * CellHeight + CellHeight / 2);
        DrawGameImage(tile.corner ? BlockImages.PathCorner : BlockImages.PathStraight, x, y);
    }
    TDrawState::Pop();
}

void RenderPaths() {
    TDrawState::Push();
    TDrawState::PushOrigin(static_cast<float>(BoardLeft()), static_cast<float>(BoardTop()) + ScrollOffset);
    if (CurrentPath) CurrentPath->RenderPath();
    if (HintPath) {
        TDrawState::Push();
        TDrawState::PushAlpha(HintAlpha());
        HintPath->RenderPath();
        TDrawState::Pop();
    }
    for (const auto& path : FadingPaths) path->RenderPath();
    TDrawState::Pop();
}

void RenderBoardFrame() {
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushScale(1, 1);
    float w = GetTunable("borderwidth", "4");
    DrawGameImage(BoardFrameImages.Left, static_cast<float>(FrameX) + 4 - w, 0);
    DrawGameImage(BoardFrameImages.Right, static_cast<float>(FrameRight()) + w, 0);
    TDrawState::Pop();
}

} // namespace wispwood
