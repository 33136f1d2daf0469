// Full-screen paintings: loading, logos, title, high scores, comics menu
// backdrop, and the board backgrounds with their cut-outs.
#include <cmath>

#include "tools/mediagen/core/rng.h"
#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"
#include "tools/mediagen/pictures/sheet.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

Raster Painting(const SceneRecipe& recipe, const std::function<void(cairo_t*)>& extra = {}) {
    Canvas canvas(800, 600);
    Landscape(canvas, recipe);
    if (extra) extra(canvas.Cr());
    return canvas.ToRaster();
}

// The title logo: pale moonlit lettering (blue above 128, so it sparkles)
// with a purple outline; transparent elsewhere.
void Logo(cairo_t* cr) {
    Glow(cr, 240, 96, 200, kMagic, 0.0);
    // The lettering is sized to the picture: the title screen uncovers the
    // logo up to its edges, so anything past them would be cut off there.
    double size = 112, x1, y1, x2, y2;
    TextPath(cr, Face::Display, size, "Wispwood", 240, 122);
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_new_path(cr);
    if (x2 - x1 > 430) size *= 430 / (x2 - x1);
    Title(cr, "Wispwood", 240, 122, size, kLogoFace, kLogoOutline);
    for (int i = 0; i < 6; ++i) {
        double x = 60 + i * 75, y = 30 + (i % 2) * 120;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        SparklePath(cr, 0, 0, 9, 1.5);
        Fill(cr, Rgb(230, 240, 255));
        cairo_restore(cr);
    }
}

// The hanging sign the two small fairies sit on.
void Sign(cairo_t* cr) {
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, 150 + s * 100, 0);
        cairo_line_to(cr, 150 + s * 100, 60);
        Stroke(cr, Rgb(200, 180, 140), 4);
    }
    Plate(cr, 20, 50, 260, 170, 24, PlateKind::Wood);
    for (auto [word, y] : {std::pair{"Enchanted", 128}, {"Forest", 186}}) {
        TextPath(cr, Face::Display, 54, word, 150, y);
        StrokePreserve(cr, Rgb(60, 40, 30), 4);
        Fill(cr, Rgb(236, 240, 255));
    }
    for (int i = 0; i < 7; ++i) {
        cairo_arc(cr, 40 + i * 37, 222 + (i % 2) * 6, 8, 0, 2 * M_PI);
        Fill(cr, i % 2 ? kLeaf : kMoss);
    }
}

// Cut-outs for the board scenery, each on transparency.
struct CutOutSize {
    const char* name;
    int w, h;
};
constexpr CutOutSize kCutOuts[] = {
    {"fern", 160, 200},      {"mushrooms", 140, 120},  {"glowcap", 64, 80},   {"lantern", 64, 128},
    {"mossrock", 180, 110},  {"roots", 240, 140},      {"vines", 120, 260},   {"bellflowers", 96, 120},
    {"reeds", 120, 180},     {"lilypads", 200, 80},    {"trunk", 140, 600},   {"branch", 320, 140},
    {"fireflies", 200, 200}, {"lightshaft", 160, 480}, {"fogbank", 400, 120}, {"moon", 96, 96}};

Raster CutOut(const CutOutSize& cut) {
    const std::string name = cut.name;
    const int w = cut.w, h = cut.h;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    Rng rng(std::hash<std::string>{}(name)&0xFFFF);
    auto leaf = [&](double x, double y, double a, double len, Colour c) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        LeafPath(cr, len, len * 0.3, len * 0.3, len * 0.75, len * 0.22);
        Fill(cr, c);
        cairo_restore(cr);
    };
    if (name == "fern") {
        for (int i = 0; i < 7; ++i) {
            double a = -M_PI / 2 + (i - 3) * 0.32;
            cairo_save(cr);
            cairo_translate(cr, w / 2.0, h);
            cairo_rotate(cr, a);
            for (int k = 1; k < 14; ++k) {
                double t = k / 14.0;
                leaf(t * h * 0.9, 0, -1.1, h * 0.16 * (1 - t * 0.6), Mix(kLeaf, kMoss, t));
                leaf(t * h * 0.9, 0, 1.1, h * 0.16 * (1 - t * 0.6), Mix(kLeaf, kMoss, 1 - t));
            }
            cairo_restore(cr);
        }
    } else if (name == "mushrooms") {
        Mushroom(cr, 40, h, 70, Rgb(220, 70, 80), false);
        Mushroom(cr, 90, h, 50, Rgb(240, 140, 70), false);
        Mushroom(cr, 118, h, 30, Rgb(220, 70, 80), false);
    } else if (name == "glowcap") {
        Glow(cr, w / 2.0, h * 0.55, w / 2.0, Rgb(90, 200, 230), 0.5);
        Mushroom(cr, w / 2.0, h, 44, Rgb(90, 200, 230), false);
    } else if (name == "lantern") {
        cairo_move_to(cr, 32, 0);
        cairo_line_to(cr, 32, 40);
        Stroke(cr, Rgb(40, 30, 24), 2);
        Lantern(cr, 32, 40, 44);
    } else if (name == "mossrock") {
        cairo_move_to(cr, 6, h);
        cairo_curve_to(cr, 0, 50, 50, 6, 100, 10);
        cairo_curve_to(cr, 150, 12, 184, 60, 174, h);
        cairo_close_path(cr);
        FillWith(cr, LinearGradient(20, 10, 160, h, {{0, Lighten(kStone, 0.1)}, {1, Darken(kStone, 0.6)}}));
        for (int i = 0; i < 30; ++i) {
            cairo_arc(cr, rng.Range(30, 150), rng.Range(10, 40), rng.Range(4, 10), 0, 2 * M_PI);
            Fill(cr, Mix(kMoss, kLeaf, rng.Unit()), 0.9);
        }
    } else if (name == "roots") {
        for (int i = 0; i < 9; ++i) {
            cairo_move_to(cr, 120 + rng.Range(-20, 20), 0);
            cairo_curve_to(cr, rng.Range(40, 200), 60, rng.Range(0, 240), 100, rng.Range(0, 240), h);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            Colour root = Mix(kBark, kBarkLight, rng.Unit());
            Stroke(cr, root, rng.Range(6, 16));
        }
    } else if (name == "vines") {
        for (int v = 0; v < 4; ++v) {
            double x = 20 + v * 27;
            double len = rng.Range(150, 255);
            cairo_move_to(cr, x, 0);
            for (double y = 0; y < len; y += 10) cairo_line_to(cr, x + std::sin(y / 30 + v) * 6, y);
            Stroke(cr, kMoss, 2.5);
            for (double y = 12; y < len; y += 16)
                leaf(x + std::sin(y / 30 + v) * 6, y, (int(y) / 16 % 2) ? 0.6 : M_PI - 0.6, 14, kLeaf);
        }
    } else if (name == "bellflowers") {
        for (int i = 0; i < 5; ++i) {
            double x = 14 + i * 17;
            cairo_move_to(cr, x, h);
            cairo_curve_to(cr, x, 60, x + 10, 40, x + 14, 30 + i * 6);
            Stroke(cr, kMoss, 2);
            double bx = x + 14, by = 34 + i * 6;
            cairo_move_to(cr, bx - 7, by + 12);
            cairo_curve_to(cr, bx - 7, by, bx + 7, by, bx + 7, by + 12);
            cairo_line_to(cr, bx - 7, by + 12);
            Fill(cr, Rgb(120, 150, 255));
            Glow(cr, bx, by + 10, 10, Rgb(160, 190, 255), 0.5);
        }
    } else if (name == "reeds") {
        for (int i = 0; i < 9; ++i) {
            double x = 10 + i * 12;
            double top = rng.Range(10, 60);
            cairo_move_to(cr, x, h);
            cairo_curve_to(cr, x, h - 60, x + rng.Range(-8, 8), top + 30, x + rng.Range(-6, 6), top);
            Stroke(cr, Mix(kMoss, kLeaf, rng.Unit()), 3);
            if (i % 3 == 0) {
                RoundedRect(cr, x - 4, top + 8, 8, 24, 4);
                Fill(cr, kBark);
            }
        }
    } else if (name == "lilypads") {
        for (int i = 0; i < 4; ++i) {
            double x = 30 + i * 46, y = 50 + (i % 2) * 12;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, 24, 9);
            cairo_arc(cr, 0, 0, 1, 0.3, 2 * M_PI - 0.1);
            cairo_line_to(cr, 0, 0);
            cairo_restore(cr);
            Fill(cr, Mix(kLeaf, kMoss, i * 0.3));
        }
        for (int p = 0; p < 6; ++p) leaf(100, 42, -M_PI / 2 + (p - 2.5) * 0.4, 20, Rgb(250, 200, 230));
    } else if (name == "trunk") {
        cairo_move_to(cr, 20, h);
        cairo_curve_to(cr, 40, 400, 44, 200, 40, 0);
        cairo_line_to(cr, 100, 0);
        cairo_curve_to(cr, 96, 200, 100, 400, 120, h);
        cairo_close_path(cr);
        FillWith(cr, LinearGradient(20, 0, 120, 0, {{0, Lighten(kNearTrees, 0.12)}, {1, kNearTrees}}));
        for (int i = 0; i < 12; ++i) {
            double y = rng.Range(0, h);
            cairo_move_to(cr, 50, y);
            cairo_curve_to(cr, 60, y + 20, 70, y + 10, 90, y + 30);
            Stroke(cr, kBlack, 2, 0.3);
        }
    } else if (name == "branch") {
        cairo_move_to(cr, 0, 30);
        cairo_curve_to(cr, 100, 40, 200, 60, 310, 100);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Stroke(cr, kNearTrees, 14);
        for (int i = 0; i < 40; ++i) {
            double t = rng.Unit();
            leaf(t * 300, 30 + t * 70 + rng.Range(-6, 6), rng.Range(0.5, 2.6), rng.Range(18, 30),
                 Mix(kNearTrees, kLeaf, rng.Range(0.2, 0.6)));
        }
    } else if (name == "fireflies") {
        Fireflies(cr, 20, 20, w - 40, h - 40, 24, 11, 1.4);
    } else if (name == "lightshaft") {
        PolygonPath(cr, {{10, 0}, {70, 0}, {150, double(h)}, {60, double(h)}});
        FillWith(cr, LinearGradient(0, 0, 0, h, {{0, kMoon, 0.8}, {1, kMoon, 0}}));
        canvas.Blur(8);
    } else if (name == "fogbank") {
        for (int i = 0; i < 18; ++i)
            Glow(cr, rng.Range(60, w - 60), rng.Range(50, 80), rng.Range(40, 70), kFog, 0.35);
    } else if (name == "moon") {
        Glow(cr, 48, 48, 48, kMoon, 0.5);
        cairo_arc(cr, 48, 48, 22, 0, 2 * M_PI);
        Fill(cr, kMoon);
    }
    return canvas.ToRaster();
}

struct Board {
    const char* name;
    SceneRecipe recipe;
};

// The board backgrounds: each varies the woodland recipe its own way.
const Board kBoards[] = {
    {"mossy_hollow", {.seed = 11, .lanterns = true}},
    {"lantern_brook", {.seed = 12, .horizon = Rgb(120, 90, 140), .water = true, .lanterns = true}},
    {"toadstool_glen", {.seed = 13, .horizon = Rgb(160, 90, 150), .mushrooms = true}},
    {"whispering_pines", {.seed = 14, .horizon = Rgb(90, 120, 160), .tree_density = 1.4, .fog = 0.9}},
    {"starfall_rise", {.seed = 15, .horizon_y = 0.7, .stars = 260, .tree_layers = 2}},
    {"moonlit_pool", {.seed = 16, .horizon = Rgb(80, 100, 150), .moon_x = 0.5, .water = true}},
    {"fern_gully", {.seed = 17, .horizon = Rgb(110, 150, 120), .light_shafts = 4}},
    {"willow_bend", {.seed = 18, .moon_x = 0.2, .tree_density = 0.8, .water = true}},
    {"glowcap_cavern",
     {.seed = 19, .sky_top = Rgb(8, 10, 20), .horizon = Rgb(60, 50, 90), .moon = false, .mushrooms = true}},
    {"temple_steps", {.seed = 20, .horizon = Rgb(200, 120, 90), .lanterns = true}},
    {"dawn_glade",
     {.seed = 21,
      .sky_top = Rgb(60, 90, 160),
      .sky_low = Rgb(160, 150, 200),
      .horizon = Rgb(255, 200, 140),
      .moon = false,
      .stars = 0,
      .light_shafts = 4,
      .brightness = 1.25}},
};

} // namespace

const SceneRecipe& BoardRecipe(const std::string& name) {
    for (const Board& b : kBoards)
        if (name == b.name) return b.recipe;
    return kBoards[0].recipe;
}

void AddStoryPictures(Catalogue& out) {
    for (const Board& b : kBoards)
        AddPicture(out, std::string("media/backgrounds/") + b.name + ".jpg",
                   [&b] { return Painting(b.recipe); });
    for (const CutOutSize& cut : kCutOuts)
        AddPicture(out, std::string("media/backgrounds/cutouts/") + cut.name + ".png",
                   [&cut] { return CutOut(cut); });
    AddPicture(out, "media/load/loading.jpg", [] {
        return Painting({.seed = 2, .lanterns = true}, [](cairo_t* cr) {
            Title(cr, "Wispwood", 400, 250, 120, kLogoFace, kLogoOutline);
        });
    });
    AddSingle(out, "media/Load/Logo.jpg", 800, 600, [](cairo_t* cr) {
        // the studio splash: a lantern over a quiet glade
        cairo_set_source_rgb(cr, 0.03, 0.05, 0.08);
        cairo_paint(cr);
        Glow(cr, 400, 260, 260, kLantern, 0.3);
        Lantern(cr, 400, 160, 110);
        TextPath(cr, Face::Rounded, 44, "Lanternlight Studio", 400, 420);
        Fill(cr, kLanternHot);
    });
    AddPicture(out, "media/Load/Logo2.jpg", [] {
        return Painting({.seed = 3, .fireflies = 90}, [](cairo_t* cr) {
            Title(cr, "Wispwood", 400, 330, 140, kLogoFace, kLogoOutline);
        });
    });
    AddPicture(out, "media/mainmenu/background.jpg", [] {
        // the menu adds its own swinging beams
        return Painting({.seed = 4, .mushrooms = true, .light_shafts = 0});
    });
    AddSingle(out, "media/mainmenu/logo.png", 480, 180, Logo);
    AddSingle(out, "media/mainmenu/logoA.png", 300, 260, Sign);
    AddPicture(out, "media/highscores/background.jpg", [] {
        return Painting({.seed = 5}, [](cairo_t* cr) {
            // a great scroll for the table
            Plate(cr, 140, 80, 520, 470, 20, PlateKind::Parchment);
        });
    });
    AddSingle(out, "media/comicsmenu/backing.jpg", 800, 600, [](cairo_t* cr) {
        cairo_set_source_rgb(cr, 0.12, 0.06, 0.08);
        cairo_paint(cr);
        Plate(cr, 20, 20, 760, 560, 24, PlateKind::Wood);
        for (int s = 0; s < 2; ++s) {
            cairo_rectangle(cr, 44 + s * 362, 40, 350, 520);
            FillWith(cr, LinearGradient(44 + s * 362, 0, 394 + s * 362, 0,
                                        {{0, s ? Darken(kParchment, 0.15) : kParchment},
                                         {1, s ? kParchment : Darken(kParchment, 0.15)}}));
        }
    });
}

} // namespace wispwood::mediagen
