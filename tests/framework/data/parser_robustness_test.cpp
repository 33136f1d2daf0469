// Replays the inputs the fuzzers keep under tests/fuzz/regressions, and a
// few hostile inputs too large to keep as files.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "tests/support/parser_fuzz.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using Property = bool (*)(const uint8_t*, size_t);

bool Holds(Property property, const Text& bytes) {
    return property(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void ReplayFolder(const Text& name, Property property) {
    Text folder = test::SourcePath("tests/fuzz/regressions/" + name);
    for (const Text& file : ListDirectory(folder)) {
        Text bytes;
        ASSERT_TRUE(LoadText(folder + "/" + file, bytes)) << file;
        EXPECT_TRUE(Holds(property, bytes)) << file;
    }
}

TEST(ParserRobustness, KeptFuzzerInputsStillParse) {
    ReplayFolder("game_file", test::FuzzSectionedFile);
    ReplayFolder("g_file", test::FuzzTreeFile);
}

TEST(ParserRobustness, HostileInputsNeitherCrashNorHang) {
    Text junk;
    for (int i = 0; i < 65536; ++i) junk.push_back(static_cast<char>((i * 7919) >> 3));
    const Text inputs[] = {
        Text(10 * 1024 * 1024, 'x') + "=" + Text(10, 'y'),    // a 10 MB line
        "[" + Text(10 * 1024 * 1024, 'k') + "]\nkey = value", // a 10 MB section name
        Text(1 << 20, '\0'),                                  // only NUL bytes
        junk,
        "[section]\nkey = val", // ends mid-line
        "\t\t\t:\n\t=\n:\n=\n",
    };
    for (const Text& input : inputs) {
        EXPECT_TRUE(Holds(test::FuzzSectionedFile, input));
        EXPECT_TRUE(Holds(test::FuzzTreeFile, input));
    }
}

} // namespace
} // namespace wispwood
