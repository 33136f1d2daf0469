#include "game/services/start_flags.h"
#include "engine/io/text_routines.h"
#include <climits>

namespace wispwood {

int RunMode = 0;
int RunLocation = 0;
int TestMode = 0;
int ImagesMode = 0;
int ComicsMode = 0;
int ForceLowDepth = 0;
int LowDetail = 0;
bool ReplayMode = false;
bool ReplayHeadless = false;
Text ReplayPath;

namespace {

int SaturatedDigits(const Text& word) {
    long long value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') continue;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

void ApplyCommandWord(const Text& word) {
    Text w = LowerText(word);
    if (FindText(w, "run")) {
        RunMode = 1;
        RunLocation = SaturatedDigits(w);
    } else if (FindText(w, "test")) {
        TestMode = 1;
    } else if (FindText(w, "images")) {
        ImagesMode = 1;
    } else if (FindText(w, "comics")) {
        ComicsMode = 1;
    }
}

bool ApplyReplayWords(const TextArray& words) {
    if (words.empty() || words[0] != "replay") return true;
    const bool headless = words.size() == 3 && words[2] == "--headless";
    if (words.size() < 2 || words[1].empty() || (words.size() > 2 && !headless)) return false;
    ReplayMode = true;
    ReplayHeadless = headless;
    ReplayPath = words[1];
    return true;
}

void ResetStartFlags() {
    RunMode = RunLocation = TestMode = ImagesMode = ComicsMode = ForceLowDepth = LowDetail = 0;
    ReplayMode = ReplayHeadless = false;
    ReplayPath.clear();
    ReplayPath.shrink_to_fit();
}

} // namespace wispwood
