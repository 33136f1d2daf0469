#include "game/board/combo_tile_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

ComboTileImageSet ComboTileImages;

namespace {

constexpr int kTileCell = 52;
constexpr int kTileFrames = 25;

Ref<TImage> LoadTileSheet(const Text& path) {
    Ref<TImage> image = LoadGameFramedImage(path, kTileCell, kTileCell, 0, kTileFrames);
    // Drawn from the cell's top-left corner, like the pieces.
    if (image) SetImageHandle(image, 0, 0);
    return image;
}

} // namespace

void LoadComboTileImages() {
    ComboTileImages.Gold = LoadTileSheet("media\\blocks\\combogold.png");
    ComboTileImages.Silver = LoadTileSheet("media\\blocks\\combosilver.png");
}

void ResetComboTileImages() {
    ComboTileImages = ComboTileImageSet{};
}

} // namespace wispwood
