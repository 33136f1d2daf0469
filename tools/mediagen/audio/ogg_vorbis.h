#pragma once
// Ogg Vorbis encoding through libvorbisenc. The stream serial number is
// fixed, so equal samples always give equal bytes.
#include "engine/audio/audio_sample.h"
#include "tools/mediagen/audio/pcm.h"
#include <cstdint>
#include <optional>
#include <string>

namespace wispwood::mediagen {

// `quality` is libvorbisenc's VBR quality, -0.1 .. 1.0.
std::string EncodeOggVorbis(const Pcm& pcm, float quality, uint32_t serial);

// Decodes a whole file held in memory with the game's own sound loader, so
// levels are measured on exactly what the player will hear. Empty when the
// game would refuse the file.
std::optional<Pcm> DecodeWithGameDecoder(const std::string& bytes);
// The game's decoded samples as floats.
Pcm PcmFromSample(const TAudioSample& sample);

} // namespace wispwood::mediagen
