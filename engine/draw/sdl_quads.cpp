// Drawing quads in the SDL back end: blend choice, placement, batching and
// the clip rectangle.
#include "engine/draw/sdl_driver_internal.h"

namespace wispwood::sdl {

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
    SDL_Texture* texture = useMask ? frame.Sheet()->mask : frame.Sheet()->main;
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

// Corners relative to the handle go through the matrix, then to the
// position.
void Driver::Queue(SDL_Texture* texture, SDL_BlendMode mode, const float* xs, const float* ys,
                   const float* us, const float* vs, float tx, float ty, Uint8 alpha) {
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
    if (batchTexture_)
        SDL_SetTextureBlendMode(batchTexture_, batchMode_);
    else
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
