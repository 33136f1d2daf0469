#include "engine/draw/sdl_driver.h"
#include "engine/draw/message_box.h"
#include <SDL.h>
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

constexpr int CanvasMaxWidth = 800, CanvasMaxHeight = 600;
// Texture and canvas layout: B, G, R, A bytes in memory.
constexpr Uint32 TextureFormat = SDL_PIXELFORMAT_ARGB8888;

// Lives as long as the renderer; frames hold it so that a texture is only
// destroyed while its renderer still exists.
struct RendererLife {
    SDL_Renderer* renderer = nullptr;
};

// How a frame's alpha is made up decides how each blend mode draws it.
enum class AlphaKind { Opaque, Binary, Soft };

class SdlDriver;
SdlDriver* gOpenDriver = nullptr;

class SdlFrame : public TImageFrame {
  public:
    SdlFrame(SdlDriver* driver, std::shared_ptr<RendererLife> life)
        : driver_(driver), life_(std::move(life)) {}
    ~SdlFrame() override { Release(); }

    void Draw(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void Upload(const TPixmap& pixmap) override;

    SDL_Texture* main = nullptr;
    // Alpha thresholded at one half, for the mask blend of soft-edged frames.
    SDL_Texture* mask = nullptr;
    AlphaKind kind = AlphaKind::Opaque;
    int flags = 0;

  private:
    void Release() {
        if (!life_->renderer) return;
        if (main) SDL_DestroyTexture(main);
        if (mask) SDL_DestroyTexture(mask);
        main = mask = nullptr;
    }

    SdlDriver* driver_;
    std::shared_ptr<RendererLife> life_;
};

class SdlDriver : public TDrawDriver {
  public:
    ~SdlDriver() override { Close(); }

    bool Open(int width, int height, int depth, int hz) override;
    void Close() override;
    bool IsOpen() const override { return renderer_ != nullptr; }
    bool IsFullScreen() const override { return fullScreen_; }
    int Generation() const override { return generation_; }

    Ref<TImageFrame> CreateFrame(const TPixmap& pixmap, int flags) override;

    void SetBlend(int mode) override { blend_ = mode; }
    void SetColor(int red, int green, int blue) override {
        red_ = ClampByte(red), green_ = ClampByte(green), blue_ = ClampByte(blue);
    }
    void SetAlpha(float alpha) override {
        alpha_ = static_cast<Uint8>(std::clamp(alpha, 0.0f, 1.0f) * 255.0f);
    }
    void SetClsColor(int red, int green, int blue) override {
        clsRed_ = ClampByte(red), clsGreen_ = ClampByte(green), clsBlue_ = ClampByte(blue);
    }
    void SetViewport(int x, int y, int width, int height) override;
    void SetTransform(float ix, float iy, float jx, float jy) override {
        ix_ = ix, iy_ = iy, jx_ = jx, jy_ = jy;
    }
    void SetLineWidth(float) override {}

    void Cls() override;
    void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void DrawPixmap(const TPixmap& pixmap, int x, int y) override;
    Ref<TPixmap> GrabPixmap(int x, int y, int width, int height) override;
    void Present(bool vsync) override;

    void PictureToWindow(float x, float y, int* windowX, int* windowY);
    void DrawFrame(SdlFrame& frame, float x0, float y0, float x1, float y1, float tx, float ty);
    SDL_Texture* MakeTexture(const TPixmap& pixmap, int flags, bool thresholdAlpha);
    void Fill(SDL_Texture* texture, const TPixmap& pixmap, bool thresholdAlpha);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    bool software_ = false;

  private:
    static Uint8 ClampByte(int v) { return static_cast<Uint8>(std::clamp(v, 0, 255)); }
    void ApplyClip();
    void ConfigureOutput();
    // The quad's corners through the matrix; false when nothing would show.
    bool Place(SDL_Vertex* v, float x0, float y0, float x1, float y1, float tx, float ty, SDL_Color colour);

    SDL_Texture* canvas_ = nullptr;
    std::shared_ptr<RendererLife> life_;
    int generation_ = 0;
    int canvasWidth_ = 0, canvasHeight_ = 0;
    bool holdsVideo_ = false;
    bool fullScreen_ = false;
    bool scaledOutput_ = false;
    bool vsync_ = false;

    int blend_ = 1;
    Uint8 red_ = 255, green_ = 255, blue_ = 255, alpha_ = 255;
    Uint8 clsRed_ = 0, clsGreen_ = 0, clsBlue_ = 0;
    float ix_ = 1, iy_ = 0, jx_ = 0, jy_ = 1;
    SDL_Rect clip_{0, 0, 0, 0};
    bool clipWhole_ = true, clipEmpty_ = false;
    int viewX_ = 0, viewY_ = 0, viewW_ = 1 << 30, viewH_ = 1 << 30;
};

int gGeneration = 0;
const int QuadIndices[6] = {0, 1, 2, 0, 2, 3};

void SdlFrame::Draw(float x0, float y0, float x1, float y1, float tx, float ty) {
    if (life_->renderer && driver_ == gOpenDriver) driver_->DrawFrame(*this, x0, y0, x1, y1, tx, ty);
}

void SdlFrame::Upload(const TPixmap& pixmap) {
    if (!life_->renderer) return;
    if (main) driver_->Fill(main, pixmap, false);
    if (mask) driver_->Fill(mask, pixmap, true);
}

bool SdlDriver::Open(int width, int height, int depth, int hz) {
    (void)hz;
    if (width <= 0 || height <= 0) return false;
    // The display holds its own reference on the video subsystem, so that
    // other code initialising and quitting it cannot pull the window away.
    if (!holdsVideo_) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
        holdsVideo_ = true;
    }
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    fullScreen_ = depth != 0;
    Uint32 screenFlag = fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    if (!window_) {
        window_ = SDL_CreateWindow(AppTitle().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                   height, SDL_WINDOW_ALLOW_HIGHDPI | screenFlag);
        if (!window_) return false;
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_TARGETTEXTURE);
        if (!renderer_) {
            SDL_DestroyWindow(window_);
            window_ = nullptr;
            return false;
        }
        SDL_RendererInfo info;
        SDL_GetRendererInfo(renderer_, &info);
        software_ = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
        life_ = std::make_shared<RendererLife>();
        life_->renderer = renderer_;
        generation_ = ++gGeneration;
    } else {
        SDL_SetWindowFullscreen(window_, screenFlag);
        if (!fullScreen_) SDL_SetWindowSize(window_, width, height);
    }
    gOpenDriver = this;

    int canvasWidth = std::min(width, CanvasMaxWidth), canvasHeight = std::min(height, CanvasMaxHeight);
    if (!canvas_ || canvasWidth != canvasWidth_ || canvasHeight != canvasHeight_) {
        SDL_SetRenderTarget(renderer_, nullptr);
        if (canvas_) SDL_DestroyTexture(canvas_);
        canvas_ =
            SDL_CreateTexture(renderer_, TextureFormat, SDL_TEXTUREACCESS_TARGET, canvasWidth, canvasHeight);
        if (!canvas_) {
            Close();
            return false;
        }
        canvasWidth_ = canvasWidth, canvasHeight_ = canvasHeight;
        SDL_SetTextureBlendMode(canvas_, SDL_BLENDMODE_NONE);
    }
    ConfigureOutput();
    SDL_SetRenderTarget(renderer_, canvas_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    viewX_ = viewY_ = 0, viewW_ = viewH_ = 1 << 30;
    ApplyClip();

    // The game draws its own pointer.
    SDL_ShowCursor(SDL_DISABLE);
    if (fullScreen_) {
        int w, h;
        SDL_GetWindowSize(window_, &w, &h);
        SDL_WarpMouseInWindow(window_, w / 2, h / 2);
    }
    return true;
}

// Full screen (and a window too small for the picture) scales the canvas to
// fit through SDL's logical size, which also maps mouse positions back to
// canvas pixels. A window that holds the canvas shows it unscaled.
void SdlDriver::ConfigureOutput() {
    int w, h;
    SDL_GetWindowSize(window_, &w, &h);
    scaledOutput_ = fullScreen_ || w < canvasWidth_ || h < canvasHeight_;
    SDL_SetRenderTarget(renderer_, nullptr);
    if (scaledOutput_) {
        SDL_RenderSetLogicalSize(renderer_, canvasWidth_, canvasHeight_);
    } else {
        SDL_RenderSetLogicalSize(renderer_, 0, 0);
        SDL_RenderSetScale(renderer_, 1, 1);
    }
}

void SdlDriver::PictureToWindow(float x, float y, int* windowX, int* windowY) {
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

void SdlDriver::Close() {
    if (gOpenDriver == this) gOpenDriver = nullptr;
    if (life_) life_->renderer = nullptr;
    life_.reset();
    if (canvas_) SDL_DestroyTexture(canvas_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    canvas_ = nullptr, renderer_ = nullptr, window_ = nullptr;
    canvasWidth_ = canvasHeight_ = 0;
    if (holdsVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    holdsVideo_ = false;
}

void SdlDriver::Fill(SDL_Texture* texture, const TPixmap& pixmap, bool thresholdAlpha) {
    auto converted = pixmap.Convert(PF_BGRA8888);
    if (!converted) return;
    if (thresholdAlpha) {
        for (int y = 0; y < converted->height; ++y) {
            uint8_t* p = converted->PixelPtr(0, y);
            for (int x = 0; x < converted->width; ++x, p += 4) p[3] = p[3] >= 128 ? 255 : 0;
        }
    }
    SDL_UpdateTexture(texture, nullptr, converted->pixels, converted->pitch);
}

SDL_Texture* SdlDriver::MakeTexture(const TPixmap& pixmap, int flags, bool thresholdAlpha) {
    SDL_Texture* texture = SDL_CreateTexture(renderer_, TextureFormat, SDL_TEXTUREACCESS_STATIC,
                                             std::max(pixmap.width, 1), std::max(pixmap.height, 1));
    if (!texture) return nullptr;
    // The software renderer's smooth scaling makes temporary surfaces on
    // every draw; it samples nearest texels instead.
    bool smooth = (flags & 2) && !software_;
    SDL_SetTextureScaleMode(texture, smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    if (pixmap.width > 0 && pixmap.height > 0) Fill(texture, pixmap, thresholdAlpha);
    return texture;
}

Ref<TImageFrame> SdlDriver::CreateFrame(const TPixmap& pixmap, int flags) {
    if (!renderer_) return nullptr;
    auto frame = New<SdlFrame>(this, life_);
    frame->flags = flags;
    bool anyPartial = false, anyTransparent = false;
    for (int y = 0; y < pixmap.height; ++y) {
        for (int x = 0; x < pixmap.width; ++x) {
            int a = static_cast<uint32_t>(pixmap.ReadPixel(x, y)) >> 24;
            anyTransparent |= a == 0;
            anyPartial |= a != 0 && a != 255;
        }
    }
    frame->kind = anyPartial ? AlphaKind::Soft : anyTransparent ? AlphaKind::Binary : AlphaKind::Opaque;
    frame->main = MakeTexture(pixmap, flags, false);
    // Dynamic images may gain soft edges later, so they always get the copy.
    if (frame->kind == AlphaKind::Soft || (flags & 8)) frame->mask = MakeTexture(pixmap, flags, true);
    if (flags & 8) frame->kind = AlphaKind::Soft;
    if (!frame->main) return nullptr;
    return frame;
}

void SdlDriver::SetViewport(int x, int y, int width, int height) {
    viewX_ = x, viewY_ = y, viewW_ = width, viewH_ = height;
    ApplyClip();
}

void SdlDriver::ApplyClip() {
    if (!renderer_) return;
    SDL_Rect canvas{0, 0, canvasWidth_, canvasHeight_};
    SDL_Rect view{viewX_, viewY_, std::max(viewW_, 0), std::max(viewH_, 0)};
    clipEmpty_ = !SDL_IntersectRect(&canvas, &view, &clip_);
    clipWhole_ = !clipEmpty_ && SDL_RectEquals(&clip_, &canvas);
    SDL_RenderSetClipRect(renderer_, clipWhole_ || clipEmpty_ ? nullptr : &clip_);
}

bool SdlDriver::Place(SDL_Vertex* v, float x0, float y0, float x1, float y1, float tx, float ty,
                      SDL_Color colour) {
    const float xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1}, us[4] = {0, 1, 1, 0},
                vs[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        v[i].position.x = xs[i] * ix_ + ys[i] * iy_ + tx;
        v[i].position.y = xs[i] * jx_ + ys[i] * jy_ + ty;
        v[i].color = colour;
        v[i].tex_coord.x = us[i];
        v[i].tex_coord.y = vs[i];
    }
    return !clipEmpty_;
}

void SdlDriver::DrawFrame(SdlFrame& frame, float x0, float y0, float x1, float y1, float tx, float ty) {
    SDL_Texture* texture = frame.main;
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    Uint8 alpha = alpha_;
    switch (blend_) {
    case MASKBLEND:
        // Drawn where texel alpha x alpha reaches one half.
        if (alpha_ < 128) return;
        alpha = 255;
        if (frame.kind == AlphaKind::Opaque)
            mode = SDL_BLENDMODE_NONE;
        else if (frame.kind == AlphaKind::Soft)
            texture = frame.mask;
        break;
    case SOLIDBLEND:
        mode = SDL_BLENDMODE_NONE;
        alpha = 255;
        break;
    case ALPHABLEND:
        if (alpha_ == 0) return;
        if (frame.kind == AlphaKind::Opaque && alpha_ == 255) mode = SDL_BLENDMODE_NONE;
        break;
    case LIGHTBLEND:
        if (alpha_ == 0) return;
        mode = SDL_BLENDMODE_ADD;
        break;
    case SHADEBLEND:
        mode = SDL_BLENDMODE_MOD;
        alpha = 255;
        break;
    default:
        return;
    }
    if (!texture) return;
    SDL_Vertex v[4];
    if (!Place(v, x0, y0, x1, y1, tx, ty, SDL_Color{red_, green_, blue_, alpha})) return;
    SDL_SetTextureBlendMode(texture, mode);
    SDL_RenderGeometry(renderer_, texture, v, 4, QuadIndices, 6);
}

void SdlDriver::DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) {
    if (!renderer_) return;
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    Uint8 alpha = alpha_;
    switch (blend_) {
    case MASKBLEND:
        if (alpha_ < 128) return;
        mode = SDL_BLENDMODE_NONE;
        alpha = 255;
        break;
    case SOLIDBLEND:
        mode = SDL_BLENDMODE_NONE;
        alpha = 255;
        break;
    case ALPHABLEND:
        if (alpha_ == 0) return;
        if (alpha_ == 255) mode = SDL_BLENDMODE_NONE;
        break;
    case LIGHTBLEND:
        if (alpha_ == 0) return;
        mode = SDL_BLENDMODE_ADD;
        break;
    case SHADEBLEND:
        mode = SDL_BLENDMODE_MOD;
        alpha = 255;
        break;
    default:
        return;
    }
    SDL_Vertex v[4];
    if (!Place(v, x0, y0, x1, y1, tx, ty, SDL_Color{red_, green_, blue_, alpha})) return;
    SDL_SetRenderDrawBlendMode(renderer_, mode);
    SDL_RenderGeometry(renderer_, nullptr, v, 4, QuadIndices, 6);
}

void SdlDriver::Cls() {
    if (!renderer_) return;
    SDL_SetRenderDrawColor(renderer_, clsRed_, clsGreen_, clsBlue_, 255);
    SDL_RenderClear(renderer_);
}

void SdlDriver::DrawPixmap(const TPixmap& pixmap, int x, int y) {
    if (!renderer_ || clipEmpty_ || pixmap.width <= 0 || pixmap.height <= 0) return;
    SDL_Texture* texture = MakeTexture(pixmap, 0, false);
    if (!texture) return;
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_Rect target{x, y, pixmap.width, pixmap.height};
    SDL_RenderCopy(renderer_, texture, nullptr, &target);
    // The copy is queued; it must run before its texture goes.
    SDL_RenderFlush(renderer_);
    SDL_DestroyTexture(texture);
}

Ref<TPixmap> SdlDriver::GrabPixmap(int x, int y, int width, int height) {
    SDL_Rect canvas{0, 0, canvasWidth_, canvasHeight_}, wanted{x, y, width, height}, rect;
    if (!renderer_ || !SDL_IntersectRect(&canvas, &wanted, &rect)) return TPixmap::Create(0, 0, PF_RGBA8888);
    auto pixmap = TPixmap::Create(rect.w, rect.h, PF_RGBA8888);
    if (!pixmap) return nullptr;
    // RGBA bytes in memory.
    SDL_RenderReadPixels(renderer_, &rect, SDL_PIXELFORMAT_ABGR8888, pixmap->pixels, pixmap->pitch);
    // The canvas's own alpha is a by-product of blending; the screen is opaque.
    for (int row = 0; row < pixmap->height; ++row) {
        uint8_t* p = pixmap->PixelPtr(0, row);
        for (int col = 0; col < pixmap->width; ++col, p += 4) p[3] = 255;
    }
    return pixmap;
}

void SdlDriver::Present(bool vsync) {
    if (!renderer_) return;
    if (vsync != vsync_) {
        SDL_RenderSetVSync(renderer_, vsync ? 1 : 0);
        vsync_ = vsync;
    }
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (scaledOutput_) {
        SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
    } else {
        // High-DPI windows have more pixels than points; the picture covers
        // the same points either way.
        int windowW, windowH, outputW, outputH;
        SDL_GetWindowSize(window_, &windowW, &windowH);
        SDL_GetRendererOutputSize(renderer_, &outputW, &outputH);
        SDL_Rect target{0, 0, canvasWidth_ * outputW / std::max(windowW, 1),
                        canvasHeight_ * outputH / std::max(windowH, 1)};
        SDL_RenderCopy(renderer_, canvas_, nullptr, &target);
    }
    SDL_RenderPresent(renderer_);
    SDL_SetRenderTarget(renderer_, canvas_);
    ApplyClip();
}

} // namespace

Ref<TDrawDriver> CreateSdlDrawDriver() {
    return New<SdlDriver>();
}

SDL_Window* GraphicsWindow() {
    return gOpenDriver ? gOpenDriver->window_ : nullptr;
}
SDL_Renderer* GraphicsRenderer() {
    return gOpenDriver ? gOpenDriver->renderer_ : nullptr;
}

void GraphicsToWindow(float x, float y, int* windowX, int* windowY) {
    if (gOpenDriver && gOpenDriver->window_) {
        gOpenDriver->PictureToWindow(x, y, windowX, windowY);
    } else {
        *windowX = static_cast<int>(x);
        *windowY = static_cast<int>(y);
    }
}

const char* GraphicsRendererName() {
    SDL_RendererInfo info;
    if (!gOpenDriver || !gOpenDriver->renderer_ || SDL_GetRendererInfo(gOpenDriver->renderer_, &info) != 0)
        return "";
    return info.name;
}

} // namespace wispwood
