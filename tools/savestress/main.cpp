// savestress write: saves five profiles for ever, each round with a new
//                   score in every one of them.
// savestress check: exits 0 when the saved profiles hold all five, each with
//                   the same score (one whole save, never a mix or a part).
#include "engine/io/text_convert.h"
#include "game/services/profiles.h"
#include "game/services/user_data.h"
#include <cstdio>
#include <cstring>

using namespace wispwood;

namespace {

const int kProfiles = 5;

Text NameOf(int i) {
    return "Player " + IntToText(i + 1);
}

int Write() {
    LoadProfiles();
    for (int i = 0; i < kProfiles; ++i)
        if (NameIsValid(NameOf(i))) CreateProfile(NameOf(i));
    SaveProfiles();
    for (int round = 1;; ++round) {
        for (const auto& p : Profiles) p->Score = round;
        // Every profile also grows, so a torn write shows as a short file.
        for (const auto& p : Profiles) p->LevelStates.assign(100, round % 3);
        SaveProfiles();
    }
}

int Check() {
    LoadProfiles();
    if (Profiles.Count() != kProfiles) {
        std::fprintf(stderr, "savestress: %d profiles, expected %d\n", Profiles.Count(), kProfiles);
        return 1;
    }
    int score = Profiles.First()->Score;
    for (int i = 0; i < kProfiles; ++i) {
        bool found = false;
        for (const auto& p : Profiles) found = found || p->Name == NameOf(i);
        if (!found) {
            std::fprintf(stderr, "savestress: %s is missing\n", NameOf(i).c_str());
            return 1;
        }
    }
    for (const auto& p : Profiles)
        if (p->Score != score) {
            std::fprintf(stderr, "savestress: scores of two saves mixed\n");
            return 1;
        }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || (std::strcmp(argv[1], "write") && std::strcmp(argv[1], "check"))) {
        std::fprintf(stderr, "usage: savestress write|check\n");
        return 2;
    }
    if (!EnsureUserDataFolder()) return 2;
    return std::strcmp(argv[1], "write") == 0 ? Write() : Check();
}
