#include "game/board/game_score.h"

namespace wispwood {

int GameScore = 0;
int DisplayedScore = 0;

void CountDisplayedScore() {
    int gap = GameScore - DisplayedScore;
    if (gap > 10000) {
        DisplayedScore += 1000;
    } else if (gap > 1000) {
        DisplayedScore += 100;
    } else if (gap > 100) {
        DisplayedScore += 10;
    } else if (gap > 0) {
        DisplayedScore += 1;
    } else {
        // A score that dropped (a new game) is shown at once.
        DisplayedScore = GameScore;
    }
}

void ResetGameScore() {
    GameScore = 0;
    DisplayedScore = 0;
}

} // namespace wispwood
