#pragma once
// The level's statistics that the level-complete tally lists, each with its
// bonus points per unit.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "engine/core/tlist.h"

namespace wispwood {

class GameStats {
  public:
    Text Name;
    float Points = 0;
    int n = 0;
    int SilverCombos = 0;
    int GoldCombos = 0;
    int BiggestCombo = 0;
    int def = 0;

    void Inc() { ++n; }
    void Set(int value) { n = value; }
    // The bonus points: the count times the points per unit.
    int Value() const { return static_cast<int>(static_cast<float>(n) * Points); }
    void Reset() { n = def; }
};

// Every statistic in tally order.
extern TList<Ref<GameStats>> TallyStats;
extern Ref<GameStats> TilesPopped;
extern Ref<GameStats> SilverCombosStat;
extern Ref<GameStats> GoldCombosStat;
extern Ref<GameStats> BiggestComboStat;

// The four statistics, made once at start-up in tally order.
void CreateGameStats();
// Every count back to its start value (a new level).
void ResetAllStats();
// No statistics (start-up state).
void ResetGameStats();

} // namespace wispwood
