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
    Queue(frame.Sheet(), texture, mode, xs, ys, us, vs, tx, ty, alpha);
}

void Driver::DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) {
    SDL_BlendMode mode;
    Uint8 alpha;
    bool useMask;
    if (!renderer_ || clipEmpty_ || !ChooseBlend(AlphaKind::Opaque, &mode, &alpha, &useMask)) return;
    const float xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1}, none[4] = {0, 0, 0, 0};
    Queue(nullptr, nullptr, mode, xs, ys, none, none, tx, ty, alpha);
}

// The software renderer fills triangles texel by texel, and tints them
// through its slowest path; an unturned, unscaled picture on whole pixels
// goes through its copy instead, whose tinted blits are many times faster
// and give the same pixels. Between pixels the triangles sample otherwise,
// so those keep to them.
bool Upright(const DrawOp::Key& k) {
    const SDL_Vertex* v = k.vertices;
    return v[1].position.y == v[0].position.y && v[1].position.x == v[2].position.x &&
           v[3].position.x == v[0].position.x && v[3].position.y == v[2].position.y &&
           v[2].position.x > v[0].position.x && v[2].position.y > v[0].position.y;
}

bool AxisAligned(const DrawOp::Key& k) {
    const SDL_FPoint p[4] = {k.vertices[0].position, k.vertices[1].position, k.vertices[2].position,
                             k.vertices[3].position};
    bool rows = p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x;
    bool columns = p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y;
    return rows || columns;
}

bool Driver::CopiesOneToOne(const DrawOp::Key& k, SDL_Rect* source, SDL_Rect* target) const {
    const SDL_Vertex* v = k.vertices;
    float x0 = v[0].position.x, y0 = v[0].position.y, x1 = v[2].position.x, y1 = v[2].position.y;
    if (!k.texture || !Upright(k) || x0 != std::floor(x0) || y0 != std::floor(y0) ||
        !(std::fabs(x0) < 1e6f && std::fabs(y0) < 1e6f))
        return false;
    int w, h;
    if (SDL_QueryTexture(k.texture, nullptr, nullptr, &w, &h) != 0) return false;
    int left = static_cast<int>(x0), top = static_cast<int>(y0);
    int right = static_cast<int>(std::lround(x1)), bottom = static_cast<int>(std::lround(y1));
    SDL_Rect from{static_cast<int>(std::lround(v[0].tex_coord.x * w)),
                  static_cast<int>(std::lround(v[0].tex_coord.y * h)), 0, 0};
    from.w = static_cast<int>(std::lround(v[1].tex_coord.x * w)) - from.x;
    from.h = static_cast<int>(std::lround(v[2].tex_coord.y * h)) - from.y;
    if (from.w != right - left || from.h != bottom - top) return false;
    if (source) *source = from;
    if (target) *target = {left, top, from.w, from.h};
    return true;
}

// The software renderer fills triangles texel by texel, and tints them
// through its slowest path; an unturned, unscaled picture on whole pixels
// goes through its copy instead, whose tinted blits are many times faster
// and give the same pixels. Between pixels the triangles sample otherwise,
// and a scaled copy samples other texels than the triangles, so those keep
// to them.
bool Driver::CopyUnturned(const DrawOp& op) {
    const DrawOp::Key& k = op.key;
    SDL_Rect source, target;
    if (!software_ || !gUnturnedCopies || !CopiesOneToOne(k, &source, &target)) return false;
    if (source.w <= 0 || source.h <= 0) return true;
    Flush();
    SDL_Color tint = k.vertices[0].color;
    // Drawn the way it was when it was kept, so that parts of it drawn in
    // different frames match.
    if (SDL_Texture* tinted = k.fromTintedCopy ? TintedCopy(k.texture, source, tint) : nullptr) {
        SDL_SetTextureAlphaMod(tinted, tint.a);
        SDL_SetTextureBlendMode(tinted, k.mode);
        SDL_RenderCopy(renderer_, tinted, nullptr, &target);
        return true;
    }
    SDL_SetTextureColorMod(k.texture, tint.r, tint.g, tint.b);
    SDL_SetTextureAlphaMod(k.texture, tint.a);
    SDL_SetTextureBlendMode(k.texture, k.mode);
    SDL_RenderCopy(renderer_, k.texture, &source, &target);
    return true;
}

// Corners relative to the handle go through the matrix, then to the
// position.
void Driver::Queue(const std::shared_ptr<TextureSheet>& sheet, SDL_Texture* texture, SDL_BlendMode mode,
                   const float* xs, const float* ys, const float* us, const float* vs, float tx, float ty,
                   Uint8 alpha) {
    DrawOp op{};
    op.key.kind = DrawOp::Kind::Quad;
    op.key.mode = mode;
    op.key.texture = texture;
    op.key.version = sheet ? sheet->version : 0;
    op.key.clip = clip_;
    SDL_Color colour{red_, green_, blue_, alpha};
    float left = HUGE_VALF, top = HUGE_VALF, right = -HUGE_VALF, bottom = -HUGE_VALF;
    for (int i = 0; i < 4; ++i) {
        SDL_Vertex& v = op.key.vertices[i];
        v.position.x = xs[i] * ix_ + ys[i] * iy_ + tx;
        v.position.y = xs[i] * jx_ + ys[i] * jy_ + ty;
        v.color = colour;
        v.tex_coord.x = us[i];
        v.tex_coord.y = vs[i];
        left = std::min(left, v.position.x), right = std::max(right, v.position.x);
        top = std::min(top, v.position.y), bottom = std::max(bottom, v.position.y);
    }
    // A pixel is filled when its centre is inside; one more all round is
    // room for how a renderer rounds.
    if (!(left >= -1e6f && right <= 1e6f && top >= -1e6f && bottom <= 1e6f)) {
        op.bounds = clip_;
    } else {
        SDL_Rect box{static_cast<int>(std::floor(left)) - 1, static_cast<int>(std::floor(top)) - 1, 0, 0};
        box.w = static_cast<int>(std::ceil(right)) + 1 - box.x;
        box.h = static_cast<int>(std::ceil(bottom)) + 1 - box.y;
        if (!SDL_IntersectRect(&box, &clip_, &op.bounds)) return;
    }
    if (software_ && gUnturnedCopies) {
        SDL_Rect source;
        if (CopiesOneToOne(op.key, &source) && source.w > 0 && source.h > 0)
            op.key.fromTintedCopy = TintedCopy(texture, source, colour) != nullptr;
    }
    Keep(op, sheet);
}

void Driver::Keep(DrawOp& op, const std::shared_ptr<TextureSheet>& sheet) {
    if (!record_.Keeping()) {
        Emit(op, WholeCanvas());
        return;
    }
    record_.Keep(op, sheet, frame_);
}

void Driver::UseClip(const SDL_Rect& clip) {
    if (clipApplied_ && SDL_RectEquals(&clip, &appliedClip_)) return;
    Flush();
    SDL_Rect canvas = WholeCanvas();
    SDL_RenderSetClipRect(renderer_, SDL_RectEquals(&clip, &canvas) ? nullptr : &clip);
    appliedClip_ = clip;
    clipApplied_ = true;
}

void Driver::Emit(const DrawOp& op, const SDL_Rect& region) {
    SDL_Rect clip;
    if (!SDL_IntersectRect(&op.key.clip, &region, &clip)) return;
    UseClip(clip);
    const DrawOp::Key& k = op.key;
    if (k.kind == DrawOp::Kind::Clear) {
        Flush();
        SDL_Color c = k.vertices[0].color;
        SDL_SetRenderDrawColor(renderer_, c.r, c.g, c.b, 255);
        SDL_Rect canvas = WholeCanvas();
        // The clear ignores the clip; a region is filled instead.
        if (SDL_RectEquals(&clip, &canvas)) {
            SDL_RenderClear(renderer_);
        } else {
            SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
            SDL_RenderFillRect(renderer_, &clip);
        }
        return;
    }
    if (CopyUnturned(op)) return;
    if (k.texture != batchTexture_ || k.mode != batchMode_ || batchVertices_.size() >= MaxBatchQuads * 4) Flush();
    batchTexture_ = k.texture;
    batchMode_ = k.mode;
    int first = static_cast<int>(batchVertices_.size());
    batchVertices_.insert(batchVertices_.end(), k.vertices, k.vertices + 4);
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

// The clip goes with each call; the renderer gets it when calls are drawn.
void Driver::ApplyClip() {
    SDL_Rect canvas = WholeCanvas();
    SDL_Rect view{viewX_, viewY_, std::max(viewW_, 0), std::max(viewH_, 0)};
    clipEmpty_ = !SDL_IntersectRect(&canvas, &view, &clip_);
}

} // namespace wispwood::sdl

namespace wispwood {

void SetUnturnedCopies(bool on) {
    if (sdl::gOpenDriver) sdl::gOpenDriver->Flush();
    sdl::gUnturnedCopies = on;
}

} // namespace wispwood
