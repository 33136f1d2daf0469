#include "framework/navigation/nav_keys.h"
#include "engine/input/key_codes.h"
#include "framework/scene/input_snapshot.h"

namespace wispwood {

NavCommands NavKeyReader::Read(bool typing) {
    static const int kArrows[4] = {KeyArrowLeft, KeyArrowUp, KeyArrowRight, KeyArrowDown};
    bool fired[4] = {};
    for (int i = 0; i < 4; ++i) {
        int key = kArrows[i];
        bool hit = GameKeyPresses(key) != 0;
        // A press shorter than an update is a hit without being held.
        heldFor_[i] = GameKeyDown(key) ? heldFor_[i] + 1 : 0;
        int held = heldFor_[i];
        bool repeat = held >= kNavRepeatDelay && (held - kNavRepeatDelay) % kNavRepeatEvery == 0;
        fired[i] = hit || repeat;
    }
    NavCommands c;
    c.dx = (fired[2] ? 1 : 0) - (fired[0] ? 1 : 0);
    c.dy = (fired[3] ? 1 : 0) - (fired[1] ? 1 : 0);
    c.select = GameKeyPresses(KeyReturn) != 0 || (!typing && GameKeyPresses(KeySpace) != 0);
    c.erase = !typing && GameKeyPresses(KeyBackspace) != 0;
    return c;
}

} // namespace wispwood
