#include "framework/scene/input_playback.h"

namespace wispwood {

namespace {

struct Playback {
    bool active = false;
    InputTape tape;
    int played = 0;
    SnapshotInput watcher;
};

Playback gPlayback;

} // namespace

void PlayBackInput(InputTape tape) {
    gPlayback = Playback{true, std::move(tape), 0, {}};
}

void StopInputPlayback() {
    gPlayback.active = false;
}

bool InputPlaybackActive() {
    return gPlayback.active;
}

int PlayedBackUpdates() {
    return gPlayback.played;
}

const SnapshotInput& WatcherInput() {
    return gPlayback.watcher;
}

SnapshotInput InputForSnapshot(SnapshotInput platform) {
    if (!gPlayback.active) return platform;
    gPlayback.watcher = std::move(platform);
    return gPlayback.tape.InputAt(gPlayback.played++);
}

void ResetInputPlayback() {
    gPlayback = Playback{};
}

} // namespace wispwood
