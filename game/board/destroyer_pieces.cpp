// Row and column destroyers.
#include "game/board/beam_flash.h"
#include "game/board/board.h"
#include "game/board/clear_pass.h"
#include "game/board/crumble.h"
#include "game/board/falling_pieces.h"
#include "game/board/piece_images.h"
#include "game/board/powerup.h"
#include <cmath>

namespace wispwood {

namespace {

constexpr int kBeamPoints = 10;
// The column beam's front moves down this many pixels per update; a piece
// bursts when the front reaches it.
constexpr int kColumnBeamStep = 14;
// Updates per column between the bursts along a row beam.
constexpr float kRowBeamStep = 6;

} // namespace

DestroyHorizontalPiece::DestroyHorizontalPiece()
    : DestroyPiece("destroyhorizontal", BlockImages.DestroyHorizontal) {}

DestroyVerticalPiece::DestroyVerticalPiece() : DestroyPiece("destroyvertical", BlockImages.DestroyVertical) {}

int DestroyPiece::Activate() {
    RemoveFromBoard(1);
    DropUnsupported();
    return 1;
}

void DestroyPiece::Blast(const Ref<Piece>& piece, int delay) {
    if (!piece || piece.get() == this || !piece->CanBeNuked() || piece->PieceExplosionParticle) return;
    BurstPiece(piece, delay, kBeamPoints);
    Sparkles(*piece, 6, 0);
}

int DestroyPiece::FinishActivation() {
    // Unmarked for the nested pass, so that it reaches the partner
    // destroyer and not this one again.
    int marked = MarkForDestruction;
    MarkForDestruction = 0;
    ClearMarked();
    MarkForDestruction = marked;
    return DestroyPiece::Activate();
}

int DestroyVerticalPiece::Activate() {
    if (Activated) return 1;
    Activated = 1;
    AddVerticalBeam(static_cast<float>(GetX() + CellWidth / 2));
    if (Board.Inside(x, 0))
        for (int row = 0; row < Board.Height(); ++row) {
            Ref<Piece> piece = Board(x, row);
            if (piece) Blast(piece, piece->GetY() / kColumnBeamStep);
        }
    return FinishActivation();
}

int DestroyHorizontalPiece::Activate() {
    if (Activated) return 1;
    Activated = 1;
    AddHorizontalBeams(static_cast<float>(GetX() + CellWidth / 2),
                       static_cast<float>(GetY() + CellHeight / 2));
    // The bursts spread from half the destroyer's column, not from the
    // destroyer itself.
    const float from = static_cast<float>(x) / 2;
    if (Board.Inside(0, y))
        for (int column = 0; column < Board.Width(); ++column) {
            Ref<Piece> piece = Board(column, y);
            if (piece)
                Blast(piece, static_cast<int>(kRowBeamStep * std::fabs(static_cast<float>(column) - from)));
        }
    return FinishActivation();
}

} // namespace wispwood
