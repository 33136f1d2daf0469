#include "game/board/piece_factory.h"
#include "engine/io/text_routines.h"
#include "framework/anim/numeric.h"
#include "game/board/board.h"
#include "game/board/level_set.h"
#include "game/board/piece_definition.h"
#include "game/board/powerup.h"
#include "game/board/stone_pieces.h"
#include <algorithm>

namespace wispwood {

Ref<Piece> NewStandardPiece(int colour) {
    auto piece = New<Piece>();
    piece->Color = colour;
    piece->Image = LevelPieceImage(CurrentLevel.get(), colour);
    return piece;
}

Ref<Piece> CreatePieceByName(const Text& name, int x, int y, int colour, int shine) {
    if (!Board.Inside(x, y) || x >= BoardWidth || y >= BoardHeight) return nullptr;
    Ref<Piece> piece;
    if (name == "standard") {
        // The colour comes from a file and indexes the colour tables.
        if (colour < 0 || colour >= kStandardColourCount) return nullptr;
        piece = NewStandardPiece(colour);
    } else if (name == "sidebomb") {
        Board(x, y) = nullptr;
        return nullptr;
    } else if (name == "bomb") {
        piece = New<Bomb>();
    } else if (name == "stonepiece") {
        piece = New<StonePiece>();
    } else if (FindText(name, "stonewall")) {
        auto wall = New<StoneWall>();
        if (FindText(name, "renderer")) {
            wall->Renderer = 1;
            wall->Name = "stonewallrenderer";
        }
        if (CurrentLevel) CurrentLevel->FirstStoneWall = 0;
        piece = wall;
    } else if (FindText(name, "crumbling")) {
        // The stage comes from a file; a stage no piece can have is refused.
        int stage = DigitsToInt(name);
        if (stage < 0 || stage > 2) return nullptr;
        auto crumbling = New<CrumblingPiece>();
        crumbling->SetStage(stage);
        piece = crumbling;
    } else {
        return nullptr;
    }
    piece->x = x;
    piece->y = y;
    piece->Color = colour;
    piece->CreationShine = shine;
    Board(x, y) = piece;
    return piece;
}

} // namespace wispwood
