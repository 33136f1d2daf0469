#pragma once
// Replays of the inputs the fuzzers keep under tests/fuzz/regressions, for
// the ordinary test binaries: each kept file must still satisfy the
// fuzzer's property.
#include "engine/core/text.h"
#include <cstddef>
#include <cstdint>

namespace wispwood::test {

// A fuzzer's property: false when the input breaks it.
using FuzzProperty = bool (*)(const uint8_t* data, size_t size);

bool PropertyHolds(FuzzProperty property, const Text& bytes);

// Runs the property on every file of tests/fuzz/regressions/<folder>; a file
// that cannot be read or breaks the property fails the calling test, named
// by its file. Returns how many files were replayed.
int ReplayKeptInputs(const Text& folder, FuzzProperty property);

} // namespace wispwood::test
