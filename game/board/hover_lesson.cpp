#include "game/board/hover_lesson.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"
#include "game/board/board.h"
#include "game/board/hover_piece.h"
#include "game/board/piece.h"
#include "game/board/tutorial_images.h"

namespace wispwood {

namespace {

// Colours above this one are kept off while the lesson runs.
constexpr int kHighestFreeingColour = 1;

constexpr int kTileColumn = 6;

} // namespace

TutorialObjectHover::TutorialObjectHover() {
    ArrowA = New<PointyArrow>();
    ArrowA->Image = TutorialArrowImage;
}

void TutorialObjectHover::Update() {
    if (!FoundLastPieces) {
        const int r = LowestOccupiedRow();
        Ref<Piece> tile = PieceAt(kTileColumn, r);
        if (IsKind<HoverPiece>(tile)) {
            FoundLastPieces = 1;
            PieceA = PieceAt(kTileColumn - 1, r);
            PieceB = PieceAt(kTileColumn + 1, r);
            PieceHover = tile;
        }
    } else if (!PieceHover->OnBoard) {
        ArrowA->Kill();
        if (ArrowA->Killed) {
            RemoveSelf();
            return;
        }
    }
    TutorialObject::Update();
    if (Container) Container->Update();
    ArrowA->Update();
    ArrowA->Angle = 135;
    ArrowA->x = 428;
    ArrowA->y = 432;
}

void TutorialObjectHover::Render() {
    if (Backing) Backing->OverallAlpha = ArrowA->Alpha;
    if (Container) Container->Render(0);
    ArrowA->Render();
}

int TutorialObjectHover::PlayerClickDisallow(const Ref<Piece>& piece) {
    // A piece asked about is judged by itself alone, not by where the
    // mouse happens to be.
    if (piece) return piece->Color > kHighestFreeingColour ? 1 : 0;
    int refused = 0;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->mover && p->Color > kHighestFreeingColour) refused = 1;
    });
    return refused;
}

} // namespace wispwood
