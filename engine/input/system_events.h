#pragma once
// The bridge between the platform (SDL) and the event stream.
namespace wispwood {

// Turns pending platform messages, close signals and timer firings into
// events. Only the thread that opened the window may call it.
void PumpSystemEvents();

// The pointer of the game window, in 800 x 600 screen coordinates; does
// nothing without a window.
void WarpSystemPointer(int x, int y);
void ShowSystemPointer(bool visible);

// Forgets the window state seen so far (the window counts as active).
void ResetSystemEvents();

} // namespace wispwood
