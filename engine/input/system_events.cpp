#include "engine/input/system_events.h"
#include "engine/draw/sdl_driver.h"
#include "engine/input/close_signals.h"
#include "engine/input/event.h"
#include "engine/input/game_controllers.h"
#include "engine/input/key_codes.h"
#include "engine/input/timer.h"
#include <SDL.h>

namespace wispwood {
namespace {

// The window is active while it has the keyboard focus and is not
// minimised; the platform reports the two separately and in either order.
struct WindowState {
    bool focused = true;
    bool minimised = false;
    bool Active() const { return focused && !minimised; }
    int lastX = 0;
    int lastY = 0;
    Uint64 lastGather = 0; // SDL_GetTicks64 of the last platform gather
};

WindowState& Window() {
    static WindowState state;
    return state;
}

int Modifiers(Uint16 mod) {
    int mods = 0;
    if (mod & KMOD_SHIFT) mods |= ModifierShift;
    if (mod & KMOD_CTRL) mods |= ModifierControl;
    if (mod & KMOD_ALT) mods |= ModifierAlt;
    if (mod & KMOD_GUI) mods |= ModifierSystem;
    return mods;
}

void Emit(int id, int data, int mods = 0, int x = 0, int y = 0) {
    TEvent event;
    event.id = id;
    event.data = data;
    event.mods = mods;
    event.x = x;
    event.y = y;
    EmitEvent(event);
}

void EmitMove(int x, int y) {
    Window().lastX = x;
    Window().lastY = y;
    Emit(EventMouseMove, 0, Modifiers(SDL_GetModState()), x, y);
}

// Decodes UTF-8; malformed bytes are skipped.
void EmitTypedText(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        int length = *p < 0x80 ? 1 : (*p >> 5) == 6 ? 2 : (*p >> 4) == 14 ? 3 : (*p >> 3) == 30 ? 4 : 0;
        if (length == 0) {
            ++p;
            continue;
        }
        int code = length == 1 ? *p : *p & (0x7f >> length);
        int i = 1;
        for (; i < length && (p[i] & 0xc0) == 0x80; ++i) code = (code << 6) | (p[i] & 0x3f);
        if (i == length) Emit(EventKeyChar, code);
        p += i;
    }
}

void UpdateWindowActivity(bool wasActive) {
    bool active = Window().Active();
    if (active != wasActive) Emit(active ? EventAppResume : EventAppSuspend, 0);
}

void Translate(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT:
        Emit(EventAppTerminate, 0);
        break;
    case SDL_WINDOWEVENT: {
        bool wasActive = Window().Active();
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            Window().focused = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            Window().focused = false;
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            Window().minimised = true;
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            Window().minimised = false;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            GraphicsWindowResized();
            break;
        default:
            break;
        }
        UpdateWindowActivity(wasActive);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        int key = KeyCodeFromSDL(e.key.keysym.sym, e.key.keysym.scancode);
        if (key == 0) break;
        bool down = e.type == SDL_KEYDOWN;
        Emit(down ? EventKeyDown : EventKeyUp, key, Modifiers(e.key.keysym.mod));
        // The editing keys type control characters of their own (text input
        // reports only printable text), repeating while held.
        if (down && (key == KeyBackspace || key == KeyTab || key == KeyReturn || key == KeyEscape))
            Emit(EventKeyChar, key);
        break;
    }
    case SDL_TEXTINPUT:
        EmitTypedText(e.text.text);
        break;
    case SDL_MOUSEMOTION:
        EmitMove(e.motion.x, e.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int button = e.button.button == SDL_BUTTON_LEFT     ? 1
                     : e.button.button == SDL_BUTTON_RIGHT  ? 2
                     : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                            : 0;
        if (button == 0) break;
        // A pointer moved by the platform without a motion message (a warp,
        // a synthetic click) must still click where it is.
        if (e.button.x != Window().lastX || e.button.y != Window().lastY) EmitMove(e.button.x, e.button.y);
        Emit(e.type == SDL_MOUSEBUTTONDOWN ? EventMouseDown : EventMouseUp, button,
             Modifiers(SDL_GetModState()), e.button.x, e.button.y);
        break;
    }
    case SDL_MOUSEWHEEL: {
        int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        if (notches != 0) Emit(EventMouseWheel, notches, Modifiers(SDL_GetModState()));
        break;
    }
    default:
        TranslateControllerEvent(e);
        break;
    }
}

SDL_Window* GameWindow() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
    if (SDL_Window* w = SDL_GetKeyboardFocus()) return w;
    if (SDL_Window* w = SDL_GetMouseFocus()) return w;
    // The program has one window; its id is small even after reopening the
    // display a few times.
    for (Uint32 id = 1; id < 256; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id)) return w;
    return nullptr;
}

} // namespace

void PumpSystemEvents() {
    if (TakeCloseSignal()) Emit(EventAppTerminate, 0);
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        // Every polled query pumps, and an update makes a few hundred of
        // them; asking the window system each time would cost milliseconds
        // an update. It is asked at most once a millisecond (real time, not
        // the replaceable clock); what is already in SDL's queue is always
        // taken.
        Uint64 now = SDL_GetTicks64();
        if (now != Window().lastGather) {
            Window().lastGather = now;
            SDL_PumpEvents();
        }
        SDL_Event e;
        while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) Translate(e);
    }
    PumpTimers();
}

void WarpSystemPointer(int x, int y) {
    SDL_Window* window = GameWindow();
    if (!window) return;
    // The display knows how the 800 x 600 picture sits in the window (the
    // renderer alone answers for the off-screen canvas while it is the target).
    int wx = x, wy = y;
    if (window == GraphicsWindow()) {
        GraphicsToWindow(float(x), float(y), &wx, &wy);
    } else if (SDL_Renderer* renderer = SDL_GetRenderer(window)) {
        SDL_RenderLogicalToWindow(renderer, float(x), float(y), &wx, &wy);
    }
    SDL_WarpMouseInWindow(window, wx, wy);
    Window().lastX = x;
    Window().lastY = y;
}

void ShowSystemPointer(bool visible) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void ResetSystemEvents() {
    Window() = WindowState();
}

} // namespace wispwood
