#pragma once
// The sound manager's steps of one update, in their order.
#include "framework/sound/music_scene.h"

namespace wispwood {

// The duck, the volume refresh, the wanted music scene requested, then
// every music scene, channel record and cue.
void RunSoundHousekeeping(const Ref<MusicScene>& wanted);

// Makes the scene loop run those steps every update.
void InstallSoundHousekeeping();

} // namespace wispwood
