#pragma once
// The score of the game in progress and the value the score panel shows,
// which counts up towards it.
namespace wispwood {

extern int GameScore;
extern int DisplayedScore;

// One update of the panel's counter: it closes the gap from below by 1000,
// 100, 10 or 1 depending on how far behind it is.
void CountDisplayedScore();

void ResetGameScore();

} // namespace wispwood
