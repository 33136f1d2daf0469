// The game scene: clock, quota bottle, side panel, overlays and icons.
#include <cmath>

#include "tools/mediagen/core/rng.h"
#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

// The bottle: a 41-px neck (x 42..78) on a round body (x 6..114, y 41..236).
void BottlePath(cairo_t* cr, double inset) {
    double i = inset;
    cairo_move_to(cr, 44 + i, 6);
    cairo_line_to(cr, 44 + i, 41);
    cairo_curve_to(cr, 8 + i, 60, 6 + i, 90, 6 + i, 130);
    cairo_line_to(cr, 6 + i, 214);
    cairo_curve_to(cr, 6 + i, 230 - i, 14 + i, 236 - i, 30 + i, 236 - i);
    cairo_line_to(cr, 90 - i, 236 - i);
    cairo_curve_to(cr, 106 - i, 236 - i, 114 - i, 230 - i, 114 - i, 214);
    cairo_line_to(cr, 114 - i, 130);
    cairo_curve_to(cr, 114 - i, 90, 112 - i, 60, 76 - i, 41);
    cairo_line_to(cr, 76 - i, 6);
    cairo_close_path(cr);
}

void Bottle(cairo_t* cr) {
    BottlePath(cr, 0);
    FillPreserveWith(
        cr, LinearGradient(
                6, 0, 114, 0,
                {{0, Rgb(150, 200, 230), 0.35}, {0.5, Rgb(60, 90, 120), 0.25}, {1, Rgb(20, 40, 60), 0.45}}));
    Stroke(cr, Rgb(190, 230, 250), 3, 0.9);
    // cork and a ribbon
    RoundedRect(cr, 40, 0, 40, 12, 3);
    Fill(cr, kBarkLight);
    cairo_move_to(cr, 42, 30);
    cairo_line_to(cr, 78, 30);
    Stroke(cr, kGold, 4);
}

void BottleFull(cairo_t* cr) {
    BottlePath(cr, 4);
    FillWith(cr, LinearGradient(0, 0, 0, 240,
                                {{0, Lighten(kFirefly, 0.4)},
                                 {0.5, Mix(kFirefly, kTeal, 0.4)},
                                 {1, Mix(kTeal, kDeepGreen, 0.3)}}));
    Glow(cr, 60, 150, 60, kLanternHot, 0.45);
    Rng rng(5);
    for (int i = 0; i < 18; ++i) {
        cairo_arc(cr, rng.Range(20, 100), rng.Range(70, 225), rng.Range(1.5, 4), 0, 2 * M_PI);
        Fill(cr, Colour{1, 1, 0.9}, 0.5);
    }
}

void ClockFace(cairo_t* cr) {
    // the dial centre is (48, 59): 11 px below the picture's centre
    const double cx = 48, cy = 59;
    // leaves and a lantern cap above the dial
    for (int i = 0; i < 5; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy - 30);
        cairo_rotate(cr, -M_PI / 2 + (i - 2) * 0.5);
        LeafPath(cr, 20, 5, 6, 15, 5);
        Fill(cr, i % 2 ? kLeaf : kMoss);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, 35, 0, 2 * M_PI);
    FillWith(cr, LinearGradient(cx - 35, cy - 35, cx + 35, cy + 35, {{0, kWoodLight}, {1, kWoodDark}}));
    cairo_arc(cr, cx, cy, 29, 0, 2 * M_PI);
    FillPreserveWith(cr, RadialGradient(cx - 8, cy - 8, 2, cx, cy, 30,
                                        {{0, Lighten(kParchment, 0.3)}, {1, kParchmentDark}}));
    Stroke(cr, kGold, 2);
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        double r0 = i % 3 == 0 ? 20 : 23;
        cairo_move_to(cr, cx + std::sin(a) * r0, cy - std::cos(a) * r0);
        cairo_line_to(cr, cx + std::sin(a) * 26, cy - std::cos(a) * 26);
    }
    Stroke(cr, kInk, 2);
    cairo_arc(cr, cx, cy, 3, 0, 2 * M_PI);
    Fill(cr, kGoldDark);
}

// The right-hand column: carved bark with a leafy inner (left) edge.
void Overlay(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 12, 0, w - 12, h);
    FillWith(cr,
             LinearGradient(0, 0, w, 0, {{0, Darken(kBark, 0.3)}, {0.3, kBark}, {1, Darken(kBark, 0.6)}}));
    Rng rng(w + h);
    for (int i = 0; i < 40; ++i) {
        double x = rng.Range(14, w), y = rng.Range(0, h);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 3, y + 20, x - 3, y + 40, x + 1, y + 60);
        Stroke(cr, Darken(kBark, 0.6), rng.Range(1, 3), 0.4);
    }
    // panels where the score, lives and gems sit
    Plate(cr, 20, 40, w - 26, 190, 10, PlateKind::Glass);
    for (int i = 0; i < 24; ++i) {
        double y = i * 25 + rng.Range(0, 10);
        cairo_save(cr);
        cairo_translate(cr, 14, y);
        cairo_rotate(cr, M_PI + rng.Range(-0.6, 0.6));
        LeafPath(cr, 20, 5, 6, 15, 5);
        Fill(cr, i % 2 ? kLeaf : kMoss);
        cairo_restore(cr);
    }
}

void Fern(cairo_t* cr, double x, double y, double length, double angle, Colour c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, length * 0.3, -length * 0.1, length * 0.7, -length * 0.1, length, 0);
    Stroke(cr, Darken(c, 0.3), 2);
    for (int i = 1; i < 12; ++i) {
        double t = i / 12.0;
        double px = length * t, py = -length * 0.08 * std::sin(t * M_PI);
        double leaf = length * 0.18 * (1 - t * 0.7);
        for (int s = -1; s <= 1; s += 2) {
            cairo_move_to(cr, px, py);
            cairo_curve_to(cr, px + leaf * 0.3, py + s * leaf * 0.5, px + leaf * 0.6, py + s * leaf * 0.7,
                           px + leaf * 0.5, py + s * leaf);
            cairo_curve_to(cr, px + leaf * 0.2, py + s * leaf * 0.6, px, py + s * leaf * 0.2, px, py);
            Fill(cr, c);
        }
    }
    cairo_restore(cr);
}

void Medal(cairo_t* cr, bool gold) {
    Colour lightc = gold ? kGoldLight : kWhite, base = gold ? kGold : kSilver,
           dark = gold ? kGoldDark : kSilverDark;
    // ribbon
    for (double s = -1; s <= 1; s += 2) {
        PolygonPath(cr, {{64 + s * 6, 0}, {64 + s * 34, 0}, {64 + s * 14, 54}, {64 - s * 4, 54}});
        Fill(cr, s < 0 ? Rgb(60, 100, 200) : Rgb(40, 70, 160));
    }
    Glow(cr, 64, 82, 46, lightc, 0.4);
    cairo_arc(cr, 64, 82, 38, 0, 2 * M_PI);
    FillPreserveWith(cr, LinearGradient(30, 48, 98, 118, {{0, lightc}, {0.5, base}, {1, dark}}));
    Stroke(cr, Darken(dark, 0.4), 2);
    cairo_arc(cr, 64, 82, 30, 0, 2 * M_PI);
    Stroke(cr, dark, 1.5, 0.8);
    SymbolOnTile(cr, Symbol::Leaf, 64, 82, 34, base);
}

} // namespace

void AddGamePictures(Catalogue& out) {
    AddSingle(out, "media/game/sidebar.png", 150, 600, [](cairo_t* cr) { Overlay(cr, 150, 600); });
    AddSingle(out, "media/game/overlayright.png", 150, 600, [](cairo_t* cr) { Overlay(cr, 150, 600); });
    AddSingle(out, "media/game/timer-backing.png", 96, 96, ClockFace);
    AddSingle(out, "media/game/timer-hand.png", 16, 56, [](cairo_t* cr) {
        // points up; the pivot is the picture's centre (8, 28)
        PolygonPath(cr, {{8, 3}, {11.5, 26}, {9.5, 35}, {6.5, 35}, {4.5, 26}});
        FillPreserve(cr, kInk);
        Stroke(cr, kGoldDark, 1);
        cairo_arc(cr, 8, 28, 3.5, 0, 2 * M_PI);
        Fill(cr, kGold);
    });
    AddSingle(out, "media/game/overlaytopleft.png", 220, 140, [](cairo_t* cr) {
        cairo_move_to(cr, 0, 10);
        cairo_curve_to(cr, 60, 20, 120, 10, 210, 40);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Stroke(cr, kBark, 9);
        for (int i = 0; i < 9; ++i)
            Fern(cr, 10 + i * 22, 14 + i * 2.5, 40 + (i % 3) * 10, 1.2 + (i % 2) * 0.5,
                 i % 2 ? kLeaf : kMoss);
        Lantern(cr, 150, 26, 30);
    });
    AddSingle(out, "media/game/overlaybottomleft.png", 200, 160, [](cairo_t* cr) {
        // the stump the clock stands on
        cairo_move_to(cr, 0, 160);
        cairo_curve_to(cr, 10, 140, 18, 128, 20, 110);
        cairo_line_to(cr, 92, 110);
        cairo_curve_to(cr, 96, 128, 110, 144, 130, 160);
        cairo_close_path(cr);
        FillWith(cr, LinearGradient(0, 110, 130, 160, {{0, kBarkLight}, {1, Darken(kBark, 0.4)}}));
        EllipsePath(cr, 56, 110, 36, 8);
        Fill(cr, kWoodLight);
        for (int r = 1; r < 4; ++r) {
            EllipsePath(cr, 56, 110, 36 - r * 9, 8 - r * 2);
            Stroke(cr, kWood, 1, 0.7);
        }
    });
    AddSingle(out, "media/game/overlaybottomleftmask.png", 200, 160, [](cairo_t* cr) {
        for (int i = 0; i < 7; ++i)
            Fern(cr, -4 + i * 14, 162, 60 + (i % 3) * 18, -1.2 + i * 0.12,
                 i % 2 ? kLeaf : Mix(kLeaf, kMoss, 0.5));
        Mushroom(cr, 150, 158, 30, Rgb(90, 200, 230), true);
        Mushroom(cr, 172, 160, 20, Rgb(200, 110, 240), true);
    });
    AddSingle(out, "media/game/quotabottle.png", 120, 240, Bottle);
    AddSingle(out, "media/game/quotabottlefull.png", 120, 240, BottleFull);
    AddSingle(out, "media/game/quotabottlemask.png", 120, 240, [](cairo_t* cr) {
        BottlePath(cr, 4);
        Fill(cr, kWhite);
    });
    AddSingle(out, "media/game/quotabottleoverlay.png", 120, 240, [](cairo_t* cr) {
        cairo_move_to(cr, 20, 100);
        cairo_curve_to(cr, 16, 140, 16, 180, 22, 220);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Stroke(cr, kWhite, 6, 0.55);
        cairo_move_to(cr, 50, 10);
        cairo_line_to(cr, 50, 36);
        Stroke(cr, kWhite, 3, 0.4);
        cairo_arc(cr, 34, 80, 6, 0, 2 * M_PI);
        Fill(cr, kWhite, 0.35);
    });
    AddSingle(out, "media/game/quotabottlewave.png", 32, 12, [](cairo_t* cr) {
        cairo_move_to(cr, 0, 12);
        cairo_curve_to(cr, 8, 2, 24, 2, 32, 12);
        cairo_close_path(cr);
        Fill(cr, Lighten(kFirefly, 0.5), 0.85);
    });
    AddSingle(out, "media/game/livesicon.png", 36, 36, [](cairo_t* cr) {
        Glow(cr, 18, 18, 18, Rgb(255, 120, 150), 0.5);
        SymbolOnTile(cr, Symbol::Heart, 18, 19, 26, Rgb(255, 80, 110));
    });
    AddSingle(out, "media/game/gemsicon.png", 32, 32, [](cairo_t* cr) {
        Glow(cr, 16, 16, 16, Rgb(120, 230, 255), 0.5);
        SymbolOnTile(cr, Symbol::Crystal, 16, 16, 24, Rgb(120, 220, 255));
    });
    AddSingle(out, "media/game/cobweb.png", 48, 24, [](cairo_t* cr) {
        // the strand starts at the left middle (its handle) and runs right
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, 0, 12);
            cairo_curve_to(cr, 16, 12 + (i - 1) * 8, 32, 12 + (i - 1) * 8, 48, 12 + (i - 1) * 4);
        }
        for (int k = 1; k < 4; ++k) {
            cairo_move_to(cr, k * 12, 12 - k * 1.8);
            cairo_curve_to(cr, k * 12 + 2, 12, k * 12 + 2, 12, k * 12, 12 + k * 1.8);
        }
        Stroke(cr, Colour{0.92, 0.95, 1}, 1, 0.8);
    });
    for (int side = 0; side < 2; ++side)
        AddSingle(out, side ? "media/boardborderright.png" : "media/boardborderleft.png", 16, 600,
                  [side](cairo_t* cr) {
                      cairo_rectangle(cr, 2, 0, 12, 600);
                      FillWith(cr, LinearGradient(0, 0, 16, 0,
                                                  {{0, side ? kBarkLight : Darken(kBark, 0.5)},
                                                   {0.5, kBark},
                                                   {1, side ? Darken(kBark, 0.5) : kBarkLight}}));
                      for (int i = 0; i < 20; ++i) {
                          cairo_arc(cr, 8, 15 + i * 30, 5, 0, 2 * M_PI);
                          Fill(cr, i % 2 ? kLeaf : kMoss);
                      }
                  });
    AddSingle(out, "media/medals/silver.png", 128, 128, [](cairo_t* cr) { Medal(cr, false); });
    AddSingle(out, "media/medals/gold.png", 128, 128, [](cairo_t* cr) { Medal(cr, true); });
}

} // namespace wispwood::mediagen
