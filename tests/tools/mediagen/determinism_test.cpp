// Generating twice gives the same bytes: the generator is run again into a
// scratch folder and every file is compared with the built tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/paths.h"
#include "tests/tools/mediagen/raw_bytes.h"

namespace wispwood::mediagen {
namespace {

namespace fs = std::filesystem;

TEST(MediaGenerator, RegeneratesTheSameBytes) {
    wispwood::test::TempDir temp;
    // Under the sanitizer build the font libraries the generator calls report
    // leaks of their own; the generator's output is what this test is about.
    std::string command = "ASAN_OPTIONS=detect_leaks=0 " + std::string(WISPWOOD_MEDIAGEN) +
                          " --family pictures --family fonts --media " + temp.Path() + "/media --preview " +
                          temp.Path() + "/preview --data " + wispwood::test::SourcePath("data") +
                          " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(temp.Path() + "/media")) {
        if (!entry.is_regular_file()) continue;
        std::string relative = fs::relative(entry.path(), temp.Path()).string();
        std::string fresh = probe::ReadBytes(entry.path().string());
        std::string built = probe::ReadBytes(wispwood::test::GamePath(relative));
        EXPECT_TRUE(fresh == built) << relative << " differs between runs";
        ++compared;
    }
    EXPECT_GT(compared, 250);
}

} // namespace
} // namespace wispwood::mediagen
