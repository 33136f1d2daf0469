// The fairies and the guide in all their animated sheets.
#include <cmath>

#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"

namespace wispwood::mediagen {

using namespace palette;

FairyLook GirlLook() {
    return {.dress = kGirlDress, .hair = kHair};
}

FairyLook SpriteLook(int variant) {
    static const Colour dresses[3] = {Rgb(90, 190, 120), Rgb(250, 170, 60), Rgb(120, 170, 250)};
    return {.dress = dresses[variant % 3], .hair = variant % 2 ? Rgb(250, 220, 120) : Rgb(170, 90, 50)};
}

namespace {

void FlyingFrame(cairo_t* cr, int f, const FairyLook& look, double facing) {
    Fairy(cr, 52, 56, 84, look,
          {.wing = f / 3.0,
           .arm = 110,
           .lean = 18,
           .facing = facing,
           .bob = f == 1 ? -3.0 : 0.0,
           .flying = true});
}

// A tile holding a fairy: a dark glass bubble with a silver frame.
void FairyTileBack(cairo_t* cr) {
    JewelTile(cr, 1, 1, 47, Rgb(40, 70, 100), Rgb(110, 170, 210), Rgb(12, 24, 40));
    RoundedRect(cr, 4, 4, 41, 41, 7);
    Stroke(cr, kSilver, 1.4, 0.9);
}

void Book(cairo_t* cr, double cx, double cy, double scale, double open) {
    // a magic book seen from the front; `open` 0 = closed, 1 = spread flat
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    Glow(cr, 0, 0, 90, kMagic, 0.25 + 0.35 * open);
    double cover_w = 70;
    // back cover / right half
    RoundedRect(cr, -4, -52, cover_w + 8, 104, 6);
    Fill(cr, Rgb(90, 30, 60));
    double cw = cover_w * std::cos(open * M_PI);
    auto cover = [&](bool inside) {
        RoundedRect(cr, std::min(0.0, cw), -52, std::abs(cw) + 1, 104, 6);
        FillWith(cr, LinearGradient(0, -52, cover_w, 52, {{0, Rgb(160, 60, 110)}, {1, Rgb(80, 20, 50)}}));
        if (inside) return;
        cairo_save(cr);
        cairo_scale(cr, std::max(0.05, cw / cover_w), 1);
        RoundedRect(cr, 8, -44, cover_w - 16, 88, 4);
        Stroke(cr, kGold, 2);
        StarPath(cr, cover_w / 2, 0, 16, 7);
        Fill(cr, kGoldLight);
        cairo_restore(cr);
    };
    if (open > 0.5) cover(true); // the open cover lies under the left pages
    for (int side = 1; side >= -1; side -= 2) {
        double reach = side > 0 ? 1 : std::max(0.0, (open - 0.5) * 2);
        if (open <= 0 || reach <= 0) continue;
        cairo_move_to(cr, 0, -48);
        cairo_curve_to(cr, side * 20 * reach, -50, side * 50 * reach, -52, side * 66 * reach, -46);
        cairo_line_to(cr, side * 66 * reach, 46);
        cairo_curve_to(cr, side * 50 * reach, 50, side * 20 * reach, 52, 0, 48);
        cairo_close_path(cr);
        FillPreserve(cr, kParchment);
        Stroke(cr, kParchmentDark, 1);
        for (int l = 0; l < 7; ++l) {
            cairo_move_to(cr, side * 10 * reach, -30 + l * 10);
            cairo_line_to(cr, side * 54 * reach, -30 + l * 10);
        }
        Stroke(cr, kInk, 1, 0.35);
    }
    if (open > 0) Glow(cr, 0, -10, 50 * open, kLanternHot, 0.5 * open);
    if (open <= 0.5) cover(false);
    cairo_restore(cr);
}

} // namespace

void AddCharacterPictures(Catalogue& out) {
    for (int i = 0; i < 2; ++i)
        AddFramed(out, "media/mainmenu/fairy" + std::to_string(i) + ".png", 40, 40, 8, 8,
                  [i](cairo_t* cr, int f) {
                      Fairy(cr, 20, 20, 36, SpriteLook(i),
                            {.wing = f / 8.0 + i * 0.3, .arm = 40, .facing = i ? -1.0 : 1.0});
                  });
    AddFramed(out, "media/game/wizzle-point.png", 104, 104, 13, 5, [](cairo_t* cr, int f) {
        FairyLook look = GuideLook();
        look.wings = 1; // the near pair is the separate wings-left sheet
        Fairy(cr, 52, 58, 86, look, {.arm = 20 + f * 11.0, .lean = -f * 0.6}); // raising the staff to point
    });
    AddFramed(out, "media/game/wings-left.png", 104, 104, 3, 3, [](cairo_t* cr, int f) {
        FairyLook look = GuideLook();
        look.wings = 2;
        look.body = false;
        Fairy(cr, 52, 58, 86, look, {.wing = f / 3.0});
    });
    // the game's flying fairy wears the first sprite look, the bonus game's the second
    for (int bonus = 0; bonus < 2; ++bonus)
        for (int right = 0; right < 2; ++right)
            AddFramed(out,
                      std::string(bonus ? "media/bonus/" : "media/game/") + "fairy-fly-" +
                          (right ? "right" : "left") + ".png",
                      104, 104, 3, 3,
                      [=](cairo_t* cr, int f) { FlyingFrame(cr, f, SpriteLook(bonus), right ? 1 : -1); });
    AddFramed(out, "media/blocks/fairy-tile-b.png", 52, 52, 25, 5, [](cairo_t* cr, int f) {
        FairyTileBack(cr);
        double swing = (f - 12) / 12.0 * 28; // left for 0..11, right for 13..24
        cairo_save(cr);
        cairo_translate(cr, 24.5, 5);
        cairo_rotate(cr, -swing * M_PI / 180);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, 9);
        Stroke(cr, kSilver, 1);
        Fairy(cr, 0, 24, 34, SpriteLook(2), {.wing = f / 25.0, .arm = 160});
        cairo_restore(cr);
    });
    AddFramed(out, "media/blocks/fairy-tile-c.png", 52, 52, 8, 8, [](cairo_t* cr, int f) {
        FairyTileBack(cr);
        Fairy(cr, 24.5, 27, 36, SpriteLook(2),
              {.wing = f / 8.0,
               .arm = 30.0 + (f >= 2 && f <= 5 ? 60 : 0),
               .blink = f == 4 || f == 5 ? 1.0 : 0.0});
    });
    AddFramed(out, "media/blocks/fairy-tile-d.png", 52, 52, 8, 8, [](cairo_t* cr, int f) {
        FairyTileBack(cr);
        Fairy(cr, 24.5, 27, 36, SpriteLook(2),
              {.wing = f / 8.0, .arm = 40.0 + f * 17}); // waving higher frame by frame
    });
    AddFramed(out, "media/highscores/girl.png", 170, 170, 3, 3, [](cairo_t* cr, int f) {
        Fairy(cr, 85, 90, 140, GirlLook(), {.wing = f / 3.0, .arm = 70, .bob = f == 1 ? -2.0 : 0.0});
    });
    AddFramed(out, "media/quest/guy1.png", 200, 200, 2, 2, [](cairo_t* cr, int f) {
        // looking across the map
        Fairy(cr, 100, 104, 170, GuideLook(), {.arm = 35, .blink = double(f), .facing = -1});
    });
    AddFramed(out, "media/mainmenu/mybook.png", 192, 160, 10, 5, [](cairo_t* cr, int f) {
        if (f == 0) {
            Glow(cr, 96, 80, 90, kMagic, 0.6);
            Glow(cr, 96, 80, 50, kLanternHot, 0.4);
            return;
        }
        Book(cr, 96, 80, 1.0, (f - 1) / 8.0);
    });
    AddSingle(out, "media/mainmenu/mybook-big.png", 384, 320,
              [](cairo_t* cr) { Book(cr, 192, 160, 2.0, 1.0); });
}

} // namespace wispwood::mediagen
