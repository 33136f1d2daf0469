#include "game/services/display.h"
#include "engine/draw/graphics.h"
#include "engine/input/polled_input.h"
#include "game/services/options_dialog.h"
#include "game/services/settings.h"
#include "game/services/start_flags.h"

namespace wispwood {

int OpenDisplay() {
    // Depth 0 opens a window.
    int depth = GetWindowed() != 0 ? 0 : ForceLowDepth ? 16 : GetDepth();
    Ref<TDrawContext> context = OpenGraphics(GetResX(), GetResY(), depth, 60, 0);
    // A hand-edited size or depth the system refuses must not keep the game
    // from starting.
    if (!context) context = OpenGraphics(800, 600, 0, 60, 0);
    if (!context) return 0;
    HideMouse();
    MoveMouse(500, 400);
    return 1;
}

void ToggleDisplayMode() {
    SetWindowed(GetWindowed() ? 0 : 1);
    OpenDisplay();
    SaveSettingNow("windowed");
    ShowSettingsInOptions();
}

} // namespace wispwood
