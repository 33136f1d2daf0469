#pragma once
// What the picture decoders must keep on any bytes at all: no crash, no
// read outside the input, and a decoded pixmap whose size and layout are
// consistent. Shared by the libFuzzer target and the regression replays.
#include <cstddef>
#include <cstdint>

namespace wispwood::test {

// Returns false when a property is violated.
bool FuzzPixmapLoaders(const uint8_t* data, size_t size);

} // namespace wispwood::test
