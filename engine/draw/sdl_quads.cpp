// Drawing quads in the SDL back end: blend choice, placement, batching and
// the clip rectangle.
#include "engine/draw/sdl_driver_internal.h"
#include <cmath>

namespace wispwood::sdl {

bool gUnturnedCopies = true;

namespace {
const int QuadIndices[6] = {0, 1, 2, 0, 2, 3};
constexpr size_t MaxBatchQuads = 2048;
} // namespace

bool Driver::ChooseBlend(AlphaKind kind, SDL_BlendMode* mode, Uint8* alpha, bool* useMask) const {
    *mode = SDL_BLENDMODE_BLEND;
    *alpha = alpha_;
    *useMask = false;
    switch (blend_) {
    case MASKBLEND:
        // Drawn where texel alpha x alpha reaches one half.
        if (alpha_ < 128) return false;
        *alpha = 255;
        if (kind == AlphaKind::Opaque) *mode = SDL_BLENDMODE_NONE;
        *useMask = kind == AlphaKind::Soft;
        return true;
    case SOLIDBLEND:
        *mode = SDL_BLENDMODE_NONE;
        *alpha = 255;
        return true;
    case ALPHABLEND:
        // Opaque at full alpha is a plain copy, which is much cheaper.
        if (kind == AlphaKind::Opaque && alpha_ == 255) *mode = SDL_BLENDMODE_NONE;
        return alpha_ != 0;
    case LIGHTBLEND:
        *mode = SDL_BLENDMODE_ADD;
        return alpha_ != 0;
    case SHADEBLEND:
        *mode = SDL_BLENDMODE_MOD;
        *alpha = 255;
        return true;
    default:
        return false;
    }
}

void Driver::DrawFrame(const Frame& frame, float x0, float y0, float x1, float y1, float tx, float ty) {
    SDL_BlendMode mode;
    Uint8 alpha;
    bool useMask;
    if (clipEmpty_ || !ChooseBlend(frame.kind, &mode, &alpha, &useMask)) return;
    SDL_Texture* texture = useMask ? frame.Sheet()->Mask() : frame.Sheet()->main;
    if (!texture) return;
    const float xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1};
    const float us[4] = {frame.u0, frame.u1, frame.u1, frame.u0},
                vs[4] = {frame.v0, frame.v0, frame.v1, frame.v1};
    Queue(texture, mode, xs, ys, us, vs, tx, ty, alpha);
}

void Driver::DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) {
    SDL_BlendMode mode;
    Uint8 alpha;
    bool useMask;
    if (!renderer_ || clipEmpty_ || !ChooseBlend(AlphaKind::Opaque, &mode, &alpha, &useMask)) return;
    const float xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1}, none[4] = {0, 0, 0, 0};
    Queue(nullptr, mode, xs, ys, none, none, tx, ty, alpha);
}

// The software renderer fills triangles texel by texel, and tints them
// through its slowest path; an unturned, unscaled picture on whole pixels
// goes through its copy instead, whose tinted blits are many times faster
// and give the same pixels. Between pixels the triangles sample otherwise,
// so those keep to them.
bool Driver::CopyUnturned(SDL_Texture* texture, SDL_BlendMode mode, const float* xs, const float* ys,
                          const float* us, const float* vs, float tx, float ty, Uint8 alpha) {
    if (!software_ || !texture || !gUnturnedCopies || iy_ != 0 || jx_ != 0 || ix_ <= 0 || jy_ <= 0)
        return false;
    int w, h;
    if (SDL_QueryTexture(texture, nullptr, nullptr, &w, &h) != 0) return false;
    float x0 = xs[0] * ix_ + tx, x1 = xs[1] * ix_ + tx, y0 = ys[0] * jy_ + ty, y1 = ys[2] * jy_ + ty;
    if (x0 != std::floor(x0) || y0 != std::floor(y0) || !(std::fabs(x0) < 1e6f && std::fabs(y0) < 1e6f))
        return false;
    int left = static_cast<int>(x0), top = static_cast<int>(y0);
    int right = static_cast<int>(std::lround(x1)), bottom = static_cast<int>(std::lround(y1));
    SDL_Rect source{static_cast<int>(std::lround(us[0] * w)), static_cast<int>(std::lround(vs[0] * h)), 0, 0};
    source.w = static_cast<int>(std::lround(us[1] * w)) - source.x;
    source.h = static_cast<int>(std::lround(vs[2] * h)) - source.y;
    // Only one to one: a scaled copy samples other texels than the triangles.
    if (source.w != right - left || source.h != bottom - top) return false;
    if (source.w <= 0 || source.h <= 0) return true;
    Flush();
    SDL_Rect target{left, top, source.w, source.h};
    if (SDL_Texture* tinted = TintedCopy(texture, source)) {
        SDL_SetTextureAlphaMod(tinted, alpha);
        SDL_SetTextureBlendMode(tinted, mode);
        SDL_RenderCopy(renderer_, tinted, nullptr, &target);
        return true;
    }
    SDL_SetTextureColorMod(texture, red_, green_, blue_);
    SDL_SetTextureAlphaMod(texture, alpha);
    SDL_SetTextureBlendMode(texture, mode);
    SDL_RenderCopy(renderer_, texture, &source, &target);
    return true;
}

// Corners relative to the handle go through the matrix, then to the
// position.
void Driver::Queue(SDL_Texture* texture, SDL_BlendMode mode, const float* xs, const float* ys,
                   const float* us, const float* vs, float tx, float ty, Uint8 alpha) {
    if (CopyUnturned(texture, mode, xs, ys, us, vs, tx, ty, alpha)) return;
    if (texture != batchTexture_ || mode != batchMode_ || batchVertices_.size() >= MaxBatchQuads * 4) Flush();
    batchTexture_ = texture;
    batchMode_ = mode;
    int first = static_cast<int>(batchVertices_.size());
    SDL_Color colour{red_, green_, blue_, alpha};
    for (int i = 0; i < 4; ++i) {
        SDL_Vertex v;
        v.position.x = xs[i] * ix_ + ys[i] * iy_ + tx;
        v.position.y = xs[i] * jx_ + ys[i] * jy_ + ty;
        v.color = colour;
        v.tex_coord.x = us[i];
        v.tex_coord.y = vs[i];
        batchVertices_.push_back(v);
    }
    for (int i : QuadIndices) batchIndices_.push_back(first + i);
}

void Driver::Flush() {
    if (batchVertices_.empty()) return;
    if (batchTexture_) {
        // A copy may have left its tint on the texture; the vertices carry it here.
        SDL_SetTextureColorMod(batchTexture_, 255, 255, 255);
        SDL_SetTextureAlphaMod(batchTexture_, 255);
        SDL_SetTextureBlendMode(batchTexture_, batchMode_);
    } else
        SDL_SetRenderDrawBlendMode(renderer_, batchMode_);
    SDL_RenderGeometry(renderer_, batchTexture_, batchVertices_.data(),
                       static_cast<int>(batchVertices_.size()), batchIndices_.data(),
                       static_cast<int>(batchIndices_.size()));
    batchVertices_.clear();
    batchIndices_.clear();
}

void Driver::SetViewport(int x, int y, int width, int height) {
    viewX_ = x, viewY_ = y, viewW_ = width, viewH_ = height;
    ApplyClip();
}

void Driver::ApplyClip() {
    if (!renderer_) return;
    Flush();
    SDL_Rect canvas{0, 0, canvasWidth_, canvasHeight_};
    SDL_Rect view{viewX_, viewY_, std::max(viewW_, 0), std::max(viewH_, 0)};
    clipEmpty_ = !SDL_IntersectRect(&canvas, &view, &clip_);
    clipWhole_ = !clipEmpty_ && SDL_RectEquals(&clip_, &canvas);
    SDL_RenderSetClipRect(renderer_, clipWhole_ || clipEmpty_ ? nullptr : &clip_);
}

} // namespace wispwood::sdl

namespace wispwood {

void SetUnturnedCopies(bool on) {
    if (sdl::gOpenDriver) sdl::gOpenDriver->Flush();
    sdl::gUnturnedCopies = on;
}

} // namespace wispwood
