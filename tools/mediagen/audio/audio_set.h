#pragma once
// Generates the whole audio set: every catalogue entry rendered, mastered and
// encoded (in parallel), written below the game folder, and the preview
// sheet listing each file's length and levels.
#include "tools/mediagen/audio/catalog.h"
#include "tools/mediagen/audio/mastering.h"
#include <filesystem>
#include <string>

namespace wispwood::mediagen {

MasterSettings MasterSettingsFor(const AudioItem& item);

// The encoded file of one entry; the same bytes on every call.
std::string GenerateAudioFile(const AudioItem& item);

struct AudioMeasure {
    double seconds = 0;
    float peakDb = -180, rmsDb = -180, loudnessDb = -180;
};
AudioMeasure MeasureAudio(const Pcm& heard, AudioKind kind);

// Writes every file below `mediaDir`, the game's media folder (files whose
// bytes are unchanged are not touched), and the sheet `previewDir`/audio.txt.
// Returns false and sets `error` when a file cannot be written.
bool GenerateAudioSet(const std::filesystem::path& mediaDir, const std::filesystem::path& previewDir,
                      int threads, std::string& error);

} // namespace wispwood::mediagen
