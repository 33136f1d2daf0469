#include "game/services/comfort_keys.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_text_input.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/global_keys.h"
#include "framework/scene/input_playback.h"
#include "framework/scene/input_snapshot.h"
#include "game/services/display.h"
#include "game/services/volumes.h"

namespace wispwood {

namespace {

constexpr int KeyF11 = KeyF1 + 10;
constexpr int KeyM = 'M';

bool PressedWith(int key, int modifiers) {
    return (GameKeyModifiers(key) & modifiers) != 0;
}

// Shortcuts of the desktop or the window manager (Ctrl+M, Alt+M) are not
// the game's M.
bool ModifierHeld(int key) {
    return GameKeyDown(KeyControl) || GameKeyDown(KeyAlt) || GameKeyDown(KeyLeftSystem) ||
           GameKeyDown(KeyRightSystem) || PressedWith(key, ModifierControl | ModifierAlt | ModifierSystem);
}

} // namespace

// A recorded game's presses of these keys are taken out of its snapshots
// as they were when it was played; the window and the sound stay as the
// watcher has them.
void HandleComfortKeys() {
    const bool played = !InputPlaybackActive();
    if (GameKeyPresses(KeyF11)) {
        ConsumeKeyPress(KeyF11);
        if (played) ToggleDisplayMode();
    } else if (GameKeyPresses(KeyReturn) && (GameKeyDown(KeyAlt) || PressedWith(KeyReturn, ModifierAlt))) {
        // Enter would otherwise also confirm whatever dialog is showing.
        ConsumeKeyPress(KeyReturn, KeyReturn);
        if (played) ToggleDisplayMode();
    }
    if (GameKeyPresses(KeyM) && !ModifierHeld(KeyM) && !TextBoxTyping()) {
        ConsumeKeyPress(KeyM, 'm');
        if (played) ToggleMute();
    }
}

void InstallComfortKeys() {
    FrameUpcalls.GlobalKeys = HandleComfortKeys;
}

} // namespace wispwood
