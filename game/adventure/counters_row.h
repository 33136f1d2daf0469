#pragma once
// A player's collection in one row: gems, silver medals and gold medals,
// each a number beside its picture. The row is given as the text the
// high-score table stores with a score ("gems,silver,gold").
#include "engine/core/text.h"

namespace wispwood {

// The gem and medal pictures of the row.
void LoadCountersImages();
// Draws the row with its left edge at x and its numbers' top at y; a
// missing or empty part shows as 0.
void RenderCountersRow(const Text& counters, float x, float y);
void ResetCountersImages();

} // namespace wispwood
