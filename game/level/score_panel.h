#pragma once
// The panel right of the board: score, gems and lives, with the sparkles
// that land on it.

namespace wispwood {

// The panel with its sparkles (panel_particles.h) and the score flights
// arriving on it.
void RenderScorePanel();

} // namespace wispwood
