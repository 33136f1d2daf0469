#pragma once
// Drawing the board: every piece in two passes (lifted pieces last, so they
// overlap their neighbours), the match paths, and the frame.
namespace wispwood {

void RenderBoard();
// Declared with the paths and the frame: RenderPaths (path_search.h) and
// RenderBoardFrame (board_frame.h).

} // namespace wispwood
