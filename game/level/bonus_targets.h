#pragma once
// The bonus game's places for the keyboard and pad cursor: its tiles.
namespace wispwood {

class NavTargets;

// Adds every tile still in the grid once the game has begun; the cursor
// starts in the middle of the grid.
void AddBonusTargets(NavTargets& targets);

} // namespace wispwood
