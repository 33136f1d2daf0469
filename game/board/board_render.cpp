// Drawing of pieces, the board and paths.
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"

namespace wispwood {

void Piece::RenderAt(float px, float py) {
    px -= Height;
    py -= Height;
    LastDrawnx = px;
    LastDrawnY = py;
}

void Piece::Render() {
    RenderAt(static_cast<float>(GetX()), static_cast<float>(GetY()));
}

void PathPossibility::RenderPath() {}

void RenderPaths() {}

void RenderBoardFrame() {}

} // namespace wispwood
