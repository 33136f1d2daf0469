#pragma once
// The volumes the sound manager plays at, from the settings: each
// category's own volume, or silence for all of them while muted. Muting
// keeps the volumes, so unmuting brings back exactly what was set.
namespace wispwood {

void ApplySettingsVolumes();
// Mutes or unmutes at once, saves that in the settings file and shows it in
// an open options dialog.
void ToggleMute();

} // namespace wispwood
