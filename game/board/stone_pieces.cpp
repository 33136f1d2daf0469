#include "game/board/stone_pieces.h"
#include "framework/draw_state/draw_state.h"

namespace wispwood {

void StoneWall::Render() {
    TDrawState::Push();
    TDrawState::Pop();
}

} // namespace wispwood
