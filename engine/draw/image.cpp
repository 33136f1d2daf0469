#include "engine/draw/image.h"
#include "engine/draw/graphics.h"

namespace wispwood {

namespace {

constexpr int StartupImageFlags = MASKEDIMAGE | FILTEREDIMAGE;

int gAutoImageFlags = StartupImageFlags;
bool gAutoMidHandle = false;
bool gKeepDecodedPixels = false;
int gMaskRed = 0, gMaskGreen = 0, gMaskBlue = 0;

int ResolveFlags(int flags) {
    return flags == -1 ? gAutoImageFlags : flags;
}

// Pictures without alpha get it from the mask colour. Pictures that carry
// alpha already say what is transparent, and keep their dark pixels.
Ref<TPixmap> PrepareFrame(const Ref<TPixmap>& source, const TImage& image) {
    auto pixmap = source->Convert(PF_RGBA8888);
    if (!pixmap || !(image.flags & MASKEDIMAGE) || FormatHasAlpha(source->format)) return pixmap;
    for (int y = 0; y < pixmap->height; ++y) {
        uint8_t* p = pixmap->PixelPtr(0, y);
        for (int x = 0; x < pixmap->width; ++x, p += 4)
            if (p[0] == image.mask_r && p[1] == image.mask_g && p[2] == image.mask_b) p[3] = 0;
    }
    return pixmap;
}

Ref<TImage> NewImage(int width, int height, int frameCount, int flags) {
    auto image = New<TImage>();
    image->width = width;
    image->height = height;
    image->flags = flags;
    image->mask_r = gMaskRed;
    image->mask_g = gMaskGreen;
    image->mask_b = gMaskBlue;
    image->pixmaps.resize(frameCount);
    image->frames.resize(frameCount);
    image->seqs.resize(frameCount);
    if (gAutoMidHandle) CentreImageHandle(image);
    return image;
}

} // namespace

Ref<TImage> TImage::Create(int width, int height, int frameCount, int flags) {
    if (width < 0 || height < 0 || frameCount < 1) return nullptr;
    auto image = NewImage(width, height, frameCount, flags);
    for (auto& pixmap : image->pixmaps) {
        pixmap = TPixmap::Create(width, height, PF_RGBA8888);
        if (!pixmap) return nullptr;
    }
    return image;
}

Ref<TImage> TImage::Load(const Ref<TPixmap>& pixmap, int flags) {
    if (!pixmap) return nullptr;
    auto image = NewImage(pixmap->width, pixmap->height, 1, flags);
    image->pixmaps[0] = PrepareFrame(pixmap, *image);
    return image->pixmaps[0] ? image : nullptr;
}

Ref<TImage> TImage::LoadFramed(const Ref<TPixmap>& pixmap, int cellWidth, int cellHeight, int firstCell,
                               int cellCount, int flags) {
    if (!pixmap || cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount < 1) return nullptr;
    int cols = pixmap->width / cellWidth, rows = pixmap->height / cellHeight;
    if (int64_t(cols) * rows < int64_t(firstCell) + cellCount) return nullptr;
    auto image = NewImage(cellWidth, cellHeight, cellCount, flags);
    for (int i = 0; i < cellCount; ++i) {
        int n = firstCell + i;
        auto cell = pixmap->Window(cellWidth * (n % cols), cellHeight * (n / cols), cellWidth, cellHeight);
        image->pixmaps[i] = PrepareFrame(cell, *image);
        if (!image->pixmaps[i]) return nullptr;
    }
    return image;
}

Ref<TImageFrame> TImage::Frame(int index) {
    if (index < 0 || index >= FrameCount()) return nullptr;
    TDrawDriver* driver = CurrentDrawDriver();
    if (!driver) return nullptr;
    if (released_) return seqs[index] == driver->Generation() ? frames[index] : nullptr;
    if (!pixmaps[index]) return nullptr;
    // Every frame is made at once: frames made together share a texture.
    if (!frames[index] || seqs[index] != driver->Generation()) {
        frames = driver->CreateFrames(pixmaps, flags);
        frames.resize(pixmaps.size());
        seqs.assign(pixmaps.size(), driver->Generation());
    }
    return frames[index];
}

bool TImage::ReleasePixels() {
    if ((flags & DYNAMICIMAGE) || gKeepDecodedPixels) return false;
    for (int i = 0; i < FrameCount(); ++i)
        if (pixmaps[i] && !Frame(i)) return false;
    pixmaps.assign(pixmaps.size(), nullptr);
    released_ = true;
    return true;
}

void TImage::RefreshFrame(int index) {
    if (index < 0 || index >= FrameCount() || !pixmaps[index]) return;
    TDrawDriver* driver = CurrentDrawDriver();
    if (frames[index] && driver && seqs[index] == driver->Generation())
        frames[index]->Upload(*pixmaps[index]);
}

Ref<TImage> LoadImage(const PixmapSource& source, int flags) {
    return TImage::Load(LoadPixmap(source), ResolveFlags(flags));
}

Ref<TImage> LoadFramedImage(const PixmapSource& source, int cellWidth, int cellHeight, int firstCell,
                            int cellCount, int flags) {
    return TImage::LoadFramed(LoadPixmap(source), cellWidth, cellHeight, firstCell, cellCount,
                              ResolveFlags(flags));
}

Ref<TImage> CreateImage(int width, int height, int frameCount, int flags) {
    return TImage::Create(width, height, frameCount, ResolveFlags(flags) | DYNAMICIMAGE);
}

Ref<TPixmap> LockImage(const Ref<TImage>& image, int frame, int, int) {
    if (!image || frame < 0 || frame >= image->FrameCount()) return nullptr;
    return image->pixmaps[frame];
}

void UnlockImage(const Ref<TImage>& image, int frame) {
    if (image) image->RefreshFrame(frame);
}

int ImageWidth(const Ref<TImage>& image) {
    return image ? image->width : 0;
}
int ImageHeight(const Ref<TImage>& image) {
    return image ? image->height : 0;
}
int ImageFrameCount(const Ref<TImage>& image) {
    return image ? image->FrameCount() : 0;
}

void SetImageHandle(const Ref<TImage>& image, float x, float y) {
    if (!image) return;
    image->handle_x = x;
    image->handle_y = y;
}

void CentreImageHandle(const Ref<TImage>& image) {
    if (image) SetImageHandle(image, image->width * 0.5f, image->height * 0.5f);
}

void SetAutoCentreHandle(int on) {
    gAutoMidHandle = on != 0;
}

void SetDefaultImageFlags(int flags) {
    if (flags != -1) gAutoImageFlags = flags;
}

int GetDefaultImageFlags() {
    return gAutoImageFlags;
}

void SetMaskColor(int red, int green, int blue) {
    gMaskRed = red;
    gMaskGreen = green;
    gMaskBlue = blue;
}

void GetMaskColor(int& red, int& green, int& blue) {
    red = gMaskRed;
    green = gMaskGreen;
    blue = gMaskBlue;
}

void SetKeepDecodedPixels(bool keep) {
    gKeepDecodedPixels = keep;
}

void ResetImageDefaults() {
    gKeepDecodedPixels = false;
    gAutoImageFlags = StartupImageFlags;
    gAutoMidHandle = false;
    SetMaskColor(0, 0, 0);
}

} // namespace wispwood
