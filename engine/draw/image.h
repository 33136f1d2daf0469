#pragma once
// TImage: a picture made of equally sized frames, each kept as a pixmap and,
// once drawn or prepared, as a renderer texture. A missing image (null) is
// harmless everywhere: it measures 0 and setting its handle does nothing.
#include "engine/draw/draw_driver.h"
#include "engine/draw/pixmap_loader.h"
#include <vector>

namespace wispwood {

class TImage {
  public:
    int width = 0;
    int height = 0;
    int flags = 0;
    int mask_r = 0;
    int mask_g = 0;
    int mask_b = 0;
    float handle_x = 0;
    float handle_y = 0;
    std::vector<Ref<TPixmap>> pixmaps;
    std::vector<Ref<TImageFrame>> frames;
    std::vector<int> seqs;

    virtual ~TImage() = default;

    // A blank image of the given frame size and count.
    static Ref<TImage> Create(int width, int height, int frameCount, int flags);
    // One frame from a pixmap, which the image keeps (converted for upload).
    static Ref<TImage> Load(const Ref<TPixmap>& pixmap, int flags);
    static Ref<TImage> LoadFramed(const Ref<TPixmap>& pixmap, int cellWidth, int cellHeight, int firstCell,
                                  int cellCount, int flags);

    // The frame's texture, made from its pixmap the first time (or again
    // after the display lost its textures). Null without a display or for a
    // frame number out of range.
    Ref<TImageFrame> Frame(int index);
    // Sends a changed pixmap of a frame to its texture.
    void RefreshFrame(int index);
    // Lets the pixmaps go once every frame has its texture, for a picture
    // whose pixels nobody reads again: the textures then hold the only copy.
    // The frames keep drawing while the display keeps its textures; a
    // display opened afresh has nothing to make them from, and LockImage
    // gives null. Dynamic images keep their pixmaps. False when kept.
    bool ReleasePixels();
    bool PixelsReleased() const { return released_; }

    int FrameCount() const { return static_cast<int>(frames.size()); }

  private:
    bool released_ = false;
};

// A picture too large for one texture, cut into square tiles. `im` is
// indexed [column][row]; `width` and `height` are the whole picture's.
class TSplitImage : public TImage {
  public:
    int StepSize = 0;
    std::vector<std::vector<Ref<TImage>>> im;
};

// Flags of -1 mean the automatic flags (initially MASKEDIMAGE | FILTEREDIMAGE).
Ref<TImage> LoadImage(const PixmapSource& source, int flags = -1);
// Frame i is cell firstCell + i of a sheet read left to right, top to
// bottom; null when the sheet holds fewer cells than asked for.
Ref<TImage> LoadFramedImage(const PixmapSource& source, int cellWidth, int cellHeight, int firstCell,
                            int cellCount, int flags = -1);
// A blank image; it is always dynamic.
Ref<TImage> CreateImage(int width, int height, int frameCount = 1, int flags = -1);
// The frame's pixmap, to read or change; call UnlockImage after a change so
// the texture follows.
Ref<TPixmap> LockImage(const Ref<TImage>& image, int frame = 0, int read = 1, int write = 1);
void UnlockImage(const Ref<TImage>& image, int frame = 0);

int ImageWidth(const Ref<TImage>& image);
int ImageHeight(const Ref<TImage>& image);
int ImageFrameCount(const Ref<TImage>& image);
void SetImageHandle(const Ref<TImage>& image, float x, float y);
void CentreImageHandle(const Ref<TImage>& image);
void SetAutoCentreHandle(int on);
// -1 leaves the automatic flags as they are.
void SetDefaultImageFlags(int flags);
int GetDefaultImageFlags();
void SetMaskColor(int red, int green, int blue);
void GetMaskColor(int& red, int& green, int& blue);
// Whether pictures keep their decoded pixels after their textures are made
// (off at start-up: the game reads none of them again). Tools and tests
// that inspect loaded pictures pixel by pixel turn it on.
void SetKeepDecodedPixels(bool keep);
// Automatic flags, mask colour, auto-centring and pixel keeping as at start-up.
void ResetImageDefaults();

} // namespace wispwood
