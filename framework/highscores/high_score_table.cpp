#include "framework/highscores/high_score_table.h"
#include "engine/io/text_convert.h"
#include <algorithm>
#include <climits>

namespace wispwood {

Ref<THighScoreTable> HighScores;

int THighScoreElement::Compare(const THighScoreElement& other) const {
    int64_t difference = static_cast<int64_t>(Score) - other.Score;
    return static_cast<int>(std::clamp<int64_t>(difference, INT_MIN, INT_MAX));
}

Ref<THighScoreTable> THighScoreTable::Create(int slots, const Text& path) {
    auto table = New<THighScoreTable>();
    table->Elements.resize(static_cast<size_t>(std::max(slots, 0)));
    table->OriginPath = path;
    return table;
}

Ref<THighScoreTable> THighScoreTable::LoadOrCreate(int slots, const Text& path) {
    auto table = Load(path);
    if (!table) return Create(slots, path);
    if (table->SlotNumber() < slots) table->Elements.resize(static_cast<size_t>(slots));
    return table;
}

int THighScoreTable::ScoreInsertionSlot(int score) const {
    for (size_t i = 0; i < Elements.size(); ++i)
        if (Elements[i].Score < score) return static_cast<int>(i) + 1;
    return -1;
}

void THighScoreTable::AddScore(const Text& name, int score, const Text& extra) {
    std::vector<THighScoreElement> entries = Elements;
    entries.push_back({name, score, extra});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const THighScoreElement& a, const THighScoreElement& b) { return a.Compare(b) > 0; });
    entries.resize(Elements.size());
    Elements = std::move(entries);
}

int THighScoreTable::RemoveScore(const Text& name, int score) {
    for (size_t i = 0; i < Elements.size(); ++i) {
        if (Elements[i].Name != name || Elements[i].Score != score) continue;
        Elements.erase(Elements.begin() + static_cast<std::ptrdiff_t>(i));
        Elements.emplace_back();
        return 1;
    }
    return 0;
}

int THighScoreTable::ScoreAtSlot(int i) const {
    return i >= 0 && i < SlotNumber() ? Elements[static_cast<size_t>(i)].Score : 0;
}

Text THighScoreTable::NameAtSlot(int i) const {
    return i >= 0 && i < SlotNumber() ? Elements[static_cast<size_t>(i)].Name : Text();
}

Text THighScoreTable::ExtraDataAtSlot(int i) const {
    return i >= 0 && i < SlotNumber() ? Elements[static_cast<size_t>(i)].ExtraData : Text();
}

int THighScoreTable::SlotNumber() const {
    return static_cast<int>(Elements.size());
}

int THighScoreTable::ScoreExists(const Text& name, int score) const {
    for (const auto& e : Elements)
        if (e.Name == name && e.Score == score) return 1;
    return 0;
}

void THighScoreTable::AddDefaults(const std::vector<std::pair<Text, Text>>& list) {
    for (const auto& [name, scoreText] : list) {
        int score = TextToInt(scoreText);
        if (!ScoreExists(name, score)) AddScore(name, score, "");
    }
}

Ref<THighScoreTable> THighScoreTable::Copy() const {
    return std::make_shared<THighScoreTable>(*this);
}

int SaveHighScores() {
    return HighScores ? HighScores->Save("") : 1;
}

void ResetHighScores() {
    HighScores = nullptr;
}

} // namespace wispwood
