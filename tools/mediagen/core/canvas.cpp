#include "tools/mediagen/core/canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mediagen/core/rng.h"

namespace wispwood::mediagen {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

uint32_t* Canvas::Pixels() {
    cairo_surface_flush(surface_);
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
}

namespace {
// One box pass along rows (transpose = false) or columns, on four channels.
void BoxPass(uint32_t* pixels, int width, int height, int stride, int radius, bool columns) {
    int lines = columns ? width : height;
    int length = columns ? height : width;
    std::vector<uint32_t> line(length);
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> uint32_t& {
            return columns ? pixels[size_t(i) * stride + l] : pixels[size_t(l) * stride + i];
        };
        for (int i = 0; i < length; ++i) line[i] = at(i);
        int sum[4] = {0, 0, 0, 0};
        int window = 2 * radius + 1;
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= length) return;
            uint32_t p = line[i];
            for (int c = 0; c < 4; ++c) sum[c] += sign * int((p >> (c * 8)) & 0xFF);
        };
        for (int i = -radius; i <= radius; ++i) add(i, 1);
        for (int i = 0; i < length; ++i) {
            uint32_t out = 0;
            for (int c = 0; c < 4; ++c)
                out |= uint32_t(std::clamp((sum[c] + window / 2) / window, 0, 255)) << (c * 8);
            at(i) = out;
            add(i - radius, -1);
            add(i + radius + 1, 1);
        }
    }
}
} // namespace

void Canvas::Blur(double radius) {
    if (radius < 0.5) return;
    uint32_t* pixels = Pixels();
    int r = std::max(1, int(std::lround(radius / 1.7)));
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(pixels, width_, height_, Stride(), r, false);
        BoxPass(pixels, width_, height_, Stride(), r, true);
    }
    MarkDirty();
}

void Canvas::Grain(uint32_t seed, double amount) {
    uint32_t* pixels = Pixels();
    Rng rng(seed);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            uint32_t& p = pixels[size_t(y) * Stride() + x];
            int a = int(p >> 24);
            double n = (rng.Unit() - 0.5) * 2 * amount * a;
            uint32_t out = p & 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                int v = int((p >> (c * 8)) & 0xFF) + int(std::lround(n));
                out |= uint32_t(std::clamp(v, 0, a)) << (c * 8);
            }
            p = out;
        }
    MarkDirty();
}

Raster Canvas::ToRaster() {
    Raster out(width_, height_);
    const uint32_t* pixels = Pixels();
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            uint32_t p = pixels[size_t(y) * Stride() + x];
            int a = int(p >> 24);
            uint8_t* o = out.At(x, y);
            if (a == 0) continue; // stays 0,0,0,0
            int r = int((p >> 16) & 0xFF), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
            o[0] = uint8_t(std::min(255, (r * 255 + a / 2) / a));
            o[1] = uint8_t(std::min(255, (g * 255 + a / 2) / a));
            o[2] = uint8_t(std::min(255, (b * 255 + a / 2) / a));
            o[3] = uint8_t(a);
        }
    return out;
}

cairo_surface_t* SurfaceFrom(const Raster& raster) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width, raster.height);
    cairo_surface_flush(surface);
    auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
    int stride = cairo_image_surface_get_stride(surface) / 4;
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x) {
            const uint8_t* p = raster.At(x, y);
            uint32_t a = p[3];
            uint32_t r = (p[0] * a + 127) / 255, g = (p[1] * a + 127) / 255, b = (p[2] * a + 127) / 255;
            data[size_t(y) * stride + x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    cairo_surface_mark_dirty(surface);
    return surface;
}

void SetColour(cairo_t* cr, Colour c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void AddStop(cairo_pattern_t* pattern, double offset, Colour c, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, alpha);
}

namespace {
cairo_pattern_t* WithStops(cairo_pattern_t* pattern, std::initializer_list<Stop> stops) {
    for (const Stop& stop : stops) AddStop(pattern, stop.offset, stop.colour, stop.alpha);
    return pattern;
}
} // namespace

cairo_pattern_t* LinearGradient(double x0, double y0, double x1, double y1,
                                std::initializer_list<Stop> stops) {
    return WithStops(cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

cairo_pattern_t* RadialGradient(double cx0, double cy0, double r0, double cx1, double cy1, double r1,
                                std::initializer_list<Stop> stops) {
    return WithStops(cairo_pattern_create_radial(cx0, cy0, r0, cx1, cy1, r1), stops);
}

void FillWith(cairo_t* cr, cairo_pattern_t* pattern) {
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void FillPreserveWith(cairo_t* cr, cairo_pattern_t* pattern) {
    cairo_set_source(cr, pattern);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pattern);
}

void StrokeWith(cairo_t* cr, cairo_pattern_t* pattern, double width) {
    cairo_set_source(cr, pattern);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_pattern_destroy(pattern);
}

void Fill(cairo_t* cr, Colour c, double alpha) {
    SetColour(cr, c, alpha);
    cairo_fill(cr);
}

void FillPreserve(cairo_t* cr, Colour c, double alpha) {
    SetColour(cr, c, alpha);
    cairo_fill_preserve(cr);
}

void Stroke(cairo_t* cr, Colour c, double width, double alpha) {
    SetColour(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void StrokePreserve(cairo_t* cr, Colour c, double width, double alpha) {
    SetColour(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void PolylinePath(cairo_t* cr, std::initializer_list<Point> points) {
    bool first = true;
    for (const Point& p : points) {
        if (first)
            cairo_move_to(cr, p.x, p.y);
        else
            cairo_line_to(cr, p.x, p.y);
        first = false;
    }
}

void PolygonPath(cairo_t* cr, std::initializer_list<Point> points) {
    PolylinePath(cr, points);
    cairo_close_path(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void Glow(cairo_t* cr, double x, double y, double radius, Colour c, double alpha, double core) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    AddStop(p, 0, c, alpha);
    if (core > 0) AddStop(p, core, c, alpha * 0.85);
    AddStop(p, std::max(core, 0.0) + (1 - std::max(core, 0.0)) * 0.35, c, alpha * 0.38);
    AddStop(p, std::max(core, 0.0) + (1 - std::max(core, 0.0)) * 0.7, c, alpha * 0.1);
    AddStop(p, 1, c, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void SparklePath(cairo_t* cr, double x, double y, double radius, double waist) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, y - radius);
    for (int i = 0; i < 4; ++i) {
        double b = i * M_PI / 2 - M_PI / 4; // between this tip and the next
        double n = (i + 1) * M_PI / 2 - M_PI / 2;
        double wx = x + std::cos(b) * waist, wy = y + std::sin(b) * waist;
        cairo_curve_to(cr, wx, wy, wx, wy, x + std::cos(n) * radius, y + std::sin(n) * radius);
    }
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double x, double y, double outer, double inner, int points, double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double a = (rotation + i * 180.0 / points) * M_PI / 180.0;
        double r = i % 2 ? inner : outer;
        if (i == 0)
            cairo_move_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
        else
            cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
    }
    cairo_close_path(cr);
}

} // namespace wispwood::mediagen
