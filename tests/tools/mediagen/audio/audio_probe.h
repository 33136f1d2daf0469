#pragma once
// Listening aids for the audio tests: the generated files as the game hears
// them, and a few spectral measures.
#include "tests/tools/mediagen/raw_bytes.h" // ReadBytes
#include "tools/mediagen/audio/catalog.h"
#include <optional>
#include <string>

namespace wispwood::mediagen::probe {

// The built file of a catalogue entry, decoded by the game's loader.
std::optional<Pcm> HeardFile(const AudioItem& item);
const AudioItem& ItemNamed(const std::string& path);

// Mono mix of frames [from, to) seconds.
Mono MonoPart(const Pcm& pcm, double from = 0, double to = 1e9);

// Averaged power spectrum (Hann windows of 1024 frames): bin k is k*rate/1024 Hz.
std::vector<double> PowerSpectrum(const Mono& samples, int rate);
double Centroid(const std::vector<double>& spectrum, int rate);
// Share of the power between lo and hi Hz.
double BandShare(const std::vector<double>& spectrum, int rate, double lo, double hi);
double DominantHz(const std::vector<double>& spectrum, int rate);

// Time by which `share` of the signal's energy has arrived.
double EnergyTime(const Mono& samples, int rate, double share);
double RmsOf(const Mono& samples);

} // namespace wispwood::mediagen::probe
