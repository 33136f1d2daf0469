#pragma once
// The sound effects the board and the adventure screens play by path, with
// a way for tests to hear which ones were played instead of playing them.
#include "engine/core/text.h"
#include "framework/sound/sound.h"
#include <vector>

namespace wispwood {

// Plays the loaded sound for the path once, at a playback rate (1 as
// recorded), and returns its channel; while sounds are being recorded the
// path is appended to the record instead, nothing plays and there is no
// channel.
Ref<ActiveChannel> PlayBoardSound(const Text& path, float rate = 1);

// From now on PlayBoardSound appends each path to *into instead of playing
// it (tests read what was heard); nullptr plays sounds again. The vector
// must outlive the recording: ResetBoardSound ends it.
void RecordBoardSounds(std::vector<Text>* into);

// Sounds play again (start-up state).
void ResetBoardSound();

} // namespace wispwood
