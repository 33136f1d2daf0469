#pragma once
// What only a generated file's bytes tell. The game's decoders accept more
// than the media promises (16-bit PNG, progressive JPEG) and so cannot
// report these facts.
#include <string>

namespace wispwood::mediagen::probe {

// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// The bit depth in a PNG's header; 0 for bytes that are not PNG.
int PngBitDepth(const std::string& bytes);

// The start-of-frame marker of a JPEG (0xC0 baseline, 0xC2 progressive, ...),
// found before the first scan; 0 when there is none.
int JpegFrameMarker(const std::string& bytes);

} // namespace wispwood::mediagen::probe
