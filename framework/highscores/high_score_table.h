#pragma once
// The high-score list: a fixed number of (name, score, extra text) entries,
// highest score first, kept in a small binary file in the player's folder.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <utility>
#include <vector>

namespace wispwood {

class THighScoreElement {
  public:
    Text Name;
    int Score = 0;
    Text ExtraData; // free-form data stored with the score

    // Positive when this score is higher (saturated rather than wrapping).
    int Compare(const THighScoreElement& other) const;
};

class THighScoreTable {
  public:
    std::vector<THighScoreElement> Elements; // one per slot, highest score first
    Text OriginPath;                         // where the table came from or is saved to

    // A table of empty entries.
    static Ref<THighScoreTable> Create(int slots, const Text& path);
    // The table stored at the path, or null when the file cannot be opened
    // or is not a whole, well-formed table (see high_score_file.cpp).
    static Ref<THighScoreTable> Load(const Text& path);
    // The table a player keeps in the file: the file's, or when the file is
    // damaged (cut short, a count its bytes cannot hold) or gone, its
    // backup's ("<path>.bak"). A damaged file is set aside as
    // "<path>.damaged", and that is said on standard error. Null when neither
    // holds a table; a table from the backup belongs to the path.
    static Ref<THighScoreTable> LoadKept(const Text& path);
    // Load, else Create. A stored table of fewer entries than slots gets
    // empty entries at the end.
    static Ref<THighScoreTable> LoadOrCreate(int slots, const Text& path);

    // Writes every slot, empty ones included, to the path or, when it is
    // "", to OriginPath. 1 when the file was written; otherwise the file on
    // disk is left as it was. The file it replaces becomes the backup when
    // it is a whole table.
    int Save(const Text& path = "") const;

    // The 1-based slot a score would take (the first entry with a strictly
    // lower score), or -1 when it would not enter the table.
    int ScoreInsertionSlot(int score) const;
    // Inserts behind every entry of an equal or higher score; the lowest
    // entry falls off, so the number of slots stays.
    void AddScore(const Text& name, int score, const Text& extra);
    // Takes out the first entry with exactly this name and score; the
    // entries below move up and an empty one fills the last slot. 1 when
    // there was one.
    int RemoveScore(const Text& name, int score);

    // 0-based; outside the table they read as an empty entry.
    int ScoreAtSlot(int i) const;
    Text NameAtSlot(int i) const;
    Text ExtraDataAtSlot(int i) const;
    int SlotNumber() const;

    // 1 when an entry has exactly this name and score.
    int ScoreExists(const Text& name, int score) const;
    // Each [name, score text] pair not already present is added with an
    // empty extra text; seeds a fresh table.
    void AddDefaults(const std::vector<std::pair<Text, Text>>& list);
    Ref<THighScoreTable> Copy() const;
};

// The game's table: null until the high-score screen loads it, saved to
// its own file at shutdown.
extern Ref<THighScoreTable> HighScores;

// Saves HighScores to the path it came from when it has been loaded; 1 when
// there was nothing to save or the save worked.
int SaveHighScores();
void ResetHighScores();

} // namespace wispwood
