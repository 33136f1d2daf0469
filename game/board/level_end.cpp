#include "game/board/level_end.h"

namespace wispwood {

Ref<GameOver> GameOverSequence;
Ref<GameSuccess> SuccessSequence;
int LevelWon = 0;
int LevelLost = 0;

void ResetLevelEnd() {
    GameOverSequence = nullptr;
    SuccessSequence = nullptr;
    LevelWon = LevelLost = 0;
}

} // namespace wispwood
