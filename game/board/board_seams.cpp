#include "game/board/board_seams.h"
#include "framework/sound/sound.h"
#include "game/app/sound_tables.h"

namespace wispwood {

BoardSeams Seams;

void PlayBoardSound(const Text& path, float rate) {
    if (Seams.PlaySound) {
        Seams.PlaySound(path);
        return;
    }
    Ref<ActiveChannel> channel = GameSound(path)->Play();
    if (channel && rate != 1) channel->SetRate(rate);
}

void ResetBoardSeams() {
    Seams = BoardSeams{};
}

} // namespace wispwood
