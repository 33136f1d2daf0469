#include "game/adventure/score_tables.h"
#include "engine/io/text_convert.h"
#include "framework/highscores/high_score_table.h"
#include "game/services/player_profile.h"
#include "game/services/user_data.h"
#include <utility>
#include <vector>

namespace wispwood {

Ref<THighScoreTable> RelaxedHighScores;

namespace {

// The rows of a fresh table; the relaxed one has names of its own, so the
// two tables are told apart at a glance.
const std::vector<std::pair<Text, Text>> kTimedDefaults = {
    {"Ada", "50000"},  {"Bram", "40000"},  {"Clara", "35000"}, {"Dorian", "30000"}, {"Elsa", "25000"},
    {"Finn", "20000"}, {"Greta", "15000"}, {"Hugo", "10000"},  {"Iris", "7500"},    {"Jonas", "5000"},
};
const std::vector<std::pair<Text, Text>> kRelaxedDefaults = {
    {"Kira", "50000"}, {"Lars", "40000"},  {"Mila", "35000"}, {"Nils", "30000"}, {"Olga", "25000"},
    {"Pia", "20000"},  {"Quinn", "15000"}, {"Rosa", "10000"}, {"Sven", "7500"},  {"Tilda", "5000"},
};

Ref<THighScoreTable> LoadTable(const Text& file, const std::vector<std::pair<Text, Text>>& defaults) {
    const Text path = UserDataPath() + file;
    Ref<THighScoreTable> table = THighScoreTable::LoadKept(path);
    // The defaults only when nothing better is kept.
    if (!table) {
        table = THighScoreTable::Create(kScoreRows, path);
        table->AddDefaults(defaults);
    }
    return table;
}

} // namespace

void LoadScoreTables() {
    HighScores = RelaxedHighScores = nullptr;
    TableOf(ScoreTable::Timed);
    TableOf(ScoreTable::Relaxed);
}

Ref<THighScoreTable> TableOf(ScoreTable table) {
    // A table in memory may hold what its file does not yet: it is never
    // read over.
    if (table == ScoreTable::Relaxed) {
        if (!RelaxedHighScores) RelaxedHighScores = LoadTable("relaxedscores.dat", kRelaxedDefaults);
        return RelaxedHighScores;
    }
    if (!HighScores) HighScores = LoadTable("highscores.dat", kTimedDefaults);
    return HighScores;
}

Text ScoreCounters(const PlayerProfile& profile) {
    return IntToText(profile.Gems) + "," + IntToText(profile.SilverMedals) + "," +
           IntToText(profile.GoldMedals);
}

void KeepRelaxedGameScore(PlayerProfile& profile, int score) {
    if (score <= 0) return;
    Ref<THighScoreTable> table = TableOf(ScoreTable::Relaxed);
    if (profile.RelaxedScoreKept > 0) table->RemoveScore(profile.Name, profile.RelaxedScoreKept);
    table->AddScore(profile.Name, score, ScoreCounters(profile));
    profile.RelaxedScoreKept = score;
}

int SaveRelaxedHighScores() {
    return RelaxedHighScores ? RelaxedHighScores->Save("") : 1;
}

void ResetRelaxedHighScores() {
    RelaxedHighScores = nullptr;
}

} // namespace wispwood
