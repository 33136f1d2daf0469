#pragma once
// Turning the result of a completed level (LastPlayedSpot, LastMedal,
// LastGemsEarned) into the profile's progress: the adventure moves on, the
// level state rises, gems and medals are added. The quest map does this
// when it is entered and animates it; the shutdown does it silently for a
// result the map never received.
#include "game/services/player_profile.h"
#include <vector>

namespace wispwood {

// The last location of the adventure.
constexpr int kLastLocation = kLocationCount - 1;

class PlayerProfile;

// What the map shows of the progress made.
struct AdventureStep {
    int spot = -1;          // the location played, -1 = none
    int frontier = 0;       // 1 when it was the frontier location
    int reveal = 0;         // 1 when a medal reveal is due
    int revealOldState = 0; // shown until the reveal
    int revealDelay = 0;
};

// One flight into the rank panel.
struct RewardFlight {
    int medal = 0; // 0 gem, 1 silver, 2 gold
    float tx = 0, ty = 0;
    int extraDelay = 0; // added to the flight's own start delay
    int rankUp = 0;
};

// The adventure and level state for the last result.
AdventureStep AdvanceAdventure(PlayerProfile& profile);
// Adds the last result's gems and medal to the profile and returns their
// flights in creation order (gems first, then the medal).
std::vector<RewardFlight> BankRewards(PlayerProfile& profile);
// Forgets the last result.
void ClearLastResult();
// At exit: a result that never reached the map goes into the current
// profile now, without the map's animations. 1 when there was one.
int BankUnconsumedLevelResult();

} // namespace wispwood
