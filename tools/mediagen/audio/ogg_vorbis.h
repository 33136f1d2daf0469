#pragma once
// Ogg Vorbis encoding through libvorbisenc. The stream serial number is
// fixed, so equal samples always give equal bytes.
#include "tools/mediagen/audio/pcm.h"
#include <cstdint>
#include <optional>
#include <string>

namespace wispwood::mediagen {

// `quality` is libvorbisenc's VBR quality, -0.1 .. 1.0.
std::string EncodeOggVorbis(const Pcm& pcm, float quality, uint32_t serial);

// Decodes a whole Ogg Vorbis file held in memory to float samples, as a
// player would hear it (clipped to -1..1). Empty when it is not Ogg Vorbis.
std::optional<Pcm> DecodeOggVorbis(const std::string& bytes);

} // namespace wispwood::mediagen
