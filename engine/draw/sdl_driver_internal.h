#pragma once
// Inside the SDL_Renderer back end (engine/draw/sdl_*.cpp only).
#include "engine/draw/sdl_driver.h"
#include <SDL.h>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace wispwood::sdl {

// Texture and canvas layout: B, G, R, A bytes in memory.
constexpr Uint32 TextureFormat = SDL_PIXELFORMAT_ARGB8888;

class Driver;
// See SetDamageTracking.
extern bool gDamageTracking;

// How a frame's alpha is made up decides how each blend mode draws it.
enum class AlphaKind { Opaque, Binary, Soft };

// One renderer texture holding the frames of an image side by side, each
// with a border repeating its edge so that smooth sampling never reaches a
// neighbour; and for soft-edged frames a copy with alpha thresholded at one
// half, for the mask blend. Most soft-edged pictures are only ever blended,
// so that copy is made on the first draw that needs it, from the frames'
// pixels kept packed until then.
class TextureSheet {
  public:
    TextureSheet(Driver* driver, std::shared_ptr<bool> rendererAlive)
        : driver_(driver), alive_(rendererAlive) {}
    ~TextureSheet();
    TextureSheet(const TextureSheet&) = delete;
    TextureSheet& operator=(const TextureSheet&) = delete;

    // Writes a frame's pixels (and its border) into the cell at (x, y).
    void Put(const TPixmap& pixmap, int x, int y);
    bool Alive() const { return *alive_; }
    // The mask copy, made now if it waits; null when it cannot be made.
    SDL_Texture* Mask();

    SDL_Texture* main = nullptr;
    SDL_Texture* mask = nullptr;
    // Changes with every write to the pixels, and no two sheets share one,
    // so that a kept drawing call knows its picture is still the same.
    uint64_t version = 0;
    // The frame that last drew from the sheet.
    int drawnInFrame = -1;
    bool maskWaits = false; // soft frames whose mask is made on first use
    bool smooth = false;
    int width = 0;
    int height = 0;
    int border = 0;

  private:
    struct KeptCell {
        SDL_Rect cell;
        std::vector<unsigned char> packed;
    };
    void Keep(const SDL_Rect& cell, const TPixmap& pixels);

    Driver* driver_;
    std::shared_ptr<bool> alive_;
    std::vector<KeptCell> kept_;
    size_t keptBytes_ = 0; // packed bytes in kept_
};

class Frame : public TImageFrame {
  public:
    Frame(Driver* driver, std::shared_ptr<TextureSheet> sheet) : driver_(driver), sheet_(std::move(sheet)) {}
    void Draw(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void Upload(const TPixmap& pixmap) override;

    const std::shared_ptr<TextureSheet>& Sheet() const { return sheet_; }
    // The frame's cell in the sheet (without the border).
    int x = 0, y = 0, width = 0, height = 0;
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
    AlphaKind kind = AlphaKind::Opaque;

  private:
    Driver* driver_;
    std::shared_ptr<TextureSheet> sheet_;
};

// Tinted copies of picture cells for the software renderer. Its tinted
// blits run a plain per-pixel loop several times slower than its untinted
// ones, and a board draws the same few cells in the same tints frame after
// frame. A cell seen in one tint in two frames gets a copy with the tint
// applied, drawn untinted from then on; a tint seen once (a fading
// particle) costs a table entry, and copies not drawn for a while go.
class TintCache {
  public:
    struct Key {
        SDL_Texture* texture;
        int x, y, w, h;
        uint32_t rgb;
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        SDL_Texture* copy = nullptr;
        int firstFrame = 0;
        int lastFrame = 0;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const;
    };

    // The entry of the key, and whether it was seen in an earlier frame
    // (every sight within one frame answers alike).
    std::pair<Entry*, bool> Note(const Key& key, int frame);
    // Copies not drawn for a while go, and tints not seen again in the
    // next frame.
    void EndFrame(int frame);
    // Every copy made from the texture goes (it changed or it is gone).
    void Forget(SDL_Texture* texture);
    void Clear();
    void Added(SDL_Texture* copy, size_t bytes);
    bool Full() const { return bytes_ >= MaxBytes; }
    size_t Bytes() const { return bytes_; }

    static constexpr size_t MaxBytes = 16u << 20;
    static constexpr int KeepFrames = 120;

  private:
    void Drop(Entry& entry, const Key& key);
    std::unordered_map<Key, Entry, KeyHash> entries_;
    size_t bytes_ = 0;
};

// One drawing call of a frame, kept so that the next frame can redraw only
// where it differs. The key holds everything that decides its pixels and is
// compared byte for byte (a call starts value-initialised, all zero).
struct DrawOp {
    enum class Kind : uint32_t { Clear, Quad };
    struct Key {
        Kind kind;
        SDL_BlendMode mode;
        SDL_Texture* texture; // null: a filled quad, or the clear
        uint64_t version;     // of the texture's sheet
        SDL_Vertex vertices[4];
        SDL_Rect clip; // within the canvas
        // Drawn from a tinted copy (the software renderer): the pixels may
        // round a step apart from the tint applied as drawn, so a call that
        // changes over is a changed call.
        uint32_t fromTintedCopy;
        uint32_t unused;
    } key;
    SDL_Rect bounds; // the canvas pixels it can change, within the clip
    uint64_t hash;

    bool Same(const DrawOp& other) const;
};
// No padding in the key: its bytes are compared and hashed.
static_assert(sizeof(DrawOp::Key) == 8 + 8 + 8 + 4 * sizeof(SDL_Vertex) + sizeof(SDL_Rect) + 8);

// Where a frame can differ from the frame before it, both drawn over the
// same canvas: the places of the calls that are new, gone or moved in the
// order. A call kept in the same order among kept calls puts down the same
// pixels again. Disjoint rectangles, or the whole canvas when that is
// about as cheap.
// Past this share of the canvas a whole redraw costs about the same.
constexpr int64_t WholeRedrawPercent = 60;
std::vector<SDL_Rect> FrameDamage(const std::vector<DrawOp>& before, const std::vector<DrawOp>& now, int width,
                                  int height);
// Whether some call paints every canvas pixel without reading it (the clear,
// or an opaque unturned picture over it all). Without one a pixel left alone
// could still change from frame to frame (light added onto last frame's).
bool PaintsWholeCanvas(const std::vector<DrawOp>& ops, int width, int height);
uint64_t HashKey(const DrawOp::Key& key);
// Whether the quad's corners make an upright rectangle in drawing order
// (not turned, not mirrored).
bool Upright(const DrawOp::Key& key);
// Whether the corners make a rectangle with sides along the axes, in any
// order (mirrored or turned by right angles too).
bool AxisAligned(const DrawOp::Key& key);

// The drawing calls of the frame being drawn, kept until it is presented,
// and those of the frame the canvas shows, with the sheets they draw from,
// which stay alive with them. The driver draws from the record; the record
// says where the new frame differs from the old.
class FrameRecord {
  public:
    // Whether calls coming in are kept; otherwise the driver draws them as
    // they come.
    bool Keeping() const { return tracking_ && !drawingAtOnce_; }
    void SetTracking(bool on) { tracking_ = on; }
    // frame: the driver's count of frames, which marks a sheet as drawn from
    // in this one.
    void Keep(DrawOp op, const std::shared_ptr<TextureSheet>& sheet, int frame);
    bool Empty() const { return ops_.empty(); }
    const std::vector<DrawOp>& Calls() const { return ops_; }
    // The calls the canvas shows drawn, if it shows a kept frame.
    bool LastKept() const { return lastKept_; }
    const std::vector<DrawOp>& LastCalls() const { return lastOps_; }
    // Where this frame must be drawn again over the canvas: where it differs
    // from the frame the canvas shows, or the whole canvas when that frame
    // was not kept or this one leaves pixels unpainted.
    std::vector<SDL_Rect> Damage(int width, int height) const;
    // The frame was drawn from its calls, which the canvas now shows.
    void FrameDrawn();
    // The calls so far were drawn at once; the rest of the frame will be too.
    void DrawRestAtOnce();
    // The frame was not kept, so the next one is drawn whole.
    void FrameNotKept();
    // Nothing kept (the renderer goes, and the sheets' textures with it).
    void Clear();

  private:
    bool tracking_ = gDamageTracking;
    bool drawingAtOnce_ = false; // the rest of this frame is not kept
    bool lastKept_ = false;      // the canvas shows lastOps_ drawn
    std::vector<DrawOp> ops_, lastOps_;
    std::vector<std::shared_ptr<TextureSheet>> sheets_, lastSheets_;
};

class Driver : public TDrawDriver {
  public:
    ~Driver() override { Close(); }

    bool Open(int width, int height, int depth, int hz) override;
    void Close() override;
    bool IsOpen() const override { return renderer_ != nullptr; }
    bool IsFullScreen() const override { return fullScreen_; }
    int Generation() const override { return generation_; }

    std::vector<Ref<TImageFrame>> CreateFrames(const std::vector<Ref<TPixmap>>& pixmaps, int flags) override;

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
    bool HasVerticalBlank() const override;

    void DrawFrame(const Frame& frame, float x0, float y0, float x1, float y1, float tx, float ty);
    // Quads in a row that share texture and blend mode go to the renderer
    // as one geometry call (tint and alpha travel in the vertex colours).
    void Flush();
    void PictureToWindow(float x, float y, int* windowX, int* windowY);
    // The window changed size (by the player or the window manager).
    void WindowResized();
    size_t TintedBytes() const { return tints_.Bytes(); }
    // A sheet's pixels are about to change.
    void SheetChanging(TextureSheet& sheet);
    void SetDamageTracking(bool on);
    void WindowTouched() { mustPresent_ = true; }
    // Canvas pixels the last frame drew again (all of it for a frame drawn whole).
    int64_t RedrawnPixels() const { return redrawnPixels_; }
    Ref<TPixmap> LastFrameDrawnWhole();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;

  private:
    static Uint8 ClampByte(int v) { return static_cast<Uint8>(std::clamp(v, 0, 255)); }
    bool PlaceWindow(int width, int height);
    bool MakeCanvas(int width, int height);
    void ConfigureOutput();
    void ApplyClip();
    SDL_Texture* MakeTexture(int width, int height, bool smooth);
    // The SDL blend mode and vertex alpha for drawing a picture of the given
    // kind in the current blend; false when nothing would show.
    bool ChooseBlend(AlphaKind kind, SDL_BlendMode* mode, Uint8* alpha, bool* useMask) const;
    // The cached copy of the cell in the current tint, made on its second
    // sight; null to draw the cell tinted.
    SDL_Texture* TintedCopy(SDL_Texture* texture, const SDL_Rect& cell, SDL_Color tint);
    bool CopyUnturned(const DrawOp& op);
    // Places the quad and keeps it for the frame's end, or draws it at once
    // when the frame is not being kept.
    void Queue(const std::shared_ptr<TextureSheet>& sheet, SDL_Texture* texture, SDL_BlendMode mode, const float* xs, const float* ys,
               const float* us, const float* vs, float tx, float ty, Uint8 alpha);
    void Keep(DrawOp& op, const std::shared_ptr<TextureSheet>& sheet);
    // Draws one call, its clip cut down to the region.
    void Emit(const DrawOp& op, const SDL_Rect& region);
    void UseClip(const SDL_Rect& clip);
    // Draws the kept calls: only where they differ from the last frame's,
    // or all of them.
    void DrawKeptFrame();
    void Redraw(const SDL_Rect& region);
    void TakeInCutCopies(std::vector<SDL_Rect>& regions) const;
    // Where the picture's pixels are its texels one to one, on whole pixels.
    bool CopiesOneToOne(const DrawOp::Key& key, SDL_Rect* source = nullptr, SDL_Rect* target = nullptr) const;
    // Draws what this frame kept so far, and the rest of it as it comes:
    // something needs the canvas's pixels now.
    void DrawKeptNow();
    SDL_Rect WholeCanvas() const { return {0, 0, canvasWidth_, canvasHeight_}; }
    // The pixels of the renderer's current target, clipped to the canvas.
    Ref<TPixmap> ReadTarget(int x, int y, int width, int height);

    SDL_Texture* canvas_ = nullptr;
    std::shared_ptr<bool> alive_;
    TintCache tints_;
    int frame_ = 0;
    bool software_ = false;
    int maxTextureSide_ = 4096;
    int generation_ = 0;
    int canvasWidth_ = 0, canvasHeight_ = 0;
    bool holdsVideo_ = false;
    bool fullScreen_ = false;
    bool scaledOutput_ = false;
    bool vsync_ = false;

    FrameRecord record_;
    bool mustPresent_ = true; // the window's contents are stale
    bool canvasChanged_ = false;
    int64_t redrawnPixels_ = 0;
    SDL_Rect appliedClip_{0, 0, 0, 0};
    bool clipApplied_ = false;

    SDL_Texture* batchTexture_ = nullptr;
    SDL_BlendMode batchMode_ = SDL_BLENDMODE_NONE;
    std::vector<SDL_Vertex> batchVertices_;
    std::vector<int> batchIndices_;

    int blend_ = 1;
    Uint8 red_ = 255, green_ = 255, blue_ = 255, alpha_ = 255;
    Uint8 clsRed_ = 0, clsGreen_ = 0, clsBlue_ = 0;
    float ix_ = 1, iy_ = 0, jx_ = 0, jy_ = 1;
    SDL_Rect clip_{0, 0, 0, 0};
    bool clipEmpty_ = false;
    int viewX_ = 0, viewY_ = 0, viewW_ = 1 << 30, viewH_ = 1 << 30;

    friend class TextureSheet;
};

// The driver whose display is open, or null.
extern Driver* gOpenDriver;
// See SetUnturnedCopies.
extern bool gUnturnedCopies;

} // namespace wispwood::sdl
