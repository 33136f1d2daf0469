// The quest map, its medallions, marker and temples, and the ranks.
#include <cmath>

#include "tools/mediagen/core/rng.h"
#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"
#include "tools/mediagen/pictures/trail.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

void Medallion(cairo_t* cr, Colour face, Colour rim, bool empty) {
    Glow(cr, 12, 12, 12, empty ? kFog : face, empty ? 0.25 : 0.5);
    cairo_arc(cr, 12, 12, 8.5, 0, 2 * M_PI);
    if (empty) {
        FillPreserve(cr, Rgb(20, 28, 34), 0.85);
        Stroke(cr, rim, 2);
        return;
    }
    FillPreserveWith(cr, LinearGradient(4, 4, 20, 20, {{0, Lighten(face, 0.5)}, {1, Darken(face, 0.3)}}));
    Stroke(cr, rim, 2);
    SymbolPath(cr, Symbol::Leaf, 12, 12, 9);
    Fill(cr, Darken(face, 0.45), 0.8);
}

void Marker(cairo_t* cr, int frame) {
    // a glowing wisp lantern on a staff; its foot is the bottom centre (36, 95)
    double bob = frame * 1.5;
    EllipsePath(cr, 36.5, 91, 14, 4);
    Fill(cr, kBlack, 0.4);
    cairo_move_to(cr, 36.5, 94);
    cairo_line_to(cr, 36.5, 40);
    Stroke(cr, kBarkLight, 3);
    // a pennant
    cairo_move_to(cr, 37, 42);
    cairo_curve_to(cr, 50, 44 + bob, 58, 40 - bob, 66, 46);
    cairo_curve_to(cr, 58, 50 - bob, 50, 56 + bob, 37, 56);
    cairo_close_path(cr);
    Fill(cr, Rgb(220, 60, 90));
    Glow(cr, 36.5, 24 - bob, 26, kLantern, 0.7);
    Lantern(cr, 36.5, 8 - bob, 30);
}


void Rank(cairo_t* cr, int rank) {
    // badges of growing splendour: bronze leaf, silver, gold, then jewels
    Colour base = rank < 3 ? kBronze : rank < 6 ? kSilver : kGold;
    Colour gem = PieceColourAt((rank * 3) % 8).base;
    if (rank >= 6) Glow(cr, 24, 24, 24, kLanternHot, 0.3 + rank * 0.03);
    int points = 5 + rank / 2;
    StarPath(cr, 24, 24, 21, 16, points * 2, -90);
    FillPreserveWith(cr, LinearGradient(4, 4, 44, 44, {{0, Lighten(base, 0.5)}, {1, Darken(base, 0.4)}}));
    Stroke(cr, Darken(base, 0.6), 1.2);
    cairo_arc(cr, 24, 24, 11, 0, 2 * M_PI);
    Fill(cr, Darken(base, 0.2));
    int gems = 1 + rank / 3;
    for (int i = 0; i < gems; ++i) {
        double a = -M_PI / 2 + i * 2 * M_PI / gems;
        double r = gems == 1 ? 0 : 5.5;
        SymbolOnTile(cr, Symbol::Crystal, 24 + std::cos(a) * r, 24 + std::sin(a) * r, gems == 1 ? 14 : 8,
                     gem);
    }
}

// The painted map: a night forest seen from above with the trail through it.
Raster MapLayer1(const Trail& trail) {
    Canvas canvas(800, 600);
    cairo_t* cr = canvas.Cr();
    // ground: moss and clearings, darker toward the edges
    cairo_rectangle(cr, 0, 0, 800, 600);
    FillWith(cr, RadialGradient(400, 280, 50, 400, 300, 560, {{0, Rgb(54, 92, 62)}, {1, Rgb(14, 32, 30)}}));
    {
        uint32_t* px = canvas.Pixels();
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                double n = FractalNoise(x / 60.0, y / 60.0, 17, 4);
                uint32_t& p = px[size_t(y) * canvas.Stride() + x];
                int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                double f = 0.75 + n * 0.5;
                r = std::min(255, int(r * f)), g = std::min(255, int(g * f)), b = std::min(255, int(b * f));
                p = 0xFF000000u | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
            }
        canvas.MarkDirty();
    }
    // regions tinted so each reads as its own land
    static const Colour tints[5] = {Rgb(90, 150, 80), Rgb(70, 120, 160), Rgb(150, 80, 150), Rgb(40, 100, 90),
                                    Rgb(120, 110, 170)};
    for (const TrailRegion& region : trail.regions)
        for (int s = region.first; s <= region.last; s += 2) {
            const TrailPoint& p = trail.spots[s];
            Glow(cr, p.x, p.y, 70, tints[(region.number - 1) % 5], 0.18);
        }
    // a brook across the lantern region
    cairo_move_to(cr, 430, 600);
    cairo_curve_to(cr, 470, 430, 700, 420, 800, 350);
    Stroke(cr, kWater, 14, 0.85);
    // treetops: round canopies everywhere away from the trail
    Rng rng(99);
    for (int i = 0; i < 900; ++i) {
        double x = rng.Range(-20, 820), y = rng.Range(-20, 620);
        double r = rng.Range(10, 24);
        bool near = false;
        for (size_t k = 0; k < trail.points.size() && !near; k += 2)
            near = std::hypot(trail.points[k].x - x, trail.points[k].y - y) < r + 16;
        for (size_t k = 0; k < trail.spots.size() && !near; ++k)
            near = std::hypot(trail.spots[k].x - x, trail.spots[k].y - y) <
                   r + (trail.IsTemple(int(k)) ? 40 : 18);
        if (near || (y > 505 && i % 3) || (x > 590 && y > 380)) continue;
        bool pine = rng.Unit() < 0.4;
        Colour c = Mix(kDeepGreen, pine ? Rgb(30, 70, 60) : kLeaf, rng.Range(0.2, 0.8));
        cairo_arc(cr, x + 4, y + 5, r, 0, 2 * M_PI);
        Fill(cr, kBlack, 0.35);
        if (pine)
            StarPath(cr, x, y, r, r * 0.6, 7, rng.Range(0, 60));
        else
            cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        FillWith(cr, RadialGradient(x - r * 0.4, y - r * 0.4, 1, x, y, r,
                                    {{0, Lighten(c, 0.3)}, {1, Darken(c, 0.2)}}));
    }
    // the trail: an edge of dark earth, a sandy path and stepping stones
    for (int pass = 0; pass < 3; ++pass) {
        cairo_move_to(cr, trail.points[0].x, trail.points[0].y);
        for (const TrailPoint& p : trail.points) cairo_line_to(cr, p.x, p.y);
        double widths[3] = {18, 12, 2};
        Colour colours[3] = {Rgb(40, 30, 20), Rgb(176, 146, 100), Rgb(220, 196, 150)};
        SetColour(cr, colours[pass], pass == 2 ? 0.5 : 1.0);
        cairo_set_line_width(cr, widths[pass]);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        if (pass == 2) {
            double dash[2] = {3, 9};
            cairo_set_dash(cr, dash, 2, 0);
        }
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    // clearings under the temples and stone plates under the spots
    for (size_t k = 0; k < trail.spots.size(); ++k) {
        const TrailPoint& p = trail.spots[k];
        if (trail.IsTemple(int(k))) {
            cairo_arc(cr, p.x, p.y + 6, 34, 0, 2 * M_PI);
            Fill(cr, Rgb(150, 126, 90));
            cairo_arc(cr, p.x, p.y + 6, 34, 0, 2 * M_PI);
            Stroke(cr, Rgb(60, 44, 30), 2);
        } else {
            cairo_arc(cr, p.x, p.y, 11, 0, 2 * M_PI);
            Fill(cr, Rgb(130, 124, 112));
        }
    }
    // the guide's hill in the bottom right and the panel band along the bottom
    cairo_arc(cr, 700, 600, 150, M_PI, 2 * M_PI);
    Fill(cr, Rgb(60, 100, 60));
    cairo_rectangle(cr, 0, 505, 800, 95);
    FillWith(cr, LinearGradient(0, 505, 0, 600,
                                {{0, Colour{0.03, 0.06, 0.07}, 0},
                                 {0.3, Colour{0.03, 0.06, 0.07}, 0.6},
                                 {1, Colour{0.03, 0.06, 0.07}, 0.8}}));
    Fireflies(cr, 0, 60, 800, 440, 60, 5);
    canvas.Grain(3, 0.02);
    return canvas.ToRaster();
}

Raster MapLayer2() {
    // a frame of branches and leaves around the map, clear in the middle
    Canvas canvas(800, 600);
    cairo_t* cr = canvas.Cr();
    Rng rng(7);
    for (int i = 0; i < 260; ++i) {
        double t = rng.Unit();
        double x, y;
        int side = rng.Int(0, 3);
        if (side == 0)
            x = t * 800, y = rng.Range(-10, 16);
        else if (side == 1)
            x = t * 800, y = rng.Range(586, 610);
        else if (side == 2)
            x = rng.Range(-10, 16), y = t * 600;
        else
            x = rng.Range(784, 810), y = t * 600;
        if (side == 1 && x > 150 && x < 780) continue; // the panel's row stays readable
        double a = rng.Range(0, 2 * M_PI), len = rng.Range(18, 34);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        LeafPath(cr, len, len * 0.3, len * 0.35, len * 0.75, len * 0.25);
        Fill(cr, Mix(kNearTrees, kLeaf, rng.Range(0.1, 0.6)));
        cairo_restore(cr);
    }
    return canvas.ToRaster();
}

} // namespace

void Temple(cairo_t* cr, int kind, int frame) {
    bool lit = frame >= 1;
    Colour stone = lit ? Lighten(kStone, 0.25) : Darken(kStone, 0.35);
    double cx = 32;
    if (lit) Glow(cr, cx, 34, 32, kind == 4 ? kMoon : kLantern, 0.55);
    // plinth
    RoundedRect(cr, 8, 50, 48, 10, 3);
    Fill(cr, Darken(stone, 0.2));
    switch (kind) {
    case 0: // root shrine: a dome under a tree of roots
        cairo_arc(cr, cx, 44, 18, M_PI, 2 * M_PI);
        cairo_rectangle(cr, cx - 18, 44, 36, 7);
        Fill(cr, stone);
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, cx + i * 10, 26);
            cairo_curve_to(cr, cx + i * 16, 14, cx + i * 6, 8, cx + i * 20, 4);
        }
        Stroke(cr, kBark, 3);
        break;
    case 1: // lantern pagoda
        for (int t = 0; t < 3; ++t) {
            double y = 48 - t * 13, w = 40 - t * 9;
            cairo_rectangle(cr, cx - w / 2 + 4, y - 8, w - 8, 9);
            Fill(cr, stone);
            PolygonPath(cr, {{cx - w / 2 - 2, y - 7},
                             {cx + w / 2 + 2, y - 7},
                             {cx + w / 2 - 6, y - 13},
                             {cx - w / 2 + 6, y - 13}});
            Fill(cr, lit ? Rgb(170, 60, 50) : Rgb(70, 30, 30));
        }
        break;
    case 2: // toadstool tower
        cairo_rectangle(cr, cx - 7, 28, 14, 24);
        Fill(cr, lit ? Rgb(236, 226, 200) : Rgb(110, 104, 96));
        Mushroom(cr, cx, 40, 36, lit ? Rgb(220, 70, 80) : Rgb(90, 40, 50), false);
        break;
    case 3: // pine lodge with a spire
        cairo_rectangle(cr, cx - 16, 34, 32, 17);
        Fill(cr, lit ? kWoodLight : kWoodDark);
        PolygonPath(cr, {{cx - 20, 35}, {cx, 8}, {cx + 20, 35}});
        Fill(cr, lit ? kLeaf : kDeepGreen);
        break;
    default: // star temple
        for (int c = -1; c <= 1; c += 2) {
            cairo_rectangle(cr, cx + c * 14 - 3, 26, 6, 25);
            Fill(cr, stone);
        }
        PolygonPath(cr, {{cx - 22, 27}, {cx, 14}, {cx + 22, 27}});
        Fill(cr, stone);
        StarPath(cr, cx, 8, 7, 3);
        Fill(cr, lit ? kGoldLight : Darken(kGold, 0.6));
        break;
    }
    // the door: lit from within once restored
    RoundedRect(cr, cx - 5, 40, 10, 11, 4);
    Fill(cr, lit ? kLanternHot : Rgb(10, 10, 14));
    if (!lit) {
        // ivy creeping over the ruin
        Rng rng(kind + 3);
        for (int i = 0; i < 8; ++i) {
            cairo_arc(cr, rng.Range(12, 52), rng.Range(20, 54), rng.Range(2, 4), 0, 2 * M_PI);
            Fill(cr, kDeepGreen, 0.9);
        }
    }
}

void AddAdventurePictures(Catalogue& out) {
    out.push_back({"media/quest/map-layer-1.png", 0, 0, 0,
                   [](const PictureInputs& in) { return MapLayer1(*in.trail); }});
    AddPicture(out, "media/quest/map-layer-2.png", MapLayer2);
    AddSingle(out, "media/quest/locationempty.png", 24, 24,
              [](cairo_t* cr) { Medallion(cr, kStone, kFog, true); });
    AddSingle(out, "media/quest/locationfilled.png", 24, 24,
              [](cairo_t* cr) { Medallion(cr, kBronze, Darken(kBronze, 0.5), false); });
    AddSingle(out, "media/quest/locationfilledsilver.png", 24, 24,
              [](cairo_t* cr) { Medallion(cr, kSilver, kSilverDark, false); });
    AddSingle(out, "media/quest/locationfilledgold.png", 24, 24,
              [](cairo_t* cr) { Medallion(cr, kGold, kGoldDark, false); });
    AddFramed(out, "media/quest/locationcurrent.png", 73, 95, 3, 3, Marker);
    AddSingle(out, "media/quest/gembase.png", 24, 24, [](cairo_t* cr) {
        cairo_arc(cr, 12, 12, 10, 0, 2 * M_PI);
        FillPreserve(cr, Rgb(14, 20, 28), 0.85);
        Stroke(cr, kGoldDark, 2);
        SymbolOnTile(cr, Symbol::Crystal, 12, 12, 15, Rgb(120, 220, 255));
    });
    for (int t = 0; t < 5; ++t)
        AddFramed(out, "media/quest/temple" + std::to_string(t + 1) + ".png", 64, 64, 3, 3,
                  [t](cairo_t* cr, int f) { Temple(cr, t, f); });
    for (int r = 0; r <= 10; ++r)
        AddSingle(out, "media/ranks/" + std::to_string(r) + ".png", 48, 48,
                  [r](cairo_t* cr) { Rank(cr, r); });
}

} // namespace wispwood::mediagen
