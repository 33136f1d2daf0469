#include "engine/draw/graphics.h"
#include "engine/draw/dev_font.h"
#include "engine/draw/message_box.h"
#include "engine/draw/sdl_driver.h"
#include "engine/input/clock.h"
#include "engine/input/polled_input.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace wispwood {

namespace {

Ref<TDrawDriver> gDriver;
Ref<TImage> gDevFont;
constexpr int DefaultDisplayRate = 60;

Ref<TClock>& PacingClock() {
    static Ref<TClock> clock = New<TSystemClock>();
    return clock;
}
// SDL paces presents itself where the renderer has no vertical sync to
// give; that is real time, which a manual pacing clock stands in for.
bool gRealPacing = true;

// State set while no display is open is kept here and goes to the driver
// when one opens.
Ref<TDrawContext> DetachedContext() {
    auto context = New<TDrawContext>();
    context->viewport_w = ScreenWidth;
    context->viewport_h = ScreenHeight;
    return context;
}

Ref<TDrawContext> gContext = DetachedContext();

TDrawDriver* Driver() {
    return gContext->driver && gContext->driver->IsOpen() ? gContext->driver.get() : nullptr;
}

// Quarter turns are exact, so that a picture turned by 90 degrees lands on
// whole pixels as it does unturned.
void UpdateMatrix(TDrawContext& c) {
    double s, k;
    double turns = c.tform_rot / 90.0;
    if (turns == std::floor(turns)) {
        const double sines[4] = {0, 1, 0, -1};
        int q = static_cast<int>(std::fmod(std::fmod(turns, 4.0) + 4.0, 4.0));
        s = sines[q], k = sines[(q + 1) % 4];
    } else {
        double radians = c.tform_rot * 3.14159265358979323846 / 180.0;
        s = std::sin(radians), k = std::cos(radians);
    }
    c.tform_ix = static_cast<float>(k * c.tform_scale_x);
    c.tform_iy = static_cast<float>(-s * c.tform_scale_y);
    c.tform_jx = static_cast<float>(s * c.tform_scale_x);
    c.tform_jy = static_cast<float>(k * c.tform_scale_y);
    if (TDrawDriver* d = Driver()) d->SetTransform(c.tform_ix, c.tform_iy, c.tform_jx, c.tform_jy);
}

// Full screen at a known rate: trust the display's vertical sync only when
// three flips in a row each take one frame time to the millisecond.
// The display's real timing is measured on the real clock: a test's manual
// clock never moves during this loop.
bool VerticalSyncMatches(TDrawDriver& driver, int hz) {
    if (!driver.HasVerticalBlank()) return false;
    TSystemClock real;
    int expected = 1000 / hz, start = real.Milliseconds(), last = start;
    int good = 0;
    for (int flips = 0; flips < 1000 && ElapsedMilliseconds(start, real.Milliseconds()) < 1000; ++flips) {
        driver.Present(true);
        int now = real.Milliseconds(), took = ElapsedMilliseconds(last, now);
        last = now;
        good = std::abs(took - expected) <= 1 ? good + 1 : 0;
        if (good == 3) return true;
    }
    return false;
}

void SetUpFrameTiming(TDrawContext& c) {
    c.displayPacer.Start(c.hz > 0 ? c.hz : DefaultDisplayRate, PacingClock()->Milliseconds());
    c.softSync = false;
    if (c.hz <= 0) return;
    if (c.depth != 0 && VerticalSyncMatches(*c.driver, c.hz)) return;
    c.softSync = true;
    c.softPacer.Start(c.hz, Milliseconds());
    c.frameTime = c.softPacer.FrameTime();
}

Ref<TImage> DevFont() {
    if (!gDevFont)
        gDevFont =
            TImage::LoadFramed(DevFontSheet(), DevFontCellWidth, DevFontCellHeight, 0, DevFontCharCount, 0);
    return gDevFont;
}

} // namespace

void TDrawContext::Apply() {
    if (!driver || !driver->IsOpen()) return;
    driver->SetColor(color_red, color_green, color_blue);
    driver->SetAlpha(color_alpha);
    driver->SetClsColor(clscolor_red, clscolor_green, clscolor_blue);
    driver->SetLineWidth(line_width);
    driver->SetTransform(tform_ix, tform_iy, tform_jx, tform_jy);
    driver->SetViewport(viewport_x, viewport_y, viewport_w, viewport_h);
    driver->SetBlend(blend_mode);
}

Ref<TDrawContext> OpenGraphics(int width, int height, int depth, int hz, int flags) {
    (void)flags;
    if (!gDriver) gDriver = CreateSdlDrawDriver();
    gContext = DetachedContext();
    if (!gDriver->Open(width, height, depth, hz)) return nullptr;
    auto context = New<TDrawContext>();
    context->width = width;
    context->height = height;
    context->depth = depth;
    context->hz = hz;
    context->viewport_w = width;
    context->viewport_h = height;
    context->driver = gDriver;
    context->image_font = DevFont();
    gContext = context;
    context->Apply();
    // Developer text must not make textures while the game runs.
    for (int i = 0; i < context->image_font->FrameCount(); ++i) context->image_font->Frame(i);
    SetUpFrameTiming(*context);
    InstallRuntimeErrorBox();
    EnablePolledInput();
    return context;
}

void CloseGraphics() {
    gContext = DetachedContext();
    if (gDriver) gDriver->Close();
}

void SetGraphics(const Ref<TDrawContext>& context) {
    gContext = context ? context : DetachedContext();
    gContext->Apply();
}

Ref<TDrawContext> CurrentGraphics() {
    return Driver() ? gContext : nullptr;
}
TDrawDriver* CurrentDrawDriver() {
    return Driver();
}
int GraphicsWidth() {
    return Driver() ? gContext->width : 0;
}
int GraphicsHeight() {
    return Driver() ? gContext->height : 0;
}
int GraphicsIsFullScreen() {
    return Driver() && Driver()->IsFullScreen() ? 1 : 0;
}

void Flip(int sync) {
    TDrawDriver* driver = Driver();
    if (!driver) return;
    TDrawContext& c = *gContext;
    if (sync >= 0) {
        driver->Present(sync > 0);
        return;
    }
    if (!c.softSync) {
        driver->Present(driver->IsFullScreen());
        return;
    }
    Delay(c.softPacer.WaitBeforeFrame(Milliseconds()));
    driver->Present(false);
}

void FlipPaced() {
    TDrawDriver* driver = Driver();
    if (!driver) return;
    TClock& clock = *PacingClock();
    clock.Delay(gContext->displayPacer.WaitBeforeFrame(clock.Milliseconds()));
    driver->Present(gRealPacing);
}

void PaceWithoutFrame() {
    if (!Driver()) return;
    TClock& clock = *PacingClock();
    clock.Delay(gContext->displayPacer.WaitBeforeFrame(clock.Milliseconds()));
}

void SetPacingClock(Ref<TClock> clock) {
    gRealPacing = !clock;
    PacingClock() = clock ? std::move(clock) : New<TSystemClock>();
    TDrawContext& c = *gContext;
    c.displayPacer.Start(c.displayPacer.Rate(), PacingClock()->Milliseconds());
}

void Cls() {
    if (TDrawDriver* d = Driver()) d->Cls();
}

void SetColor(int red, int green, int blue) {
    gContext->color_red = red, gContext->color_green = green, gContext->color_blue = blue;
    if (TDrawDriver* d = Driver()) d->SetColor(red, green, blue);
}

void GetColor(int& red, int& green, int& blue) {
    red = gContext->color_red, green = gContext->color_green, blue = gContext->color_blue;
}

void SetAlpha(float alpha) {
    gContext->color_alpha = alpha;
    if (TDrawDriver* d = Driver()) d->SetAlpha(alpha);
}

float GetAlpha() {
    return gContext->color_alpha;
}

void SetBlend(int mode) {
    gContext->blend_mode = mode;
    if (TDrawDriver* d = Driver()) d->SetBlend(mode);
}

int GetBlend() {
    return gContext->blend_mode;
}

void SetLineWidth(float width) {
    gContext->line_width = width;
    if (TDrawDriver* d = Driver()) d->SetLineWidth(width);
}

float GetLineWidth() {
    return gContext->line_width;
}

void SetClsColor(int red, int green, int blue) {
    gContext->clscolor_red = red, gContext->clscolor_green = green, gContext->clscolor_blue = blue;
    if (TDrawDriver* d = Driver()) d->SetClsColor(red, green, blue);
}

void SetRotation(float degrees) {
    gContext->tform_rot = degrees;
    UpdateMatrix(*gContext);
}

float GetRotation() {
    return gContext->tform_rot;
}

void SetScale(float scaleX, float scaleY) {
    gContext->tform_scale_x = scaleX, gContext->tform_scale_y = scaleY;
    UpdateMatrix(*gContext);
}

void GetScale(float& scaleX, float& scaleY) {
    scaleX = gContext->tform_scale_x, scaleY = gContext->tform_scale_y;
}

void SetTransform(float degrees, float scaleX, float scaleY) {
    gContext->tform_rot = degrees;
    gContext->tform_scale_x = scaleX, gContext->tform_scale_y = scaleY;
    UpdateMatrix(*gContext);
}

void SetOrigin(float x, float y) {
    gContext->origin_x = x, gContext->origin_y = y;
}
void GetOrigin(float& x, float& y) {
    x = gContext->origin_x, y = gContext->origin_y;
}
void SetHandle(float x, float y) {
    gContext->handle_x = -x, gContext->handle_y = -y;
}
void GetHandle(float& x, float& y) {
    x = -gContext->handle_x, y = -gContext->handle_y;
}

void SetViewport(int x, int y, int width, int height) {
    gContext->viewport_x = x, gContext->viewport_y = y, gContext->viewport_w = width,
    gContext->viewport_h = height;
    if (TDrawDriver* d = Driver()) d->SetViewport(x, y, width, height);
}

void GetViewport(int& x, int& y, int& width, int& height) {
    x = gContext->viewport_x, y = gContext->viewport_y, width = gContext->viewport_w,
    height = gContext->viewport_h;
}

void DrawImage(const Ref<TImage>& image, float x, float y, int frame) {
    if (!image || !Driver()) return;
    Ref<TImageFrame> texture = image->Frame(frame);
    if (!texture) return;
    float hx = image->handle_x, hy = image->handle_y;
    texture->Draw(-hx, -hy, -hx + image->width, -hy + image->height, x + gContext->origin_x,
                  y + gContext->origin_y);
}

void DrawRect(float x, float y, float width, float height) {
    TDrawDriver* d = Driver();
    if (!d) return;
    const TDrawContext& c = *gContext;
    d->DrawRect(c.handle_x, c.handle_y, c.handle_x + width, c.handle_y + height, x + c.origin_x,
                y + c.origin_y);
}

void DrawText(const Text& text, float x, float y) {
    if (!Driver()) return;
    const TDrawContext& c = *gContext;
    for (size_t i = 0; i < text.size(); ++i) {
        int code = CharCode(text, i);
        int cell = code >= DevFontFirstChar && code < DevFontFirstChar + DevFontCharCount
                       ? code - DevFontFirstChar
                       : DevFontCharCount - 1;
        Ref<TImageFrame> glyph = c.image_font ? c.image_font->Frame(cell) : nullptr;
        if (!glyph) return;
        float left = c.handle_x + static_cast<float>(i * DevFontCellWidth);
        glyph->Draw(left, c.handle_y, left + DevFontCellWidth, c.handle_y + DevFontCellHeight, x + c.origin_x,
                    y + c.origin_y);
    }
}

int TextWidth(const Text& text) {
    return static_cast<int>(text.size()) * DevFontCellWidth;
}
int TextHeight(const Text&) {
    return DevFontCellHeight;
}

void DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) {
    if (TDrawDriver* d = Driver(); d && pixmap) d->DrawPixmap(*pixmap, x, y);
}

Ref<TPixmap> GrabPixmap(int x, int y, int width, int height) {
    TDrawDriver* d = Driver();
    return d ? d->GrabPixmap(x, y, width, height) : nullptr;
}

void CopyScreenToImage(const Ref<TImage>& image, int x, int y, int frame) {
    Ref<TPixmap> target = LockImage(image, frame);
    Ref<TPixmap> grabbed = target ? GrabPixmap(x, y, image->width, image->height) : nullptr;
    if (!grabbed) return;
    target->ClearPixels(0);
    target->Paste(grabbed, std::max(0, -x), std::max(0, -y));
    if (image->flags & MASKEDIMAGE) {
        uint32_t key =
            0xff000000u | uint32_t(image->mask_r) << 16 | uint32_t(image->mask_g) << 8 | image->mask_b;
        for (int py = 0; py < target->height; ++py)
            for (int px = 0; px < target->width; ++px)
                if (static_cast<uint32_t>(target->ReadPixel(px, py)) == key) target->WritePixel(px, py, 0);
    }
    UnlockImage(image, frame);
}


} // namespace wispwood
