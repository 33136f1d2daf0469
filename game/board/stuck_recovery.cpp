#include "game/board/stuck_recovery.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/crumble.h"
#include "game/board/match_availability.h"
#include "game/board/piece.h"
#include "game/board/stone_pieces.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"
#include <algorithm>
#include <vector>

namespace wispwood {

int StuckState = 0;
int StuckTicks = 0;
int StuckRow = 0;
int StuckRemovals = 0;
int StuckFade = 0;

namespace {

// The age the notice had when the recovery ended: the letters stay grown
// while it fades (at age 0 they would all be invisible).
int StuckNoticeAge = 0;

constexpr int kPatience = 120;    // updates without a pair before the notice
constexpr int kFirstRemoval = 60; // the notice shows this long first
constexpr int kRemovalEvery = 30; // then a row goes this often
constexpr int kLeastRemovals = 6; // at least this many, even if a pair appears
constexpr int kFadeTicks = 100;
constexpr int kLowestKeptRow = 3; // the top rows stay
constexpr int kLowBoardRow = 6;   // a board reaching no lower is not stuck

// The lowest row the recovery can clear. A stone wall never leaves its
// cell, so a wall in the lowest row must not hold the recovery on that row
// for ever.
int LowestClearableRow() {
    int lowest = 0;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!IsKind<StoneWall>(p)) lowest = std::max(lowest, p->y);
    });
    return lowest;
}

bool SomeLowPieceStands() {
    bool any = false;
    ForEachPiece(
        [&](const Ref<Piece>& p) { any = any || (p->y > kLowBoardRow && !p->PieceExplosionParticle); });
    return any;
}

void ClearLowestRows() {
    StuckRow = std::max(StuckRow, LowestClearableRow());
    StuckRemovals += 1;
    std::vector<Ref<Piece>> doomed;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->y >= StuckRow) doomed.push_back(p);
    });
    // Each removal runs the drop pass, which may take later pieces of the
    // list off the grid first.
    for (const Ref<Piece>& p : doomed) {
        if (!p->OnBoard) continue;
        Sparkles(*p, 13, 0.5f);
        p->RemoveFromBoard(1);
    }
    StuckRow = std::max(kLowestKeptRow, LowestClearableRow());
}

} // namespace

void UpdateStuck() {
    if (StuckFade > 0) {
        StuckFade += 1;
        if (StuckFade > kFadeTicks) StuckFade = 0;
    }
    if (NoMatchAvailable() && SomeLowPieceStands()) {
        StuckTicks += 1;
    } else {
        StuckTicks = 0;
    }
    if (StuckTicks > kPatience && StuckState == 0) {
        StuckState = 1;
        StuckRemovals = 0;
        StuckRow = std::max(StuckRow, LowestClearableRow());
    }
    if (StuckState == 0) return;
    StuckState += 1;
    if (StuckState > kFirstRemoval && StuckState % kRemovalEvery == 0) ClearLowestRows();
    if (StuckRemovals >= kLeastRemovals && !NoMatchAvailable()) {
        StuckNoticeAge = static_cast<int>(static_cast<float>(StuckState) * 1.5f);
        StuckState = 0;
        StuckFade = 1;
    }
}

int StuckActive() {
    return StuckState > 0 ? 1 : 0;
}

void RenderStuckNotice() {
    if (StuckState <= 0 && StuckFade <= 0) return;
    float alpha = StuckFade > 0 ? LerpSqrtClamped(1, 0, static_cast<float>(StuckFade) / kFadeTicks) : 1;
    int age = StuckState > 0 ? static_cast<int>(static_cast<float>(StuckState) * 1.5f) : StuckNoticeAge;
    TDrawState::Push();
    TDrawState::PushAlpha(alpha);
    PrintPopIn(GetText("game", "nomatches"), static_cast<float>(BoardCentreX()), 300, AlignMiddle, 0.75f, age,
               0, BigFont);
    TDrawState::Pop();
}

void ResetStuck() {
    StuckState = StuckTicks = StuckRow = StuckRemovals = StuckFade = 0;
    StuckNoticeAge = 0;
}

} // namespace wispwood
