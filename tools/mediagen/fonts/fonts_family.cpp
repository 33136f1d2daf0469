// The fonts family: rasterises the three game fonts from free font files.
// Glyphs keep the spacing their designers gave them (side bearings and the
// fonts' own kerning pairs), tightened or opened by a per-font tracking, and
// no pair may bring two glyphs' fills closer than the outline can keep apart.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "tools/mediagen/core/canvas.h"
#include "tools/mediagen/core/family.h"
#include "tools/mediagen/core/font_files.h"
#include "tools/mediagen/fonts/bitmap_font.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

struct FontStyle {
    const char* folder;
    std::string file;
    int cell;
    double cap_height; // capitals' height as a share of the cell
    double tracking;   // pixels added to every advance
    double word_space; // share of the font's own blank
    double outline;    // pixels
    Colour fill_top, fill_bottom, outline_colour;
};

constexpr int kColumns = 16;

// Where a glyph's fill is, row by row, relative to its cell's left edge.
struct Profile {
    std::vector<int> left, right; // per row; left > right when the row is empty
};

Profile FillProfile(cairo_font_face_t* face, double size, const char* text, double x, double baseline,
                    int cell) {
    Canvas mask(cell, cell);
    cairo_t* cr = mask.Cr();
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_surface_flush(mask.Surface());
    const uint32_t* pixels = mask.Pixels();
    Profile p;
    p.left.assign(cell, cell);
    p.right.assign(cell, -1);
    for (int y = 0; y < cell; ++y)
        for (int x0 = 0; x0 < cell; ++x0)
            if ((pixels[y * mask.Stride() + x0] >> 24) > 96) {
                p.left[y] = std::min(p.left[y], x0);
                p.right[y] = std::max(p.right[y], x0);
            }
    return p;
}

// The smallest advance from one glyph's cell to the next that keeps their
// fills at least gap pixels apart on every row: script capitals reach into
// their neighbours' space, and the later glyph's outline must not cut into
// the earlier one's fill.
int ClosestAdvance(const Profile& a, const Profile& b, double gap) {
    int need = -1000;
    for (size_t y = 0; y < a.left.size(); ++y)
        if (a.right[y] >= 0 && b.right[y] >= 0) need = std::max(need, a.right[y] + 1 - b.left[y]);
    return need + int(std::ceil(gap));
}

BitmapFont MakeFont(const FontStyle& style) {
    BitmapFont font;
    font.cell = style.cell;
    font.chars = kFontCharacters;
    const int n = int(font.chars.size());
    const int cell = style.cell;

    FT_Library library;
    FT_Init_FreeType(&library);
    FT_Face face;
    FT_New_Face(library, style.file.c_str(), 0, &face);

    // The pixel size that gives the capitals their height and keeps the
    // widest glyph (with its outline) inside the cell.
    Canvas probe(8, 8);
    cairo_t* pcr = probe.Cr();
    cairo_font_face_t* cface = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(pcr, cface);
    double size = cell;
    for (int iteration = 0; iteration < 2; ++iteration) {
        cairo_set_font_size(pcr, size);
        cairo_text_extents_t cap;
        cairo_text_extents(pcr, "H", &cap);
        size *= cell * style.cap_height / -cap.y_bearing;
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
        if (widest + 2 * style.outline + 2 <= cell) break;
        size *= 0.96;
    }
    cairo_text_extents_t cap;
    cairo_text_extents(pcr, "H", &cap);
    const double baseline = std::round(cell / 2.0 - cap.y_bearing / 2.0); // capitals centred in the cell

    // Kerning pairs from the font's positioning tables, shaped at this size
    // without the ligatures and contextual forms a sheet of single glyphs
    // cannot show.
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(std::lround(size)));
    hb_font_t* hb = hb_ft_font_create_referenced(face);
    hb_ft_font_set_funcs(hb);
    hb_buffer_t* buffer = hb_buffer_create();
    std::array<hb_feature_t, 4> features;
    const char* off[] = {"-liga", "-clig", "-calt", "-dlig"};
    for (size_t i = 0; i < features.size(); ++i) hb_feature_from_string(off[i], -1, &features[i]);
    auto shaped_first_advance = [&](const char* text) {
        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf8(buffer, text, -1, 0, -1);
        hb_buffer_guess_segment_properties(buffer);
        hb_shape(hb, buffer, features.data(), unsigned(features.size()));
        unsigned count = 0;
        hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
        return count ? pos[0].x_advance / 64.0 : 0.0;
    };

    int rows = (n + kColumns - 1) / kColumns;
    Canvas sheet(kColumns * cell, rows * cell);
    cairo_t* cr = sheet.Cr();
    cairo_set_font_face(cr, cface);
    cairo_set_font_size(cr, size);
    font.advance.assign(n, std::vector<int>(n + 1, 0));
    font.left_pixel.assign(n, 0);
    font.offset.assign(n, 0); // every glyph sits on the same baseline
    std::vector<cairo_text_extents_t> extents(n);
    std::vector<Profile> profiles(n);
    const double inset = style.outline + 0.5; // ink starts this far into its cell
    for (int k = 0; k < n; ++k) {
        char text[2] = {font.chars[k], 0};
        cairo_text_extents_t& e = extents[k];
        cairo_text_extents(cr, text, &e);
        double cx = (k % kColumns) * cell, cy = (k / kColumns) * cell;
        double x = cx + inset - e.x_bearing;
        double y = cy + baseline;
        cairo_save(cr);
        cairo_rectangle(cr, cx, cy, cell, cell);
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
        cairo_stroke_preserve(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y + cap.y_bearing, 0, y);
        AddStop(g, 0, style.fill_top);
        AddStop(g, 1, style.fill_bottom);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);
        profiles[k] = FillProfile(cface, size, text, inset - e.x_bearing, baseline, cell);
        font.left_pixel[k] = int(std::lround(style.outline));
    }

    // From one glyph's ink to the next: the first glyph's right side
    // bearing, the second's left one and the pair's kerning, as designed.
    // Before a blank or at the end of a text the "H" stands in for what
    // follows; that advance is also the glyph's handle, so it covers the
    // glyph's ink and outline.
    const double reference_left = extents[font.chars.find('H')].x_bearing;
    const double closest_gap = style.outline;
    for (int k = 0; k < n; ++k) {
        const cairo_text_extents_t& e = extents[k];
        const double right_bearing = e.x_advance - e.x_bearing - e.width;
        const double ink_and_right = e.width + right_bearing + style.tracking;
        char text[2] = {font.chars[k], 0};
        const double single = shaped_first_advance(text);
        const double own = std::max(ink_and_right + reference_left, e.width + 2 * style.outline);
        font.advance[k][0] = int(std::lround(own));
        for (int m = 1; m <= n; ++m) {
            char pair[3] = {font.chars[k], font.chars[m - 1], 0};
            const double kern = shaped_first_advance(pair) - single;
            const double designed = ink_and_right + extents[m - 1].x_bearing + kern;
            font.advance[k][m] = std::max(int(std::lround(designed)),
                                          ClosestAdvance(profiles[k], profiles[m - 1], closest_gap));
        }
    }
    font.spacing =
        std::max(4, int(std::lround(shaped_first_advance(" ") * style.word_space + style.tracking)));
    hb_buffer_destroy(buffer);
    hb_font_destroy(hb);
    font.sheet = sheet.ToRaster();
    cairo_font_face_destroy(cface);
    return font;
}

int RunFonts(const FamilyContext& context) {
    // The screens give their texts little room: the capitals take a little
    // over half the cell, the main font is a narrow face, and the script
    // heading face keeps its own close spacing with narrower blanks.
    const FontStyle styles[] = {
        {"font", FontFileFor(FontRole::Compact), 32, 0.53, 1.0, 1.0, 2.0, kWhite, Rgb(226, 236, 246),
         Rgb(20, 26, 40)},
        {"tutorialfont", FontFileFor(FontRole::Book), 32, 0.53, 1.0, 1.0, 2.0, kWhite, Rgb(246, 236, 214),
         Rgb(58, 36, 24)},
        {"bigfont", FontFileFor(FontRole::Heading), 48, 0.56, 0.0, 0.75, 2.5, kGoldLight, kGold,
         Rgb(70, 34, 16)},
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
