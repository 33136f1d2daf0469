#include "tests/support/fuzz_replay.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood::test {

bool PropertyHolds(FuzzProperty property, const Text& bytes) {
    return property(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

int ReplayKeptInputs(const Text& folder, FuzzProperty property) {
    const Text path = SourcePath("tests/fuzz/regressions/" + folder);
    int replayed = 0;
    for (const Text& file : ListDirectory(path)) {
        Text bytes;
        if (!LoadText(path + "/" + file, bytes)) {
            ADD_FAILURE() << "cannot read " << folder << "/" << file;
            continue;
        }
        EXPECT_TRUE(PropertyHolds(property, bytes)) << folder << "/" << file;
        ++replayed;
    }
    return replayed;
}

} // namespace wispwood::test
