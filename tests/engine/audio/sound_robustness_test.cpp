// Replays the inputs the sound decoder fuzzer keeps under
// tests/fuzz/regressions/sound_file.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "tests/support/paths.h"
#include "tests/support/sound_fuzz.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(SoundRobustness, KeptFuzzerInputsDecodeSafely) {
    Text folder = test::SourcePath("tests/fuzz/regressions/sound_file");
    int replayed = 0;
    for (const Text& file : ListDirectory(folder)) {
        Text bytes;
        ASSERT_TRUE(LoadText(folder + "/" + file, bytes)) << file;
        EXPECT_TRUE(test::FuzzSoundFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))
            << file;
        ++replayed;
    }
    EXPECT_GE(replayed, 2);
}

} // namespace
} // namespace wispwood
