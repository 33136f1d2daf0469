#include "framework/sound/sound_housekeeping.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"

namespace wispwood {

void RunSoundHousekeeping(const Ref<MusicScene>& wanted) {
    SoundWrapper::Update();
    RefreshSoundVolumes();
    RequestMusicScene(wanted);
    UpdateSounds();
}

void InstallSoundHousekeeping() {
    SoundHousekeeping = RunSoundHousekeeping;
    SoundWindowInactive = GameWindowInactive;
}

} // namespace wispwood
