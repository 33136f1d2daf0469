#pragma once
// The game's image routines on top of the engine's: loading that splits
// oversized pictures and prepares every texture at once, drawing with
// brightening for alpha above 1, image lists, and layout helpers.
#include "engine/draw/image.h"
#include <vector>

namespace wispwood {

constexpr int SplitImageStep = 512;

// Loads a picture; one larger than 512 pixels either way becomes a
// TSplitImage of 512 x 512 tiles. Every texture is made here, not in play.
// On failure the player is told "Could not load image: " and the path (a
// full-screen display drops to a window first) and the result is null.
Ref<TImage> LoadGameImage(const PixmapSource& source, int flags = -1);
// The same for a sheet of animation cells (never split).
Ref<TImage> LoadGameFramedImage(const PixmapSource& source, int cellWidth, int cellHeight, int firstCell,
                                int cellCount, int flags = -1);
Ref<TSplitImage> LoadSplitImage(const Ref<TPixmap>& pixmap, int step);

// Draws like DrawImage. Split images draw every tile about the whole
// picture's handle. With blend mask, alpha or light and alpha above 1 the
// picture is drawn again additively with the excess (at most 1 more).
void DrawGameImage(const Ref<TImage>& image, float x, float y, int frame = 0);

// Loads folder\name for every name; a picture that does not load is a
// run-time error "Could not load image: " with that path.
std::vector<Ref<TImage>> LoadImageList(const TextArray& names, const Text& folder, int flags = -1);
std::vector<Ref<TImage>> LoadFramedImageList(const TextArray& names, const Text& folder, int cellWidth,
                                             int cellHeight, int firstCell, int cellCount, int flags = -1);

// LoadGameImage with the handle at the picture's centre (null stays null).
Ref<TImage> LoadCentredGameImage(const PixmapSource& source, int flags = -1);

// handle := (fx x width, fy x height).
void SetImageHandleRelative(const Ref<TImage>& image, float fx, float fy);

// Repeats the image along x (or y) to fill the band between left and right
// (top and bottom), clipped to that rectangle.
void DrawImageRowClipped(const Ref<TImage>& image, float x, float y, float left, float right, float top,
                         float bottom, int frame = 0);
void DrawImageColumnClipped(const Ref<TImage>& image, float x, float y, float left, float right, float top,
                            float bottom, int frame = 0);

// Per pixel column: the row of the topmost (bottommost) pixel whose alpha
// is 2 or more; 0 (the height) when the column has none.
std::vector<float> OpaqueTopRows(const Ref<TPixmap>& pixmap);
std::vector<float> OpaqueBottomRows(const Ref<TPixmap>& pixmap);

} // namespace wispwood
