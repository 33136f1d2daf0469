#pragma once
// TPixmap: a picture in main memory. Pixels are addressed through `pixels`
// and `pitch`; a window shares its parent's memory, which stays alive as
// long as any window on it does. Reads and writes outside the picture do
// nothing (a read gives transparent black).
#include "engine/core/ref.h"
#include <cstdint>
#include <memory>

namespace wispwood {

enum PixmapFormat {
    PF_I8 = 1,       // grey
    PF_A8 = 2,       // alpha only
    PF_BGR888 = 3,   // B, G, R bytes
    PF_RGB888 = 4,   // R, G, B bytes
    PF_BGRA8888 = 5, // B, G, R, A bytes
    PF_RGBA8888 = 6, // R, G, B, A bytes
};

// Bytes of one pixel of a format; 0 for an unknown format.
int BytesPerPixel(int format);
// Whether the format carries per-pixel alpha.
bool FormatHasAlpha(int format);

class TPixmap {
  public:
    uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    int format = 0;
    // Bytes owned by this pixmap; 0 for a window on another pixmap's memory.
    int capacity = 0;

    // A blank (all zero) pixmap, or null for an unknown format or a size
    // that is negative or too large to address.
    static Ref<TPixmap> Create(int width, int height, int format);

    uint8_t* PixelPtr(int x, int y) const;
    // A pixmap sharing this one's pixels, clipped to the picture.
    Ref<TPixmap> Window(int x, int y, int w, int h) const;
    Ref<TPixmap> Copy() const;
    // Copies the source's pixels with their top left at (x, y), converting
    // formats; what falls outside this pixmap is left out.
    void Paste(const Ref<TPixmap>& source, int x, int y);
    Ref<TPixmap> Convert(int format) const;

    // 0xAARRGGBB. Grey reads as opaque grey, alpha-only as white with that
    // alpha, formats without alpha as opaque.
    int ReadPixel(int x, int y) const;
    void WritePixel(int x, int y, int argb);
    void ClearPixels(int argb);

  private:
    std::shared_ptr<uint8_t[]> memory_;
};

// Null-safe forms: a missing pixmap reads as transparent and measures 0.
int ReadPixel(const Ref<TPixmap>& pixmap, int x, int y);
int PixmapWidth(const Ref<TPixmap>& pixmap);
int PixmapHeight(const Ref<TPixmap>& pixmap);

// Colour conversion of one pixel between 0xAARRGGBB and a format's bytes.
int DecodePixel(const uint8_t* p, int format);
void EncodePixel(uint8_t* p, int format, int argb);
// Converts count pixels from one format's bytes to another's.
void ConvertRow(const uint8_t* source, int sourceFormat, uint8_t* target, int targetFormat, int count);

} // namespace wispwood
