#pragma once
// The level's time limit in updates.
namespace wispwood {

extern int LevelTime;
extern int TimeLeft;

// Sets both to t updates. In the master quest t is halved first and an
// untimed level gets 18000 (three minutes), so every level there is timed.
void SetLevelTime(int t);

void ResetLevelTimer();

} // namespace wispwood
