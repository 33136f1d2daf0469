#pragma once
// Properties the file parsers must keep on any bytes at all: no crash, no
// hang, and (for the sectioned format) a rewrite that reads back to the
// same text. Shared by the libFuzzer targets and the regression replays.
#include <cstddef>
#include <cstdint>

namespace wispwood::test {

// Returns false when a property is violated.
bool FuzzSectionedFile(const uint8_t* data, size_t size);
bool FuzzTreeFile(const uint8_t* data, size_t size);

} // namespace wispwood::test
