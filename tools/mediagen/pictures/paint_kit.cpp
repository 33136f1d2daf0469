#include "tools/mediagen/pictures/paint_kit.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "tools/mediagen/core/font_files.h"
#include "tools/mediagen/core/rng.h"

namespace wispwood::mediagen {

using namespace palette;

namespace {
double Rad(double degrees) {
    return degrees * M_PI / 180.0;
}
} // namespace

// --- interface plates ---------------------------------------------------------

void Plate(cairo_t* cr, double x, double y, double w, double h, double radius, PlateKind kind,
           bool highlighted) {
    cairo_save(cr);
    // a soft shadow falls down-right, away from the light
    if (kind != PlateKind::Glass) {
        RoundedRect(cr, x + 2 * light::kShadowDx, y + 2 * light::kShadowDy, w, h, radius);
        Fill(cr, kBlack, 0.35);
    }
    if (kind == PlateKind::Wood || kind == PlateKind::Parchment || kind == PlateKind::Stone) {
        Colour top = kind == PlateKind::Stone ? Lighten(kStone, 0.2) : kWoodLight;
        Colour mid = kind == PlateKind::Stone ? kStone : kWood;
        Colour low = kind == PlateKind::Stone ? Darken(kStone, 0.45) : kWoodDark;
        if (highlighted) top = Lighten(top, 0.25), mid = Lighten(mid, 0.18);
        RoundedRect(cr, x, y, w, h, radius);
        FillPreserveWith(cr, LinearGradient(x, y, x + w * 0.25, y + h, {{0, top}, {0.45, mid}, {1, low}}));
        // grain along the plank
        cairo_save(cr);
        cairo_clip_preserve(cr);
        Rng rng(uint64_t(w * 131 + h * 7 + int(kind)));
        int lines = int(h / 5) + 2;
        for (int i = 0; i < lines; ++i) {
            double ly = y + rng.Range(0, h);
            cairo_move_to(cr, x, ly);
            for (double lx = x; lx <= x + w; lx += 12)
                cairo_line_to(cr, lx, ly + std::sin(lx * 0.05 + i) * 1.5);
            double alpha = rng.Range(0.08, 0.22);
            Stroke(cr, kind == PlateKind::Stone ? kMoss : kWoodDark, rng.Range(0.6, 1.6), alpha);
        }
        cairo_restore(cr);
        Stroke(cr, Darken(low, 0.5), 2);
        // gold trim, lit from the upper left
        double inset = std::min(5.0, std::min(w, h) / 8);
        RoundedRect(cr, x + inset, y + inset, w - 2 * inset, h - 2 * inset, std::max(1.0, radius - inset));
        StrokeWith(
            cr,
            LinearGradient(
                x, y, x + w, y + h,
                {{0, highlighted ? kGoldLight : kGold}, {0.5, kGoldDark}, {1, Darken(kGoldDark, 0.3)}}),
            kind == PlateKind::Stone ? 1.0 : 1.6);
        if (kind == PlateKind::Parchment) {
            double m = std::min(w, h) * 0.06 + 8;
            RoundedRect(cr, x + m, y + m, w - 2 * m, h - 2 * m, std::max(2.0, radius - m / 2));
            FillPreserveWith(
                cr, RadialGradient(x + w * 0.4, y + h * 0.35, 0, x + w / 2, y + h / 2, std::max(w, h) * 0.7,
                                   {{0, Lighten(kParchment, 0.2)}, {0.6, kParchment}, {1, kParchmentDark}}));
            Stroke(cr, kInk, 1.2, 0.45);
        }
    } else { // glass
        Colour a = highlighted ? Rgb(38, 84, 96) : Rgb(18, 40, 52);
        RoundedRect(cr, x, y, w, h, radius);
        FillPreserveWith(
            cr, LinearGradient(x, y, x, y + h, {{0, Lighten(a, 0.12), 0.92}, {1, Darken(a, 0.3), 0.92}}));
        Stroke(cr, highlighted ? kGold : Lighten(kTeal, 0.35), highlighted ? 2.4 : 1.6,
               highlighted ? 1.0 : 0.8);
        // glint along the top edge
        RoundedRect(cr, x + 4, y + 3, w - 8, std::max(2.0, h * 0.3), radius * 0.6);
        Fill(cr, kWhite, highlighted ? 0.16 : 0.09);
    }
    // top-left highlight on the rim
    cairo_new_path(cr);
    cairo_move_to(cr, x + radius, y + 1.5);
    cairo_line_to(cr, x + w * 0.6, y + 1.5);
    Stroke(cr, kWhite, 1, 0.25);
    cairo_restore(cr);
}

// --- pieces ---------------------------------------------------------------------

Symbol SymbolForColour(int colour) {
    static const Symbol symbols[8] = {Symbol::Sun,    Symbol::Flame, Symbol::Heart,   Symbol::Moon,
                                      Symbol::Clover, Symbol::Drop,  Symbol::Crystal, Symbol::Leaf};
    return symbols[std::clamp(colour, 0, 7)];
}

void SymbolPath(cairo_t* cr, Symbol symbol, double cx, double cy, double size) {
    double r = size / 2;
    cairo_new_sub_path(cr);
    switch (symbol) {
    case Symbol::Sun:
        cairo_arc(cr, cx, cy, r * 0.5, 0, 2 * M_PI);
        for (int i = 0; i < 8; ++i) {
            double a = i * M_PI / 4;
            cairo_new_sub_path(cr);
            PolygonPath(cr, {{cx + std::cos(a - 0.22) * r * 0.58, cy + std::sin(a - 0.22) * r * 0.58},
                             {cx + std::cos(a) * r, cy + std::sin(a) * r},
                             {cx + std::cos(a + 0.22) * r * 0.58, cy + std::sin(a + 0.22) * r * 0.58}});
        }
        break;
    case Symbol::Heart:
        cairo_move_to(cr, cx, cy + r * 0.9);
        cairo_curve_to(cr, cx - r * 1.25, cy + r * 0.05, cx - r * 0.85, cy - r * 1.05, cx, cy - r * 0.42);
        cairo_curve_to(cr, cx + r * 0.85, cy - r * 1.05, cx + r * 1.25, cy + r * 0.05, cx, cy + r * 0.9);
        cairo_close_path(cr);
        break;
    case Symbol::Drop:
        cairo_move_to(cr, cx, cy - r);
        cairo_curve_to(cr, cx + r * 0.25, cy - r * 0.45, cx + r * 0.72, cy - r * 0.05, cx + r * 0.72,
                       cy + r * 0.3);
        cairo_arc(cr, cx, cy + r * 0.3, r * 0.72, 0, M_PI);
        cairo_curve_to(cr, cx - r * 0.72, cy - r * 0.05, cx - r * 0.25, cy - r * 0.45, cx, cy - r);
        cairo_close_path(cr);
        break;
    case Symbol::Moon:
        cairo_arc_negative(cr, cx, cy, r * 0.92, Rad(-62), Rad(62));
        cairo_curve_to(cr, cx - r * 0.1, cy + r * 0.62, cx - r * 0.1, cy - r * 0.62,
                       cx + r * 0.92 * std::cos(Rad(-62)), cy + r * 0.92 * std::sin(Rad(-62)));
        cairo_close_path(cr);
        break;
    case Symbol::Flame:
        cairo_move_to(cr, cx + r * 0.1, cy - r);
        cairo_curve_to(cr, cx + r * 0.3, cy - r * 0.45, cx + r * 0.85, cy - r * 0.2, cx + r * 0.7,
                       cy + r * 0.35);
        cairo_curve_to(cr, cx + r * 0.6, cy + r * 0.85, cx - r * 0.6, cy + r * 0.95, cx - r * 0.72,
                       cy + r * 0.35);
        cairo_curve_to(cr, cx - r * 0.8, cy - r * 0.1, cx - r * 0.45, cy - r * 0.3, cx - r * 0.35,
                       cy - r * 0.62);
        cairo_curve_to(cr, cx - r * 0.15, cy - r * 0.35, cx - r * 0.05, cy - r * 0.45, cx + r * 0.1, cy - r);
        cairo_close_path(cr);
        break;
    case Symbol::Crystal:
        PolygonPath(cr, {{cx, cy - r},
                         {cx + r * 0.62, cy - r * 0.38},
                         {cx + r * 0.62, cy + r * 0.38},
                         {cx, cy + r},
                         {cx - r * 0.62, cy + r * 0.38},
                         {cx - r * 0.62, cy - r * 0.38}});
        break;
    case Symbol::Clover:
        for (int i = 0; i < 5; ++i) {
            double a = -M_PI / 2 + i * 2 * M_PI / 5;
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5, r * 0.42, 0, 2 * M_PI);
        }
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r * 0.4, 0, 2 * M_PI);
        break;
    case Symbol::Leaf:
        cairo_move_to(cr, cx - r * 0.8, cy + r * 0.8);
        cairo_curve_to(cr, cx - r * 0.95, cy - r * 0.2, cx - r * 0.1, cy - r * 0.95, cx + r * 0.85,
                       cy - r * 0.85);
        cairo_curve_to(cr, cx + r * 0.95, cy + r * 0.1, cx + r * 0.2, cy + r * 0.95, cx - r * 0.8,
                       cy + r * 0.8);
        cairo_close_path(cr);
        break;
    case Symbol::None:
        break;
    }
}

namespace {
// The inner lines of some symbols (leaf vein, crystal facets, flower eye).
void SymbolDetail(cairo_t* cr, Symbol symbol, double cx, double cy, double size, Colour ink) {
    double r = size / 2;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (symbol == Symbol::Leaf) {
        cairo_move_to(cr, cx - r * 0.8, cy + r * 0.8);
        cairo_line_to(cr, cx + r * 0.5, cy - r * 0.5);
        Stroke(cr, ink, std::max(1.0, size * 0.06), 0.6);
    } else if (symbol == Symbol::Crystal) {
        cairo_move_to(cr, cx - r * 0.62, cy - r * 0.38);
        cairo_line_to(cr, cx, cy - r * 0.05);
        cairo_line_to(cr, cx + r * 0.62, cy - r * 0.38);
        cairo_move_to(cr, cx, cy - r * 0.05);
        cairo_line_to(cr, cx, cy + r);
        Stroke(cr, ink, std::max(1.0, size * 0.05), 0.45);
    } else if (symbol == Symbol::Clover) {
        cairo_arc(cr, cx, cy, r * 0.22, 0, 2 * M_PI);
        Fill(cr, ink, 0.5);
    } else if (symbol == Symbol::Sun) {
        cairo_arc(cr, cx, cy, r * 0.5, 0, 2 * M_PI);
        Stroke(cr, ink, std::max(1.0, size * 0.05), 0.35);
    }
}
} // namespace

void SymbolOnTile(cairo_t* cr, Symbol symbol, double cx, double cy, double size, Colour ink) {
    if (symbol == Symbol::None) return;
    cairo_save(cr);
    // a dark outline under a light fill keeps the shape readable on every
    // colour and when the whole piece is drawn darkened
    SymbolPath(cr, symbol, cx + 0.8, cy + 1.0, size);
    Fill(cr, kBlack, 0.35);
    SymbolPath(cr, symbol, cx, cy, size);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, Colour{0.05, 0.02, 0.08}, std::max(1.6, size * 0.12), 0.75);
    SymbolPath(cr, symbol, cx, cy, size);
    FillWith(cr, LinearGradient(cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2,
                                {{0, Lighten(ink, 0.6)}, {1, ink}}));
    SymbolDetail(cr, symbol, cx, cy, size, Darken(ink, 0.5));
    cairo_restore(cr);
}

void JewelTile(cairo_t* cr, double x, double y, double size, Colour base, Colour lightc, Colour dark) {
    double r = size * 0.2;
    cairo_save(cr);
    RoundedRect(cr, x, y, size, size, r);
    FillPreserveWith(cr,
                     RadialGradient(x + size * 0.3, y + size * 0.25, size * 0.05, x + size * 0.5,
                                    y + size * 0.55, size * 0.75, {{0, lightc}, {0.45, base}, {1, dark}}));
    Stroke(cr, Darken(dark, 0.5), 1.5, 0.9);
    // bevel: light on the upper-left rim, shade on the lower-right
    RoundedRect(cr, x + 2.5, y + 2.5, size - 5, size - 5, r * 0.8);
    StrokeWith(
        cr,
        LinearGradient(x, y, x + size, y + size,
                       {{0, Lighten(lightc, 0.5), 0.9}, {0.5, base, 0.0}, {1, Darken(dark, 0.3), 0.8}}),
        2.2);
    // gloss
    EllipsePath(cr, x + size * 0.42, y + size * 0.24, size * 0.32, size * 0.13);
    FillWith(cr, LinearGradient(0, y + size * 0.1, 0, y + size * 0.4, {{0, kWhite, 0.55}, {1, kWhite, 0.0}}));
    cairo_restore(cr);
}

void TurnedTile(cairo_t* cr, double x, double y, double size, double turn, Colour base, Colour lightc,
                Colour dark, Symbol symbol, bool back) {
    double sx = std::max(0.1, std::cos(turn * M_PI / 2));
    double shade = turn * 0.45;
    if (back) base = Darken(base, 0.15), lightc = Darken(lightc, 0.2);
    cairo_save(cr);
    cairo_translate(cr, x + size / 2, y);
    cairo_scale(cr, sx, 1);
    cairo_translate(cr, -size / 2, 0);
    JewelTile(cr, 0, 0, size, Darken(base, shade), Darken(lightc, shade), Darken(dark, shade));
    if (back) {
        // the back carries the same symbol in a recessed frame
        RoundedRect(cr, size * 0.16, size * 0.16, size * 0.68, size * 0.68, size * 0.14);
        Stroke(cr, Darken(dark, 0.35), 1.5, 0.5);
    }
    SymbolOnTile(cr, symbol, size / 2, size / 2 + 0.5, size * 0.56,
                 back ? Lighten(base, 0.55) : Lighten(lightc, 0.35));
    cairo_restore(cr);
}

// --- characters -----------------------------------------------------------------------

FairyLook GuideLook() {
    FairyLook look;
    look.dress = kGuideRobe;
    look.hair = Rgb(240, 236, 220);
    look.hat = true;
    look.staff = true;
    return look;
}

void Fairy(cairo_t* cr, double cx, double cy, double size, const FairyLook& look, const FairyPose& pose) {
    double u = size / 100.0;
    cairo_save(cr);
    cairo_translate(cr, cx, cy + pose.bob * u);
    cairo_scale(cr, pose.facing * u, u);
    cairo_rotate(cr, Rad(pose.lean));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // aura
    if (look.body) Glow(cr, 0, -5, 48, kMagic, 0.22);
    // wings: two pairs behind the back, opening and closing with the phase
    double open = 0.35 + 0.65 * (0.5 + 0.5 * std::cos(pose.wing * 2 * M_PI));
    for (int pair = 0; pair < 2; ++pair) {
        if (!(look.wings & (1 << pair))) continue;
        for (int lower = 0; lower < 2; ++lower) {
            cairo_save(cr);
            cairo_translate(cr, -4, -12);
            double base_angle = lower ? 200 : 235;
            cairo_rotate(cr, Rad(base_angle + (pair ? 12 : -6)));
            cairo_scale(cr, (lower ? 18 : 30) * (pair ? open * 0.85 : open), lower ? 9 : 13);
            cairo_arc(cr, 1, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            FillPreserveWith(
                cr,
                RadialGradient(-4, -12, 2, -4, -12, lower ? 26 : 40,
                               {{0, kWhite, 0.85}, {0.6, look.wing, pair ? 0.55 : 0.7}, {1, kMagic, 0.45}}));
            Stroke(cr, Lighten(look.wing, 0.4), 1.0, 0.8);
        }
    }
    if (!look.body) {
        cairo_restore(cr);
        return;
    }
    // legs
    double leg_dx = pose.flying ? -9 : 0, leg_dy = pose.flying ? -4 : 0;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 4, 22);
        cairo_line_to(cr, side * 4 + leg_dx + (side > 0 ? 2 : 0), 40 + leg_dy);
        Stroke(cr, Darken(kSkin, 0.12), 4.2);
        cairo_arc(cr, side * 4 + leg_dx + (side > 0 ? 3 : 1), 41 + leg_dy, 3, 0, 2 * M_PI);
        Fill(cr, Darken(look.dress, 0.4));
    }
    // back arm
    cairo_move_to(cr, -5, -10);
    cairo_line_to(cr, -9, 8);
    Stroke(cr, Darken(kSkin, 0.15), 4.5);
    // dress
    cairo_move_to(cr, -6, -16);
    cairo_line_to(cr, 6, -16);
    cairo_curve_to(cr, 9, -4, 14, 10, 17, 24);
    for (int i = 0; i < 5; ++i) {
        double x0 = 17 - i * 6.8;
        cairo_curve_to(cr, x0 - 1.5, 28, x0 - 5.3, 28, x0 - 6.8, 24);
    }
    cairo_curve_to(cr, -14, 10, -9, -4, -6, -16);
    cairo_close_path(cr);
    FillPreserveWith(cr, LinearGradient(-16, -16, 14, 26,
                                        {{0, Lighten(look.dress, 0.35)}, {1, Darken(look.dress, 0.35)}}));
    Stroke(cr, Darken(look.dress, 0.6), 1.4);
    // belt of light
    cairo_move_to(cr, -8, -2);
    cairo_line_to(cr, 8, -2);
    Stroke(cr, kGoldLight, 2, 0.9);
    // head and hair
    cairo_arc(cr, -2, -30, 15, 0, 2 * M_PI);
    Fill(cr, look.hair);
    cairo_arc(cr, -13, -24, 7, 0, 2 * M_PI); // bun behind
    Fill(cr, Darken(look.hair, 0.1));
    cairo_arc(cr, 1, -28, 12, 0, 2 * M_PI);
    FillWith(cr, RadialGradient(-3, -32, 2, 1, -28, 13, {{0, Lighten(kSkin, 0.3)}, {1, kSkin}}));
    // fringe
    cairo_move_to(cr, -11, -30);
    cairo_curve_to(cr, -10, -44, 10, -46, 13, -32);
    cairo_curve_to(cr, 6, -38, 0, -36, -4, -33);
    cairo_curve_to(cr, -6, -31, -9, -30, -11, -30);
    cairo_close_path(cr);
    Fill(cr, look.hair);
    // face
    if (pose.blink > 0.5) {
        cairo_move_to(cr, 1, -27);
        cairo_line_to(cr, 5, -27);
        cairo_move_to(cr, 8, -27);
        cairo_line_to(cr, 11, -27);
        Stroke(cr, kInk, 1.3);
    } else {
        for (double ex : {3.0, 9.5}) {
            cairo_arc(cr, ex, -27.5, 2.2, 0, 2 * M_PI);
            Fill(cr, kInk);
            cairo_arc(cr, ex + 0.7, -28.3, 0.8, 0, 2 * M_PI);
            Fill(cr, kWhite);
        }
    }
    cairo_arc(cr, 12, -23, 2.2, 0, 2 * M_PI);
    Fill(cr, Rgb(240, 130, 130), 0.6);
    cairo_arc(cr, 7, -22.5, 2.5, Rad(20), Rad(160));
    Stroke(cr, Rgb(160, 60, 60), 1.1);
    if (look.hat) {
        cairo_move_to(cr, -16, -36);
        cairo_curve_to(cr, -8, -42, 8, -42, 15, -37);
        cairo_line_to(cr, -6, -70);
        cairo_close_path(cr);
        FillWith(cr, LinearGradient(-16, -70, 15, -36,
                                    {{0, Lighten(look.dress, 0.2)}, {1, Darken(look.dress, 0.45)}}));
        StarPath(cr, -6, -70, 4.5, 2, 5);
        Fill(cr, kGoldLight);
    }
    // front arm with its hand (and the staff)
    cairo_save(cr);
    cairo_translate(cr, 4, -11);
    cairo_rotate(cr, Rad(-pose.arm));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 19);
    Stroke(cr, kSkin, 4.6);
    cairo_arc(cr, 0, 20, 3, 0, 2 * M_PI);
    cairo_fill(cr);
    if (look.staff) {
        cairo_move_to(cr, 0, 4);
        cairo_line_to(cr, 0, 44);
        Stroke(cr, kBarkLight, 2.6);
        Glow(cr, 0, 46, 14, kLanternHot, 0.8);
        StarPath(cr, 0, 46, 6.5, 2.8, 5, 90);
        Fill(cr, kGoldLight);
    }
    cairo_restore(cr);
    cairo_restore(cr);
}

// --- landscape ---------------------------------------------------------------------

void TreeSilhouette(cairo_t* cr, double x, double base_y, double height, bool pine, Colour colour,
                    uint32_t seed) {
    Rng rng(seed);
    SetColour(cr, colour);
    if (pine) {
        double w = height * rng.Range(0.26, 0.34);
        int tiers = 7;
        cairo_rectangle(cr, x - w * 0.05, base_y - height * 0.15, w * 0.1, height * 0.16);
        cairo_fill(cr);
        for (int i = 0; i < tiers; ++i) {
            double t = i / double(tiers);
            double ty = base_y - height * (0.1 + 0.9 * t);
            double tw = w * (1 - t * 0.85) * rng.Range(0.9, 1.1);
            PolygonPath(cr, {{x - tw / 2, ty},
                             {x - tw * 0.22, ty - height * 0.06},
                             {x - tw * 0.3, ty - height * 0.07},
                             {x, ty - height * 0.2},
                             {x + tw * 0.3, ty - height * 0.07},
                             {x + tw * 0.22, ty - height * 0.06},
                             {x + tw / 2, ty}});
        }
        cairo_fill(cr);
    } else {
        double w = height * rng.Range(0.5, 0.7);
        // trunk flaring into roots
        cairo_move_to(cr, x - w * 0.16, base_y);
        cairo_curve_to(cr, x - w * 0.06, base_y - height * 0.1, x - w * 0.07, base_y - height * 0.35,
                       x - w * 0.05, base_y - height * 0.55);
        cairo_line_to(cr, x + w * 0.05, base_y - height * 0.55);
        cairo_curve_to(cr, x + w * 0.07, base_y - height * 0.35, x + w * 0.06, base_y - height * 0.1,
                       x + w * 0.16, base_y);
        cairo_close_path(cr);
        cairo_fill(cr);
        for (int i = 0; i < 14; ++i) {
            double a = rng.Range(0, 2 * M_PI);
            double rr = rng.Range(0.12, 0.22) * height;
            double px = x + std::cos(a) * w * rng.Range(0.1, 0.42);
            double py = base_y - height * 0.68 + std::sin(a) * height * rng.Range(0.05, 0.22);
            cairo_new_sub_path(cr);
            cairo_arc(cr, px, py, rr, 0, 2 * M_PI);
        }
        cairo_fill(cr);
    }
}

void Mushroom(cairo_t* cr, double x, double base_y, double size, Colour cap, bool glow) {
    if (glow) Glow(cr, x, base_y - size * 0.6, size * 1.4, cap, 0.45);
    cairo_move_to(cr, x - size * 0.12, base_y);
    cairo_curve_to(cr, x - size * 0.1, base_y - size * 0.3, x - size * 0.14, base_y - size * 0.5,
                   x - size * 0.1, base_y - size * 0.6);
    cairo_line_to(cr, x + size * 0.1, base_y - size * 0.6);
    cairo_curve_to(cr, x + size * 0.14, base_y - size * 0.5, x + size * 0.1, base_y - size * 0.3,
                   x + size * 0.12, base_y);
    cairo_close_path(cr);
    Fill(cr, Rgb(232, 222, 200));
    cairo_move_to(cr, x - size * 0.5, base_y - size * 0.56);
    cairo_curve_to(cr, x - size * 0.45, base_y - size * 1.05, x + size * 0.45, base_y - size * 1.05,
                   x + size * 0.5, base_y - size * 0.56);
    cairo_curve_to(cr, x + size * 0.2, base_y - size * 0.62, x - size * 0.2, base_y - size * 0.62,
                   x - size * 0.5, base_y - size * 0.56);
    cairo_close_path(cr);
    FillWith(cr, LinearGradient(x - size * 0.4, base_y - size, x + size * 0.4, base_y - size * 0.5,
                                {{0, Lighten(cap, 0.35)}, {1, Darken(cap, 0.35)}}));
    Rng rng(uint64_t(x * 13 + size));
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, x + rng.Range(-0.3, 0.3) * size, base_y - size * rng.Range(0.68, 0.85), size * 0.05, 0,
                  2 * M_PI);
        Fill(cr, Lighten(cap, 0.75), 0.9);
    }
}

void Lantern(cairo_t* cr, double x, double y, double size) {
    Glow(cr, x, y + size * 0.55, size * 1.8, kLantern, 0.55);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + size * 0.2);
    Stroke(cr, Rgb(40, 30, 24), std::max(1.0, size * 0.05));
    PolygonPath(cr, {{x - size * 0.28, y + size * 0.25},
                     {x + size * 0.28, y + size * 0.25},
                     {x + size * 0.2, y + size * 0.2},
                     {x - size * 0.2, y + size * 0.2}});
    cairo_fill(cr);
    cairo_move_to(cr, x - size * 0.22, y + size * 0.26);
    cairo_curve_to(cr, x - size * 0.34, y + size * 0.5, x - size * 0.3, y + size * 0.72, x - size * 0.18,
                   y + size * 0.84);
    cairo_line_to(cr, x + size * 0.18, y + size * 0.84);
    cairo_curve_to(cr, x + size * 0.3, y + size * 0.72, x + size * 0.34, y + size * 0.5, x + size * 0.22,
                   y + size * 0.26);
    cairo_close_path(cr);
    FillPreserveWith(cr, RadialGradient(x, y + size * 0.55, 0, x, y + size * 0.55, size * 0.35,
                                        {{0, kLanternHot}, {1, kLantern}}));
    Stroke(cr, Rgb(60, 40, 24), std::max(1.0, size * 0.04));
    cairo_rectangle(cr, x - size * 0.2, y + size * 0.84, size * 0.4, size * 0.07);
    Fill(cr, Rgb(40, 30, 24));
}

void LeafPath(cairo_t* cr, double length, double x1, double y1, double x2, double y2) {
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, x1, -y1, x2, -y2, length, 0);
    cairo_curve_to(cr, x2, y2, x1, y1, 0, 0);
}

void Fireflies(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed, double size) {
    Rng rng(seed);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < count; ++i) {
        double fx = x + rng.Range(0, w), fy = y + rng.Range(0, h);
        double s = rng.Range(0.5, 1.3) * size;
        Glow(cr, fx, fy, 9 * s, kFirefly, 0.35);
        cairo_arc(cr, fx, fy, 1.3 * s, 0, 2 * M_PI);
        Fill(cr, Lighten(kFirefly, 0.6), 0.95);
    }
    cairo_restore(cr);
}

void Landscape(Canvas& canvas, const SceneRecipe& recipe) {
    cairo_t* cr = canvas.Cr();
    const double W = canvas.Width(), H = canvas.Height();
    const double horizon = H * recipe.horizon_y;
    Rng rng(recipe.seed);
    // sky
    cairo_rectangle(cr, 0, 0, W, H);
    FillWith(cr, LinearGradient(0, 0, 0, horizon,
                                {{0, recipe.sky_top},
                                 {0.55, recipe.sky_low},
                                 {0.85, Mix(recipe.sky_low, recipe.horizon, 0.5)},
                                 {1, recipe.horizon}}));
    // soft clouds
    {
        Canvas clouds(int(W / 4), int(horizon / 4) + 1);
        uint32_t* px = clouds.Pixels();
        for (int yy = 0; yy < clouds.Height(); ++yy)
            for (int xx = 0; xx < clouds.Width(); ++xx) {
                double n = FractalNoise(xx / 40.0, yy / 14.0, recipe.seed + 7, 4);
                double a = std::clamp((n - 0.52) * 2.2, 0.0, 1.0) * 0.35;
                int ia = int(a * 255);
                Colour c = Mix(recipe.sky_low, recipe.horizon, double(yy) / clouds.Height());
                px[size_t(yy) * clouds.Stride() + xx] = (uint32_t(ia) << 24) | (uint32_t(c.r * ia) << 16) |
                                                        (uint32_t(c.g * ia) << 8) | uint32_t(c.b * ia);
            }
        clouds.MarkDirty();
        cairo_save(cr);
        cairo_scale(cr, 4, 4);
        cairo_set_source_surface(cr, clouds.Surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    for (int i = 0; i < recipe.stars; ++i) {
        double sx = rng.Range(0, W), sy = rng.Range(0, horizon * 0.75);
        double a = rng.Range(0.25, 0.9) * (1 - sy / horizon);
        cairo_arc(cr, sx, sy, rng.Range(0.5, 1.3), 0, 2 * M_PI);
        Fill(cr, Colour{1, 1, 0.95}, a);
    }
    if (recipe.moon) {
        double mx = W * recipe.moon_x, my = H * recipe.moon_y, mr = H * 0.055;
        Glow(cr, mx, my, mr * 6, kMoon, 0.28);
        cairo_arc(cr, mx, my, mr, 0, 2 * M_PI);
        FillWith(cr, RadialGradient(mx - mr * 0.3, my - mr * 0.3, 0, mx, my, mr,
                                    {{0, kWhite}, {1, Mix(kMoon, kFog, 0.3)}}));
        for (int i = 0; i < 4; ++i) {
            cairo_arc(cr, mx + rng.Range(-0.5, 0.5) * mr, my + rng.Range(-0.5, 0.5) * mr,
                      mr * rng.Range(0.1, 0.22), 0, 2 * M_PI);
            Fill(cr, kFog, 0.35);
        }
    }
    // far hills
    cairo_move_to(cr, 0, H);
    for (double x = 0; x <= W; x += 8)
        cairo_line_to(cr, x, horizon - 40 - FractalNoise(x / 160.0, 0.5, recipe.seed + 3, 3) * 80);
    cairo_line_to(cr, W, H);
    cairo_close_path(cr);
    Fill(cr, Mix(kFarTrees, recipe.horizon, 0.35));
    // tree layers from far to near, each behind a veil of fog
    for (int layer = 0; layer < recipe.tree_layers; ++layer) {
        double t = recipe.tree_layers == 1 ? 1 : layer / double(recipe.tree_layers - 1);
        Colour c = Mix(Mix(kFarTrees, recipe.horizon, 0.15), kNearTrees, t);
        double ground = horizon + t * H * 0.22;
        double tall = H * (0.28 + 0.55 * t);
        int count = int((10 - layer * 2) * recipe.tree_density) + 3;
        for (int i = 0; i < count; ++i) {
            double x = rng.Range(-40, W + 40);
            if (recipe.clearing && layer == recipe.tree_layers - 1 && x > W * 0.3 && x < W * 0.7)
                x = x < W / 2 ? x - W * 0.25 : x + W * 0.25;
            TreeSilhouette(cr, x, ground + 10, tall * rng.Range(0.75, 1.15), rng.Unit() < 0.55, c,
                           recipe.seed * 31 + layer * 97 + i);
        }
        // ground of this layer
        cairo_move_to(cr, 0, H);
        for (double x = 0; x <= W; x += 10)
            cairo_line_to(cr, x, ground + FractalNoise(x / 90.0, layer, recipe.seed + 11, 3) * 18);
        cairo_line_to(cr, W, H);
        cairo_close_path(cr);
        Fill(cr, Mix(c, kMoss, 0.12));
        if (layer < recipe.tree_layers - 1) {
            cairo_rectangle(cr, 0, ground - tall * 0.4, W, tall * 0.4 + 30);
            FillWith(cr, LinearGradient(
                             0, ground - tall * 0.4, 0, ground + 30,
                             {{0, kFog, 0}, {0.7, kFog, recipe.fog * 0.35}, {1, kFog, recipe.fog * 0.15}}));
        }
    }
    const double near_ground = horizon + H * 0.22;
    if (recipe.water) {
        double wy = near_ground - 8;
        EllipsePath(cr, W * 0.5, wy + 40, W * 0.42, 44);
        FillWith(cr, LinearGradient(0, wy, 0, wy + 90,
                                    {{0, Mix(kWater, recipe.horizon, 0.35)}, {1, Darken(kWater, 0.4)}}));
        for (int i = 0; i < 14; ++i) {
            double lx = W * recipe.moon_x * 0.6 + W * 0.2 + rng.Range(-60, 60), ly = wy + 8 + i * 5;
            cairo_move_to(cr, lx - rng.Range(8, 30), ly);
            cairo_line_to(cr, lx + rng.Range(8, 30), ly);
            Stroke(cr, kMoon, 1.5, 0.35 - i * 0.02);
        }
    }
    // foreground: moss banks in the corners
    for (int side = 0; side < 2; ++side) {
        double x0 = side ? W : 0;
        cairo_move_to(cr, x0, H * 0.72);
        cairo_curve_to(cr, x0 + (side ? -1 : 1) * W * 0.12, H * 0.74, x0 + (side ? -1 : 1) * W * 0.28,
                       H * 0.88, x0 + (side ? -1 : 1) * W * 0.36, H);
        cairo_line_to(cr, x0, H);
        cairo_close_path(cr);
        FillWith(cr, LinearGradient(0, H * 0.72, 0, H, {{0, Mix(kNearTrees, kMoss, 0.35)}, {1, kNearTrees}}));
    }
    if (recipe.mushrooms) {
        for (int i = 0; i < 7; ++i) {
            bool left = i % 2 == 0;
            double x = left ? rng.Range(20, W * 0.22) : rng.Range(W * 0.78, W - 20);
            double y = H * rng.Range(0.86, 0.98);
            Colour caps[3] = {Rgb(90, 200, 230), Rgb(200, 110, 240), Rgb(250, 150, 90)};
            Mushroom(cr, x, y, rng.Range(18, 44), caps[i % 3], true);
        }
    }
    if (recipe.lanterns) {
        for (int i = 0; i < 4; ++i) {
            double x = i < 2 ? rng.Range(40, W * 0.25) : rng.Range(W * 0.75, W - 40);
            double y = rng.Range(H * 0.1, H * 0.4);
            cairo_move_to(cr, x, 0);
            cairo_line_to(cr, x, y);
            Stroke(cr, kNearTrees, 1.5, 0.9);
            Lantern(cr, x, y, rng.Range(22, 34));
        }
    }
    // light shafts from the upper left
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < recipe.light_shafts; ++i) {
        double x = W * (0.15 + 0.5 * i / std::max(1, recipe.light_shafts)) + rng.Range(-40, 40);
        double w = rng.Range(30, 70);
        double len = H * 0.95;
        PolygonPath(cr, {{x, 0}, {x + w, 0}, {x + w * 2.2 + len * 0.45, len}, {x + len * 0.45, len}});
        FillWith(cr, LinearGradient(x, 0, x + len * 0.45, len, {{0, kMoon, 0.09}, {1, kMoon, 0}}));
    }
    cairo_restore(cr);
    Fireflies(cr, 0, H * 0.35, W, H * 0.6, recipe.fireflies, recipe.seed + 99);
    // vignette
    cairo_rectangle(cr, 0, 0, W, H);
    FillWith(cr, RadialGradient(W / 2, H * 0.45, H * 0.35, W / 2, H * 0.5, W * 0.75,
                                {{0, kBlack, 0}, {1, Colour{0, 0, 0.03}, 0.55}}));
    if (recipe.brightness != 1.0) {
        cairo_save(cr);
        if (recipe.brightness > 1) {
            cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
            cairo_set_source_rgba(cr, 0.12, 0.1, 0.08, recipe.brightness - 1);
        } else {
            cairo_set_source_rgba(cr, 0, 0, 0, 1 - recipe.brightness);
        }
        cairo_paint(cr);
        cairo_restore(cr);
    }
    canvas.Grain(recipe.seed, 0.025);
}

// --- text --------------------------------------------------------------------------

void TextPath(cairo_t* cr, Face face, double size, const char* text, double x, double y) {
    std::lock_guard<std::mutex> lock(SharedFaceMutex());
    cairo_set_font_face(cr, CairoFaceFor(face == Face::Display ? FontRole::Heading : FontRole::Text));
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    cairo_move_to(cr, x - ext.width / 2 - ext.x_bearing, y);
    cairo_text_path(cr, text);
}

void Title(cairo_t* cr, const char* text, double x, double y, double size, Colour face, Colour outline) {
    TextPath(cr, Face::Display, size, text, x + 3, y + 4);
    Fill(cr, palette::kBlack, 0.45);
    TextPath(cr, Face::Display, size, text, x, y);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    StrokePreserve(cr, outline, size * 0.09);
    FillWith(cr, LinearGradient(0, y - size * 0.8, 0, y, {{0, palette::kWhite}, {1, face}}));
}

} // namespace wispwood::mediagen
