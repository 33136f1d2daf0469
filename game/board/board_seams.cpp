#include "game/board/board_seams.h"

namespace wispwood {

BoardSeams Seams;

void ResetBoardSeams() {
    Seams = BoardSeams{};
}

} // namespace wispwood
