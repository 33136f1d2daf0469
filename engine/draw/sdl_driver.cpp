// The display of the SDL back end: window, renderer, the off-screen canvas
// the game draws on, and presenting it.
#include "engine/draw/message_box.h"
#include "engine/draw/sdl_driver_internal.h"
#include <cmath>

namespace wispwood {

namespace sdl {

Driver* gOpenDriver = nullptr;
bool gDamageTracking = true;

namespace {
constexpr int CanvasMaxWidth = 800, CanvasMaxHeight = 600;
constexpr int MinimumWindowWidth = 320, MinimumWindowHeight = 240;
int gGeneration = 0;

// Whatever happened to the window (shown, uncovered, resized), what it
// shows may be gone: the next frame is put up even if the canvas is the same.
int WatchWindow(void* driver, SDL_Event* event) {
    if (event->type == SDL_WINDOWEVENT) static_cast<Driver*>(driver)->WindowTouched();
    return 0;
}

// An OpenGL renderer whose OpenGL is drawn by the processor (Mesa's
// llvmpipe and softpipe, as under Xvfb, in virtual machines and on remote
// desktops without a graphics card).
bool RendersOnProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || SDL_strncmp(info.name, "opengl", 6) != 0) return false;
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned GlRenderer = 0x1F01;
    const char* name = getString ? reinterpret_cast<const char*>(getString(GlRenderer)) : nullptr;
    if (!name) return false;
    for (const char* word : {"llvmpipe", "softpipe", "swrast", "software"})
        if (SDL_strcasestr(name, word)) return true;
    return false;
}

int SoftwareRendererIndex() {
    for (int i = 0, n = SDL_GetNumRenderDrivers(); i < n; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && SDL_strcmp(info.name, "software") == 0) return i;
    }
    return -1;
}
} // namespace

bool Driver::Open(int width, int height, int depth, int hz) {
    (void)hz;
    if (width <= 0 || height <= 0) return false;
    if (renderer_) Flush();
    // The canvas is cleared below: calls kept so far would not show, and
    // the last frame's are no longer on it.
    record_.Clear();
    // The display holds its own reference on the video subsystem, so that
    // other code initialising and quitting it cannot pull the window away.
    if (!holdsVideo_) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
        holdsVideo_ = true;
    }
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    fullScreen_ = depth != 0;
    if (!PlaceWindow(width, height)) return false;
    gOpenDriver = this;
    if (!MakeCanvas(std::min(width, CanvasMaxWidth), std::min(height, CanvasMaxHeight))) {
        Close();
        return false;
    }
    ConfigureOutput();
    SDL_SetRenderTarget(renderer_, canvas_);
    clipApplied_ = false;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    viewX_ = viewY_ = 0, viewW_ = viewH_ = 1 << 30;
    ApplyClip();
    mustPresent_ = true;

    // The game draws its own pointer.
    SDL_ShowCursor(SDL_DISABLE);
    if (fullScreen_) {
        int w, h;
        SDL_GetWindowSize(window_, &w, &h);
        SDL_WarpMouseInWindow(window_, w / 2, h / 2);
    }
    return true;
}

// Full screen covers the desktop in its own mode. The window is also made
// borderless at the desktop's size and place first, so that it covers the
// screen even where no window manager carries out the full-screen request
// (a bare X server, as in automated runs). A display already open keeps its
// window and renderer, and so every texture made so far.
bool Driver::PlaceWindow(int width, int height) {
    SDL_Rect desktop{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height};
    if (fullScreen_) {
        int display = window_ ? std::max(SDL_GetWindowDisplayIndex(window_), 0) : 0;
        if (SDL_GetDisplayBounds(display, &desktop) != 0) desktop = {0, 0, width, height};
    }
    if (window_ && fullScreen_) {
        SDL_SetWindowResizable(window_, SDL_FALSE);
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowSize(window_, desktop.w, desktop.h);
        SDL_SetWindowPosition(window_, desktop.x, desktop.y);
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        return true;
    }
    if (window_) {
        SDL_SetWindowFullscreen(window_, 0);
        SDL_SetWindowBordered(window_, SDL_TRUE);
        SDL_SetWindowResizable(window_, SDL_TRUE);
        SDL_SetWindowSize(window_, width, height);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        return true;
    }
    Uint32 flags =
        SDL_WINDOW_ALLOW_HIGHDPI |
        (fullScreen_ ? SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE);
    window_ = SDL_CreateWindow(AppTitle().c_str(), desktop.x, desktop.y, desktop.w, desktop.h, flags);
    if (!window_) return false;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_TARGETTEXTURE);
    if (renderer_ && RendersOnProcessor(renderer_) && !SDL_GetHint(SDL_HINT_RENDER_DRIVER)) {
        // OpenGL carried out on the processor fills every pixel through a
        // general shader: SDL's own drawing, made for the processor, gives
        // the same picture for a fraction of the time and memory. Its window
        // surface goes straight to the X server, not through OpenGL again.
        SDL_DestroyRenderer(renderer_);
        SDL_DestroyWindow(window_);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        window_ = SDL_CreateWindow(AppTitle().c_str(), desktop.x, desktop.y, desktop.w, desktop.h, flags);
        renderer_ = window_ ? SDL_CreateRenderer(window_, SoftwareRendererIndex(), SDL_RENDERER_TARGETTEXTURE)
                            : nullptr;
    }
    if (!renderer_) {
        if (window_) SDL_DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    SDL_AddEventWatch(WatchWindow, this);
    // Below this the 800 x 600 picture is too small to play.
    SDL_SetWindowMinimumSize(window_, MinimumWindowWidth, MinimumWindowHeight);
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer_, &info);
    software_ = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    int side = std::min(info.max_texture_width > 0 ? info.max_texture_width : 4096,
                        info.max_texture_height > 0 ? info.max_texture_height : 4096);
    maxTextureSide_ = std::min(side, 4096);
    alive_ = std::make_shared<bool>(true);
    generation_ = ++gGeneration;
    return true;
}

bool Driver::MakeCanvas(int width, int height) {
    if (canvas_ && width == canvasWidth_ && height == canvasHeight_) return true;
    SDL_SetRenderTarget(renderer_, nullptr);
    if (canvas_) SDL_DestroyTexture(canvas_);
    canvas_ = SDL_CreateTexture(renderer_, TextureFormat, SDL_TEXTUREACCESS_TARGET, width, height);
    if (!canvas_) return false;
    canvasWidth_ = width, canvasHeight_ = height;
    SDL_SetTextureBlendMode(canvas_, SDL_BLENDMODE_NONE);
    return true;
}

// Full screen and a window of any other size than the canvas scale the
// canvas to fit, aspect kept, through SDL's logical size, which also maps
// mouse positions back to canvas pixels. A window exactly the canvas's size
// shows it unscaled, pixel for pixel.
void Driver::ConfigureOutput() {
    int w, h;
    SDL_GetWindowSize(window_, &w, &h);
    scaledOutput_ = fullScreen_ || w != canvasWidth_ || h != canvasHeight_;
    SDL_SetRenderTarget(renderer_, nullptr);
    if (scaledOutput_) {
        SDL_RenderSetLogicalSize(renderer_, canvasWidth_, canvasHeight_);
    } else {
        SDL_RenderSetLogicalSize(renderer_, 0, 0);
        SDL_RenderSetScale(renderer_, 1, 1);
    }
}

void Driver::WindowResized() {
    if (!renderer_ || !canvas_) return;
    Flush();
    ConfigureOutput();
    SDL_SetRenderTarget(renderer_, canvas_);
    clipApplied_ = false;
    mustPresent_ = true;
}

void Driver::PictureToWindow(float x, float y, int* windowX, int* windowY) {
    if (scaledOutput_ && canvasWidth_ > 0 && canvasHeight_ > 0) {
        int w, h;
        SDL_GetWindowSize(window_, &w, &h);
        float scale = std::min(float(w) / canvasWidth_, float(h) / canvasHeight_);
        x = x * scale + std::floor((w - canvasWidth_ * scale) / 2);
        y = y * scale + std::floor((h - canvasHeight_ * scale) / 2);
    }
    *windowX = static_cast<int>(std::lround(x));
    *windowY = static_cast<int>(std::lround(y));
}

void Driver::Close() {
    Flush();
    // The kept calls hold sheets, whose textures go with the renderer.
    record_.Clear();
    if (window_) SDL_DelEventWatch(WatchWindow, this);
    if (gOpenDriver == this) gOpenDriver = nullptr;
    if (alive_) *alive_ = false;
    alive_.reset();
    tints_.Clear();
    if (canvas_) SDL_DestroyTexture(canvas_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    canvas_ = nullptr, renderer_ = nullptr, window_ = nullptr;
    canvasWidth_ = canvasHeight_ = 0;
    if (holdsVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    holdsVideo_ = false;
}

void Driver::Cls() {
    if (!renderer_) return;
    DrawOp op{};
    op.key.kind = DrawOp::Kind::Clear;
    op.key.vertices[0].color = {clsRed_, clsGreen_, clsBlue_, 255};
    op.key.clip = op.bounds = WholeCanvas();
    Keep(op, nullptr);
}

void Driver::DrawPixmap(const TPixmap& pixmap, int x, int y) {
    if (!renderer_ || clipEmpty_ || pixmap.width <= 0 || pixmap.height <= 0) return;
    DrawKeptNow();
    UseClip(clip_);
    Flush();
    auto pixels = pixmap.Convert(PF_BGRA8888);
    SDL_Texture* texture = MakeTexture(pixmap.width, pixmap.height, false);
    if (!texture || !pixels) return;
    SDL_UpdateTexture(texture, nullptr, pixels->pixels, pixels->pitch);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_Rect target{x, y, pixmap.width, pixmap.height};
    SDL_RenderCopy(renderer_, texture, nullptr, &target);
    // The copy is queued; it must run before its texture goes.
    SDL_RenderFlush(renderer_);
    SDL_DestroyTexture(texture);
}

Ref<TPixmap> Driver::GrabPixmap(int x, int y, int width, int height) {
    if (!record_.Empty()) DrawKeptNow();
    return ReadTarget(x, y, width, height);
}

Ref<TPixmap> Driver::ReadTarget(int x, int y, int width, int height) {
    SDL_Rect canvas{0, 0, canvasWidth_, canvasHeight_}, wanted{x, y, width, height}, rect;
    if (!renderer_ || !SDL_IntersectRect(&canvas, &wanted, &rect)) return TPixmap::Create(0, 0, PF_RGBA8888);
    auto pixmap = TPixmap::Create(rect.w, rect.h, PF_RGBA8888);
    if (!pixmap) return nullptr;
    Flush();
    // RGBA bytes in memory.
    SDL_RenderReadPixels(renderer_, &rect, SDL_PIXELFORMAT_ABGR8888, pixmap->pixels, pixmap->pitch);
    // The canvas's own alpha is a by-product of blending; the screen is opaque.
    for (int row = 0; row < pixmap->height; ++row) {
        uint8_t* p = pixmap->PixelPtr(0, row);
        for (int col = 0; col < pixmap->width; ++col, p += 4) p[3] = 255;
    }
    return pixmap;
}

Ref<TPixmap> Driver::LastFrameDrawnWhole() {
    if (!renderer_ || !record_.LastKept() || !PaintsWholeCanvas(record_.LastCalls(), canvasWidth_, canvasHeight_))
        return nullptr;
    Flush();
    SDL_Texture* scratch =
        SDL_CreateTexture(renderer_, TextureFormat, SDL_TEXTUREACCESS_TARGET, canvasWidth_, canvasHeight_);
    if (!scratch) return nullptr;
    SDL_SetRenderTarget(renderer_, scratch);
    clipApplied_ = false;
    for (const DrawOp& op : record_.LastCalls()) Emit(op, WholeCanvas());
    auto pixels = ReadTarget(0, 0, canvasWidth_, canvasHeight_);
    SDL_SetRenderTarget(renderer_, canvas_);
    clipApplied_ = false;
    SDL_DestroyTexture(scratch);
    return pixels;
}

void Driver::Present(bool vsync) {
    if (!renderer_) return;
    DrawKeptFrame();
    Flush();
    if (vsync != vsync_) {
        SDL_RenderSetVSync(renderer_, vsync ? 1 : 0);
        vsync_ = vsync;
        mustPresent_ = true;
    }
    // The window still shows this very picture.
    if (!canvasChanged_ && !mustPresent_) {
        tints_.EndFrame(++frame_);
        return;
    }
    mustPresent_ = false;
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (scaledOutput_) {
        SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
    } else {
        // High-DPI windows have more pixels than points; the picture covers
        // the same points either way. The window's own pixel size is asked,
        // not the renderer's output: just after leaving full screen the
        // output can still have the full screen's size for a while.
        int windowW, windowH, outputW, outputH;
        SDL_GetWindowSize(window_, &windowW, &windowH);
        SDL_GetWindowSizeInPixels(window_, &outputW, &outputH);
        SDL_Rect target{0, 0, canvasWidth_ * outputW / std::max(windowW, 1),
                        canvasHeight_ * outputH / std::max(windowH, 1)};
        SDL_RenderCopy(renderer_, canvas_, nullptr, &target);
    }
    SDL_RenderPresent(renderer_);
    SDL_SetRenderTarget(renderer_, canvas_);
    clipApplied_ = false;
    tints_.EndFrame(++frame_);
}

void Driver::DrawKeptFrame() {
    canvasChanged_ = true;
    if (!record_.Keeping()) {
        // What the canvas shows was not kept; the next frame is drawn whole.
        redrawnPixels_ = int64_t(canvasWidth_) * canvasHeight_;
        record_.FrameNotKept();
        return;
    }
    std::vector<SDL_Rect> regions = record_.Damage(canvasWidth_, canvasHeight_);
    redrawnPixels_ = 0;
    if (software_) TakeInCutCopies(regions);
    for (const SDL_Rect& region : regions) {
        Redraw(region);
        redrawnPixels_ += int64_t(region.w) * region.h;
    }
    Flush();
    canvasChanged_ = !regions.empty();
    record_.FrameDrawn();
}

// The software renderer draws an upright picture that is scaled, or off
// whole pixels, as a scaled copy, and a clip moves the texels such a copy
// samples: a region takes in every such picture it cuts, whole (and then
// what those cut in turn).
void Driver::TakeInCutCopies(std::vector<SDL_Rect>& regions) const {
    for (bool grew = true; grew;) {
        grew = false;
        for (SDL_Rect& region : regions)
            for (const DrawOp& op : record_.Calls()) {
                SDL_Rect both;
                if (!op.key.texture || !SDL_IntersectRect(&op.bounds, &region, &both) ||
                    SDL_RectEquals(&both, &op.bounds) || !AxisAligned(op.key) || CopiesOneToOne(op.key))
                    continue;
                SDL_UnionRect(&region, &op.bounds, &region);
                grew = true;
            }
        // Regions grown into one another would draw the same pixels twice.
        for (size_t i = 0; i < regions.size(); ++i)
            for (size_t j = i + 1; j < regions.size(); ++j)
                if (SDL_HasIntersection(&regions[i], &regions[j])) {
                    SDL_UnionRect(&regions[i], &regions[j], &regions[i]);
                    regions.erase(regions.begin() + static_cast<std::ptrdiff_t>(j));
                    j = i;
                    grew = true;
                }
    }
    int64_t area = 0;
    for (const SDL_Rect& r : regions) area += int64_t(r.w) * r.h;
    if (area * 100 > WholeRedrawPercent * canvasWidth_ * canvasHeight_) regions = {WholeCanvas()};
}

void Driver::Redraw(const SDL_Rect& region) {
    for (const DrawOp& op : record_.Calls())
        if (SDL_HasIntersection(&op.bounds, &region)) Emit(op, region);
}

void Driver::DrawKeptNow() {
    if (!record_.Keeping() || !renderer_) return;
    Redraw(WholeCanvas());
    record_.DrawRestAtOnce();
}

void Driver::SheetChanging(TextureSheet& sheet) {
    // Calls kept this frame draw the old pixels; they are drawn now, before
    // the pixels change.
    if (sheet.drawnInFrame == frame_ && !record_.Empty()) DrawKeptNow();
    // A texture may be waiting in the current batch with its old contents.
    Flush();
}

void Driver::SetDamageTracking(bool on) {
    if (!record_.Empty()) DrawKeptNow();
    record_.SetTracking(on);
}

bool Driver::HasVerticalBlank() const {
    return renderer_ && VideoHasScreen();
}

} // namespace sdl

Ref<TDrawDriver> CreateSdlDrawDriver() {
    return New<sdl::Driver>();
}

SDL_Window* GraphicsWindow() {
    return sdl::gOpenDriver ? sdl::gOpenDriver->window_ : nullptr;
}
SDL_Renderer* GraphicsRenderer() {
    return sdl::gOpenDriver ? sdl::gOpenDriver->renderer_ : nullptr;
}

void SetDamageTracking(bool on) {
    if (sdl::gOpenDriver) sdl::gOpenDriver->SetDamageTracking(on);
    sdl::gDamageTracking = on;
}

int64_t LastFrameRedrawnPixels() {
    return sdl::gOpenDriver ? sdl::gOpenDriver->RedrawnPixels() : 0;
}

Ref<TPixmap> LastFrameDrawnWhole() {
    return sdl::gOpenDriver ? sdl::gOpenDriver->LastFrameDrawnWhole() : nullptr;
}

void GraphicsWindowResized() {
    if (sdl::gOpenDriver) sdl::gOpenDriver->WindowResized();
}

void GraphicsToWindow(float x, float y, int* windowX, int* windowY) {
    if (sdl::gOpenDriver && sdl::gOpenDriver->window_) {
        sdl::gOpenDriver->PictureToWindow(x, y, windowX, windowY);
    } else {
        *windowX = static_cast<int>(x);
        *windowY = static_cast<int>(y);
    }
}

bool VideoHasScreen() {
    const char* video = SDL_GetCurrentVideoDriver();
    return video && SDL_strcmp(video, "dummy") != 0 && SDL_strcmp(video, "offscreen") != 0;
}

const char* GraphicsRendererName() {
    SDL_RendererInfo info;
    if (!GraphicsRenderer() || SDL_GetRendererInfo(GraphicsRenderer(), &info) != 0) return "";
    return info.name;
}

} // namespace wispwood
