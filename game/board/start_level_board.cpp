#include "game/board/start_level_board.h"
#include "game/board/board.h"
#include "game/board/column_stacks.h"
#include "game/board/creation_override.h"
#include "game/board/gem_piece.h"
#include "game/board/hover_piece.h"
#include "game/board/level_set.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_factory.h"
#include "game/board/powerup.h"
#include "game/board/rainbow_piece.h"
#include "game/board/row_push.h"
#include "game/board/scroll.h"
#include "game/board/stone_pieces.h"
#include "game/services/start_flags.h"
#include <utility>

namespace wispwood {

namespace {

constexpr int kStartingRows = 10;
constexpr int kLayoutFirstRow = 5; // the board row of the layout's row 0
constexpr float kRetrySpeed = 1.25f;

std::vector<int> Keep(int n) {
    return std::vector<int>(n, kTutorialKeep);
}

std::vector<int> Empty(int n) {
    return std::vector<int>(n, kTutorialEmpty);
}

const std::vector<std::pair<int, TutorialLayout>>& TutorialLayouts() {
    static const std::vector<std::pair<int, TutorialLayout>> layouts = {
        {0, {Keep(8), Keep(8), {1, 1, 1, 0, 0, 1, 1, 1}, {0, 0, 0, 1, 1, 0, 0, 0}, {0, 0, 0, 1, 1, 0, 0, 0}}},
        {1, {Keep(8), Keep(8), Keep(8), Keep(8), {-1, -1, -9, -1, -1, -10, -1, -1}}},
        {2, {Keep(10), Keep(10), Keep(10), Keep(10), {-1, -1, -2, -1, -1, -2, -1, -1, -1, -1}}},
        {4,
         {{4, 1, -3, 4, 4, 4, 4, 4, 4, 4},
          {2, 3, -3, 4, 4, 4, 4, 4, 4, 4},
          {4, 4, -3, 3, 3, 1, 3, 1, 2, 1},
          {4, 4, -3, 1, 4, 2, 1, 2, 1, 1},
          {4, 4, -3, 2, 1, 1, 3, 1, 2, 1}}},
        {6, {Keep(9), Keep(9), Keep(9), {1, 1, 1, 1, -1, -1, -1, -1, -1}, {0, 0, 0, 0, -1, -1, -13, -1, -1}}},
        {11, {Keep(10), Keep(10), Keep(10), Keep(10), {-1, -1, -1, -5, -1, -5, -1, -1, -1, -1}}},
        {13,
         {Keep(9),
          {2, 2, 3, 3, 2, 2, 3, 3, 3},
          {0, 0, 1, 1, -3, -3, -1, -1, -3},
          {0, 0, 1, 1, -3, 0, -4, 1, -3},
          Empty(9)}},
        {15,
         {Keep(10),
          Keep(10),
          Keep(10),
          {-12, -12, -12, -12, -12, 1, 1, 1, 1, 1},
          {-3, -3, -11, -3, -3, -3, -3, -3, -3, -3, -3}}},
        {16,
         {Keep(11),
          {2, 2, 3, 3, 2, 2, 3, 3, 3, 3, 2, 2, 2},
          {2, 2, 3, 3, -3, -3, -3, -3, -3, -3, -3, -3},
          {3, 3, 2, 2, -3, 0, -4, 1, -3, -3, -3, -3, -3},
          {-3, -11, -3, -3, -3, -3, -3, -3, -3, -3, -3, -3}}},
        {22, {Keep(12), Keep(12), Keep(12), Keep(12), {-1, -1, -7, -1, -1, -1, -1, -1, -1, -7, -1, -1}}},
        {26, {Keep(12), Keep(12), Keep(12), Keep(12), {-1, -1, -8, -1, -1, -1, -1, -1, -1, -8, -1, -1}}},
    };
    return layouts;
}

// Applies one layout row to the freshly generated row 0. Cells the
// generator left empty stay empty.
void ApplyLayoutRow(const std::vector<int>& codes) {
    int columns = std::min(BoardWidth, static_cast<int>(codes.size()));
    for (int x = 0; x < columns; ++x) {
        if (!Board(x, 0)) continue;
        int code = codes[x];
        if (code == kTutorialKeep) continue;
        if (code == kTutorialEmpty) {
            Board(x, 0) = nullptr;
            continue;
        }
        if (Ref<Piece> p = PieceFromTutorialCode(code)) {
            p->x = x;
            p->y = 0;
            Board(x, 0) = p;
        }
        Board(x, 0)->CreatedByTutorial = 1;
    }
}

// Every piece one row down; row 0 is left empty for the next row.
void MoveEveryPieceDown() {
    for (int x = 0; x < BoardWidth; ++x) {
        for (int y = BoardHeight - 2; y >= 0; --y) {
            Board(x, y + 1) = Board(x, y);
            if (Board(x, y + 1)) Board(x, y + 1)->y = y + 1;
        }
        Board(x, 0) = nullptr;
    }
}

} // namespace

const TutorialLayout* TutorialLayoutFor(int level) {
    for (const auto& [n, layout] : TutorialLayouts())
        if (n == level) return &layout;
    return nullptr;
}

Ref<Piece> PieceFromTutorialCode(int code) {
    if (code >= 0) return code < kStandardColourCount ? NewStandardPiece(code) : nullptr;
    switch (code) {
    case kTutorialDestroyVertical:
        return New<DestroyVerticalPiece>();
    case kTutorialHover:
        return New<HoverPiece>();
    case kTutorialBomb:
        return New<Bomb>();
    case kTutorialExtraLife:
        return New<ExtraLife>();
    case kTutorialEarthquake:
        return New<Earthquake>();
    case kTutorialDestroyHorizontal:
        return New<DestroyHorizontalPiece>();
    case kTutorialPick:
        return New<GemPiece>(1);
    case kTutorialGem:
        return New<GemPiece>(0);
    case kTutorialRainbow:
        return New<RainbowPiece>();
    case kTutorialStone:
        return New<StonePiece>();
    case kTutorialUnlocker: {
        Ref<Piece> p = NewStandardPiece(0);
        p->Unlocker = 1;
        return p;
    }
    default:
        return nullptr;
    }
}

void StartLevelBoard(int retry) {
    if (!CurrentLevel) return;
    const TutorialLayout* layout = ImagesMode ? nullptr : TutorialLayoutFor(CurrentLevel->n);
    ScrollOffset = static_cast<float>(CellHeight - 1);
    ResetBoardGrid(CurrentLevel->Width(), 32);
    ResetColumnStacks(CurrentLevel->Width());
    if (!retry && !IsBonusLevel(*CurrentLevel)) {
        for (int i = kStartingRows - 1; i >= 0; --i) {
            CreateTopRow(layout ? 1 : 0);
            if (layout && i >= kLayoutFirstRow) ApplyLayoutRow((*layout)[i - kLayoutFirstRow]);
            if (i > 0) MoveEveryPieceDown();
            OverridesRowDone();
        }
    }
    if (retry) CurrentSpeed = kRetrySpeed;
}

} // namespace wispwood
