// The fonts family: rasterises the three game fonts from free font files,
// with kerning pairs taken from the fonts' own positioning tables.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/mediagen/core/canvas.h"
#include "tools/mediagen/core/family.h"
#include "tools/mediagen/core/font_files.h"
#include "tools/mediagen/fonts/bitmap_font.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

struct FontStyle {
    const char* folder;
    FontRole role;
    int cell;
    double outline; // pixels
    Colour fill_top, fill_bottom, outline_colour;
};

constexpr int kColumns = 16;

BitmapFont MakeFont(const FontStyle& style) {
    BitmapFont font;
    font.cell = style.cell;
    font.chars = kFontCharacters;
    const int n = int(font.chars.size());

    FT_Library library;
    FT_Init_FreeType(&library);
    FT_Face face;
    FT_New_Face(library, FontFileFor(style.role).c_str(), 0, &face);

    // The pixel size that puts the capitals at about 62% of the cell and
    // keeps the widest glyph (with its outline) inside the cell.
    Canvas probe(8, 8);
    cairo_t* pcr = probe.Cr();
    cairo_font_face_t* cface = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(pcr, cface);
    double size = style.cell;
    for (int iteration = 0; iteration < 2; ++iteration) {
        cairo_set_font_size(pcr, size);
        cairo_text_extents_t cap;
        cairo_text_extents(pcr, "H", &cap);
        size *= style.cell * 0.6 / -cap.y_bearing;
    }
    for (;;) {
        cairo_set_font_size(pcr, size);
        double widest = 0;
        for (char c : font.chars) {
            char text[2] = {c, 0};
            cairo_text_extents_t e;
            cairo_text_extents(pcr, text, &e);
            widest = std::max(widest, e.width);
        }
        if (widest + 2 * style.outline + 2 <= style.cell) break;
        size *= 0.96;
    }
    cairo_text_extents_t cap;
    cairo_text_extents(pcr, "H", &cap);
    const double baseline =
        std::round(style.cell / 2.0 - cap.y_bearing / 2.0); // capitals centred in the cell

    // Kerning pairs from the font's positioning tables, shaped at this size.
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(std::lround(size)));
    hb_font_t* hb = hb_ft_font_create_referenced(face);
    hb_ft_font_set_funcs(hb);
    hb_buffer_t* buffer = hb_buffer_create();
    auto shaped_first_advance = [&](const char* text) {
        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf8(buffer, text, -1, 0, -1);
        hb_buffer_guess_segment_properties(buffer);
        hb_shape(hb, buffer, nullptr, 0);
        unsigned count = 0;
        hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
        return count ? pos[0].x_advance / 64.0 : 0.0;
    };

    int rows = (n + kColumns - 1) / kColumns;
    Canvas sheet(kColumns * style.cell, rows * style.cell);
    cairo_t* cr = sheet.Cr();
    cairo_set_font_face(cr, cface);
    cairo_set_font_size(cr, size);
    font.advance.assign(n, std::vector<int>(n + 1, 0));
    font.left_pixel.assign(n, 0);
    font.offset.assign(n, 0); // every glyph sits on the same baseline
    for (int k = 0; k < n; ++k) {
        char text[2] = {font.chars[k], 0};
        cairo_text_extents_t e;
        cairo_text_extents(cr, text, &e);
        double cx = (k % kColumns) * style.cell, cy = (k / kColumns) * style.cell;
        // ink starts at the cell's left edge (plus the outline)
        double x = cx + style.outline + 0.5 - e.x_bearing;
        double y = cy + baseline;
        cairo_save(cr);
        cairo_rectangle(cr, cx, cy, style.cell, style.cell);
        cairo_clip(cr);
        cairo_move_to(cr, x + 1, y + 1.5);
        cairo_text_path(cr, text);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.45); // a soft drop shadow, down-right
        cairo_set_line_width(cr, style.outline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
        cairo_move_to(cr, x, y);
        cairo_text_path(cr, text);
        SetColour(cr, style.outline_colour);
        cairo_set_line_width(cr, style.outline * 2);
        cairo_stroke_preserve(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y + cap.y_bearing, 0, y);
        AddStop(g, 0, style.fill_top);
        AddStop(g, 1, style.fill_bottom);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);

        int own = int(std::lround(e.width + 2 * style.outline + std::max(1.0, style.cell / 16.0)));
        font.advance[k][0] = own;
        font.left_pixel[k] = int(std::lround(style.outline));
        double single = shaped_first_advance(text);
        for (int m = 1; m <= n; ++m) {
            char pair[3] = {font.chars[k], font.chars[m - 1], 0};
            double kern = shaped_first_advance(pair) - single;
            font.advance[k][m] = own + int(std::lround(kern));
        }
    }
    font.spacing = int(std::lround(shaped_first_advance(" ")));
    hb_buffer_destroy(buffer);
    hb_font_destroy(hb);
    font.sheet = sheet.ToRaster();
    cairo_font_face_destroy(cface);
    return font;
}

int RunFonts(const FamilyContext& context) {
    const FontStyle styles[] = {
        {"font", FontRole::Text, 32, 2.0, kWhite, Rgb(226, 236, 246), Rgb(20, 26, 40)},
        {"tutorialfont", FontRole::Book, 32, 2.0, kWhite, Rgb(246, 236, 214), Rgb(58, 36, 24)},
        {"bigfont", FontRole::Heading, 48, 2.5, kGoldLight, kGold, Rgb(70, 34, 16)},
    };
    for (const FontStyle& style : styles) {
        BitmapFont font = MakeFont(style);
        for (const auto& [name, bytes] : EncodeFontFolder(font))
            if (!WriteFileIfChanged(context.media_dir / style.folder / name, bytes)) return 1;
        WriteFileIfChanged(context.preview_dir / (std::string("font-") + style.folder + ".png"),
                           EncodePng(font.sheet));
    }
    return 0;
}

} // namespace

WISPWOOD_MEDIA_FAMILY("fonts", RunFonts);

} // namespace wispwood::mediagen
