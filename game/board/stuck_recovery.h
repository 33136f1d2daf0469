#pragma once
// Stuck recovery: when no legal pair is left for a while, a notice appears
// and the board is cleared away row by row from the bottom until a pair
// exists again.
namespace wispwood {

extern int StuckState; // 0 inactive, else updates since it started
extern int StuckTicks; // updates without a legal pair
extern int StuckRow;   // the lowest rows from this one down are cleared
extern int StuckRemovals;
extern int StuckFade; // 0, or 1 to 100 while the notice fades out

// The stuck check, once per update of the board step while no piece is
// being created.
void UpdateStuck();
// 1 while the recovery runs.
int StuckActive();
// The notice, while the recovery runs or fades.
void RenderStuckNotice();
// Every stuck field to 0 (a level start, and start-up state).
void ResetStuck();

} // namespace wispwood
