#pragma once
// Sound file decoders. Each reads from the stream's current position and
// returns null, never a partial sample, when the bytes are not a complete
// file of its kind: damaged and cut-short files are refused, not played.
#include "engine/audio/audio_sample.h"
#include "engine/core/text.h"
#include "engine/io/stream.h"

namespace wispwood {

// RIFF WAVE with PCM data: 8 or 16 bits, one or two channels.
Ref<TAudioSample> LoadWavSample(TStream& stream);
// Ogg Vorbis, decoded whole to 16-bit samples at the file's own rate.
Ref<TAudioSample> LoadOggSample(TStream& stream);

// What a complete Ogg Vorbis file holds, found without decoding its audio.
struct TOggFacts {
    int channels = 0;
    int hertz = 0;
    int frames = 0;
};
// From the stream's current position: false when the bytes are not a
// complete Ogg Vorbis file of one or two channels whose links all share one
// format and whose length fits an int of frames. Leaves the position
// anywhere.
bool ProbeOggFile(TStream& stream, TOggFacts* facts);

// Tries WAV, then Ogg Vorbis, each from the same starting position.
Ref<TAudioSample> LoadAudioSample(const Ref<TStream>& stream);
// The file at the path (resolved as ReadFile does), or null.
Ref<TAudioSample> LoadAudioSample(const Text& path);

} // namespace wispwood
