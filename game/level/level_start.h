#pragma once
// Starting a level of the current set: it becomes the current level, and
// its quota, time, row generation, board and (on a bonus level) the bonus
// game's grid are prepared.

namespace wispwood {

// Starts the first level of the set, the same one again (retry) or the next
// one. Returns 1 when the set is finished (no next level), else 0.
int StartLevel(int first, int retry);
// Starts Levels[index] on an empty board, for a saved game to fill; 0 and
// nothing changed when the set has no such level.
int ResumeLevel(int index);

} // namespace wispwood
