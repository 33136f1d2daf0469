#include "tools/mediagen/core/typesetter.h"

#include <hb.h>

#include <mutex>
#include <sstream>

namespace wispwood::mediagen {

namespace {

struct ShapingFont {
    hb_font_t* font = nullptr;
    double units_per_em = 1000;
};

// One HarfBuzz font per role, read from the same file cairo draws with, so
// the glyph numbers agree. HarfBuzz's own font functions are thread-safe.
const ShapingFont& FontFor(FontRole role) {
    static std::once_flag once;
    static ShapingFont fonts[kFontRoles];
    std::call_once(once, [] {
        for (int i = 0; i < kFontRoles; ++i) {
            hb_blob_t* blob = hb_blob_create_from_file(FontFileFor(FontRole(i)).c_str());
            hb_face_t* face = hb_face_create(blob, 0);
            fonts[i].font = hb_font_create(face);
            fonts[i].units_per_em = hb_face_get_upem(face);
            hb_face_destroy(face);
            hb_blob_destroy(blob);
        }
    });
    return fonts[int(role)];
}

struct Shaped {
    std::vector<cairo_glyph_t> glyphs; // positions from the line's start on its baseline
    double width = 0;
};

Shaped Shape(const TypeStyle& style, const std::string& text) {
    const ShapingFont& f = FontFor(style.role);
    const double scale = style.size / f.units_per_em;
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, text.c_str(), int(text.size()), 0, int(text.size()));
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(f.font, buffer, nullptr, 0);
    unsigned count = 0;
    hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
    Shaped out;
    double x = 0, y = 0;
    for (unsigned i = 0; i < count; ++i) {
        out.glyphs.push_back({info[i].codepoint, x + pos[i].x_offset * scale, y - pos[i].y_offset * scale});
        x += pos[i].x_advance * scale;
        y -= pos[i].y_advance * scale;
    }
    out.width = x;
    hb_buffer_destroy(buffer);
    return out;
}

} // namespace

double LineWidth(const TypeStyle& style, const std::string& text) {
    return Shape(style, text).width;
}

std::vector<std::string> WrapText(const TypeStyle& style, const std::string& text, double width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && LineWidth(style, longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

double Ascent(const TypeStyle& style) {
    const ShapingFont& f = FontFor(style.role);
    hb_font_extents_t e;
    hb_font_get_h_extents(f.font, &e);
    return e.ascender * style.size / f.units_per_em;
}

double Descent(const TypeStyle& style) {
    const ShapingFont& f = FontFor(style.role);
    hb_font_extents_t e;
    hb_font_get_h_extents(f.font, &e);
    return -e.descender * style.size / f.units_per_em;
}

void LinePath(cairo_t* cr, const TypeStyle& style, const std::string& text, double x, double y) {
    Shaped shaped = Shape(style, text);
    for (cairo_glyph_t& g : shaped.glyphs) {
        g.x += x;
        g.y += y;
    }
    std::lock_guard<std::mutex> lock(SharedFaceMutex());
    cairo_set_font_face(cr, CairoFaceFor(style.role));
    cairo_set_font_size(cr, style.size);
    cairo_glyph_path(cr, shaped.glyphs.data(), int(shaped.glyphs.size()));
}

} // namespace wispwood::mediagen
