// Screen transitions, the loading screen and the logos.
#include <cmath>

#include "tools/mediagen/core/rng.h"
#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

// The top-left curtain of the slide transition: a leafy panel filling the
// triangle x + y < 512 (what the transition treats as covered), with a vine
// of leaves along its diagonal edge. The other corners are its mirrors.
Raster CurtainCorner() {
    const int size = 512;
    Canvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    PolygonPath(cr, {{0, 0}, {size, 0}, {0, size}});
    FillPreserveWith(cr, LinearGradient(0, 0, 256, 256, {{0, kDeepGreen}, {1, Mix(kDeepGreen, kLeaf, 0.5)}}));
    cairo_clip(cr);
    // overlapping leaf shapes as a woven canopy
    Rng rng(512);
    for (int i = 0; i < 260; ++i) {
        double x = rng.Range(-20, 500), y = rng.Range(-20, 500);
        if (x + y > 520) continue;
        double a = rng.Range(0, 2 * M_PI), len = rng.Range(26, 52);
        double depth = (x + y) / 512.0;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        LeafPath(cr, len, len * 0.3, len * 0.35, len * 0.75, len * 0.25);
        Colour c = Mix(Mix(kDeepGreen, kLeaf, rng.Range(0.2, 0.9)), kMoss, depth * 0.4);
        FillPreserve(cr, c, 0.9);
        Stroke(cr, Darken(c, 0.5), 1, 0.6);
        cairo_move_to(cr, 2, 0);
        cairo_line_to(cr, len * 0.9, 0);
        SetColour(cr, Lighten(c, 0.3), 0.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    cairo_reset_clip(cr);
    // the edge: a twisted vine with leaves and small glowing buds
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, 506, 0);
        for (int i = 1; i <= 32; ++i) {
            double t = i / 32.0;
            double wob = std::sin(t * M_PI * 9) * 3;
            cairo_line_to(cr, 506 * (1 - t) + wob, 506 * t + wob);
        }
        Stroke(cr, pass == 0 ? kBark : kBarkLight, pass == 0 ? 12 : 4, 1);
    }
    for (int i = 1; i < 16; ++i) {
        double t = i / 16.0;
        double x = 506 * (1 - t) - 8, y = 506 * t - 8;
        Glow(cr, x + 4, y + 4, 14, kLantern, 0.55);
        cairo_arc(cr, x + 4, y + 4, 3, 0, 2 * M_PI);
        Fill(cr, kLanternHot);
    }
    // keep the far side of the diagonal fully clear
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    PolygonPath(cr, {{size, 0}, {size, size}, {0, size}});
    cairo_fill(cr);
    return canvas.ToRaster();
}

} // namespace

void AddScreenPictures(Catalogue& out) {
    AddPicture(out, "media/screenfade/topleft.png", CurtainCorner);
    AddPicture(out, "media/screenfade/topright.png", [] { return FlipX(CurtainCorner()); });
    AddPicture(out, "media/screenfade/bottomleft.png", [] { return FlipY(CurtainCorner()); });
    AddPicture(out, "media/screenfade/bottomright.png", [] { return FlipX(FlipY(CurtainCorner())); });
}

} // namespace wispwood::mediagen
