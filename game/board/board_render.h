#pragma once
// Drawing the board: every piece in two passes (lifted pieces last, so they
// overlap their neighbours), the match paths, and the frame.
namespace wispwood {

// While the game is paused a quaking board keeps the offsets it was drawn
// at, so it stands still.
void RenderBoard(bool paused);
// The art is made for 48-pixel cells; 40-pixel cells draw it at 5/6.
constexpr float kSmallCellScale = 5.0f / 6.0f;
void PushCellScale();
// Declared with the paths and the frame: RenderPaths (path_search.h) and
// RenderBoardFrame (board_frame.h).

} // namespace wispwood
