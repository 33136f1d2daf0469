#pragma once
// Brings a rendered sound to its level and encodes it: loudness to a target,
// a look-ahead limiter under the ceiling, silent edges, and a check of the
// decoded file's peak (a lossy codec can overshoot what it was given).
#include "tools/mediagen/audio/pcm.h"
#include <cstdint>
#include <string>

namespace wispwood::mediagen {

struct MasterSettings {
    float loudnessDb = -14.0f;  // target of the measure below
    bool shortTerm = true;      // loudest 100 ms (effects) or whole-file (music)
    float ceilingDb = -1.0f;    // decoded peaks stay at or below this
    float maxLimitingDb = 6.0f; // beyond this the sound is made quieter instead
    float quality = 0.4f;       // Vorbis VBR quality
    double fadeIn = 0.002, fadeOut = 0.01;
};

// Gain reduction so that no sample exceeds `ceiling`; the gain moves
// smoothly over `lookahead` seconds around each peak and recovers over
// `release` seconds.
void LimitPeaks(Pcm& pcm, float ceiling, double lookahead = 0.002, double release = 0.06);

float MeasureLoudness(const Pcm& pcm, bool shortTerm);

// Masters `pcm` in place and returns the encoded file.
std::string MasterAndEncode(Pcm& pcm, const MasterSettings& settings, uint32_t serial);

} // namespace wispwood::mediagen
