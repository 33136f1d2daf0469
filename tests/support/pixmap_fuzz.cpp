#include "tests/support/pixmap_fuzz.h"
#include "engine/draw/pixmap_loader.h"

namespace wispwood::test {

bool FuzzPixmapLoaders(const uint8_t* data, size_t size) {
    auto pixmap = LoadPixmapFromBytes(Text(reinterpret_cast<const char*>(data), size));
    if (!pixmap) return true;
    if (!PictureSizeAllowed(pixmap->width, pixmap->height)) return false;
    if (pixmap->pitch < pixmap->width * BytesPerPixel(pixmap->format)) return false;
    if (int64_t(pixmap->capacity) < int64_t(pixmap->pitch) * pixmap->height) return false;
    // Touch every pixel, so a sanitizer sees any that lies outside the memory.
    volatile uint32_t sink = 0;
    for (int y = 0; y < pixmap->height; ++y)
        for (int x = 0; x < pixmap->width; ++x) sink = sink + static_cast<uint32_t>(pixmap->ReadPixel(x, y));
    return true;
}

} // namespace wispwood::test
