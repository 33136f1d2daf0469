#pragma once
// The polled keyboard and mouse state that game code queries once per
// update. A hook on the event stream keeps it; the display enables the hook
// when it opens a window. Every query first processes pending platform
// messages, so it sees input up to the moment it is asked.
namespace wispwood {

constexpr int KeyCount = 256;
constexpr int MouseButtonCount = 4;
constexpr int TypedCharLimit = 256;

// Installs the hook (once) and flushes keys and mouse; also routes SIGINT and
// SIGTERM into close requests and takes the game controllers present
// (game_controllers.h). Called by the display when it opens.
void EnablePolledInput();
void DisablePolledInput();

// Presses of the key since the last call (then cleared). Holding a key adds
// one press however long the platform repeats it.
int KeyPresses(int key);
int KeyDown(int key);
// The next typed character code, or 0.
int NextTypedChar();
// Clears key flags, press counters and the typed characters.
void ClearKeys();

// Clicks of the button (1 left, 2 right, 3 middle) since the last call.
int MouseClicks(int button);
int MouseDown(int button);
int MouseX();
int MouseY();
// The accumulated wheel position.
int MouseZ();
// Clears buttons and wheel; the position stays.
void ClearMouse();
// Puts the pointer at a screen position (800 x 600 coordinates); the polled
// position follows at once even where the platform cannot move the pointer.
void MoveMouse(int x, int y);
void HideMouse();
void ShowMouse();

// 1 while the window is in the background or minimised.
int WindowInactive();
// 1 once per close request, then cleared.
int CloseRequested();

// Start-up state: hook removed, everything cleared, the event queue and its
// hooks emptied, no pending close signal, the system clock.
void ResetInput();

} // namespace wispwood
