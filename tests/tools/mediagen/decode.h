#pragma once
// Decodes generated pictures for the media checks (PNG as 8-bit RGBA, JPEG
// as RGB), reporting the facts the game's loaders depend on.
#include <string>

#include "tools/mediagen/core/raster.h"

namespace wispwood::mediagen::test {

struct Decoded {
    bool ok = false;
    bool png = false;
    bool progressive = false; // JPEG only
    int bit_depth = 0;        // PNG only
    Raster raster;            // RGBA; JPEG pixels are opaque
};

Decoded DecodePicture(const std::string& path);
std::string ReadBytes(const std::string& path);

} // namespace wispwood::mediagen::test
