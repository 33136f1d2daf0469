#pragma once
// The level's time limit in updates.
namespace wispwood {

extern int LevelTime;
extern int TimeLeft;
// 0 while the level runs; 1 from the medal decision of a won level on,
// then counted up by the level-end display.
extern int LevelEndTicks;
// The level in play is relaxed: the player chose to play without the clock
// when it started (or when the saved game was made). It has no time limit,
// so it cannot be lost, and it earns no medal.
extern bool RelaxedLevel;

// Sets both to t updates. In the master quest t is halved first and an
// untimed level gets 18000 (three minutes), so every level there is timed.
// A relaxed level is untimed whatever t is.
void SetLevelTime(int t);

// 1 when the level has a time limit (more than 2 updates).
int IsTimed();
// 1 once a timed level's time has run out.
int TimeIsUp();

// No time, no level end, not relaxed (start-up state).
void ResetLevelTimer();

} // namespace wispwood
