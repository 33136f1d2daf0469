#include "game/board/piece_images.h"
#include "engine/draw/image.h"
#include "engine/io/file_system.h"
#include "framework/images/game_image.h"
#include "game/board/board.h"
#include "game/board/piece_definition.h"

namespace wispwood {

BlockImageSet BlockImages;
BoardFrameImageSet BoardFrameImages;

namespace {

constexpr int kPieceCell = 52;

// A sheet of equal square cells read left to right, top to bottom; as many
// frames as the sheet holds.
Ref<TImage> LoadSheet(const Text& path, int cell = kPieceCell) {
    Ref<TPixmap> pixmap = LoadPixmap(path);
    if (!pixmap) return LoadGameImage(path); // reports the missing picture
    int cells = (pixmap->width / cell) * (pixmap->height / cell);
    if (cells <= 0) return LoadGameImage(pixmap);
    Ref<TImage> image = LoadGameFramedImage(pixmap, cell, cell, 0, cells);
    SetImageHandle(image, 0, 0);
    return image;
}

// Pictures a set may do without: null when the file is not there.
Ref<TImage> LoadOptionalCentred(const Text& path) {
    if (PathKind(path) != 1) return nullptr;
    return LoadCentredGameImage(path);
}

std::vector<Ref<TImage>> LoadSetImages(PieceDefinitionSet& set, const TextArray& colours,
                                       const Text& folder) {
    std::vector<Ref<TImage>> images;
    Text dir = "media\\blocks\\" + folder + "\\";
    for (size_t i = 0; i < set.size() && i < colours.size(); ++i) {
        set[i]->image = LoadSheet(dir + colours[i] + ".png");
        set[i]->Particle = LoadOptionalCentred(dir + "particle-" + colours[i] + ".png");
        images.push_back(set[i]->image);
    }
    return images;
}

} // namespace

void LoadPieceImages() {
    LoadColourDefinitions();
    StandardPieceImages =
        LoadSetImages(StandardPieceDefinitions, StandardColourNames(), kStandardColourFolder);
    BonusPieceImages = LoadSetImages(BonusPieceDefinitions, BonusColourNames(), kBonusColourFolder);

    const Text blocks = "media\\blocks\\";
    BlockImageSet& b = BlockImages;
    b.Bomb = LoadSheet(blocks + "powerup-bomb.png");
    b.DestroyHorizontal = LoadSheet(blocks + "destroyhorizontal.png");
    b.DestroyVertical = LoadSheet(blocks + "destroyvertical.png");
    b.ExtraLife = LoadSheet(blocks + "extra-life.png");
    b.Earthquake = LoadSheet(blocks + "quake.png");
    b.Crumbling = LoadSheet(blocks + "crumbling\\crumbling.png", 56);
    b.FairyTile = LoadSheet(blocks + "fairy-tile-b.png");
    b.Rainbow = LoadSheet(blocks + "rainbowpiece.png");
    b.Lock = LoadSheet(blocks + "lockpiece.png");
    b.Key = LoadSheet(blocks + "key.png");
    b.Stone = LoadSheet(blocks + "stonepiece.png");
    b.BlockLocked = LoadCentredGameImage(blocks + "blocklocked.png");
    b.DestroyLocked = LoadCentredGameImage(blocks + "destroylocked.png");
    b.ComboGold = LoadSheet(blocks + "combogold.png");
    b.PathCorner = LoadCentredGameImage("media\\path\\corner.png");
    b.PathStraight = LoadCentredGameImage("media\\path\\straight.png");

    const Text vine = blocks + "big\\vine\\";
    b.Vine.BodyStraight[0] = LoadSheet(vine + "vinebody_vertical.png");
    b.Vine.BodyStraight[1] = LoadSheet(vine + "vinebody_horizontal.png");
    for (int i = 0; i < 4; ++i) {
        Text n = std::to_string(i);
        b.Vine.BodyCorner[i] = LoadSheet(vine + "vinebody_corner" + n + ".png");
        b.Vine.Head[i] = LoadSheet(vine + "vinehead" + n + ".png");
    }
    b.StoneVineHead = LoadSheet(vine + "stonevinehead.png");
    b.StoneVineBody = LoadSheet(vine + "stonevinebody.png");

    BoardFrameImages.Left = LoadGameImage("media\\boardborderleft.png");
    BoardFrameImages.Right = LoadGameImage("media\\boardborderright.png");
    // The left border hangs to the left of its position, the right one to
    // the right: pieces overhang their cells by 4 pixels on the right, which
    // the frame's positions allow for.
    SetImageHandle(BoardFrameImages.Left, static_cast<float>(ImageWidth(BoardFrameImages.Left)), 0);
    SetImageHandle(BoardFrameImages.Right, 0, 0);
}

void ResetPieceImages() {
    BlockImages = BlockImageSet{};
    BoardFrameImages = BoardFrameImageSet{};
}

} // namespace wispwood
