#pragma once
// Drawing pieces shared by the painters: plates and panels, piece tiles and
// their symbols, the fairy figure, and the layered woodland landscape.
#include <cairo.h>

#include <cstdint>
#include <string>

#include "tools/mediagen/core/canvas.h"

namespace wispwood::mediagen {

// --- interface plates -------------------------------------------------------
enum class PlateKind {
    Wood,      // carved dark wood with a gold trim (buttons, frames)
    Parchment, // a parchment sheet inside a wooden frame (dialogs)
    Glass,     // a dark translucent slate with a light rim (fields, rows)
    Stone,     // mossy stone (tablets)
};
void Plate(cairo_t* cr, double x, double y, double w, double h, double radius, PlateKind kind,
           bool highlighted = false);

// --- pieces -----------------------------------------------------------------
enum class Symbol { Sun, Leaf, Flame, Moon, Heart, Drop, Crystal, Clover, None };
Symbol SymbolForColour(int colour); // the symbol each of the eight colours carries
void SymbolPath(cairo_t* cr, Symbol symbol, double cx, double cy, double size);
// A jewel tile filling (x, y, size, size): bevel, gloss and the light from the upper left.
void JewelTile(cairo_t* cr, double x, double y, double size, Colour base, Colour light, Colour dark);
// A tile seen turned by `turn` (0 = face on, 1 = edge on) about its vertical axis.
void TurnedTile(cairo_t* cr, double x, double y, double size, double turn, Colour base, Colour light,
                Colour dark, Symbol symbol, bool back);
void SymbolOnTile(cairo_t* cr, Symbol symbol, double cx, double cy, double size, Colour ink);

// --- characters ---------------------------------------------------------------
struct FairyLook {
    Colour dress = palette::kGuideRobe;
    Colour hair = palette::kHair;
    Colour wing = palette::kWing;
    bool hat = false;   // the guide's pointed hat
    bool staff = false; // the guide's staff with its star
    int wings = 3;      // bit 0: the far pair, bit 1: the near pair
    bool body = true;   // false paints the wings alone
};
struct FairyPose {
    double wing = 0;     // 0..1 flap phase
    double arm = 30;     // degrees of the raised (pointing) arm, 0 = down, 90 = forward, 160 = up
    double lean = 0;     // body tilt in degrees
    double blink = 0;    // 0 open, 1 closed
    double facing = 1;   // 1 right, -1 left
    double bob = 0;      // vertical offset in body units
    bool flying = false; // legs trailing behind
};
// The guide: white hair, the robe, the pointed hat and the staff.
FairyLook GuideLook();
// The girl of the high-score screen (Pip of the story).
FairyLook GirlLook();
// The three small fairies (green, orange, blue) of the menu, the game and the tiles.
FairyLook SpriteLook(int variant);
// Draws a fairy centred at (cx, cy); `size` is its full height.
void Fairy(cairo_t* cr, double cx, double cy, double size, const FairyLook& look, const FairyPose& pose);

// --- places -------------------------------------------------------------------
// A region's temple (kind 0 to 4) in a 64 x 64 cell: dark when frame is 0,
// restored and lit from frame 1.
void Temple(cairo_t* cr, int kind, int frame);

// --- landscape -----------------------------------------------------------------
struct SceneRecipe {
    uint32_t seed = 1;
    Colour sky_top = palette::kSkyTop;
    Colour sky_low = palette::kSkyMid;
    Colour horizon = palette::kSkyGlow;
    double horizon_y = 0.62; // as a fraction of the height
    bool moon = true;
    double moon_x = 0.78, moon_y = 0.18;
    int stars = 80;
    int tree_layers = 3;
    double tree_density = 1.0;
    bool water = false;
    bool mushrooms = false;
    bool lanterns = false;
    int light_shafts = 2;
    int fireflies = 40;
    double fog = 0.5;
    bool clearing = true; // the middle of the ground kept open
    double brightness = 1.0;
};
void Landscape(Canvas& canvas, const SceneRecipe& recipe);
// The recipe of a board background by its name ("mossy_hollow", "dawn_glade", ...).
const SceneRecipe& BoardRecipe(const std::string& name);
// A silhouetted tree (pine or broadleaf) with its base at (x, base_y).
void TreeSilhouette(cairo_t* cr, double x, double base_y, double height, bool pine, Colour colour,
                    uint32_t seed);
void Mushroom(cairo_t* cr, double x, double base_y, double size, Colour cap, bool glow);
void Lantern(cairo_t* cr, double x, double y, double size);
// A pointed leaf from the origin to (length, 0), its two sides mirrored about
// the x axis through the control points (x1, -y1) and (x2, -y2).
void LeafPath(cairo_t* cr, double length, double x1, double y1, double x2, double y2);
void Fireflies(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed,
               double size = 1.0);

// Text in a display face (for logos and signs), centred on x with its
// baseline at y. Fonts are the Debian font packages the fonts family uses.
enum class Face { Display, Rounded };
void TextPath(cairo_t* cr, Face face, double size, const char* text, double x, double y);
// The game's title lettering: a drop shadow, a round outline and a face
// fading from white at the top, centred on x with its baseline at y.
void Title(cairo_t* cr, const char* text, double x, double y, double size, Colour face, Colour outline);
// The logo's moonlit face and purple outline.
inline constexpr Colour kLogoFace = Rgb(170, 210, 255);
inline constexpr Colour kLogoOutline = Rgb(50, 26, 90);

} // namespace wispwood::mediagen
