#include "game/services/volumes.h"
#include "framework/sound/sound.h"
#include "game/services/options_dialog.h"
#include "game/services/settings.h"

namespace wispwood {

void ApplySettingsVolumes() {
    bool muted = GetMuted() != 0;
    ApplyEffectsVolume(muted ? 0.0f : GetSoundVolume());
    ApplyMusicVolume(muted ? 0.0f : GetMusicVolume());
    ApplyVoiceVolume(muted ? 0.0f : GetVoiceVolume());
}

void ToggleMute() {
    SetMuted(GetMuted() ? 0 : 1);
    ApplySettingsVolumes();
    SaveSettingNow("muted");
    ShowSettingsInOptions();
}

} // namespace wispwood
