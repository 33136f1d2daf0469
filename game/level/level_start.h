#pragma once
// Starting a level of the current set: it becomes the current level, and
// its quota, time, row generation, board and (on a bonus level) the bonus
// game's grid are prepared.

namespace wispwood {

// Starts the first level of the set, the same one again (retry) or the next
// one. Returns 1 when the set is finished (no next level), else 0. The level
// takes the current player's relaxed choice as it starts: a change of mind
// during a level holds from the next start (or the retry after a lost life).
int StartLevel(int first, int retry);
// The mode of the level about to start (or resume). A relaxed level makes
// the game in progress a relaxed game.
void TakeLevelMode(bool relaxed);
// Starts Levels[index] on an empty board, for a saved game to fill, in the
// mode taken before; 0 and nothing changed when the set has no such level.
int ResumeLevel(int index);

} // namespace wispwood
