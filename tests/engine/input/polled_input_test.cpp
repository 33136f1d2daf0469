#include "engine/core/text.h"
#include "engine/draw/graphics.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "engine/input/polled_input.h"
#include <SDL.h>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace wispwood {
namespace {

class PolledInput : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        ResetInput();
        EnablePolledInput();
    }
    void TearDown() override {
        ResetInput();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    static void Key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN,
                    int repeat = 0) {
        SDL_Event e = {};
        e.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = Uint8(repeat);
        e.key.keysym.sym = sym;
        e.key.keysym.scancode = scancode;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static void Tap(SDL_Keycode sym, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN) {
        Key(SDL_KEYDOWN, sym, scancode);
        Key(SDL_KEYUP, sym, scancode);
    }
    static void Typed(const char* utf8) {
        SDL_Event e = {};
        e.type = SDL_TEXTINPUT;
        SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static void Motion(int x, int y) {
        SDL_Event e = {};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static void Button(Uint32 type, int sdlButton, int x = 0, int y = 0) {
        SDL_Event e = {};
        e.type = type;
        e.button.button = Uint8(sdlButton);
        e.button.x = x;
        e.button.y = y;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static void Wheel(int y, bool flipped = false) {
        SDL_Event e = {};
        e.type = SDL_MOUSEWHEEL;
        e.wheel.y = y;
        e.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static void Window(SDL_WindowEventID id) {
        SDL_Event e = {};
        e.type = SDL_WINDOWEVENT;
        e.window.event = Uint8(id);
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static std::vector<int> QueuedIds() {
        std::vector<int> ids;
        while (int id = PollEvent()) ids.push_back(id);
        return ids;
    }
};

TEST_F(PolledInput, SdlKeysBecomeTheGamesKeyCodes) {
    struct Case {
        SDL_Keycode sym;
        int code;
    } cases[] = {{SDLK_a, 65},
                 {SDLK_z, 90},
                 {SDLK_0, 48},
                 {SDLK_9, 57},
                 {SDLK_BACKSPACE, 8},
                 {SDLK_RETURN, 13},
                 {SDLK_KP_ENTER, 13},
                 {SDLK_ESCAPE, 27},
                 {SDLK_SPACE, 32},
                 {SDLK_EQUALS, 187},
                 {SDLK_PLUS, 187},
                 {SDLK_MINUS, 189},
                 {SDLK_KP_PLUS, 107},
                 {SDLK_KP_MINUS, 109},
                 {SDLK_KP_5, 101},
                 {SDLK_F1, 112},
                 {SDLK_F12, 123},
                 {SDLK_LEFT, 37},
                 {SDLK_DOWN, 40},
                 {SDLK_LSHIFT, 16},
                 {SDLK_RCTRL, 17},
                 {SDLK_DELETE, 46},
                 {SDLK_LEFTBRACKET, 219},
                 {SDLK_QUOTE, 222}};
    for (const Case& c : cases) {
        Tap(c.sym);
        EXPECT_EQ(KeyPresses(c.code), 1) << "SDL key " << c.sym;
    }
    // A layout key outside the table counts by its US position: the key
    // right of 0 is the minus key whatever it types.
    Tap(0xdf /* sharp s */, SDL_SCANCODE_MINUS);
    EXPECT_EQ(KeyPresses(KeyMinus), 1);
    Tap(0x20ac /* euro sign */, SDL_SCANCODE_E);
    EXPECT_EQ(KeyPresses(KeyA + 4), 1);
    // Keys the game has no code for make no key events at all.
    FlushEvents();
    Tap(SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY);
    EXPECT_EQ(QueuedIds(), std::vector<int>());
}

TEST_F(PolledInput, AHeldKeyCountsOnePressHoweverLongItRepeats) {
    Key(SDL_KEYDOWN, SDLK_p);
    for (int i = 0; i < 5; ++i) Key(SDL_KEYDOWN, SDLK_p, SDL_SCANCODE_UNKNOWN, 1);
    EXPECT_EQ(KeyDown(80), 1);
    EXPECT_EQ(KeyPresses(80), 1);
    EXPECT_EQ(KeyPresses(80), 0); // reading clears
    EXPECT_EQ(KeyDown(80), 1);
    Key(SDL_KEYUP, SDLK_p);
    EXPECT_EQ(KeyDown(80), 0);

    Tap(SDLK_p);
    Tap(SDLK_p);
    EXPECT_EQ(KeyPresses(80), 2);
    EXPECT_EQ(KeyPresses(-1), 0);
    EXPECT_EQ(KeyPresses(256), 0);
}

TEST_F(PolledInput, TypedCharactersQueueUpToTheLimitAndEditingKeysTypeTheirCodes) {
    Typed("h\xc3\xa9\xe2\x82\xac"); // h, e acute, euro sign
    Tap(SDLK_BACKSPACE);
    Tap(SDLK_RETURN);
    Tap(SDLK_a); // a letter types through text input only
    EXPECT_EQ(NextTypedChar(), 'h');
    EXPECT_EQ(NextTypedChar(), 233);
    EXPECT_EQ(NextTypedChar(), 0x20ac);
    EXPECT_EQ(NextTypedChar(), 8);
    EXPECT_EQ(NextTypedChar(), 13);
    EXPECT_EQ(NextTypedChar(), 0);

    Text many(300, 'x');
    for (size_t i = 0; i < many.size(); i += 30) Typed(many.substr(i, 30).c_str());
    int read = 0;
    while (NextTypedChar()) ++read;
    EXPECT_EQ(read, TypedCharLimit);

    Typed("abc");
    Key(SDL_KEYDOWN, SDLK_q);
    ClearKeys();
    EXPECT_EQ(NextTypedChar(), 0);
    EXPECT_EQ(KeyDown(81), 0);
    EXPECT_EQ(KeyPresses(81), 0);
}

TEST_F(PolledInput, MouseButtonsPositionAndWheel) {
    Motion(123, 456);
    EXPECT_EQ(MouseX(), 123);
    EXPECT_EQ(MouseY(), 456);

    Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 123, 456);
    Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 123, 456); // no release between: still one click
    Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 123, 456);
    Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 123, 456);
    Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 123, 456);
    Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 123, 456);
    EXPECT_EQ(MouseDown(1), 1);
    EXPECT_EQ(MouseDown(2), 0);
    EXPECT_EQ(MouseClicks(1), 1);
    EXPECT_EQ(MouseClicks(2), 1);
    EXPECT_EQ(MouseClicks(3), 1);
    EXPECT_EQ(MouseClicks(0), 0);
    EXPECT_EQ(MouseClicks(1), 0);

    // A click reported somewhere the pointer was never seen moving to.
    Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 700, 20);
    EXPECT_EQ(MouseX(), 700);
    EXPECT_EQ(MouseY(), 20);

    Wheel(2);
    Wheel(-1);
    Wheel(3, true);
    EXPECT_EQ(MouseZ(), -2);
    ClearMouse();
    EXPECT_EQ(MouseZ(), 0);
    EXPECT_EQ(MouseDown(3), 0);
    EXPECT_EQ(MouseX(), 700); // the position stays
}

TEST_F(PolledInput, LosingFocusOrMinimisingReleasesEverythingHeld) {
    Key(SDL_KEYDOWN, SDLK_LEFT);
    Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    Typed("q");
    Window(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_EQ(WindowInactive(), 1);
    EXPECT_EQ(KeyDown(KeyArrowLeft), 0);
    EXPECT_EQ(KeyPresses(KeyArrowLeft), 0);
    EXPECT_EQ(MouseDown(1), 0);
    EXPECT_EQ(MouseClicks(1), 0);
    EXPECT_EQ(NextTypedChar(), 0);
    // The key's release happens elsewhere and never arrives; the next press
    // after coming back still counts.
    Window(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_EQ(WindowInactive(), 0);
    Key(SDL_KEYDOWN, SDLK_LEFT);
    EXPECT_EQ(KeyPresses(KeyArrowLeft), 1);

    // Minimised and focused in either order: active only when both allow it,
    // and each change of that is one event.
    FlushEvents();
    Window(SDL_WINDOWEVENT_MINIMIZED);
    Window(SDL_WINDOWEVENT_FOCUS_LOST);
    Window(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_EQ(WindowInactive(), 1);
    Window(SDL_WINDOWEVENT_RESTORED);
    EXPECT_EQ(WindowInactive(), 0);
    EXPECT_EQ(QueuedIds(), (std::vector<int>{EventAppSuspend, EventAppResume}));
}

TEST_F(PolledInput, CloseRequestsFromTheWindowAndFromSignalsAreReportedOnceEach) {
    EXPECT_EQ(CloseRequested(), 0);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(CloseRequested(), 1);
    EXPECT_EQ(CloseRequested(), 0);
    FlushEvents();

    for (int signal : {SIGINT, SIGTERM}) {
        ASSERT_EQ(std::raise(signal), 0); // the process lives on
        EXPECT_EQ(CloseRequested(), 1) << signal;
        EXPECT_EQ(CloseRequested(), 0) << signal;
        EXPECT_EQ(QueuedIds(), std::vector<int>{EventAppTerminate});
    }
}

TEST(CloseSignals, ASecondSignalBeforeTheFirstIsTakenEndsTheProcess) {
    ResetInput();
    EnablePolledInput();
    EXPECT_EXIT(
        {
            std::raise(SIGTERM);
            std::raise(SIGTERM);
            std::exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "");
    ResetInput();
}

TEST_F(PolledInput, TheHookFollowsOnlyWhileEnabledAndEnablingFlushes) {
    Key(SDL_KEYDOWN, SDLK_x);
    EXPECT_EQ(KeyDown(88), 1);
    EnablePolledInput(); // a display reopened
    EXPECT_EQ(KeyDown(88), 0);
    FlushEvents();

    DisablePolledInput();
    Tap(SDLK_y);
    Motion(5, 6);
    EXPECT_EQ(KeyPresses(89), 0);
    EXPECT_EQ(MouseX(), 0);
    // The events were still queued for PollEvent.
    EXPECT_EQ(QueuedIds(), (std::vector<int>{EventKeyDown, EventKeyUp, EventMouseMove}));
}

TEST_F(PolledInput, MoveMouseLandsOnTheScreenPositionOfAScaledWindow) {
    // The pointer goes to the game's display when one is open; an earlier
    // test may have left it so.
    CloseGraphics();
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 1600, 1200, 0);
    ASSERT_TRUE(window) << SDL_GetError();
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_TRUE(renderer) << SDL_GetError();
    ASSERT_EQ(SDL_RenderSetLogicalSize(renderer, 800, 600), 0);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    MoveMouse(500, 400);
    // Without a pointer the dummy video driver fakes the warp with a motion
    // message it leaves unscaled; a real display reports the new position.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    EXPECT_EQ(MouseX(), 500);
    EXPECT_EQ(MouseY(), 400);
    int wx = 0, wy = 0;
    SDL_GetMouseState(&wx, &wy);
    EXPECT_EQ(wx, 1000); // the platform pointer, in window pixels
    EXPECT_EQ(wy, 800);
    HideMouse();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    ShowMouse();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);

    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
}

} // namespace
} // namespace wispwood
