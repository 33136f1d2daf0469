#pragma once
// The SDL_Renderer back end of the drawing service. The game draws into an
// off-screen canvas the size of the logical screen; Present puts the canvas
// in a window of its own size unscaled, and on the full screen or in a
// window resized to anything else scaled to fit (centred, letterboxed, with
// SDL mapping mouse positions back). Other engine modules reach the window
// through GraphicsWindow().
#include "engine/draw/draw_driver.h"
#include <cstdint>

struct SDL_Window;
struct SDL_Renderer;

namespace wispwood {

Ref<TDrawDriver> CreateSdlDrawDriver();

// The open window and renderer, or null.
SDL_Window* GraphicsWindow();
SDL_Renderer* GraphicsRenderer();
// Where a point of the picture (800 x 600 coordinates) appears in the
// window's own coordinates, for moving the system pointer. SDL's
// SDL_RenderLogicalToWindow cannot be used: the renderer draws into the
// off-screen canvas, and SDL would answer for the canvas.
void GraphicsToWindow(float x, float y, int* windowX, int* windowY);
// Chooses scaled or unscaled output again for the window's new size; the
// event pump calls it when the window was resized.
void GraphicsWindowResized();
// The renderer's name ("software", "opengl", ...), or "" without a display.
const char* GraphicsRendererName();
// Whether SDL's video driver shows a real screen: false for the dummy and
// offscreen drivers of headless runs, and before video started.
bool VideoHasScreen();
// The software renderer draws unturned, unscaled pictures through its fast
// copy rather than as triangles (on at start); both give the same pixels,
// and switching off lets a test compare them.
void SetUnturnedCopies(bool on);
// Each frame's drawing calls are kept until it is presented and compared
// with the last frame's; only where they differ is the canvas drawn again
// (on at start). A frame the same as the last is not put up again at all.
// Off, every frame is drawn whole, as it comes; both give the same pixels.
void SetDamageTracking(bool on);
// The canvas pixels drawn for the last frame presented.
int64_t LastFrameRedrawnPixels();
// The last frame presented drawn again whole from its kept calls, on a
// canvas of its own, to check what was drawn only in part; null when that
// frame was not kept or does not paint the whole canvas.
Ref<TPixmap> LastFrameDrawnWhole();

} // namespace wispwood
