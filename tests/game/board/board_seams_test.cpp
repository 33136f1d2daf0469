// The board's hooks exist only for features that are not built yet. Once a
// feature's own function exists the hook must give way to a direct call, so
// a hook whose name is declared as a free function anywhere in the game or
// the framework fails here.
#include "tests/support/paths.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace wispwood {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> DeclaredHooks() {
    std::string seams = ReadAll(fs::path(WISPWOOD_SOURCE_DIR) / "game/board/board_seams.h");
    std::set<std::string> hooks;
    static const std::regex member(R"(std::function<[^;]*>\s+(\w+);)");
    for (std::sregex_iterator it(seams.begin(), seams.end(), member), end; it != end; ++it)
        hooks.insert((*it)[1]);
    return hooks;
}

// Names declared as free functions (at namespace level, unindented) in the
// headers of the game and the framework.
std::set<std::string> FreeFunctions() {
    std::set<std::string> names;
    static const std::regex declaration(R"(^[A-Za-z][\w:<>,\*& ]*[\s\*&](\w+)\()");
    for (const char* layer : {"framework", "game"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(WISPWOOD_SOURCE_DIR) / layer)) {
            if (entry.path().extension() != ".h" || entry.path().filename() == "board_seams.h") continue;
            std::ifstream in(entry.path());
            std::string line;
            std::smatch m;
            while (std::getline(in, line))
                if (std::regex_search(line, m, declaration)) names.insert(m[1]);
        }
    }
    return names;
}

TEST(BoardSeams, NoHookOutlivesTheFeatureThatOwnsIt) {
    std::set<std::string> hooks = DeclaredHooks();
    ASSERT_FALSE(hooks.empty());
    std::set<std::string> functions = FreeFunctions();
    for (const std::string& hook : hooks)
        EXPECT_EQ(functions.count(hook), 0u) << hook << " exists: call it directly and delete the hook";
}

} // namespace
} // namespace wispwood
