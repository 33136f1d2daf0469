#pragma once
// The game-over sequence after the last life: "GAME OVER" drops in over
// the held board, and once it has shown the game is lost. While it runs the
// quota no longer counts what reaches the bottle.
#include "engine/core/ref.h"

namespace wispwood {

class GameOver {
  public:
    int Ticks = 0;

    virtual ~GameOver() = default;
    virtual void Update();
    virtual void REnder();
};

// The running game-over sequence, or null.
extern Ref<GameOver> GameOverSequence;
// Set by the game-over sequence once its text has shown; the game scene
// reads it each update as its Lost flag.
extern int LevelLost;

} // namespace wispwood
