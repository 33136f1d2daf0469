// Replays the inputs the sound decoder fuzzer keeps under
// tests/fuzz/regressions/sound_file.
#include "tests/support/fuzz_replay.h"
#include "tests/support/sound_fuzz.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(SoundRobustness, KeptFuzzerInputsDecodeSafely) {
    EXPECT_GE(test::ReplayKeptInputs("sound_file", test::FuzzSoundFile), 2);
}

} // namespace
} // namespace wispwood
