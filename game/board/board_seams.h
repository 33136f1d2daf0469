#pragma once
// Steps of other board features that the board model calls but does not own:
// falling pieces, dead-end recovery, effects and the scene's transition
// state.
// The feature that owns a step installs it here at start-up. Until then an
// action does nothing and a query answers that what it asks about is not
// happening (no transition, no quake, nothing held back).
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <functional>

namespace wispwood {

class Piece;

struct BoardSeams {
    // Plays a sound effect in place of the sound manager (tests listen
    // here); empty, PlayBoardSound plays the loaded sound.
    std::function<void(const Text& path)> PlaySound;

};

extern BoardSeams Seams;

// Plays a sound effect once, at a playback rate (1 as recorded).
void PlayBoardSound(const Text& path, float rate = 1);

// Every seam empty again (tests).
void ResetBoardSeams();

// Calls an installed action seam; does nothing when it is empty.
template <class Fn, class... Args>
void CallSeam(const Fn& fn, Args&&... args) {
    if (fn) fn(std::forward<Args>(args)...);
}
// Asks an installed query seam; the neutral answer when it is empty.
template <class R, class Fn, class... Args>
R AskSeam(const Fn& fn, R neutral, Args&&... args) {
    return fn ? fn(std::forward<Args>(args)...) : neutral;
}

} // namespace wispwood
