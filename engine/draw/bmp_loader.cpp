// Windows bitmaps: 1, 4 and 8-bit palettes, 16, 24 and 32-bit pixels with
// or without bit-field masks, stored bottom-up or top-down. Run-length
// compressed bitmaps are not read.
#include "engine/draw/pixmap_loader.h"
#include "engine/io/little_endian.h"
#include <vector>

namespace wispwood {

namespace {

// One channel of a bit-field pixel scaled to 0-255.
struct Field {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Field(uint32_t m = 0) : mask(m) {
        if (!mask) return;
        while (!((mask >> shift) & 1)) ++shift;
        max = mask >> shift;
    }
    uint32_t Get(uint32_t pixel, uint32_t fallback) const {
        if (!mask) return fallback;
        return static_cast<uint32_t>(uint64_t((pixel & mask) >> shift) * 255 / max);
    }
};

constexpr uint32_t BI_RGB = 0, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6;

} // namespace

Ref<TPixmap> LoadPixmapBMP(const uint8_t* data, size_t size) {
    if (size < 26 || data[0] != 'B' || data[1] != 'M') return nullptr;
    uint32_t pixelOffset = LittleEndian32(data + 10), headerSize = LittleEndian32(data + 14);
    if (headerSize < 12 || 14 + static_cast<size_t>(headerSize) > size) return nullptr;
    const uint8_t* h = data + 14;
    int64_t width, height;
    int bits;
    uint32_t compression = BI_RGB, paletteCount = 0;
    if (headerSize == 12) {
        width = LittleEndian16(h + 4);
        height = static_cast<int16_t>(LittleEndian16(h + 6));
        bits = LittleEndian16(h + 10);
    } else {
        if (headerSize < 40) return nullptr;
        width = static_cast<int32_t>(LittleEndian32(h + 4));
        height = static_cast<int32_t>(LittleEndian32(h + 8));
        bits = LittleEndian16(h + 14);
        compression = LittleEndian32(h + 16);
        paletteCount = LittleEndian32(h + 32);
    }
    if (LittleEndian16(h + (headerSize == 12 ? 8 : 12)) != 1) return nullptr; // planes
    bool topDown = height < 0;
    if (topDown) height = -height;
    if (!PictureSizeAllowed(width, height)) return nullptr;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return nullptr;

    // Bit-field masks follow a 40-byte header, or sit inside a longer one.
    Field red, green, blue, alpha;
    if (compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS) {
        if (bits != 16 && bits != 32) return nullptr;
        int fields = compression == BI_ALPHABITFIELDS ? 4 : 3;
        size_t at = headerSize >= 52 ? 14 + 40 : 14 + headerSize;
        if (at + 4 * fields > size) return nullptr;
        red = Field(LittleEndian32(data + at));
        green = Field(LittleEndian32(data + at + 4));
        blue = Field(LittleEndian32(data + at + 8));
        if (fields == 4 || headerSize >= 56) alpha = Field(LittleEndian32(data + at + 12));
    } else if (compression != BI_RGB) {
        return nullptr;
    } else if (bits == 16) {
        red = Field(0x7c00), green = Field(0x03e0), blue = Field(0x001f);
    } else if (bits == 32) {
        red = Field(0xff0000), green = Field(0xff00), blue = Field(0xff);
        // Plain 32-bit bitmaps keep the top byte unused unless a long header
        // names an alpha mask.
        if (headerSize >= 56) alpha = Field(LittleEndian32(h + 52));
    }

    std::vector<uint32_t> palette;
    if (bits <= 8) {
        uint32_t count = paletteCount ? paletteCount : 1u << bits;
        int entry = headerSize == 12 ? 3 : 4;
        size_t at = 14 + static_cast<size_t>(headerSize);
        if (count > 256 || at + static_cast<size_t>(count) * entry > size) return nullptr;
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* p = data + at + i * entry;
            palette.push_back(static_cast<uint32_t>(DecodePixel(p, PF_BGR888)));
        }
    }

    size_t rowBytes = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (pixelOffset > size || rowBytes * height > size - pixelOffset) return nullptr;

    auto pixmap = TPixmap::Create(static_cast<int>(width), static_cast<int>(height),
                                  alpha.mask ? PF_BGRA8888 : PF_BGR888);
    if (!pixmap) return nullptr;
    bool anyAlpha = false;
    for (int row = 0; row < height; ++row) {
        const uint8_t* src = data + pixelOffset + rowBytes * row;
        int y = topDown ? row : static_cast<int>(height) - 1 - row;
        for (int x = 0; x < width; ++x) {
            uint32_t argb;
            if (bits <= 8) {
                int perByte = 8 / bits;
                int index = (src[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1 << bits) - 1);
                argb = index < static_cast<int>(palette.size()) ? palette[index] : 0xff000000u;
            } else if (bits == 24) {
                argb = static_cast<uint32_t>(DecodePixel(src + x * 3, PF_BGR888));
            } else {
                uint32_t v = bits == 16 ? LittleEndian16(src + x * 2) : LittleEndian32(src + x * 4);
                argb = alpha.Get(v, 255) << 24 | red.Get(v, 0) << 16 | green.Get(v, 0) << 8 | blue.Get(v, 0);
            }
            pixmap->WritePixel(x, y, static_cast<int>(argb));
            anyAlpha |= (argb >> 24) != 0;
        }
    }
    // An alpha mask over bytes that are all zero is a writer's habit, not a
    // picture meant to be invisible.
    if (alpha.mask && !anyAlpha) return pixmap->Convert(PF_BGR888);
    return pixmap;
}

} // namespace wispwood
