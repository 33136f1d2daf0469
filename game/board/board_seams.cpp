#include "game/board/board_seams.h"
#include "framework/sound/sound.h"
#include "game/app/sound_tables.h"

namespace wispwood {

BoardSeams Seams;

void PlayBoardSound(const Text& path) {
    if (Seams.PlaySound) {
        Seams.PlaySound(path);
    } else {
        GameSound(path)->Play();
    }
}

void ResetBoardSeams() {
    Seams = BoardSeams{};
}

} // namespace wispwood
