#include "game/board/game_stats.h"

namespace wispwood {

TList<Ref<GameStats>> TallyStats;
Ref<GameStats> TilesPopped;
Ref<GameStats> SilverCombosStat;
Ref<GameStats> GoldCombosStat;
Ref<GameStats> BiggestComboStat;

namespace {

Ref<GameStats> MakeStat(const Text& name, float points) {
    auto stat = New<GameStats>();
    stat->Name = name;
    stat->Points = points;
    TallyStats.AddLast(stat);
    return stat;
}

} // namespace

void CreateGameStats() {
    ResetGameStats();
    TilesPopped = MakeStat("Tiles Popped", 10);
    SilverCombosStat = MakeStat("Silver Combos", 250);
    GoldCombosStat = MakeStat("Gold Combos", 2000);
    BiggestComboStat = MakeStat("Biggest Combo", 1);
}

void ResetAllStats() {
    for (const auto& stat : TallyStats) stat->Reset();
}

void ResetGameStats() {
    TallyStats.Clear();
    TilesPopped = SilverCombosStat = GoldCombosStat = BiggestComboStat = nullptr;
}

} // namespace wispwood
