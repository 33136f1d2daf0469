#pragma once
// TDrawDriver: what a renderer back end offers the drawing service. The
// graphics context keeps the state the game set and forwards each change
// here; the driver clamps colours and alpha and does the pixel work.
#include "engine/core/ref.h"
#include "engine/draw/pixmap.h"
#include <vector>

namespace wispwood {

// Blend modes.
enum BlendMode {
    MASKBLEND = 1,  // no blending; pixels with alpha below one half are not drawn
    SOLIDBLEND = 2, // no blending, no alpha test
    ALPHABLEND = 3, // source x alpha + destination x (1 - alpha)
    LIGHTBLEND = 4, // source x alpha + destination
    SHADEBLEND = 5, // source x destination
};

// Image flags.
enum ImageFlags {
    MASKEDIMAGE = 1,   // pixels of the mask colour become transparent at load
    FILTEREDIMAGE = 2, // smooth texture filtering
    MIPMAPPEDIMAGE = 4,
    DYNAMICIMAGE = 8, // contents may be replaced
};

// A picture held by the renderer: one frame of an image.
class TImageFrame {
  public:
    virtual ~TImageFrame() = default;
    // Draws the texture over the local quad (x0, y0)-(x1, y1); each corner
    // (vx, vy) lands on (vx*ix + vy*iy + tx, vx*jx + vy*jy + ty) with the
    // driver's current matrix.
    virtual void Draw(float x0, float y0, float x1, float y1, float tx, float ty) = 0;
    // Replaces the texture's contents (for images whose contents change).
    virtual void Upload(const TPixmap& pixmap) = 0;
};

class TDrawDriver {
  public:
    virtual ~TDrawDriver() = default;

    // Opens or reopens the display: depth 0 is a window of width x height,
    // any other depth full screen. False when no display can be opened.
    virtual bool Open(int width, int height, int depth, int hz) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual bool IsFullScreen() const = 0;
    // Changes whenever the renderer's textures were lost, so that images
    // know to make theirs again.
    virtual int Generation() const = 0;

    // Textures for the frames of one image (a null pixmap gives a null
    // frame). Frames made together may share one texture, so that drawing
    // them one after another needs no texture change.
    virtual std::vector<Ref<TImageFrame>> CreateFrames(const std::vector<Ref<TPixmap>>& pixmaps,
                                                       int flags) = 0;

    virtual void SetBlend(int mode) = 0;
    virtual void SetColor(int red, int green, int blue) = 0;
    virtual void SetAlpha(float alpha) = 0;
    virtual void SetClsColor(int red, int green, int blue) = 0;
    virtual void SetViewport(int x, int y, int width, int height) = 0;
    virtual void SetTransform(float ix, float iy, float jx, float jy) = 0;
    virtual void SetLineWidth(float width) = 0;

    virtual void Cls() = 0;
    // A filled quad, placed like a texture (see TImageFrame::Draw).
    virtual void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) = 0;
    virtual void DrawPixmap(const TPixmap& pixmap, int x, int y) = 0;
    // The back buffer's pixels in the rectangle (clipped to the screen).
    virtual Ref<TPixmap> GrabPixmap(int x, int y, int width, int height) = 0;
    // Shows the back buffer, waiting for the vertical blank when asked.
    virtual void Present(bool vsync) = 0;
    // False where there is no screen whose refresh a flip could wait for.
    virtual bool HasVerticalBlank() const = 0;
};

} // namespace wispwood
