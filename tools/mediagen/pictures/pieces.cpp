// Board pieces: the eight colours, the bonus bricks, the specials, vines,
// burst shards and the match path.
#include <cmath>

#include "tools/mediagen/core/rng.h"
#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

constexpr int kCell = 52;
constexpr double kTile = 48; // the art fills the 48-px board cell, drawn at the frame's top-left

// The flip every piece sheet shares: frame 0 shows the back (still coloured,
// still with its symbol, so unreachable pieces stay readable), edge-on at
// frame 12, face on at frame 24.
void FlipFrame(cairo_t* cr, int frame, Colour base, Colour lightc, Colour dark, Symbol symbol) {
    double turn = std::abs(frame - 12) / 12.0; // 1 at both ends, 0 edge-on
    TurnedTile(cr, 1, 1, kTile - 1, 1 - turn, base, lightc, dark, symbol, frame < 12);
}

// Specials sit on a dark slate with a gold rim, so they never read as a colour.
void SlateTile(cairo_t* cr, Colour glow) {
    JewelTile(cr, 1, 1, kTile - 1, Rgb(44, 50, 70), Rgb(92, 100, 130), Rgb(14, 16, 28));
    RoundedRect(cr, 4, 4, kTile - 7, kTile - 7, 7);
    Stroke(cr, kGold, 1.4, 0.85);
    Glow(cr, 24.5, 24.5, 22, glow, 0.35);
}

void DoubleArrow(cairo_t* cr, bool vertical, Colour c) {
    cairo_save(cr);
    cairo_translate(cr, 24.5, 24.5);
    if (vertical) cairo_rotate(cr, M_PI / 2);
    PolygonPath(cr,
                {{-19, 0}, {-9, -9}, {-9, -4}, {9, -4}, {9, -9}, {19, 0}, {9, 9}, {9, 4}, {-9, 4}, {-9, 9}});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    StrokePreserve(cr, kBlack, 3, 0.7);
    FillWith(cr, LinearGradient(0, -9, 0, 9, {{0, kWhite}, {1, c}}));
    // a lightning zig across the arrow
    PolylinePath(cr, {{-4, -7}, {2, -1}, {-2, 1}, {4, 7}});
    Stroke(cr, Darken(c, 0.4), 1.6);
    cairo_restore(cr);
}

void Bomb(cairo_t* cr, int frame) {
    Glow(cr, 24, 28, 24, kLantern, 0.25);
    cairo_arc(cr, 23, 29, 15, 0, 2 * M_PI);
    FillWith(cr, RadialGradient(18, 23, 1, 23, 29, 16,
                                {{0, Rgb(120, 110, 150)}, {0.5, Rgb(40, 34, 60)}, {1, Rgb(10, 8, 18)}}));
    // a band of runes so it reads as a magic bomb, not a stone
    cairo_arc(cr, 23, 29, 11, M_PI * 0.1, M_PI * 0.9);
    Stroke(cr, kMagic, 1.6, 0.8);
    cairo_rectangle(cr, 19, 11, 8, 5);
    Fill(cr, kGoldDark);
    cairo_move_to(cr, 23, 12);
    cairo_curve_to(cr, 26, 6, 32, 8, 35, 5);
    Stroke(cr, kBarkLight, 2);
    // the fizzing spark at the fuse's end
    double phase = frame / 8.0 * 2 * M_PI;
    double s = 5 + 2.5 * std::sin(phase * 2);
    Glow(cr, 36, 5, s * 2.2, kLantern, 0.9);
    cairo_save(cr);
    cairo_translate(cr, 36, 5);
    cairo_rotate(cr, phase);
    SparklePath(cr, 0, 0, s, s * 0.25);
    Fill(cr, kLanternHot);
    cairo_restore(cr);
    Rng rng(frame + 7);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 36 + rng.Range(-8, 8), 5 + rng.Range(-4, 8), 1, 0, 2 * M_PI);
        Fill(cr, kLanternHot);
    }
}

void Quake(cairo_t* cr) {
    SlateTile(cr, kLantern);
    // cracked ground with seismic rings
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 24.5, 24.5, 7 + i * 6, 0, 2 * M_PI);
        Stroke(cr, kLantern, 1.4, 0.55 - i * 0.15);
    }
    PolylinePath(cr, {{6, 22}, {14, 27}, {19, 20}, {26, 29}, {31, 21}, {37, 28}, {43, 23}});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    StrokePreserve(cr, kBlack, 5, 0.8);
    Stroke(cr, kLanternHot, 2.4);
}

void ExtraLife(cairo_t* cr) {
    SlateTile(cr, Rgb(255, 120, 150));
    SymbolOnTile(cr, Symbol::Heart, 24.5, 25.5, 28, Rgb(255, 90, 120));
    // a small "+1" wing of light
    cairo_arc(cr, 37, 12, 7, 0, 2 * M_PI);
    Fill(cr, kGold);
    cairo_move_to(cr, 33.5, 12);
    cairo_line_to(cr, 40.5, 12);
    cairo_move_to(cr, 37, 8.5);
    cairo_line_to(cr, 37, 15.5);
    Stroke(cr, kInk, 2);
}

void Rainbow(cairo_t* cr) {
    RoundedRect(cr, 1, 1, kTile - 1, kTile - 1, 9);
    cairo_pattern_t* all_colours = LinearGradient(0, 0, 48, 48, {});
    for (int i = 0; i < 8; ++i) AddStop(all_colours, i / 7.0, PieceColourAt(i).base);
    FillPreserveWith(cr, all_colours);
    Stroke(cr, kWhite, 2, 0.9);
    // a swirl of white light
    cairo_move_to(cr, 24.5, 24.5);
    for (int i = 0; i < 80; ++i) {
        double a = i * 0.16, r = i * 0.22;
        cairo_line_to(cr, 24.5 + std::cos(a) * r, 24.5 + std::sin(a) * r);
    }
    Stroke(cr, kWhite, 2.6, 0.85);
    StarPath(cr, 24.5, 24.5, 7, 3, 5);
    Fill(cr, kWhite);
    cairo_arc(cr, 16, 12, 6, 0, 2 * M_PI);
    Fill(cr, kWhite, 0.3);
}

void Padlock(cairo_t* cr, double cx, double cy, double s) {
    cairo_arc(cr, cx, cy - s * 0.1, s * 0.32, M_PI, 2 * M_PI);
    Stroke(cr, kSilverDark, s * 0.12);
    RoundedRect(cr, cx - s * 0.45, cy - s * 0.12, s * 0.9, s * 0.66, s * 0.1);
    FillPreserveWith(cr, LinearGradient(cx - s / 2, cy - s * 0.1, cx + s / 2, cy + s * 0.5,
                                        {{0, kGoldLight}, {1, kGoldDark}}));
    Stroke(cr, Darken(kGoldDark, 0.5), 1.2);
    cairo_arc(cr, cx, cy + s * 0.12, s * 0.08, 0, 2 * M_PI);
    cairo_move_to(cr, cx - s * 0.04, cy + s * 0.14);
    cairo_line_to(cr, cx, cy + s * 0.34);
    cairo_line_to(cr, cx + s * 0.04, cy + s * 0.14);
    Fill(cr, kInk);
}

void Key(cairo_t* cr, double cx, double cy, double s) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -M_PI / 4);
    cairo_arc(cr, -s * 0.28, 0, s * 0.2, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, -s * 0.28, 0, s * 0.09, 2 * M_PI, 0);
    cairo_rectangle(cr, -s * 0.1, -s * 0.06, s * 0.55, s * 0.12);
    cairo_rectangle(cr, s * 0.28, s * 0.04, s * 0.07, s * 0.14);
    cairo_rectangle(cr, s * 0.38, s * 0.04, s * 0.07, s * 0.1);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    StrokePreserve(cr, kBlack, 2.4, 0.6);
    FillWith(cr, LinearGradient(-s / 2, -s * 0.2, s / 2, s * 0.2, {{0, kGoldLight}, {1, kGold}}));
    cairo_restore(cr);
}

void StoneBlock(cairo_t* cr, double x, double y, double s, Colour tone, uint32_t seed) {
    JewelTile(cr, x, y, s, tone, Lighten(tone, 0.3), Darken(tone, 0.55));
    Rng rng(seed);
    for (int i = 0; i < 18; ++i) {
        cairo_arc(cr, x + rng.Range(4, s - 4), y + rng.Range(4, s - 4), rng.Range(0.6, 2.2), 0, 2 * M_PI);
        Fill(cr, Darken(tone, rng.Range(0.2, 0.5)), 0.5);
    }
    // moss on the top edge
    for (int i = 0; i < 6; ++i) {
        cairo_arc(cr, x + 6 + i * (s - 12) / 5, y + 4 + rng.Range(-1, 2), rng.Range(2.5, 4.5), 0, 2 * M_PI);
        Fill(cr, kMoss, 0.85);
    }
}

void Cracks(cairo_t* cr, double x, double y, double s, uint32_t seed, double width) {
    Rng rng(seed);
    for (int i = 0; i < 4; ++i) {
        double px = x + s / 2 + rng.Range(-4, 4), py = y + s / 2 + rng.Range(-4, 4);
        cairo_move_to(cr, px, py);
        double a = i * M_PI / 2 + rng.Range(-0.5, 0.5);
        for (int k = 0; k < 4; ++k) {
            px += std::cos(a) * s * 0.13;
            py += std::sin(a) * s * 0.13;
            a += rng.Range(-0.6, 0.6);
            cairo_line_to(cr, px, py);
        }
    }
    Stroke(cr, Colour{0.05, 0.04, 0.04}, width, 0.85);
}

// Vines: a green stem through the cell; shape names the edges it leaves by.
enum Edge { kTop = 1, kRight = 2, kBottom = 4, kLeft = 8 };

void VineStem(cairo_t* cr, int edges, bool stone) {
    Colour stem = stone ? kStone : Rgb(58, 132, 48);
    Colour light = stone ? Lighten(kStone, 0.35) : Rgb(140, 210, 90);
    double c = 26;
    auto edge_point = [c](int e) {
        return Point{e == kLeft ? 0 : e == kRight ? 52 : c, e == kTop ? 0 : e == kBottom ? 52 : c};
    };
    std::vector<int> list;
    for (int e : {kTop, kRight, kBottom, kLeft})
        if (edges & e) list.push_back(e);
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < list.size(); ++i) {
            Point p = edge_point(list[i]);
            cairo_move_to(cr, p.x, p.y);
            if (list.size() == 2 && i == 0) {
                Point q = edge_point(list[1]);
                cairo_curve_to(cr, c, c, c, c, q.x, q.y);
                i = 1;
            } else {
                cairo_line_to(cr, c, c);
            }
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        Stroke(cr, pass ? light : Darken(stem, 0.45), pass ? 4 : 10);
        if (pass == 0) {
            for (int e : list) {
                Point p = edge_point(e);
                cairo_move_to(cr, p.x, p.y);
                cairo_line_to(cr, c, c);
            }
            Stroke(cr, stem, 7.5);
        }
    }
    // leaves along the stem
    for (size_t i = 0; i < list.size(); ++i) {
        Point p = edge_point(list[i]);
        double mx = (p.x + c) / 2, my = (p.y + c) / 2;
        double a = std::atan2(p.y - c, p.x - c) + (i % 2 ? 1.2 : -1.2);
        cairo_save(cr);
        cairo_translate(cr, mx, my);
        cairo_rotate(cr, a);
        LeafPath(cr, 14, 4, 5, 11, 4);
        FillPreserve(cr, stone ? Lighten(kStone, 0.15) : kLeaf);
        Stroke(cr, stone ? Darken(kStone, 0.4) : Darken(kLeaf, 0.5), 0.8);
        cairo_restore(cr);
    }
}

void VineHead(cairo_t* cr, int edge, bool stone) {
    if (edge) VineStem(cr, edge, stone);
    // a closed bud of petals at the cell's centre
    Colour petal = stone ? kStone : Rgb(220, 80, 150);
    for (int i = 0; i < 5; ++i) {
        double a = i * 2 * M_PI / 5 - M_PI / 2;
        cairo_arc(cr, 26 + std::cos(a) * 8, 26 + std::sin(a) * 8, 8, 0, 2 * M_PI);
        Fill(cr, Darken(petal, 0.45));
        cairo_arc(cr, 26 + std::cos(a) * 8, 26 + std::sin(a) * 8, 6.5, 0, 2 * M_PI);
        Fill(cr, i % 2 ? petal : Lighten(petal, 0.2));
    }
    cairo_arc(cr, 26, 26, 5.5, 0, 2 * M_PI);
    Fill(cr, stone ? Lighten(kStone, 0.3) : kGold);
}

// The six shards of a burst tile: each is its part of a 48-px tile, tumbling
// over 24 frames. They are neutral grey; the game tints them.
void Shard(cairo_t* cr, int part, int frame) {
    static const double origin[6][2] = {{11, 10}, {35, 10}, {13, 28}, {35, 28}, {14, 43}, {37, 41}};
    double spin = frame / 24.0 * 2 * M_PI * (part % 2 ? 1 : -1);
    double squash = 0.35 + 0.65 * std::abs(std::cos(frame / 24.0 * 2 * M_PI));
    cairo_save(cr);
    cairo_translate(cr, 15.5, 15);
    cairo_rotate(cr, spin);
    cairo_scale(cr, squash, 1);
    // the shard: its part of the tile, cut along jagged lines
    Rng rng(part * 17 + 3);
    cairo_move_to(cr, -11 + rng.Range(-1, 1), -9);
    cairo_line_to(cr, rng.Range(-2, 2), -11);
    cairo_line_to(cr, 11, -8 + rng.Range(-1, 1));
    cairo_line_to(cr, 12, rng.Range(-2, 2));
    cairo_line_to(cr, 9, 10);
    cairo_line_to(cr, rng.Range(-3, 3), 12);
    cairo_line_to(cr, -10, 9);
    cairo_line_to(cr, -12, rng.Range(-2, 2));
    cairo_close_path(cr);
    double lx = origin[part][0] / 48.0, ly = origin[part][1] / 48.0;
    FillPreserveWith(cr, LinearGradient(-12, -12, 12, 12,
                                        {{0, Lighten(Rgb(200, 200, 200), 0.5 * (1 - (lx + ly) / 2))},
                                         {1, Rgb(120, 120, 120)}}));
    Stroke(cr, Colour{0.15, 0.15, 0.15}, 1.2, 0.9);
    cairo_restore(cr);
}

void PathPiece(cairo_t* cr, bool corner) {
    // a glowing white ribbon; the game tints and rotates it
    for (int pass = 0; pass < 3; ++pass) {
        double widths[3] = {18, 10, 4};
        double alphas[3] = {0.25, 0.55, 1.0};
        if (corner) {
            cairo_move_to(cr, 24, 0);
            cairo_curve_to(cr, 24, 16, 32, 24, 48, 24);
        } else {
            cairo_move_to(cr, 24, 0);
            cairo_line_to(cr, 24, 48);
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        Stroke(cr, kWhite, widths[pass], alphas[pass]);
    }
}

void Shimmer(cairo_t* cr, int frame, Colour base, Colour lightc, Colour dark) {
    // frame 12 is the plain tile; 13..24 and 0..11 sweep a band of light across
    JewelTile(cr, 1, 1, kTile - 1, base, lightc, dark);
    int step = (frame - 12 + 25) % 25; // 0 at rest
    if (step == 0) return;
    double t = step / 25.0;
    double x = -30 + t * 110;
    cairo_save(cr);
    RoundedRect(cr, 1, 1, kTile - 1, kTile - 1, 9.6);
    cairo_clip(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - 14, 0, x + 14, 10);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0.75);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void LetterBrick(cairo_t* cr, int frame, bool gold) {
    Colour base = gold ? kGold : Rgb(226, 208, 170);
    Colour lightc = gold ? kGoldLight : Rgb(255, 246, 222);
    Colour dark = gold ? kGoldDark : Rgb(130, 104, 70);
    double turn = std::abs(frame - 12) / 12.0;
    double sx = std::max(0.1, std::cos((1 - turn) * M_PI / 2));
    cairo_save(cr);
    cairo_translate(cr, 25, 0);
    cairo_scale(cr, sx, 1);
    cairo_translate(cr, -25, 0);
    JewelTile(cr, 1, 1, kTile - 1, base, lightc, dark);
    // a carved leaf rune on the brick's face
    RoundedRect(cr, 8, 8, 33, 33, 6);
    Stroke(cr, Darken(dark, 0.2), 1.5, 0.6);
    SymbolPath(cr, frame < 12 ? Symbol::Moon : Symbol::Sun, 24.5, 24.5, 20);
    Fill(cr, Darken(dark, 0.1), 0.7);
    cairo_restore(cr);
}

void Gem(cairo_t* cr, int frame) {
    // a cut gem turning: facets shift with the angle
    double a = frame / 16.0 * 2 * M_PI;
    Glow(cr, 48, 48, 44, Rgb(120, 230, 255), 0.35);
    int sides = 8;
    double rx = 30;
    for (int i = 0; i < sides; ++i) {
        double a0 = a + i * 2 * M_PI / sides, a1 = a0 + 2 * M_PI / sides;
        double x0 = std::cos(a0) * rx, x1 = std::cos(a1) * rx;
        if (std::sin((a0 + a1) / 2) < 0) continue; // back facets hidden
        double shade = 0.45 + 0.55 * std::sin((a0 + a1) / 2);
        Colour c = Mix(Rgb(20, 120, 200), Rgb(170, 250, 255), shade);
        PolygonPath(cr, {{48, 18}, {48 + x0 * 0.6, 34}, {48 + x1 * 0.6, 34}});
        Fill(cr, Lighten(c, 0.25));
        PolygonPath(cr, {{48 + x0 * 0.6, 34}, {48 + x1 * 0.6, 34}, {48 + x1, 44}, {48 + x0, 44}});
        Fill(cr, c);
        PolygonPath(cr, {{48 + x0, 44}, {48 + x1, 44}, {48, 80}});
        Fill(cr, Darken(c, 0.3));
    }
    cairo_move_to(cr, 18, 44);
    cairo_line_to(cr, 78, 44);
    Stroke(cr, kWhite, 1, 0.5);
    double glint = std::max(0.0, std::sin(a * 2));
    cairo_save(cr);
    cairo_translate(cr, 38, 30);
    SparklePath(cr, 0, 0, 4 + 10 * glint, 1.5);
    Fill(cr, kWhite, 0.5 + 0.5 * glint);
    cairo_restore(cr);
}

void Pickaxe(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 20, 20);
    cairo_rotate(cr, -M_PI / 4);
    cairo_move_to(cr, 0, -4);
    cairo_line_to(cr, 0, 18);
    Stroke(cr, kWoodDark, 5.5);
    cairo_move_to(cr, 0, -4);
    cairo_line_to(cr, 0, 18);
    Stroke(cr, kWoodLight, 3);
    cairo_move_to(cr, -17, 0);
    cairo_curve_to(cr, -8, -9, 8, -9, 17, 0);
    cairo_curve_to(cr, 8, -5, -8, -5, -17, 0);
    cairo_close_path(cr);
    StrokePreserve(cr, kBlack, 2.5, 0.7);
    FillWith(cr, LinearGradient(0, -9, 0, 0, {{0, kSilver}, {1, kSilverDark}}));
    cairo_restore(cr);
}

// The 32-px particle a piece bursts into.
void AddParticle(Catalogue& out, const std::string& path, Colour c) {
    AddSingle(out, path, 32, 32, [c](cairo_t* cr) { Glow(cr, 16, 16, 16, c, 1.0, 0.1); });
}

} // namespace

void AddPiecePictures(Catalogue& out) {
    for (int i = 0; i < 8; ++i) {
        std::string name = PieceColourAt(i).name;
        AddFramed(out, "media/blocks/big/" + name + ".png", kCell, kCell, 25, 5, [i](cairo_t* cr, int f) {
            const PieceColour& pc = PieceColourAt(i);
            FlipFrame(cr, f, pc.base, pc.light, pc.dark, SymbolForColour(i));
        });
        AddParticle(out, "media/blocks/big/particle-" + name + ".png", Lighten(PieceColourAt(i).base, 0.2));
    }
    for (int gold = 0; gold < 2; ++gold) {
        std::string name = gold ? "lettergold" : "letter";
        AddFramed(out, "media/blocks/bonus/" + name + ".png", kCell, kCell, 25, 5,
                  [gold](cairo_t* cr, int f) { LetterBrick(cr, f, gold); });
        AddParticle(out, "media/blocks/bonus/particle-" + name + ".png", gold ? kGold : kParchment);
    }
    AddFramed(out, "media/blocks/powerup-bomb.png", kCell, kCell, 8, 8, Bomb);
    AddSingle(out, "media/blocks/destroyhorizontal.png", kCell, kCell, [](cairo_t* cr) {
        SlateTile(cr, Rgb(120, 220, 255));
        DoubleArrow(cr, false, Rgb(120, 220, 255));
    });
    AddSingle(out, "media/blocks/destroyvertical.png", kCell, kCell, [](cairo_t* cr) {
        SlateTile(cr, Rgb(120, 220, 255));
        DoubleArrow(cr, true, Rgb(120, 220, 255));
    });
    AddSingle(out, "media/blocks/destroyverticalflash.png", 64, 128, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 64, 128);
        FillWith(cr, LinearGradient(0, 0, 64, 0,
                                    {{0, Colour{0.6, 0.9, 1}, 0},
                                     {0.3, Colour{0.6, 0.9, 1}, 0.35},
                                     {0.5, kWhite, 1},
                                     {0.7, Colour{0.6, 0.9, 1}, 0.35},
                                     {1, Colour{0.6, 0.9, 1}, 0}}));
    });
    AddSingle(out, "media/blocks/extra-life.png", kCell, kCell, ExtraLife);
    AddSingle(out, "media/blocks/quake.png", kCell, kCell, Quake);
    AddFramed(out, "media/blocks/crumbling/crumbling.png", 56, 56, 2, 2, [](cairo_t* cr, int f) {
        StoneBlock(cr, 2, 2, 51, Rgb(196, 166, 120), 41);
        if (f == 1) Cracks(cr, 2, 2, 51, 9, 2.2);
    });
    for (int i = 1; i <= 4; ++i)
        AddSingle(out, "media/blocks/crumbling/crumblingshrapnel" + std::to_string(i) + ".png", 16, 16,
                  [i](cairo_t* cr) {
                      Rng rng(i * 5);
                      cairo_move_to(cr, 8 + rng.Range(-6, -3), 8 + rng.Range(-6, -2));
                      cairo_line_to(cr, 8 + rng.Range(2, 6), 8 + rng.Range(-6, -3));
                      cairo_line_to(cr, 8 + rng.Range(3, 7), 8 + rng.Range(2, 6));
                      cairo_line_to(cr, 8 + rng.Range(-6, -2), 8 + rng.Range(3, 7));
                      cairo_close_path(cr);
                      FillPreserve(cr, Rgb(190, 160, 116));
                      Stroke(cr, Rgb(90, 70, 50), 1);
                  });
    for (int gold = 0; gold < 2; ++gold)
        AddFramed(out, gold ? "media/blocks/combogold.png" : "media/blocks/combosilver.png", kCell, kCell, 25,
                  5, [gold](cairo_t* cr, int f) {
                      if (gold)
                          Shimmer(cr, f, kGold, kGoldLight, kGoldDark);
                      else
                          Shimmer(cr, f, kSilver, kWhite, kSilverDark);
                  });
    AddFramed(out, "media/blocks/blank.png", kCell, kCell, 25, 5, [](cairo_t* cr, int f) {
        FlipFrame(cr, f, Rgb(196, 200, 210), kWhite, Rgb(96, 100, 116), Symbol::None);
    });
    AddSingle(out, "media/blocks/rainbowpiece.png", kCell, kCell, Rainbow);
    AddSingle(out, "media/blocks/lockpiece.png", kCell, kCell, [](cairo_t* cr) {
        SlateTile(cr, kGold);
        Padlock(cr, 24.5, 22, 30);
    });
    AddSingle(out, "media/blocks/key.png", kCell, kCell, [](cairo_t* cr) {
        SlateTile(cr, kGold);
        Key(cr, 24.5, 24.5, 36);
    });
    AddSingle(out, "media/blocks/stonepiece.png", kCell, kCell,
              [](cairo_t* cr) { StoneBlock(cr, 1, 1, kTile - 1, Rgb(128, 132, 140), 77); });
    AddSingle(out, "media/blocks/blocklocked.png", 48, 48, [](cairo_t* cr) {
        // brambles across the corners, open in the middle so the colour shows
        for (int i = 0; i < 2; ++i) {
            cairo_move_to(cr, i ? 48 : 0, 0);
            cairo_curve_to(cr, 20, 14, 28, 34, i ? 0 : 48, 48);
            Stroke(cr, Rgb(40, 26, 18), 5);
            cairo_move_to(cr, i ? 48 : 0, 0);
            cairo_curve_to(cr, 20, 14, 28, 34, i ? 0 : 48, 48);
            Stroke(cr, Rgb(112, 80, 52), 2.2);
        }
        RoundedRect(cr, 2, 2, 44, 44, 8);
        Stroke(cr, Rgb(40, 26, 18), 3.5);
        Padlock(cr, 24, 30, 16);
    });
    AddSingle(out, "media/blocks/destroylocked.png", 40, 40, [](cairo_t* cr) {
        Glow(cr, 20, 20, 20, kGoldLight, 0.6);
        for (int i = 0; i < 6; ++i) {
            double a = i * M_PI / 3;
            cairo_save(cr);
            cairo_translate(cr, 20, 20);
            cairo_rotate(cr, a);
            LeafPath(cr, 15, 5, 5, 13, 4);
            FillPreserve(cr, Rgb(255, 250, 250));
            Stroke(cr, Rgb(200, 120, 160), 1);
            cairo_restore(cr);
        }
        cairo_arc(cr, 20, 20, 4.5, 0, 2 * M_PI);
        Fill(cr, kGold);
    });
    AddSingle(out, "media/blocks/gold.png", 28, 28, [](cairo_t* cr) {
        cairo_arc(cr, 14, 14, 12.5, 0, 2 * M_PI);
        FillPreserveWith(cr, LinearGradient(2, 2, 26, 26, {{0, kGoldLight}, {0.5, kGold}, {1, kGoldDark}}));
        Stroke(cr, Darken(kGoldDark, 0.4), 1.2);
        SymbolPath(cr, Symbol::Leaf, 14, 14, 12);
        Fill(cr, kGoldDark, 0.8);
    });
    AddSingle(out, "media/blocks/scorebacking.png", 96, 48, [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 48, 24);
        cairo_scale(cr, 2, 1);
        Glow(cr, 0, 0, 24, kLantern, 0.8, 0.2);
        cairo_restore(cr);
    });
    AddSingle(out, "media/blocks/pickaxe.png", 40, 40, Pickaxe);
    AddFramed(out, "media/blocks/gem.png", 96, 96, 16, 4, Gem);
    // vines
    const char* vine = "media/blocks/big/vine/";
    std::pair<const char*, int> bodies[] = {
        {"vinebody_vertical", kTop | kBottom}, {"vinebody_horizontal", kLeft | kRight},
        {"vinebody_corner0", kTop | kRight},   {"vinebody_corner1", kRight | kBottom},
        {"vinebody_corner2", kBottom | kLeft}, {"vinebody_corner3", kLeft | kTop}};
    for (auto [name, edges] : bodies)
        AddSingle(out, std::string(vine) + name + ".png", kCell, kCell,
                  [edges = edges](cairo_t* cr) { VineStem(cr, edges, false); });
    int heads[4] = {kBottom, kLeft, kTop, kRight};
    for (int i = 0; i < 4; ++i)
        AddSingle(out, std::string(vine) + "vinehead" + std::to_string(i) + ".png", kCell, kCell,
                  [e = heads[i]](cairo_t* cr) { VineHead(cr, e, false); });
    AddSingle(out, std::string(vine) + "stonevinehead.png", kCell, kCell,
              [](cairo_t* cr) { VineHead(cr, 0, true); });
    AddSingle(out, std::string(vine) + "stonevinebody.png", kCell, kCell, [](cairo_t* cr) {
        VineStem(cr, kTop | kBottom | kLeft | kRight, true);
        cairo_arc(cr, 26, 26, 9, 0, 2 * M_PI); // a stone knot, the same from every side
        Fill(cr, Darken(kStone, 0.25));
        cairo_arc(cr, 24, 24, 5, 0, 2 * M_PI);
        Fill(cr, Lighten(kStone, 0.2));
    });
    // burst shards
    const char* parts[6] = {"topleft", "topright", "centerleft", "centerright", "bottomleft", "bottomright"};
    for (int p = 0; p < 6; ++p)
        AddFramed(out, std::string("media/crumble/") + parts[p] + ".png", 31, 30, 24, 8,
                  [p](cairo_t* cr, int f) { Shard(cr, p, f); });
    for (int i = 1; i <= 3; ++i)
        AddSingle(out, "media/crumble/bit" + std::to_string(i) + ".png", 12, 12, [i](cairo_t* cr) {
            StarPath(cr, 6, 6, 5.5, 2.5 + i * 0.4, 3 + i, i * 20.0);
            FillPreserve(cr, Rgb(210, 210, 210));
            Stroke(cr, Rgb(90, 90, 90), 0.8);
        });
    AddSingle(out, "media/path/corner.png", 48, 48, [](cairo_t* cr) { PathPiece(cr, true); });
    AddSingle(out, "media/path/straight.png", 48, 48, [](cairo_t* cr) { PathPiece(cr, false); });
}

} // namespace wispwood::mediagen
