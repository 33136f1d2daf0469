// Interface plates: buttons, dialogs, fields, sliders, cursors and panels.
#include <cmath>

#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

// Leafy flourishes on the two upper corners of a panel.
void CornerLeaves(cairo_t* cr, double w, double size) {
    for (int side = 0; side < 2; ++side) {
        cairo_save(cr);
        if (side) {
            cairo_translate(cr, w, 0);
            cairo_scale(cr, -1, 1);
        }
        for (int i = 0; i < 4; ++i) {
            cairo_save(cr);
            cairo_translate(cr, size * 0.3, size * 0.3);
            cairo_rotate(cr, -0.2 + i * 0.45);
            LeafPath(cr, size, size * 0.3, size * 0.25, size * 0.7, size * 0.15);
            FillPreserve(cr, i % 2 ? kLeaf : kMoss);
            Stroke(cr, kDeepGreen, 1);
            cairo_restore(cr);
        }
        Glow(cr, size * 0.3, size * 0.3, size * 0.35, kLantern, 0.7);
        cairo_arc(cr, size * 0.3, size * 0.3, size * 0.08, 0, 2 * M_PI);
        Fill(cr, kLanternHot);
        cairo_restore(cr);
    }
}

// A parchment panel with leafy corners.
void AddPanel(Catalogue& out, const std::string& path, int w, int h) {
    AddSingle(out, path, w, h, [=](cairo_t* cr) {
        Plate(cr, 6, 6, w - 14, h - 14, 16, PlateKind::Parchment);
        CornerLeaves(cr, w, std::min(44.0, h * 0.25));
    });
}

void AddButton(Catalogue& out, const std::string& path, int w, int h, PlateKind kind,
               bool highlighted = false) {
    AddSingle(out, path, w, h, [=](cairo_t* cr) {
        Plate(cr, 2, 2, w - 5, h - 5, std::min(h / 2.0 - 2, 14.0), kind, highlighted);
    });
}

void ArrowCursor(cairo_t* cr) {
    // tip at pixel (5, 0)
    PolygonPath(cr, {{5, 0.5}, {5, 24}, {10.5, 18.5}, {15, 28}, {19, 26}, {14.5, 17}, {22, 17}});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    StrokePreserve(cr, kInk, 2);
    FillWith(cr, LinearGradient(5, 0, 20, 26, {{0, kGoldLight}, {1, kGold}}));
}

void HandCursor(cairo_t* cr) {
    // fingertip at (8, 2)
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 5, 5);
    cairo_arc(cr, 8, 5, 3, M_PI, 2 * M_PI);
    cairo_line_to(cr, 11, 14);
    cairo_arc(cr, 14, 14, 2.6, M_PI, 2 * M_PI);
    cairo_arc(cr, 19, 15, 2.6, M_PI, 2 * M_PI);
    cairo_arc(cr, 24, 16.5, 2.6, M_PI, 2 * M_PI);
    cairo_line_to(cr, 26.6, 24);
    cairo_curve_to(cr, 26, 29, 22, 31, 17, 31);
    cairo_curve_to(cr, 12, 31, 9, 29, 6, 25);
    cairo_line_to(cr, 2, 19);
    cairo_curve_to(cr, 1, 17, 3, 15.5, 5, 17);
    cairo_close_path(cr);
    StrokePreserve(cr, kInk, 2);
    Fill(cr, kWhite);
    for (double x : {14.0, 19.0}) {
        cairo_move_to(cr, x + 2.4, 15);
        cairo_line_to(cr, x + 2.4, 20);
    }
    Stroke(cr, kInk, 1, 0.6);
}

void LoadingBar(cairo_t* cr, bool gold) {
    RoundedRect(cr, 1, 1, 398, 30, 14);
    FillPreserve(cr, kWoodDark);
    Stroke(cr, kGoldDark, 2);
    RoundedRect(cr, 6, 7, 388, 18, 9);
    if (gold) {
        FillWith(cr, LinearGradient(0, 7, 0, 25, {{0, kGoldLight}, {0.5, kGold}, {1, kGoldDark}}));
        for (int i = 0; i < 12; ++i) Glow(cr, 20 + i * 33, 16, 10, kLanternHot, 0.5);
    } else {
        Fill(cr, Rgb(16, 22, 30));
    }
}

} // namespace

void AddInterfacePictures(Catalogue& out) {
    AddButton(out, "media/gui/button-big.png", 250, 70, PlateKind::Wood);
    AddButton(out, "media/gui/button-mainmenu.png", 192, 40, PlateKind::Wood);
    AddButton(out, "media/gui/button-empty.png", 160, 40, PlateKind::Wood);
    AddButton(out, "media/gui/button-empty-small.png", 120, 40, PlateKind::Wood);
    AddButton(out, "media/gui/button-sidebar.png", 120, 40, PlateKind::Wood);
    AddButton(out, "media/gui/selectable.png", 160, 36, PlateKind::Glass);
    AddSingle(out, "media/options/tick.png", 160, 36, [](cairo_t* cr) {
        // the chosen state: a gold rim and a glowing leaf mark at the left
        RoundedRect(cr, 2, 2, 155, 31, 14);
        Stroke(cr, kGold, 2.5);
        Glow(cr, 20, 18, 16, kFirefly, 0.6);
        cairo_move_to(cr, 12, 18);
        cairo_line_to(cr, 18, 24);
        cairo_line_to(cr, 29, 10);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        StrokePreserve(cr, kInk, 5);
        Stroke(cr, kFirefly, 3);
    });
    AddSingle(out, "media/gui/slider.png", 216, 56, [](cairo_t* cr) {
        // the groove runs from x 20 to 196 at y 41
        RoundedRect(cr, 12, 35, 192, 12, 6);
        FillPreserve(cr, kWoodDark);
        Stroke(cr, kGoldDark, 1.5);
        cairo_move_to(cr, 20, 41);
        cairo_line_to(cr, 196, 41);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Stroke(cr, Rgb(10, 14, 20), 4);
        for (int i = 0; i <= 4; ++i) {
            cairo_move_to(cr, 20 + i * 44, 48);
            cairo_line_to(cr, 20 + i * 44, 52);
        }
        Stroke(cr, kGold, 1.2, 0.7);
    });
    AddSingle(out, "media/gui/slidergadget.png", 24, 24, [](cairo_t* cr) {
        Glow(cr, 12, 12, 12, kLantern, 0.5);
        cairo_arc(cr, 12, 12, 8, 0, 2 * M_PI);
        FillPreserveWith(cr, RadialGradient(9, 9, 1, 12, 12, 9, {{0, kGoldLight}, {1, kGoldDark}}));
        Stroke(cr, kInk, 1.2);
    });
    AddPanel(out, "media/gui/container.png", 400, 440);
    // Taller than the dialog panel: the options have six rows of choices.
    AddPanel(out, "media/options/backing.png", 400, 520);
    AddSingle(out, "media/gui/pointer.png", 32, 32, ArrowCursor);
    AddSingle(out, "media/gui/pointerhand.png", 32, 32, HandCursor);
    AddButton(out, "media/profilemenu/profilename.png", 260, 40, PlateKind::Glass);
    AddButton(out, "media/profilemenu/profilenameselected.png", 260, 40, PlateKind::Glass, true);
    AddPanel(out, "media/profilemenu/newcontainer.png", 384, 230);
    AddButton(out, "media/profilemenu/textbox.png", 240, 40, PlateKind::Glass);
    AddPanel(out, "media/help/helpcontainer.png", 544, 200);
    AddPanel(out, "media/game/level-container.png", 582, 500);
    AddSingle(out, "media/tutorial/arrow.png", 40, 72, [](cairo_t* cr) {
        // points up; the tip is the top centre
        PolygonPath(cr, {{20, 1}, {38, 26}, {27, 26}, {27, 70}, {13, 70}, {13, 26}, {2, 26}});
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        StrokePreserve(cr, kInk, 2.5);
        FillWith(cr, LinearGradient(0, 0, 0, 72, {{0, kGoldLight}, {1, kGoldDark}}));
    });
    AddSingle(out, "media/load/loading-bar.png", 400, 32, [](cairo_t* cr) { LoadingBar(cr, false); });
    AddSingle(out, "media/load/loading-bar-gold.png", 400, 32, [](cairo_t* cr) { LoadingBar(cr, true); });
    AddSingle(out, "media/bonus/container.png", 300, 60, [](cairo_t* cr) {
        Plate(cr, 6, 6, 286, 30, 12, PlateKind::Stone);
        for (int i = 0; i < 9; ++i) {
            cairo_arc(cr, 20 + i * 33, 40, 6 + (i % 3), 0, M_PI);
            Fill(cr, i % 2 ? kLeaf : kMoss);
        }
    });
    AddSingle(out, "media/bonus/tick.png", 24, 24, [](cairo_t* cr) {
        Glow(cr, 12, 12, 12, kFirefly, 0.9, 0.2);
        StarPath(cr, 12, 12, 8, 3.5);
        Fill(cr, kWhite);
    });
    AddSingle(out, "media/bonus/tickbase.png", 24, 24, [](cairo_t* cr) {
        cairo_arc(cr, 12, 12, 9, 0, 2 * M_PI);
        FillPreserve(cr, Rgb(14, 20, 28), 0.85);
        Stroke(cr, kGoldDark, 2);
    });
    AddSingle(out, "media/bonus/strike.png", 48, 48, [](cairo_t* cr) {
        cairo_move_to(cr, 10, 10);
        cairo_line_to(cr, 38, 38);
        cairo_move_to(cr, 38, 10);
        cairo_line_to(cr, 10, 38);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        StrokePreserve(cr, Rgb(60, 0, 0), 10);
        Stroke(cr, Rgb(230, 50, 50), 6);
    });
    AddSingle(out, "media/bonus/oops.png", 96, 64, [](cairo_t* cr) {
        StarPath(cr, 48, 32, 31, 20, 9);
        FillPreserve(cr, Rgb(200, 40, 50));
        Stroke(cr, Rgb(80, 0, 10), 2);
        TextPath(cr, Face::Rounded, 22, "OOPS", 48, 40);
        StrokePreserve(cr, Rgb(80, 0, 10), 3);
        Fill(cr, kWhite);
    });
}

} // namespace wispwood::mediagen
