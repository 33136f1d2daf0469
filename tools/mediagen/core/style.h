#pragma once
// The one art direction of the whole tree: an enchanted woodland at dusk.
// Every painter takes its colours and its light from here, so the set stays
// coherent and a change of mood is made in one place.
#include <cmath>
#include <cstdint>

namespace wispwood::mediagen {

struct Colour {
    double r = 0, g = 0, b = 0;
};

constexpr Colour Rgb(int r, int g, int b) {
    return Colour{r / 255.0, g / 255.0, b / 255.0};
}
Colour Mix(Colour a, Colour b, double t);
Colour Scale(Colour c, double factor);
Colour Lighten(Colour c, double t); // toward white
Colour Darken(Colour c, double t);  // toward black

namespace palette {
// Sky and distance.
inline constexpr Colour kSkyTop = Rgb(14, 20, 46);
inline constexpr Colour kSkyMid = Rgb(38, 52, 98);
inline constexpr Colour kSkyGlow = Rgb(214, 132, 108); // the last of the sunset at the horizon
inline constexpr Colour kFog = Rgb(150, 176, 196);
inline constexpr Colour kMoon = Rgb(236, 240, 255);
// Woodland.
inline constexpr Colour kFarTrees = Rgb(44, 66, 94);
inline constexpr Colour kNearTrees = Rgb(8, 20, 22);
inline constexpr Colour kMoss = Rgb(66, 122, 64);
inline constexpr Colour kLeaf = Rgb(52, 108, 70);
inline constexpr Colour kDeepGreen = Rgb(18, 48, 38);
inline constexpr Colour kBark = Rgb(74, 52, 40);
inline constexpr Colour kBarkLight = Rgb(134, 98, 70);
inline constexpr Colour kStone = Rgb(118, 124, 132);
inline constexpr Colour kWater = Rgb(40, 76, 110);
// Light.
inline constexpr Colour kLantern = Rgb(255, 196, 92);
inline constexpr Colour kLanternHot = Rgb(255, 238, 180);
inline constexpr Colour kFirefly = Rgb(218, 255, 140);
inline constexpr Colour kMagic = Rgb(186, 132, 255); // the fairies' purple
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kBlack = Rgb(0, 0, 0);
// Interface.
inline constexpr Colour kWood = Rgb(96, 62, 40);
inline constexpr Colour kWoodDark = Rgb(52, 32, 22);
inline constexpr Colour kWoodLight = Rgb(156, 112, 72);
inline constexpr Colour kParchment = Rgb(238, 220, 178);
inline constexpr Colour kParchmentDark = Rgb(196, 162, 112);
inline constexpr Colour kInk = Rgb(58, 36, 24);
inline constexpr Colour kGold = Rgb(246, 196, 70);
inline constexpr Colour kGoldDark = Rgb(150, 96, 24);
inline constexpr Colour kGoldLight = Rgb(255, 244, 190);
inline constexpr Colour kSilver = Rgb(204, 214, 226);
inline constexpr Colour kSilverDark = Rgb(104, 116, 134);
inline constexpr Colour kBronze = Rgb(196, 122, 64);
inline constexpr Colour kTeal = Rgb(46, 140, 140);
// Fairy.
inline constexpr Colour kSkin = Rgb(250, 214, 188);
inline constexpr Colour kHair = Rgb(236, 170, 90);
inline constexpr Colour kGuideRobe = Rgb(70, 96, 170);
inline constexpr Colour kGirlDress = Rgb(214, 96, 160);
inline constexpr Colour kWing = Rgb(200, 236, 255);
} // namespace palette

// The light of every picture falls from the upper left (the moon), so
// highlights sit up-left and shadows fall down-right.
namespace light {
inline constexpr double kShadowDx = 0.6; // shadows are cast this way
inline constexpr double kShadowDy = 0.8;
} // namespace light

// The eight piece colours in the game's order, vivid ("jewel") tones.
struct PieceColour {
    const char* name;
    Colour base;
    Colour light;
    Colour dark;
};
const PieceColour&
PieceColourAt(int index); // 0..7: yellow, orange, red, purple, magenta, blue, turquoise, green

} // namespace wispwood::mediagen
