#include "tests/support/keyboard_player.h"
#include "engine/input/key_codes.h"
#include "game/board/piece.h"
#include <algorithm>

namespace wispwood::test {

void KeyboardPlayer::Press(int key, int frames) {
    game_.PressKey(key);
    game_.Frames(frames);
}

bool KeyboardPlayer::WalkTo(const TargetWanted& wanted, int presses) {
    for (int i = 0; i < presses; ++i) {
        int arrow = NextArrowTowards(wanted);
        if (arrow == 0) return true;
        if (arrow < 0) {
            // The screen may still be settling (a dialog fading in, pieces
            // falling): look again a moment later.
            game_.Frames(10);
            continue;
        }
        Press(arrow);
    }
    return NextArrowTowards(wanted) == 0;
}

bool KeyboardPlayer::Choose(const TargetWanted& wanted) {
    if (!WalkTo(wanted)) return false;
    Press(KeyReturn);
    return true;
}

bool KeyboardPlayer::Match(const std::vector<Ref<Piece>>& first, const std::vector<Ref<Piece>>& second) {
    if (!Choose(AnyOf(first))) return false;
    game_.Frames(20);
    return Choose(AnyOf(second));
}

TargetWanted AnyOf(const std::vector<Ref<Piece>>& pieces) {
    return [pieces](const NavTarget& t) {
        return std::any_of(pieces.begin(), pieces.end(), [&](const Ref<Piece>& p) { return t.key == p; });
    };
}

} // namespace wispwood::test
