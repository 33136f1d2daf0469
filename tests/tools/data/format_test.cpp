// What holds for every shipped data file: one line end throughout, the
// sectioned files free of lines the reader would misread, and the build
// installing exactly these files into the game's media tree.
#include "tests/tools/data/data_files.h"

#include "engine/io/file_stream.h"
#include "tests/support/paths.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace wispwood::datatest {
namespace {

namespace fs = std::filesystem;

std::vector<Text> ShippedFiles() {
    std::vector<Text> files;
    fs::path root = ShippedPath("");
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

Text Bytes(const Text& path) {
    Text bytes;
    LoadText(path, bytes);
    return bytes;
}

TEST(DataFormat, EveryShippedFileEndsItsLinesInCrLf) {
    auto files = ShippedFiles();
    ASSERT_GE(files.size(), 8u);
    for (const Text& file : files) {
        auto raw = ReadRawLines(ShippedPath(file));
        EXPECT_FALSE(raw.lines.empty()) << file;
        EXPECT_TRUE(raw.allCrLf) << file;
    }
}

TEST(DataFormat, SectionedFilesHoldNoLineTheReaderWouldMisread) {
    // Any "[" makes a line a section header, and a line with a second "="
    // is skipped, so values may hold neither; a value's outer blanks are lost.
    for (const char* file :
         {"Strings.txt", "quest/coords.txt", "definedlevels.txt", "illegalcoloursbig.txt"}) {
        for (const Text& line : ReadRawLines(ShippedPath(file)).lines) {
            if (line.empty()) continue;
            if (line.find('[') != Text::npos || line.find(']') != Text::npos) {
                EXPECT_TRUE(line.front() == '[' && line.back() == ']' &&
                            std::count(line.begin(), line.end(), '[') == 1)
                    << file << ": " << line;
                continue;
            }
            auto equals = line.find('=');
            ASSERT_NE(equals, Text::npos) << file << ": " << line;
            EXPECT_EQ(line.find('=', equals + 1), Text::npos) << file << ": " << line;
            EXPECT_NE(line.find_first_not_of(" \t", 0), equals) << file << ": a line without a key";
            EXPECT_NE(line.find_first_not_of(" \t", equals + 1), Text::npos) << file << ": " << line;
        }
    }
}

TEST(DataFormat, TheBuildInstallsExactlyTheShippedFiles) {
    for (const Text& file : ShippedFiles()) {
        const Text installed = test::GamePath("media/" + file);
        ASSERT_TRUE(fs::exists(installed)) << file << " is not installed";
        EXPECT_EQ(Bytes(installed), Bytes(ShippedPath(file))) << file << " differs from the shipped one";
    }
}

TEST(DataFormat, NothingOfThePlayersFolderOrTheOptionalDistributionShips) {
    const Text forbidden[] = {"channel.jpg",        "data2.dat",      "config.txt",
                              "playerprofiles.txt", "highscores.dat", "out.txt"};
    for (const Text& file : ShippedFiles()) {
        Text name = fs::path(file).filename().string();
        for (const Text& bad : forbidden) EXPECT_NE(name, bad) << file;
        EXPECT_NE(file.rfind("saves/", 0), 0u) << file;
    }
}

} // namespace
} // namespace wispwood::datatest
