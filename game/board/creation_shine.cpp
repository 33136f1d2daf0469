#include "game/board/creation_shine.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/quota.h"
#include <cstdlib>

namespace wispwood {

int CreationShineHeld() {
    if (std::abs(FrameX - BoardLeft()) > 1) return 1;
    return QuotaDisplayCatchingUp();
}

} // namespace wispwood
