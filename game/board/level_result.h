#pragma once
// The result of a completed level as the quest map receives it: which
// location was played, the medal it earned by the time left, and the gems
// freed from its board.
namespace wispwood {

extern int LastPlayedSpot;
extern int LastMedal; // 0 bronze, 1 silver, 2 gold
extern int LastGemsEarned;
// Gems counted in the current level.
extern int GemsCollected;
// 1 once the current level's result has been recorded.
extern int ResultRecorded;

// The medal for left of total updates remaining at location n: more than
// half the time left is gold, more than a quarter silver, else bronze; an
// untimed level is gold and the first location always bronze.
int MedalForTime(int left, int total, int location);
// The medal the level in play earns with the time it has left now: by
// MedalForTime, and none at all for a relaxed level, which had no clock to
// beat.
int MedalEarnedNow();
// Records the current level's result, once per level.
void RecordLevelResult();
// The medal decision of a won level set: the result is recorded and the
// level-end display starts counting.
void DecideMedal();

// A level starts: nothing recorded for it yet and no gems counted. The
// last result stays for the quest map.
void ClearMedalDecisionLatch();
// Nothing recorded, no gems, no last result (start-up state).
void ResetLevelResult();

} // namespace wispwood
