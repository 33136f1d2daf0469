// The game calls its own features directly: each of its layers calls only
// the layers below it, so a replaceable function slot in a game header would
// only stand in for a call the game can make itself, or hide a call up. Where
// a lower step must behave differently for the scene running it, the scene
// says so in the call. Tests that need to observe a feature use that
// feature's own recording (a data sink), not a hook.
#include "tests/support/paths.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <vector>

namespace wispwood {
namespace {

namespace fs = std::filesystem;

// Function slots (a std::function variable or member; type aliases such as
// a loader's signature are not slots) declared in the game's headers, as
// "file: line".
std::vector<std::string> FunctionSlots(int& headers) {
    std::vector<std::string> slots;
    static const std::regex slot(R"(^\s*(extern\s+)?std::function<.*>\s+\w+\s*(=.*)?;)");
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(WISPWOOD_SOURCE_DIR) / "game")) {
        if (entry.path().extension() != ".h") continue;
        ++headers;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line))
            if (std::regex_search(line, slot)) slots.push_back(entry.path().filename().string() + ": " + line);
    }
    return slots;
}

TEST(GameHooks, TheGameDeclaresNoHookInPlaceOfADirectCall) {
    int headers = 0;
    std::vector<std::string> slots = FunctionSlots(headers);
    ASSERT_GT(headers, 0);
    for (const std::string& slot : slots) ADD_FAILURE() << slot << ": call the owner directly";
    EXPECT_TRUE(slots.empty());
}

} // namespace
} // namespace wispwood
