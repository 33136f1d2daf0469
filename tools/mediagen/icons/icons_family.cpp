// The icons family: the logo's lettering reduced to its initial on a night
// sky tile, painted at every size the desktop asks for (a vector drawing per
// size, so the small ones stay sharp instead of being shrunk pictures).
#include <cstdio>
#include <string>

#include "tools/mediagen/core/family.h"
#include "tools/mediagen/icons/icon_sizes.h"
#include "tools/mediagen/pictures/paint_kit.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

constexpr double kDesign = 256; // the icon is drawn on a 256 x 256 design

void PaintIcon(cairo_t* cr, int size) {
    cairo_scale(cr, size / kDesign, size / kDesign);
    RoundedRect(cr, 8, 8, 240, 240, 44);
    FillWith(cr, LinearGradient(0, 8, 0, 248, {{0, kSkyTop}, {1, kSkyMid}}));
    Glow(cr, 128, 120, 120, kMagic, 0.55);
    Title(cr, "W", 128, 200, 200, kLogoFace, kLogoOutline);
    // The logo's sparkles; below 32 pixels they would be specks of noise.
    if (size >= 32) {
        for (auto [x, y, r] : {std::tuple{52.0, 56.0, 16.0}, {206.0, 74.0, 12.0}, {196.0, 206.0, 9.0}}) {
            SparklePath(cr, x, y, r, r / 6);
            Fill(cr, Rgb(230, 240, 255));
        }
    }
}

int RunIcons(const FamilyContext& context) {
    for (int size : kIconSizes) {
        Canvas canvas(size, size);
        PaintIcon(canvas.Cr(), size);
        std::string name = IconFileName(size);
        if (!WriteFileIfChanged(context.media_dir / "icons" / name, EncodePng(canvas.ToRaster()))) {
            std::fprintf(stderr, "mediagen: could not write icons/%s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace

std::string IconFileName(int size) {
    return "wispwood-" + std::to_string(size) + ".png";
}

WISPWOOD_MEDIA_FAMILY("icons", RunIcons);

} // namespace wispwood::mediagen
