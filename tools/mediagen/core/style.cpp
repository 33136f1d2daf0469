#include "tools/mediagen/core/style.h"

#include <algorithm>

namespace wispwood::mediagen {

Colour Mix(Colour a, Colour b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Colour Scale(Colour c, double f) {
    return Colour{std::min(1.0, c.r * f), std::min(1.0, c.g * f), std::min(1.0, c.b * f)};
}
Colour Lighten(Colour c, double t) {
    return Mix(c, Colour{1, 1, 1}, t);
}
Colour Darken(Colour c, double t) {
    return Mix(c, Colour{0, 0, 0}, t);
}

const PieceColour& PieceColourAt(int index) {
    static const PieceColour colours[8] = {
        {"yellow", Rgb(255, 214, 40), Rgb(255, 246, 170), Rgb(168, 116, 0)},
        {"orange", Rgb(255, 128, 24), Rgb(255, 204, 130), Rgb(164, 60, 0)},
        {"red", Rgb(226, 30, 44), Rgb(255, 140, 140), Rgb(118, 0, 14)},
        {"purple", Rgb(128, 56, 220), Rgb(204, 170, 255), Rgb(58, 14, 120)},
        {"magenta", Rgb(236, 54, 178), Rgb(255, 170, 230), Rgb(126, 8, 92)},
        {"blue", Rgb(36, 104, 240), Rgb(150, 196, 255), Rgb(8, 38, 130)},
        {"turquoise", Rgb(22, 206, 200), Rgb(170, 255, 246), Rgb(0, 104, 110)},
        {"green", Rgb(60, 196, 54), Rgb(184, 255, 160), Rgb(10, 98, 20)},
    };
    return colours[std::clamp(index, 0, 7)];
}

} // namespace wispwood::mediagen
