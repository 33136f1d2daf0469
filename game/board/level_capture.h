#pragma once
// The images mode: a picture of every adventure location's first board,
// one game scene after another, then an orderly end of the program.
namespace wispwood {

class MainGame;

extern int CaptureLocation; // the location being captured

// Called at the end of the game scene's drawing.
void CaptureLevelImage(MainGame& game);

void ResetLevelCapture();

} // namespace wispwood
