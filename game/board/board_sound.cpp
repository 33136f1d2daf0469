#include "game/board/board_sound.h"
#include "game/services/sound_tables.h"

namespace wispwood {

namespace {

std::vector<Text>* gRecord = nullptr;

} // namespace

Ref<ActiveChannel> PlayBoardSound(const Text& path, float rate) {
    if (gRecord) {
        gRecord->push_back(path);
        return nullptr;
    }
    Ref<ActiveChannel> channel = GameSound(path)->Play();
    if (channel && rate != 1) channel->SetRate(rate);
    return channel;
}

void RecordBoardSounds(std::vector<Text>* into) {
    gRecord = into;
}

void ResetBoardSound() {
    gRecord = nullptr;
}

} // namespace wispwood
