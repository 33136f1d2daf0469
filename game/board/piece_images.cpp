#include "game/board/piece_images.h"
#include "engine/draw/image.h"
#include "engine/io/file_system.h"
#include "framework/images/game_image.h"
#include "game/board/board.h"
#include "game/board/piece_definition.h"

namespace wispwood {

BoardFrameImageSet BoardFrameImages;

namespace {

constexpr int kPieceCell = 52;

// A sheet of equal cells read left to right, top to bottom; as many frames
// as the sheet holds.
Ref<TImage> LoadSheet(const Text& path, int cellWidth, int cellHeight) {
    Ref<TPixmap> pixmap = LoadPixmap(path);
    if (!pixmap) return LoadGameImage(path); // reports the missing picture
    int cells = (pixmap->width / cellWidth) * (pixmap->height / cellHeight);
    if (cells <= 0) return LoadGameImage(pixmap);
    Ref<TImage> image = LoadGameFramedImage(pixmap, cellWidth, cellHeight, 0, cells);
    SetImageHandle(image, 0, 0);
    return image;
}

Ref<TImage> LoadCentred(const Text& path) {
    Ref<TImage> image = LoadGameImage(path);
    CentreImageHandle(image);
    return image;
}

// Pictures a set may do without: null when the file is not there.
Ref<TImage> LoadOptionalCentred(const Text& path) {
    if (PathKind(path) != 1) return nullptr;
    return LoadCentred(path);
}

std::vector<Ref<TImage>> LoadSetImages(PieceDefinitionSet& set, const TextArray& colours,
                                       const Text& folder) {
    std::vector<Ref<TImage>> images;
    Text dir = "media\\blocks\\" + folder + "\\";
    for (size_t i = 0; i < set.size() && i < colours.size(); ++i) {
        set[i]->image = LoadSheet(dir + colours[i] + ".png", kPieceCell, kPieceCell);
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
    b.Bomb = LoadSheet(blocks + "powerup-bomb.png", kPieceCell, kPieceCell);
    b.DestroyHorizontal = LoadSheet(blocks + "destroyhorizontal.png", kPieceCell, kPieceCell);
    b.DestroyVertical = LoadSheet(blocks + "destroyvertical.png", kPieceCell, kPieceCell);
    b.ExtraLife = LoadSheet(blocks + "extra-life.png", kPieceCell, kPieceCell);
    b.Earthquake = LoadSheet(blocks + "quake.png", kPieceCell, kPieceCell);
    b.Crumbling = LoadSheet(blocks + "crumbling\\crumbling.png", 56, 56);
    b.FairyTile = LoadSheet(blocks + "fairy-tile-b.png", kPieceCell, kPieceCell);
    b.Rainbow = LoadSheet(blocks + "rainbowpiece.png", kPieceCell, kPieceCell);
    b.Lock = LoadSheet(blocks + "lockpiece.png", kPieceCell, kPieceCell);
    b.Key = LoadSheet(blocks + "key.png", kPieceCell, kPieceCell);
    b.Stone = LoadSheet(blocks + "stonepiece.png", kPieceCell, kPieceCell);
    b.BlockLocked = LoadCentred(blocks + "blocklocked.png");
    b.DestroyLocked = LoadCentred(blocks + "destroylocked.png");
    b.ComboGold = LoadSheet(blocks + "combogold.png", kPieceCell, kPieceCell);
    b.PathCorner = LoadCentred("media\\path\\corner.png");
    b.PathStraight = LoadCentred("media\\path\\straight.png");

    const Text vine = blocks + "big\\vine\\";
    b.Vine.BodyStraight[0] = LoadSheet(vine + "vinebody_vertical.png", kPieceCell, kPieceCell);
    b.Vine.BodyStraight[1] = LoadSheet(vine + "vinebody_horizontal.png", kPieceCell, kPieceCell);
    for (int i = 0; i < 4; ++i) {
        Text n = std::to_string(i);
        b.Vine.BodyCorner[i] = LoadSheet(vine + "vinebody_corner" + n + ".png", kPieceCell, kPieceCell);
        b.Vine.Head[i] = LoadSheet(vine + "vinehead" + n + ".png", kPieceCell, kPieceCell);
    }
    b.StoneVineHead = LoadSheet(vine + "stonevinehead.png", kPieceCell, kPieceCell);
    b.StoneVineBody = LoadSheet(vine + "stonevinebody.png", kPieceCell, kPieceCell);

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
