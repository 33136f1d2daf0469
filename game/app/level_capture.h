#pragma once
// The images mode: a picture of every adventure location's first board,
// one game scene after another, then an orderly end of the program.
#include "game/adventure/main_game.h"

namespace wispwood {

extern int CaptureLocation; // the location being captured

// A game scene that, once its board has settled and been drawn, saves the
// frame as the location's picture and hands over to the next location.
class LevelCaptureGame : public MainGame {
  public:
    LevelCaptureGame();
    int Render() override;
};

// A capturing game scene for the current level set; it becomes CurrentGame.
Ref<GameLoop> MakeLevelCaptureGame();

void ResetLevelCapture();

} // namespace wispwood
