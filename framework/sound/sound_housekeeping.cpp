#include "framework/sound/sound_housekeeping.h"

namespace wispwood {

void RunSoundHousekeeping(const Ref<MusicScene>& wanted) {
    SoundWrapper::Update();
    RefreshSoundVolumes();
    RequestMusicScene(wanted);
    UpdateSounds();
}

} // namespace wispwood
