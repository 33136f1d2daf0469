#include "tests/support/ascii_board.h"
#include "engine/io/random.h"
#include "framework/particles/particle.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tickers.h"
#include "game/board/board_frame.h"
#include "game/board/board_particles.h"
#include "game/board/defined_levels.h"
#include "game/board/gem_piece.h"
#include "game/board/hint.h"
#include "game/board/hover_piece.h"
#include "game/board/level_set.h"
#include "game/board/lock_piece.h"
#include "game/board/path_search.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_factory.h"
#include "game/board/powerup.h"
#include "game/board/rainbow_piece.h"
#include "game/board/stone_pieces.h"
#include "game/board/vine_pieces.h"
#include "game/board/board_play_state.h"
#include "game/services/profiles.h"

namespace wispwood::test {

Ref<Piece> PieceForChar(char c) {
    if (c >= '0' && c <= '7') return NewStandardPiece(c - '0');
    if (c >= 'a' && c <= 'h') {
        Ref<Piece> p = NewStandardPiece(c - 'a');
        p->Locked = 1;
        return p;
    }
    switch (c) {
    case 'B':
        return New<Bomb>();
    case 'D':
        return New<DestroyHorizontalPiece>();
    case 'V':
        return New<DestroyVerticalPiece>();
    case 'E':
        return New<Earthquake>();
    case 'X':
        return New<ExtraLife>();
    case 'C':
        return New<CrumblingPiece>();
    case 'H':
        return New<HoverPiece>();
    case 'R':
        return New<RainbowPiece>();
    case 'S':
        return New<StonePiece>();
    case 'W':
        return New<StoneWall>();
    case 'L':
        return New<LockPiece>(1);
    case 'K':
        return New<LockPiece>(0);
    case 'G':
        return New<GemPiece>(0);
    case 'P':
        return New<GemPiece>(1);
    case 'O':
        return New<VineHead>();
    case '=':
        return New<VineBody>();
    default:
        return nullptr;
    }
}

void BuildBoard(const Picture& rows, int height) {
    size_t width = 0;
    for (const Text& row : rows) width = std::max(width, row.size());
    ResetBoardGrid(static_cast<int>(width), height);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            Ref<Piece> p = PieceForChar(rows[y][x]);
            if (!p) continue;
            p->x = x;
            p->y = y;
            Board(x, y) = p;
        }
}

Picture DrawBoard(int rows, const std::function<char(const Piece&)>& mark) {
    Picture picture;
    for (int y = 0; y < rows; ++y) {
        Text line;
        for (int x = 0; x < BoardWidth; ++x) {
            Ref<Piece> p = PieceAt(x, y);
            line += p ? mark(*p) : '.';
        }
        picture.push_back(line);
    }
    return picture;
}

Ref<Particle> ExplosionMarker() {
    return New<Particle>();
}

} // namespace wispwood::test
