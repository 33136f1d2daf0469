#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/time_limit.h"

namespace wispwood {

int LastPlayedSpot = -1;
int LastMedal = 0;
int LastGemsEarned = 0;
int GemsCollected = 0;
int ResultRecorded = 0;

int MedalForTime(int left, int total, int location) {
    if (location == 0) return 0;
    // Limits of 2 updates or less count as no limit, as they do for the
    // clock.
    if (total <= 2) return 2;
    const double r = static_cast<double>(left) / static_cast<double>(total);
    if (r > 0.5) return 2;
    if (r > 0.25) return 1;
    return 0;
}

int MedalEarnedNow() {
    if (RelaxedLevel) return 0;
    return MedalForTime(TimeLeft, LevelTime, CurrentLevel ? CurrentLevel->n : 0);
}

void RecordLevelResult() {
    if (ResultRecorded) return;
    ResultRecorded = 1;
    const int n = CurrentLevel ? CurrentLevel->n : 0;
    LastPlayedSpot = n;
    LastGemsEarned = GemsCollected;
    LastMedal = MedalEarnedNow();
}

void DecideMedal() {
    RecordLevelResult();
    LevelEndTicks = 1;
}

void ClearMedalDecisionLatch() {
    GemsCollected = ResultRecorded = 0;
}

void ResetLevelResult() {
    LastPlayedSpot = -1;
    LastMedal = LastGemsEarned = 0;
    GemsCollected = ResultRecorded = 0;
}

} // namespace wispwood
