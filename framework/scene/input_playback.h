#pragma once
// A recording played back: while it plays, each input snapshot takes the
// recording's next update instead of what the platform brings, which is
// kept apart as the input of whoever watches.
#include "framework/scene/input_tape.h"

namespace wispwood {

// The next snapshot takes the tape's update 0, the one after update 1, ...
void PlayBackInput(InputTape tape);
void StopInputPlayback();
bool InputPlaybackActive();
// Snapshots taken from the tape so far.
int PlayedBackUpdates();
// What the platform brought at the last snapshot of a playback.
const SnapshotInput& WatcherInput();

// The input the snapshot takes: the tape's next update while a playback
// runs (platform then being the watcher's), otherwise platform itself.
SnapshotInput InputForSnapshot(SnapshotInput platform);

void ResetInputPlayback();

} // namespace wispwood
