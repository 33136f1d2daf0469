#pragma once
// The two border images beside the board, which slide to the new edges when
// the board width changes between levels.
namespace wispwood {

extern int FrameX; // the frame's left edge
extern int FrameStartX;
extern float FrameProgress;
extern int FrameSettled;

// The frame stands at the board's edges at once.
void SnapBoardFrame();
// One update of the slide.
void UpdateBoardFrame();
// The right edge, mirroring the left one about the board.
int FrameRight();
// Where texts centred on the board are centred.
int BoardCentreX();
void RenderBoardFrame();

void ResetBoardFrame();

} // namespace wispwood
