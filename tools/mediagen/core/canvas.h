#pragma once
// A cairo drawing surface with the handful of raster operations cairo lacks
// (blur, noise grain, colour adjustments) and its conversion to a Raster.
#include <cairo.h>

#include <cstdint>
#include <initializer_list>

#include "tools/mediagen/core/raster.h"
#include "tools/mediagen/core/style.h"

namespace wispwood::mediagen {

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }

    // Premultiplied ARGB access after cairo_surface_flush.
    uint32_t* Pixels();
    int Stride() const { return cairo_image_surface_get_stride(surface_) / 4; }
    void MarkDirty() { cairo_surface_mark_dirty(surface_); }

    // Separable box blur, three passes (close to a gaussian of that radius).
    void Blur(double radius);
    // Adds a fixed-seed brightness grain, scaled by alpha so edges stay clean.
    void Grain(uint32_t seed, double amount);
    Raster ToRaster();

  private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// A new cairo surface holding the picture (premultiplied again, the inverse
// of ToRaster); the caller destroys it.
cairo_surface_t* SurfaceFrom(const Raster& raster);

// Cairo helpers shared by the painters.
void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);
void AddStop(cairo_pattern_t* pattern, double offset, Colour c, double alpha = 1.0);
struct Stop {
    double offset;
    Colour colour;
    double alpha = 1.0;
};
cairo_pattern_t* LinearGradient(double x0, double y0, double x1, double y1,
                                std::initializer_list<Stop> stops);
cairo_pattern_t* RadialGradient(double cx0, double cy0, double r0, double cx1, double cy1, double r1,
                                std::initializer_list<Stop> stops);
// Fills or strokes the current path with the pattern and releases it; the
// Preserve form keeps the path for an outline.
void FillWith(cairo_t* cr, cairo_pattern_t* pattern);
void FillPreserveWith(cairo_t* cr, cairo_pattern_t* pattern);
void StrokeWith(cairo_t* cr, cairo_pattern_t* pattern, double width);
// Fills or strokes the current path in one colour; the Preserve forms keep
// the path for an outline, a fill or a second stroke.
void Fill(cairo_t* cr, Colour c, double alpha = 1.0);
void FillPreserve(cairo_t* cr, Colour c, double alpha = 1.0);
void Stroke(cairo_t* cr, Colour c, double width, double alpha = 1.0);
void StrokePreserve(cairo_t* cr, Colour c, double width, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
struct Point {
    double x, y;
};
// Lines through the points; the polygon closes back to the first.
void PolylinePath(cairo_t* cr, std::initializer_list<Point> points);
void PolygonPath(cairo_t* cr, std::initializer_list<Point> points);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
// A soft round glow: colour at the centre fading to nothing at radius.
void Glow(cairo_t* cr, double x, double y, double radius, Colour c, double alpha = 1.0, double core = 0.0);
// Four-pointed sparkle (the star shape of the game's twinkles).
void SparklePath(cairo_t* cr, double x, double y, double radius, double waist);
// A five-pointed star.
void StarPath(cairo_t* cr, double x, double y, double outer, double inner, int points = 5,
              double rotation = -90.0);

} // namespace wispwood::mediagen
