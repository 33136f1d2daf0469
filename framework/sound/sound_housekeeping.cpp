#include "framework/sound/sound_housekeeping.h"
#include "framework/scene/frame_loop.h"

namespace wispwood {

void RunSoundHousekeeping(const Ref<MusicScene>& wanted) {
    SoundWrapper::Update();
    RefreshSoundVolumes();
    RequestMusicScene(wanted);
    UpdateSounds();
}

void InstallSoundHousekeeping() {
    FrameUpcalls.SoundHousekeeping = RunSoundHousekeeping;
}

} // namespace wispwood
