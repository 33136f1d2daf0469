#include "game/board/scroll.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/column_stacks.h"
#include "game/board/level_set.h"
#include "game/board/outlines.h"
#include "game/board/piece.h"
#include "game/board/row_push.h"
#include "game/board/score_popups.h"
#include "game/board/vine_coin.h"
#include <algorithm>
#include <vector>

namespace wispwood {

float CurrentSpeed = 0;

namespace {

constexpr float kAcceleration = 0.005f;
constexpr float kDeceleration = 0.01f;

// The line a column's lowest piece may reach: a little lower with the small
// cells, and higher the more pieces lie piled at the column's floor.
int DangerLine(int x) {
    int line = CellHeight + (CellWidth == 40 ? 450 : 431);
    int piled = StackedCount(x);
    if (piled > 1) line -= (piled - 2) * CellHeight;
    return line;
}

} // namespace

float FreeSpace() {
    if (BoardWidth <= 0) return 0;
    std::vector<int> lowest(BoardWidth, 0);
    std::vector<bool> filled(BoardWidth, false);
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->x < 0 || p->x >= BoardWidth) return;
        int y = p->GetY();
        if (!filled[p->x] || y > lowest[p->x]) lowest[p->x] = y;
        filled[p->x] = true;
    });
    float space = 0;
    for (int x = 0; x < BoardWidth; ++x) {
        float column = static_cast<float>(DangerLine(x) - (filled[x] ? lowest[x] : 0));
        space = x == 0 ? column : std::min(space, column);
    }
    if (CurrentLevel && CurrentLevel->LastRowComplete) space = std::min(space, CellHeight - ScrollOffset);
    return space;
}

void ControlSpeed() {
    float space = FreeSpace();
    if (space <= 0) {
        CurrentSpeed = 0;
        return;
    }
    bool quotaEffectRan = CurrentLevel && CurrentLevel->DoneQuotaBottleEffect;
    // Braking distance at the deceleration: v^2 / (2 a).
    if (space > 100 * CurrentSpeed * CurrentSpeed / 2 && !quotaEffectRan) {
        CurrentSpeed += kAcceleration;
    } else {
        CurrentSpeed -= kDeceleration;
        if (CurrentSpeed < 0) CurrentSpeed = 0;
    }
}

void ScrollBoard() {
    ControlSpeed();
    // A restored board fades in where it stands.
    if (CountShining() != 0) return;
    float v = CurrentLevel && CurrentLevel->StopScrolling ? 0.0f : CurrentSpeed;
    for (const auto& p : BoardEffects.AllParticles) p->y += v;
    // The gem, vine-coin and horizontal-flash groups belong to the board too;
    // their owners add them here.
    ScrollPopups(v);
    ScrollVineCoins(v);
    // The outlines are laid round the cells they were built for; without
    // this they would slide off their groups while the board creeps.
    ScrollOutlines(v);
    ScrollOffset += v;
    if (ScrollOffset > CellHeight) {
        if (CurrentLevel && CurrentLevel->LastRowComplete) {
            ScrollOffset = static_cast<float>(CellHeight);
            CurrentLevel->StopScrolling = 1;
        } else {
            ScrollOffset = 0;
            PushRowDown();
        }
    }
}

void ResetScroll() {
    CurrentSpeed = 0;
}

} // namespace wispwood
