#include "tests/support/paths.h"
#include "engine/io/file_stream.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace wispwood::test {

Text SourcePath(const Text& relative) {
    return Text(WISPWOOD_SOURCE_DIR) + "/" + relative;
}
Text FixturePath(const Text& relative) {
    return SourcePath("tests/fixtures/" + relative);
}
Text FixtureBytes(const Text& relative) {
    Text bytes;
    EXPECT_TRUE(LoadText(FixturePath(relative), bytes)) << relative;
    return bytes;
}
Text GamePath(const Text& relative) {
    return Text(WISPWOOD_GAME_DIR) + "/" + relative;
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    Text pattern = Text(base && *base ? base : "/tmp") + "/wispwood-test-XXXXXX";
    if (char* made = ::mkdtemp(pattern.data())) path_ = made;
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

Text TempDir::Unwritable(const Text& name) const {
    Text blocker = File("plain-file");
    EXPECT_EQ(SaveText(blocker, "not a folder"), 1);
    return blocker + "/folder/" + name;
}

WorkingFolder::WorkingFolder(const Text& folder) {
    std::error_code error;
    old_ = std::filesystem::current_path(error).string();
    if (!error) std::filesystem::current_path(folder, error);
    entered_ = !error;
    if (!entered_) ADD_FAILURE() << "cannot enter " << folder;
}

WorkingFolder::~WorkingFolder() {
    std::error_code error;
    if (entered_) std::filesystem::current_path(old_, error);
    if (error) ADD_FAILURE() << "cannot return to " << old_;
}

} // namespace wispwood::test
