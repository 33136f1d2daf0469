// Replays the inputs the fuzzers keep under tests/fuzz/regressions, and a
// few hostile inputs too large to keep as files.
#include "tests/support/fuzz_replay.h"
#include "tests/support/parser_fuzz.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::PropertyHolds;

TEST(ParserRobustness, KeptFuzzerInputsStillParse) {
    EXPECT_GT(test::ReplayKeptInputs("section_file", test::FuzzSectionedFile), 0);
    EXPECT_GT(test::ReplayKeptInputs("tree_file", test::FuzzTreeFile), 0);
}

TEST(ParserRobustness, HostileInputsNeitherCrashNorHang) {
    Text junk;
    for (int i = 0; i < 65536; ++i) junk.push_back(static_cast<char>((i * 7919) >> 3));
    Text longLine(10 * 1024 * 1024, 'x');
    longLine.append("=").append(10, 'y');
    const Text inputs[] = {
        longLine,                                             // a 10 MB line
        "[" + Text(10 * 1024 * 1024, 'k') + "]\nkey = value", // a 10 MB section name
        Text(1 << 20, '\0'),                                  // only NUL bytes
        junk,
        "[section]\nkey = val", // ends mid-line
        "\t\t\t:\n\t=\n:\n=\n",
    };
    for (const Text& input : inputs) {
        EXPECT_TRUE(PropertyHolds(test::FuzzSectionedFile, input));
        EXPECT_TRUE(PropertyHolds(test::FuzzTreeFile, input));
    }
}

} // namespace
} // namespace wispwood
