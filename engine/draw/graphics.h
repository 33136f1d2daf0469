#pragma once
// The immediate-mode drawing service: one current graphics context holding
// colour, alpha, blend, transform, origin, handle and clip viewport; every
// state call changes it and forwards the value to the driver. The game draws
// on an 800 x 600 screen; the display shows that picture in a window or
// scaled to fit a full screen.
#include "engine/draw/draw_driver.h"
#include "engine/draw/frame_pacer.h"
#include "engine/draw/image.h"
#include "engine/input/clock.h"

namespace wispwood {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

class TDrawContext {
  public:
    int color_red = 255;
    int color_green = 255;
    int color_blue = 255;
    float color_alpha = 1;
    int clscolor_red = 0;
    int clscolor_green = 0;
    int clscolor_blue = 0;
    float line_width = 1;
    float tform_rot = 0;
    float tform_scale_x = 1;
    float tform_scale_y = 1;
    float tform_ix = 1;
    float tform_iy = 0;
    float tform_jx = 0;
    float tform_jy = 1;
    int viewport_x = 0;
    int viewport_y = 0;
    int viewport_w = 0;
    int viewport_h = 0;
    float origin_x = 0;
    float origin_y = 0;
    float handle_x = 0;
    float handle_y = 0;
    Ref<TImage> image_font;
    int blend_mode = MASKBLEND;

    // What OpenGraphics was asked for.
    int width = 0;
    int height = 0;
    int depth = 0;
    int hz = 0;
    Ref<TDrawDriver> driver;

    // Software frame pacing of Flip(-1), on the game clock.
    bool softSync = false;
    int frameTime = 0;
    TFramePacer softPacer;
    // FlipPaced's pacing, on the pacing clock.
    TFramePacer displayPacer;

    // Sends every state value to the driver.
    void Apply();
};

// Opens a window (depth 0) or full screen and makes a fresh context current;
// null when no display can be opened. A display that is already open is
// switched to the new mode, so textures made earlier stay valid.
Ref<TDrawContext> OpenGraphics(int width, int height, int depth = 0, int hz = 60, int flags = 0);
// Closes the display; the context is gone and textures are released.
void CloseGraphics();
void SetGraphics(const Ref<TDrawContext>& context);
Ref<TDrawContext> CurrentGraphics();
// The driver of the open display, or null.
TDrawDriver* CurrentDrawDriver();
int GraphicsWidth();
int GraphicsHeight();
int GraphicsIsFullScreen();

// Runs the flip hooks, then shows the back buffer: sync 0 at once, 1 after
// the vertical blank, -1 paced by software timing where that is on.
void Flip(int sync = -1);
// Runs the flip hooks and shows the frame at most once per display refresh:
// the renderer waits for the vertical blank where it can, and the frame
// waits on the pacing clock so that frames come no faster than the rate
// given to OpenGraphics (60 when that was 0) where it cannot: no screen,
// or an X server without vertical sync. The game clock is never read.
void FlipPaced();
// Waits as FlipPaced would, for a display frame that is left out.
void PaceWithoutFrame();
// The clock FlipPaced reads and sleeps on; null restores the real one. A
// test stepping the game clock gives it a manual clock, so that frames cost
// no real time.
void SetPacingClock(Ref<TClock> clock);
void Cls();

void SetColor(int red, int green, int blue);
void GetColor(int& red, int& green, int& blue);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetLineWidth(float width);
float GetLineWidth();
void SetClsColor(int red, int green, int blue);
void SetRotation(float degrees);
float GetRotation();
void SetScale(float scaleX, float scaleY);
void GetScale(float& scaleX, float& scaleY);
void SetTransform(float degrees, float scaleX, float scaleY);
void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
// The handle for rectangles and text: the point that lands on the draw
// position.
void SetHandle(float x, float y);
void GetHandle(float& x, float& y);
void SetViewport(int x, int y, int width, int height);
void GetViewport(int& x, int& y, int& width, int& height);

void DrawImage(const Ref<TImage>& image, float x, float y, int frame = 0);
void DrawRect(float x, float y, float width, float height);
// Developer text in the built-in font (the game's own text uses its fonts).
void DrawText(const Text& text, float x, float y);
int TextWidth(const Text& text);
int TextHeight(const Text& text);
void DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y);
Ref<TPixmap> GrabPixmap(int x, int y, int width, int height);
// Copies the back-buffer rectangle of the image's size at (x, y) into the
// frame, applying the mask colour when the image is masked.
void CopyScreenToImage(const Ref<TImage>& image, int x, int y, int frame = 0);

} // namespace wispwood
