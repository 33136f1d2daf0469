#pragma once
// A player the game can put at the board (the autoplay tool plays with it).
// It looks only at what a player sees (the pieces, which of them are in
// reach, the selection, the bonus tiles once they are turned over) and acts
// only by clicking, at most once every BotClickGapUpdates updates.
#include "engine/core/ref.h"
#include <optional>
#include <set>
#include <utility>

namespace wispwood {

class Piece;
class BonusBrick;

// 300 ms of game time at 10 ms per update: a quick human.
constexpr int BotClickGapUpdates = 30;
// Before the first click of a match a player looks along the edge of the
// open space for a pair: the wider the choice, the longer the look. The
// fast pace leaves this out and plays at the click gap alone.
constexpr int BotScanUpdatesPerGroup = 10;

struct BotClick {
    int x = 0;
    int y = 0;
};

// A candidate match as the bot weighs it.
struct BotMatch {
    Ref<Piece> first;
    Ref<Piece> second;
    double value = 0;
    int groupsInReach = 0;
};

// The best legal match among the reachable pieces, or none. Prefers more
// pieces cleared, specials, and pieces low on the board (whose removal lets
// the pieces above drop into reach). With lessonAllowedOnly, only among the
// pieces a running lesson lets the player click.
std::optional<BotMatch> BestMatch(bool lessonAllowedOnly = false);

class BoardBot {
  public:
    explicit BoardBot(bool fastPace = false) : fastPace_(fastPace) {}
    // A new level (or a retry): nothing remembered.
    void Restart();
    // Once per update, after the input snapshot: where to click, if at all.
    std::optional<BotClick> Act();

  private:
    std::optional<BotClick> ActOnBoard();
    std::optional<BotClick> ActOnBonus();
    std::optional<BotClick> ClickPiece(const Ref<Piece>& piece);

    bool fastPace_ = false;
    int sinceClick_ = BotClickGapUpdates;
    Ref<Piece> partner_;
    // The pair being looked for, and the update count at which it is found.
    std::optional<BotMatch> looking_;
    int foundAt_ = 0;
    // Clicks on a first piece that selected nothing, in a row: the lesson
    // may be keeping the player off; the board's own pick is then used.
    int refusedSelections_ = 0;
    bool awaitingSelection_ = false;
    // Bonus tiles seen turned over, by (column, row).
    std::set<std::pair<int, int>> seenFairies_;
    bool hideClicked_ = false;
};

} // namespace wispwood
