#pragma once
// The player that autoplay puts at the board. It looks only at what a
// player sees (the pieces, which of them are in reach, the selection, the
// bonus tiles once they are turned over) and acts only by clicking, at
// most once every ClickGapUpdates updates.
#include "engine/core/ref.h"
#include <optional>
#include <set>
#include <utility>

namespace wispwood {
class Piece;
class BonusBrick;
} // namespace wispwood

namespace wispwood::autoplay {

// 300 ms of game time at 10 ms per update: a quick human.
constexpr int ClickGapUpdates = 30;
// Before the first click of a match a player looks along the edge of the
// open space for a pair: the wider the choice, the longer the look. The
// fast pace leaves this out and plays at the click gap alone.
constexpr int ScanUpdatesPerGroup = 10;

struct BoardClickAt {
    int x = 0;
    int y = 0;
};

// A candidate match as the bot weighs it.
struct MatchChoice {
    Ref<Piece> first;
    Ref<Piece> second;
    double value = 0;
    int groupsInReach = 0;
};

// The best legal match among the reachable pieces, or none. Prefers more
// pieces cleared, specials, and pieces low on the board (whose removal lets
// the pieces above drop into reach). With lessonAllowedOnly, only among the
// pieces a running lesson lets the player click.
std::optional<MatchChoice> BestMatch(bool lessonAllowedOnly = false);

class BoardBot {
  public:
    explicit BoardBot(bool fastPace = false) : fastPace_(fastPace) {}
    // A new level (or a retry): nothing remembered.
    void Restart();
    // Once per update, after the input snapshot: where to click, if at all.
    std::optional<BoardClickAt> Act();

  private:
    std::optional<BoardClickAt> ActOnBoard();
    std::optional<BoardClickAt> ActOnBonus();
    std::optional<BoardClickAt> ClickPiece(const Ref<Piece>& piece);

    bool fastPace_ = false;
    int sinceClick_ = ClickGapUpdates;
    Ref<Piece> partner_;
    // The pair being looked for, and the update count at which it is found.
    std::optional<MatchChoice> looking_;
    int foundAt_ = 0;
    // Clicks on a first piece that selected nothing, in a row: the lesson
    // may be keeping the player off; the board's own pick is then used.
    int refusedSelections_ = 0;
    bool awaitingSelection_ = false;
    // Bonus tiles seen turned over, by (column, row).
    std::set<std::pair<int, int>> seenFairies_;
    bool hideClicked_ = false;
};

} // namespace wispwood::autoplay
