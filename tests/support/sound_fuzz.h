#pragma once
// The property the sound decoders keep on any bytes at all: no crash, and a
// sample that comes back is consistent (a known format, a positive rate,
// every frame inside its memory). Shared by the libFuzzer target and the
// regression replay.
#include <cstddef>
#include <cstdint>

namespace wispwood::test {

// Returns false when the property is violated.
bool FuzzSoundFile(const uint8_t* data, size_t size);

} // namespace wispwood::test
