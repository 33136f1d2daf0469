#pragma once
// The end of a level: the success sequence after the quota is reached and
// the board has emptied, the try-again sequence after the time ran out with
// lives to spare, and the game-over sequence after the last life. At most
// one of them runs at a time.
//
// The game scene reads LevelWon and LevelLost each update (they stand for
// its Won and Lost flags): LevelLost is set by the game-over sequence once
// its text has shown, LevelWon by the level-complete tally when the player
// leaves it after the last level of the set.
#include "engine/core/ref.h"
#include "game/board/game_over.h"

namespace wispwood {

class RewardTextGroup;

// The success sequence, and with TryAgain the try-again sequence.
class GameSuccess {
  public:
    float Board_dy = 0; // the board's upward slide speed
    int Ticks = 0;
    int Done = 0;
    int TryAgain = 0;
    Ref<RewardTextGroup> rt;
    int TextCreated = 0;
    int OldCurrentPops = 0; // the count when the drain started
    int Armed = 0;          // the end test waits for the second update

    virtual ~GameSuccess() = default;
    virtual void Update();
    virtual void Render();
};

extern Ref<GameSuccess> SuccessSequence;
extern int LevelWon;

// Every update while the board runs, in this order.
void UpdateGameOver();
void UpdateSuccess();
void RenderGameOver();
void RenderSuccess();

// 1 while the try-again sequence runs; its progress Ticks / 400.
int TryAgainActive();
float TryAgainProgress();

// The bonus game has finished: its level is won.
void StartSuccessSequence();

// While the success or try-again sequence runs the board does not scroll:
// the sequence slides it away instead.
int LevelEndHoldsScroll();
// 1 while any of the three sequences runs.
int LevelEnding();

// No sequence, flags clear.
void ResetLevelEnd();

} // namespace wispwood
