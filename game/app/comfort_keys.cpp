#include "game/app/comfort_keys.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_text_input.h"
#include "framework/scene/global_keys.h"
#include "framework/scene/input_snapshot.h"
#include "game/app/display.h"
#include "game/app/volumes.h"

namespace wispwood {

namespace {

constexpr int KeyF11 = KeyF1 + 10;
constexpr int KeyM = 'M';

bool ModifierHeld() {
    return GameKeyDown(KeyControl) || GameKeyDown(KeyAlt) || GameKeyDown(KeyLeftSystem) ||
           GameKeyDown(KeyRightSystem);
}

} // namespace

void HandleComfortKeys() {
    if (GameKeyPresses(KeyF11)) {
        ConsumeKeyPress(KeyF11);
        ToggleDisplayMode();
    } else if (GameKeyPresses(KeyReturn) && GameKeyDown(KeyAlt)) {
        // Enter would otherwise also confirm whatever dialog is showing.
        ConsumeKeyPress(KeyReturn, KeyReturn);
        ToggleDisplayMode();
    }
    if (GameKeyPresses(KeyM) && !ModifierHeld() && !TextBoxTyping()) {
        ConsumeKeyPress(KeyM, 'm');
        ToggleMute();
    }
}

void InstallComfortKeys() {
    GlobalKeys = HandleComfortKeys;
}

} // namespace wispwood
