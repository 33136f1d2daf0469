// Particles, glows, sparkles and confetti.
#include <cmath>

#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/paint_kit.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

void StarSprite(cairo_t* cr, double s, Colour tint) {
    Glow(cr, s / 2, s / 2, s / 2, tint, 0.55);
    SparklePath(cr, s / 2, s / 2, s * 0.48, s * 0.07);
    FillWith(cr, RadialGradient(s / 2, s / 2, 0, s / 2, s / 2, s / 2, {{0, kWhite}, {1, tint, 0.8}}));
}

void TwinkleSprite(cairo_t* cr, double s, Colour tint) {
    Glow(cr, s / 2, s / 2, s / 2, tint, 0.8, 0.05);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, i ? s / 2 : s * 0.12, i ? s * 0.12 : s / 2);
        cairo_line_to(cr, i ? s / 2 : s * 0.88, i ? s * 0.88 : s / 2);
    }
    Stroke(cr, Lighten(tint, 0.6), s * 0.06, 0.9);
    cairo_arc(cr, s / 2, s / 2, s * 0.1, 0, 2 * M_PI);
    Fill(cr, kWhite);
}

void Ring(cairo_t* cr, double s, double width, Colour c) {
    for (int i = 3; i >= 0; --i) {
        cairo_arc(cr, s / 2, s / 2, s / 2 - width * 1.6, 0, 2 * M_PI);
        Stroke(cr, i ? c : Lighten(c, 0.7), i ? width * (1 + i * 0.9) : width * 0.6, i ? 0.18 : 0.95);
    }
}

// A white streak across the whole picture, brightest along its middle row.
void Streak(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    FillWith(cr, LinearGradient(0, 0, 0, h, {{0, kWhite, 0}, {0.5, kWhite, 1}, {1, kWhite, 0}}));
}

// One confetti paper turning through a full spin over 32 frames.
void Confetti(cairo_t* cr, int frame, Colour c) {
    double t = frame / 32.0 * 2 * M_PI;
    cairo_save(cr);
    cairo_translate(cr, 16, 16);
    cairo_rotate(cr, t * 0.5 + 0.4);
    double sx = std::cos(t), sy = 0.55 + 0.45 * std::cos(t * 0.5 + 1.0);
    cairo_scale(cr, std::max(0.08, std::abs(sx)), std::max(0.15, std::abs(sy)));
    cairo_rectangle(cr, -9, -7, 18, 14);
    double shade = 0.55 + 0.45 * std::abs(sx);
    Colour face = sx >= 0 ? Scale(c, shade) : Scale(Darken(c, 0.25), shade);
    FillPreserve(cr, face);
    Stroke(cr, Darken(c, 0.5), 1, 0.6);
    cairo_restore(cr);
}

} // namespace

void AddEffectPictures(Catalogue& out) {
    struct Tinted {
        const char* suffix;
        Colour colour;
    } tints[] = {{"", kWhite}, {"-purple", kMagic}, {"-gold", kGold}};
    for (const Tinted& t : tints) {
        Colour c = t.colour;
        AddSingle(out, std::string("media/particles/star") + t.suffix + ".png", 32, 32,
                  [c](cairo_t* cr) { StarSprite(cr, 32, c); });
        AddSingle(out, std::string("media/particles/twinkle") + t.suffix + ".png", 32, 32,
                  [c](cairo_t* cr) { TwinkleSprite(cr, 32, c); });
    }
    AddSingle(out, "media/gui/star.png", 32, 32, [](cairo_t* cr) { StarSprite(cr, 32, kGoldLight); });
    AddSingle(out, "media/gui/twinkle.png", 32, 32, [](cairo_t* cr) { TwinkleSprite(cr, 32, kGoldLight); });
    AddSingle(out, "media/mainmenu/dust.png", 16, 16,
              [](cairo_t* cr) { Glow(cr, 8, 8, 8, kWhite, 1.0, 0.15); });
    AddSingle(out, "media/smoke.png", 64, 64, [](cairo_t* cr) {
        for (int i = 0; i < 6; ++i)
            Glow(cr, 32 + std::cos(i * 1.1) * 10, 32 + std::sin(i * 1.1) * 8, 20, Rgb(200, 206, 214), 0.3);
    });
    AddSingle(out, "media/mainmenu/vol-light.png", 128, 640, [](cairo_t* cr) {
        // a cone of light, bright at the top, fading to nothing below
        PolygonPath(cr, {{44, 0}, {84, 0}, {128, 640}, {0, 640}});
        FillWith(cr, LinearGradient(0, 0, 0, 640,
                                    {{0, Colour{1, 0.98, 0.9}, 0.9},
                                     {0.4, Colour{1, 0.96, 0.85}, 0.35},
                                     {1, Colour{1, 0.96, 0.85}, 0}}));
    });
    AddSingle(out, "media/particles/horizontal.png", 32, 6, [](cairo_t* cr) { Streak(cr, 32, 6); });
    AddSingle(out, "media/particles/horizontalsmall.png", 26, 5, [](cairo_t* cr) { Streak(cr, 26, 5); });
    // corners, unrotated at the top-right corner of a region: the two edges
    // meet at the sprite's centre, one running left and one running down
    auto corner = [](cairo_t* cr, double s, double r, bool outer) {
        double c = s / 2;
        if (outer) {
            cairo_move_to(cr, 0, c);
            cairo_arc(cr, c - r, c + r, r, -M_PI / 2, 0);
            cairo_line_to(cr, c, s);
        } else {
            cairo_move_to(cr, 0, c);
            cairo_line_to(cr, c, c);
            cairo_line_to(cr, c, s);
        }
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        StrokePreserve(cr, kWhite, s * 0.36, 0.35);
        Stroke(cr, kWhite, s * 0.18);
    };
    AddSingle(out, "media/particles/corner.png", 16, 16, [=](cairo_t* cr) { corner(cr, 16, 0, false); });
    AddSingle(out, "media/particles/smallcorner.png", 16, 16, [=](cairo_t* cr) { corner(cr, 16, 4, true); });
    AddSingle(out, "media/particles/cornersmall.png", 14, 14, [=](cairo_t* cr) { corner(cr, 14, 0, false); });
    AddSingle(out, "media/particles/smallcornersmall.png", 14, 14,
              [=](cairo_t* cr) { corner(cr, 14, 3.5, true); });
    AddSingle(out, "media/particles/comboquotasilver.png", 32, 32,
              [](cairo_t* cr) { Glow(cr, 16, 16, 16, kSilver, 1, 0.2); });
    AddSingle(out, "media/particles/comboquotagold.png", 32, 32,
              [](cairo_t* cr) { Glow(cr, 16, 16, 16, kGold, 1, 0.2); });
    AddSingle(out, "media/particles/addtoscore.png", 32, 32, [](cairo_t* cr) {
        Glow(cr, 16, 16, 16, kGold, 1, 0.1);
        cairo_arc(cr, 16, 16, 5, 0, 2 * M_PI);
        Fill(cr, kGoldLight);
    });
    AddSingle(out, "media/particles/wizzlestaff.png", 64, 64, [](cairo_t* cr) {
        Glow(cr, 32, 32, 32, kMagic, 0.7);
        for (int i = 0; i < 8; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 32, 32);
            cairo_rotate(cr, i * M_PI / 4);
            PolygonPath(cr, {{0, -3}, {i % 2 ? 20.0 : 31.0, 0}, {0, 3}});
            Fill(cr, kWhite, 0.8);
            cairo_restore(cr);
        }
        Glow(cr, 32, 32, 10, kWhite, 1);
    });
    struct Paper {
        const char* name;
        Colour colour;
    } papers[] = {{"blue", Rgb(60, 120, 255)},
                  {"purple", Rgb(160, 80, 240)},
                  {"white", Rgb(250, 250, 255)},
                  {"black", Rgb(40, 40, 52)}};
    for (const Paper& p : papers) {
        Colour c = p.colour;
        AddFramed(out, std::string("media/particles/f-") + p.name + ".png", 32, 32, 32, 8,
                  [c](cairo_t* cr, int f) { Confetti(cr, f, c); });
    }
    AddSingle(out, "media/highscores/glow.png", 128, 128,
              [](cairo_t* cr) { Glow(cr, 64, 64, 64, Lighten(kLantern, 0.5), 0.9, 0.05); });
    AddSingle(out, "media/game/quotasprite.png", 24, 24, [](cairo_t* cr) {
        Glow(cr, 12, 12, 12, kFirefly, 1, 0.15);
        Glow(cr, 12, 12, 4, kWhite, 1);
    });
    AddSingle(out, "media/game/quotafiresprite.png", 24, 24, [](cairo_t* cr) {
        Glow(cr, 12, 12, 12, Rgb(255, 140, 40), 1, 0.15);
        Glow(cr, 12, 12, 5, kLanternHot, 1);
    });
    AddSingle(out, "media/game/quotaspritetrail.png", 16, 16,
              [](cairo_t* cr) { Glow(cr, 8, 8, 8, kFirefly, 0.7); });
    AddSingle(out, "media/game/quotadone.png", 64, 64, [](cairo_t* cr) { Ring(cr, 64, 3, kFirefly); });
    AddSingle(out, "media/game/quotadonethin.png", 64, 64,
              [](cairo_t* cr) { Ring(cr, 64, 1.5, kGoldLight); });
    AddSingle(out, "media/game/timer-backing-glow.png", 140, 140,
              [](cairo_t* cr) { Glow(cr, 70, 70, 70, Mix(kFirefly, kGold, 0.4), 0.85, 0.55); });
    AddSingle(out, "media/game/timer-backing-glow-red.png", 140, 140,
              [](cairo_t* cr) { Glow(cr, 70, 70, 70, Rgb(255, 60, 50), 0.9, 0.55); });
    AddSingle(out, "media/gui/button-glow.png", 128, 64, [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 64, 32);
        cairo_scale(cr, 2, 1);
        Glow(cr, 0, 0, 32, kLanternHot, 0.7, 0.3);
        cairo_restore(cr);
    });
}

} // namespace wispwood::mediagen
