#include "game/board/row_push.h"
#include "engine/io/print_line.h"
#include "engine/io/text_convert.h"
#include "game/board/board.h"
#include "game/board/creation_override.h"
#include "game/board/groups.h"
#include "game/board/level_set.h"
#include "game/board/new_piece.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/piece_match.h"
#include "game/board/quota.h"
#include "game/board/reachability.h"
#include "game/board/selection.h"
#include <algorithm>
#include <cstdlib>

namespace wispwood {

namespace {

// Why rows were thrown out is of interest when tuning the generator, and
// noise otherwise.
bool RowDiagnostics() {
    return std::getenv("WISPWOOD_DEBUG_ROWS") != nullptr;
}

void RowDiagnostic(const Text& line) {
    if (RowDiagnostics()) PrintLine(line);
}

// Runs count changes along the row: two pieces are alike only when both are
// standard pieces of one colour, and two empty cells are alike.
bool SameCell(const Ref<Piece>& a, const Ref<Piece>& b) {
    if (!a || !b) return !a && !b;
    return a->Normal() && b->Normal() && a->Color == b->Color;
}

// 1 when some new piece's group would reach too far across or down.
bool GroupTooLarge() {
    int maxWidth = BoardWidth / 2;
    int maxHeight = (2 * BoardWidth) / 3;
    bool measured = false;
    for (int x = 0; x < BoardWidth; ++x) {
        const Ref<Piece>& p = Board(x, 0);
        // A piece the last colour group took in (its flood leaves the
        // members marked) belongs to that group.
        if (!p || (measured && p->Checked)) continue;
        if (p->Normal()) measured = true;
        PieceGroup group = SameColourGroup(p);
        int minX = p->x, maxX = p->x, minY = p->y, maxY = p->y;
        for (const auto& m : group) {
            minX = std::min(minX, m->x);
            maxX = std::max(maxX, m->x);
            minY = std::min(minY, m->y);
            maxY = std::max(maxY, m->y);
        }
        if (maxX - minX >= maxWidth || maxY - minY >= maxHeight) return true;
    }
    return false;
}

// One attempt at row 0; j counts the runs, k the standard pieces the
// random rules made.
void GenerateRow(int forceNormal, int& j, int& k) {
    j = 0;
    k = 0;
    bool goldAtOnce = CurrentLevel && CurrentLevel->DoneQuotaBottleEffect && !QuotaRingSpreading();
    for (int x = 0; x < BoardWidth; ++x) {
        Ref<Piece> p = CurrentLevel ? CurrentLevel->NewPiece(x, forceNormal) : nullptr;
        Board(x, 0) = p;
        if (p) {
            p->x = x;
            p->y = 0;
            if (p->Normal() && !p->CreatedByOverride) ++k;
            if (goldAtOnce) p->TurnToGold();
        }
        if (x == 0 || !SameCell(Board(x, 0), Board(x - 1, 0))) ++j;
    }
}

// A new piece that matches the one below picks up its reveal, so that a
// group flips into view as one.
void ContinueReveal(Piece& t, const Piece& b) {
    if (b.BottomDelay > 0) {
        t.BottomFadeIn = 0;
        t.BottomDelay = b.BottomDelay + 15;
    } else if (b.BottomDelay == 0) {
        t.BottomDelay = 0;
        t.BottomFadeIn = b.BottomFadeIn;
        if (t.BottomFadeIn < 48) {
            t.BottomFadeIn -= 15;
            if (t.BottomFadeIn < 0) {
                t.BottomDelay = -t.BottomFadeIn;
                t.BottomFadeIn = 0;
            }
        }
    } else if (b.Bottom) {
        t.BottomDelay = b.BottomDelay;
        t.BottomFadeIn = b.BottomFadeIn;
    }
}

// The reveal spreads from column x along row 0 through matching pieces.
void SpreadRevealAlongRow(int x) {
    for (int step : {-1, 1}) {
        for (int at = x; at + step >= 0 && at + step < BoardWidth; at += step) {
            const Ref<Piece>& current = Board(at, 0);
            const Ref<Piece>& next = Board(at + step, 0);
            if (!next || !PiecesMatch(current, next)) break;
            next->BottomDelay = current->BottomDelay;
            next->BottomFadeIn = current->BottomFadeIn;
        }
    }
}

void ScheduleNewRow() {
    for (int x = 0; x < BoardWidth; ++x) {
        const Ref<Piece>& t = Board(x, 0);
        if (t && t->Bottom) {
            t->BottomFadeIn = 48;
            t->BottomDelay = 0;
        }
    }
    if (BoardHeight < 2) return;
    for (int x = 0; x < BoardWidth; ++x) {
        const Ref<Piece>& t = Board(x, 0);
        const Ref<Piece>& b = Board(x, 1);
        if (!t || !b || !PiecesMatch(t, b)) continue;
        ContinueReveal(*t, *b);
        SpreadRevealAlongRow(x);
    }
}

} // namespace

int CreateTopRow(int forceNormal) {
    if (BoardHeight < 1) return 0;
    SpecialsBelowRowZero specialsBelow;
    for (int attempt = 1; attempt <= kTopRowAttempts; ++attempt) {
        int j, k;
        GenerateRow(forceNormal, j, k);
        bool varied = j > k / 4 + 2 || j >= k;
        // A row with too few changes is thrown out either way; its groups
        // only decide which reason the log gives.
        if (!varied && !RowDiagnostics()) continue;
        if (GroupTooLarge()) {
            RowDiagnostic("!!");
            continue;
        }
        if (varied) return attempt;
        RowDiagnostic("throwingout " + IntToText(j) + "," + IntToText(k));
    }
    return 0;
}

void PushRowDown() {
    ComputeDeadRegions();
    for (int x = 0; x < BoardWidth; ++x) {
        for (int y = BoardHeight - 2; y >= 0; --y) {
            Board(x, y + 1) = Board(x, y);
            if (Board(x, y + 1)) Board(x, y + 1)->y = y + 1;
        }
        if (BoardHeight > 0) Board(x, 0) = nullptr;
    }
    CreateTopRow(0);
    FindReachablePieces();
    ScheduleNewRow();
    OverridesRowDone();
    ForEachPiece([](const Ref<Piece>& p) { p->Processed = 0; });
    ForEachPiece([](const Ref<Piece>& p) {
        if (p->Processed) return;
        p->Processed = 1;
        p->MovedDown();
    });
    MovePathsDown();
    RegrowSelection();
}

} // namespace wispwood
