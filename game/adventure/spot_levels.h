#pragma once
// Starting a location: its levels become the current level set.

namespace wispwood {

// The location whose level is being played.
extern int CurrentSpotIndex;

// CurrentLevelSet := the location's levels, or null when the game has no
// such location.
void LoadSpotLevels(int index);

// Plays the location: 1 when the game scene was pushed (or waits for the
// running transition). A missing location is refused (0) and nothing
// changes.
int StartQuestLevel(int index);

// Start-up state: location 0.
void ResetSpotLevels();

} // namespace wispwood
