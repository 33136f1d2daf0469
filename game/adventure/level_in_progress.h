#pragma once
// The level a player is in the middle of, kept when the program is closed
// so that the next start can offer it back.
namespace wispwood {

// 1 while a real player's level is being played: the game scene is on the
// scene stack, the level is neither won nor lost nor in its tally, and it is
// not a bonus level (whose bricks are not saved). The developer modes and
// the temporary profile never count.
int LevelInProgress();

// Writes the level in progress to the current profile's saved-game path;
// does nothing when there is none. Called before the profiles are saved at
// the end of the program.
void SaveLevelInProgress();

} // namespace wispwood
