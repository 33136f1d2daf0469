#include "engine/input/key_codes.h"
#include <SDL.h>
#include <unordered_map>

namespace wispwood {
namespace {

const std::unordered_map<int, int>& KeyTable() {
    static const std::unordered_map<int, int> table = [] {
        std::unordered_map<int, int> t = {
            {SDLK_BACKSPACE, KeyBackspace},
            {SDLK_TAB, KeyTab},
            {SDLK_CLEAR, 12},
            {SDLK_RETURN, KeyReturn},
            {SDLK_RETURN2, KeyReturn},
            {SDLK_KP_ENTER, KeyReturn},
            {SDLK_LSHIFT, KeyShift},
            {SDLK_RSHIFT, KeyShift},
            {SDLK_LCTRL, KeyControl},
            {SDLK_RCTRL, KeyControl},
            {SDLK_LALT, KeyAlt},
            {SDLK_RALT, KeyAlt},
            {SDLK_PAUSE, KeyPause},
            {SDLK_CAPSLOCK, KeyCapsLock},
            {SDLK_ESCAPE, KeyEscape},
            {SDLK_SPACE, KeySpace},
            {SDLK_PAGEUP, KeyPageUp},
            {SDLK_PAGEDOWN, KeyPageDown},
            {SDLK_END, KeyEnd},
            {SDLK_HOME, KeyHome},
            {SDLK_LEFT, KeyArrowLeft},
            {SDLK_UP, KeyArrowUp},
            {SDLK_RIGHT, KeyArrowRight},
            {SDLK_DOWN, KeyArrowDown},
            {SDLK_SELECT, 41},
            {SDLK_EXECUTE, 43},
            {SDLK_PRINTSCREEN, KeyPrintScreen},
            {SDLK_INSERT, KeyInsert},
            {SDLK_DELETE, KeyDelete},
            {SDLK_HELP, 47},
            {SDLK_LGUI, KeyLeftSystem},
            {SDLK_RGUI, KeyRightSystem},
            {SDLK_APPLICATION, KeyMenu},
            {SDLK_SLEEP, 95},
            {SDLK_KP_MULTIPLY, KeyNumpadMultiply},
            {SDLK_KP_PLUS, KeyNumpadAdd},
            {SDLK_KP_MINUS, KeyNumpadSubtract},
            {SDLK_KP_PERIOD, KeyNumpadDecimal},
            {SDLK_KP_DECIMAL, KeyNumpadDecimal},
            {SDLK_KP_DIVIDE, KeyNumpadDivide},
            {SDLK_NUMLOCKCLEAR, KeyNumLock},
            {SDLK_SCROLLLOCK, KeyScrollLock},
            {SDLK_SEMICOLON, KeySemicolon},
            {SDLK_EQUALS, KeyPlus},
            {SDLK_PLUS, KeyPlus}, // layouts with a key of its own for +
            {SDLK_COMMA, KeyComma},
            {SDLK_MINUS, KeyMinus},
            {SDLK_PERIOD, KeyPeriod},
            {SDLK_SLASH, KeySlash},
            {SDLK_BACKQUOTE, KeyBackquote},
            {SDLK_LEFTBRACKET, KeyOpenBracket},
            {SDLK_BACKSLASH, KeyBackslash},
            {SDLK_RIGHTBRACKET, KeyCloseBracket},
            {SDLK_QUOTE, KeyQuote},
            {SDLK_LESS, KeyExtraBackslash}, // the ISO key that types < unshifted
        };
        for (int i = 0; i < 26; ++i) t[SDLK_a + i] = KeyA + i;
        for (int i = 0; i < 10; ++i) t[SDLK_0 + i] = Key0 + i;
        t[SDLK_KP_0] = KeyNumpad0;
        for (int i = 0; i < 9; ++i) t[SDLK_KP_1 + i] = KeyNumpad0 + 1 + i;
        for (int i = 0; i < 12; ++i) t[SDLK_F1 + i] = KeyF1 + i;
        for (int i = 0; i < 12; ++i) t[SDLK_F13 + i] = KeyF1 + 12 + i;
        return t;
    }();
    return table;
}

// What the key at this position types on a US keyboard.
int UsKeycodeAt(int scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return SDLK_a + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return SDLK_1 + (scancode - SDL_SCANCODE_1);
    switch (scancode) {
    case SDL_SCANCODE_0:
        return SDLK_0;
    case SDL_SCANCODE_MINUS:
        return SDLK_MINUS;
    case SDL_SCANCODE_EQUALS:
        return SDLK_EQUALS;
    case SDL_SCANCODE_LEFTBRACKET:
        return SDLK_LEFTBRACKET;
    case SDL_SCANCODE_RIGHTBRACKET:
        return SDLK_RIGHTBRACKET;
    case SDL_SCANCODE_BACKSLASH:
        return SDLK_BACKSLASH;
    case SDL_SCANCODE_SEMICOLON:
        return SDLK_SEMICOLON;
    case SDL_SCANCODE_APOSTROPHE:
        return SDLK_QUOTE;
    case SDL_SCANCODE_GRAVE:
        return SDLK_BACKQUOTE;
    case SDL_SCANCODE_COMMA:
        return SDLK_COMMA;
    case SDL_SCANCODE_PERIOD:
        return SDLK_PERIOD;
    case SDL_SCANCODE_SLASH:
        return SDLK_SLASH;
    default:
        return SDL_SCANCODE_TO_KEYCODE(scancode);
    }
}

} // namespace

int KeyCodeFromSDL(int sdlKeycode, int sdlScancode) {
    const auto& table = KeyTable();
    auto found = table.find(sdlKeycode);
    if (found != table.end()) return found->second;
    if (sdlScancode == SDL_SCANCODE_NONUSBACKSLASH) return KeyExtraBackslash;
    found = table.find(UsKeycodeAt(sdlScancode));
    return found != table.end() ? found->second : 0;
}

} // namespace wispwood
