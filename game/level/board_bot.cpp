#include "game/level/board_bot.h"
#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/groups.h"
#include "game/board/level_set.h"
#include "game/board/match_availability.h"
#include "game/board/piece.h"
#include "game/board/piece_match.h"
#include "game/board/stuck_recovery.h"
#include "game/board/tutorials.h"
#include "game/level/bonus_brick.h"
#include "game/level/bonus_game.h"
#include "game/level/level_end.h"
#include "game/level/tally.h"
#include <algorithm>
#include <map>

namespace wispwood {

namespace {

// In reach and uncovered; a piece that cannot be selected may still be
// clicked as the second of a match (a fairy tile, after a rainbow).
bool BotInReach(const Ref<Piece>& p) {
    return p && p->OnBoard && p->Bottom && p->BottomDelay == 0 && p->Valid() && p->y > 1 && !p->Locked;
}

bool BotPickable(const Ref<Piece>& p) {
    return BotInReach(p) && p->InvalidForSelection() == 0;
}

bool BotBoardIdle() {
    if (!CurrentLevel || CurrentLevel->DoneQuotaBottleEffect) return false;
    return !StuckActive() && !SuccessSequence && !GameOverSequence && !TallyShowing();
}

double BotGroupValue(const Ref<Piece>& representative) {
    PieceGroup group = SameColourGroup(representative);
    if (group.empty()) group.push_back(representative);
    double value = static_cast<double>(group.size());
    for (const Ref<Piece>& p : group) {
        // Specials do more than their own cell: blasters, bombs, keys.
        if (!p->Normal()) value += 3;
        if (p->HasGem || p->Unlocker) value += 2;
        // Low pieces first: what they held up drops into reach.
        value += 0.05 * p->y;
    }
    return value;
}

// Board clicks and the board's own random pick both read the generator;
// the bot's thinking must not move it, or the game would play differently
// for the same seed depending on how often the bot looked.
GroupPair BoardsOwnPick() {
    const int32_t seed = RandomSeed();
    GroupPair pair = RandomMatchingPair(-1, 1);
    if (pair.size() != 2 || pair[0].empty() || pair[1].empty()) pair = RandomMatchingPair(-1, 0);
    SeedRandom(seed);
    return pair;
}

// Whether a running lesson keeps the player off some of the pieces in reach.
bool LessonRestricts() {
    if (TutorialCount() == 0) return false;
    bool restricted = false;
    ForEachPiece(
        [&](const Ref<Piece>& p) { restricted |= BotInReach(p) && TutorialClickDisallowed(p) != 0; });
    return restricted;
}

// The piece a lesson lets the player click, where its arrow points.
Ref<Piece> PieceTheLessonShows() {
    Ref<Piece> shown;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!shown && BotInReach(p) && !p->MahjongOver && TutorialClickDisallowed(p) == 0) shown = p;
    });
    return shown;
}

} // namespace

std::optional<BotMatch> BestMatch(bool lessonAllowedOnly) {
    std::map<int, Ref<Piece>> groups; // one reachable piece per group
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!BotPickable(p) || (lessonAllowedOnly && TutorialClickDisallowed(p) != 0)) return;
        auto [it, added] = groups.emplace(p->BottomGroupID, p);
        if (!added && p->y > it->second->y) it->second = p;
    });
    std::map<int, double> values;
    std::optional<BotMatch> best;
    for (auto a = groups.begin(); a != groups.end(); ++a)
        for (auto b = std::next(a); b != groups.end(); ++b) {
            if (!PiecesMatch(a->second, b->second)) continue;
            for (int id : {a->first, b->first})
                if (!values.count(id)) values[id] = BotGroupValue(groups[id]);
            double value = values[a->first] + values[b->first];
            if (!best || value > best->value) best = BotMatch{a->second, b->second, value};
        }
    // The eye sweeps the open space once along the board: groups that face
    // a gap column from the side come into view in the same sweep, and a
    // board opened up by gaps, with more pairs in view, is not slower to
    // read than a plain one.
    if (best) best->groupsInReach = std::min(static_cast<int>(groups.size()), BoardWidth);
    return best;
}

void BoardBot::Restart() {
    sinceClick_ = BotClickGapUpdates;
    partner_ = nullptr;
    looking_.reset();
    refusedSelections_ = 0;
    awaitingSelection_ = false;
    seenFairies_.clear();
    hideClicked_ = false;
}

std::optional<BotClick> BoardBot::Act() {
    ++sinceClick_;
    if (!CurrentLevel) return std::nullopt;
    std::optional<BotClick> click = IsBonusLevel(*CurrentLevel) ? ActOnBonus() : ActOnBoard();
    if (click) sinceClick_ = 0;
    return click;
}

std::optional<BotClick> BoardBot::ClickPiece(const Ref<Piece>& piece) {
    return BotClick{BoardLeft() + piece->GetX() + CellWidth / 2, BoardTop() + piece->GetY() + CellHeight / 2};
}

std::optional<BotClick> BoardBot::ActOnBoard() {
    if (!BotBoardIdle()) {
        partner_ = nullptr;
        looking_.reset();
        return std::nullopt;
    }
    if (sinceClick_ < BotClickGapUpdates) return std::nullopt;
    const bool selected = CountSelected() > 0;
    if (awaitingSelection_) {
        refusedSelections_ = selected ? 0 : refusedSelections_ + 1;
        awaitingSelection_ = false;
    }
    if (selected && BotPickable(partner_)) {
        Ref<Piece> target = partner_;
        partner_ = nullptr;
        return ClickPiece(target);
    }
    Ref<Piece> first, second;
    if (LessonRestricts()) {
        // A match among the pieces the lesson allows; a lesson that lets
        // one group be clicked at a time is followed arrow by arrow.
        if (std::optional<BotMatch> allowed = BestMatch(true)) {
            first = allowed->first, second = allowed->second;
        } else if (Ref<Piece> shown = PieceTheLessonShows()) {
            return ClickPiece(shown);
        }
    } else if (refusedSelections_ >= 2) {
        GroupPair pair = BoardsOwnPick();
        if (pair.size() == 2 && !pair[0].empty() && !pair[1].empty()) first = pair[0][0], second = pair[1][0];
    } else {
        // A pair chosen while looking is clicked once the look is over, if
        // both pieces are still there; otherwise the look starts again.
        if (looking_ && !(BotPickable(looking_->first) && BotPickable(looking_->second))) looking_.reset();
        if (!looking_) {
            looking_ = BestMatch();
            if (!looking_) return std::nullopt;
            foundAt_ =
                sinceClick_ + (fastPace_ || selected ? 0 : BotScanUpdatesPerGroup * looking_->groupsInReach);
        }
        if (sinceClick_ < foundAt_) return std::nullopt;
        first = looking_->first, second = looking_->second;
        looking_.reset();
    }
    if (!first) return std::nullopt;
    if (first->MahjongOver) return ClickPiece(second);
    partner_ = second;
    awaitingSelection_ = true;
    return ClickPiece(first);
}

std::optional<BotClick> BoardBot::ActOnBonus() {
    for (int c = 0; c < BonusColumns; ++c)
        for (int r = 0; r < BonusRows; ++r) {
            const Ref<BonusBrick>& b = BonusGrid[c][r];
            // A tile turned over to show its fairy is what the player sees.
            if (b && b->onBoard && BonusPhase == BonusShow && b->FlipDelay <= 0 && b->Frame >= 24)
                seenFairies_.insert({c, r});
        }
    if (sinceClick_ < BotClickGapUpdates || !BonusStarted) return std::nullopt;
    if (BonusPhase == BonusShow) {
        if (hideClicked_ || HideClicked || static_cast<int>(seenFairies_.size()) < FairyCount)
            return std::nullopt;
        hideClicked_ = true;
        return BotClick{BonusGridLeft() + BonusTileSize * BonusColumns / 2, BonusGridTop() - 40};
    }
    if (BonusPhase != BonusFind) return std::nullopt;
    for (auto it = seenFairies_.begin(); it != seenFairies_.end();) {
        const Ref<BonusBrick>& b = BonusGrid[it->first][it->second];
        if (!b || !b->onBoard) {
            it = seenFairies_.erase(it);
            continue;
        }
        if (b->Flipping) return std::nullopt;
        Ref<BonusBrick> target = b;
        seenFairies_.erase(it);
        return BotClick{BonusGridLeft() + target->GetX() + BonusTileSize / 2,
                        target->GetY() + BonusTileSize / 2};
    }
    return std::nullopt;
}

} // namespace wispwood
