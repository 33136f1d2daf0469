// Truevision TGA: colour-mapped, true-colour and grey pictures, plain or
// run-length encoded, either row order.
#include "engine/draw/pixmap_loader.h"
#include "engine/io/little_endian.h"
#include <vector>

namespace wispwood {

namespace {

// 0xAARRGGBB of one stored pixel (or colour-map entry) of the given size.
uint32_t TrueColour(const uint8_t* p, int bits, bool useAlpha) {
    switch (bits) {
    case 15:
    case 16: {
        int v = LittleEndian16(p);
        uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        uint32_t a = (!useAlpha || (v & 0x8000)) ? 255 : 0;
        return a << 24 | (r * 255 / 31) << 16 | (g * 255 / 31) << 8 | (b * 255 / 31);
    }
    case 24:
        return static_cast<uint32_t>(DecodePixel(p, PF_BGR888));
    case 32:
        return static_cast<uint32_t>(DecodePixel(p, useAlpha ? PF_BGRA8888 : PF_BGR888));
    }
    return 0;
}

} // namespace

Ref<TPixmap> LoadPixmapTGA(const uint8_t* data, size_t size) {
    if (size < 18) return nullptr;
    const uint8_t* h = data;
    int idLength = h[0], mapType = h[1], type = h[2];
    int mapFirst = LittleEndian16(h + 3), mapLength = LittleEndian16(h + 5), mapBits = h[7];
    int width = LittleEndian16(h + 12), height = LittleEndian16(h + 14), bits = h[16], descriptor = h[17];
    int alphaBits = descriptor & 15;
    bool rle = type >= 9;
    int base = rle ? type - 8 : type;

    // The header must describe a picture exactly; anything odd is taken to
    // be another format.
    if (mapType > 1 || (base != 1 && base != 2 && base != 3) || (type > 3 && type < 9) || type > 11)
        return nullptr;
    if ((descriptor & 0xc0) != 0) return nullptr;
    if (!PictureSizeAllowed(width, height)) return nullptr;
    if (base == 1 && (mapType != 1 || (bits != 8 && bits != 16))) return nullptr;
    if (base == 2 && bits != 15 && bits != 16 && bits != 24 && bits != 32) return nullptr;
    if (base == 3 && bits != 8 && bits != 16) return nullptr;
    if (mapType == 1 && mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32) return nullptr;

    size_t pos = 18 + static_cast<size_t>(idLength);
    std::vector<uint32_t> palette;
    if (mapType == 1) {
        int entryBytes = (mapBits + 7) / 8;
        size_t mapBytes = static_cast<size_t>(mapLength) * entryBytes;
        if (pos + mapBytes > size) return nullptr;
        bool mapAlpha = mapBits == 32 || (mapBits == 16 && alphaBits == 1);
        for (int i = 0; i < mapLength; ++i)
            palette.push_back(TrueColour(data + pos + i * entryBytes, mapBits, mapAlpha));
        pos += mapBytes;
    }

    // Unpack the run-length packets (which may run across rows) into plain
    // stored pixels first.
    int pixelBytes = (bits + 7) / 8;
    size_t count = static_cast<size_t>(width) * height;
    size_t total = count * pixelBytes;
    std::vector<uint8_t> stored;
    const uint8_t* src;
    if (!rle) {
        if (pos + total > size) return nullptr;
        src = data + pos;
    } else {
        stored.resize(total);
        size_t out = 0;
        while (out < total) {
            if (pos >= size) return nullptr;
            int packet = data[pos++];
            size_t run = static_cast<size_t>(packet & 0x7f) + 1;
            size_t runBytes = run * pixelBytes;
            if (out + runBytes > total) return nullptr;
            if (packet & 0x80) {
                if (pos + pixelBytes > size) return nullptr;
                for (size_t i = 0; i < run; ++i)
                    for (int b = 0; b < pixelBytes; ++b) stored[out++] = data[pos + b];
                pos += pixelBytes;
            } else {
                if (pos + runBytes > size) return nullptr;
                std::copy(data + pos, data + pos + runBytes, stored.begin() + out);
                pos += runBytes;
                out += runBytes;
            }
        }
        src = stored.data();
    }

    bool hasAlpha = (base == 2 && (bits == 32 || (bits == 16 && alphaBits == 1))) ||
                    (base == 3 && bits == 16) ||
                    (base == 1 && (mapBits == 32 || (mapBits == 16 && alphaBits == 1)));
    // Writers that store 32-bit pixels without declaring alpha usually leave
    // it zero; such a picture is meant to be opaque.
    if (base == 2 && bits == 32 && alphaBits == 0) {
        bool anyAlpha = false;
        for (size_t i = 0; i < count && !anyAlpha; ++i) anyAlpha = src[i * 4 + 3] != 0;
        hasAlpha = anyAlpha;
    }

    auto pixmap = TPixmap::Create(width, height, hasAlpha ? PF_BGRA8888 : PF_BGR888);
    if (!pixmap) return nullptr;
    bool topDown = descriptor & 0x20, rightToLeft = descriptor & 0x10;
    for (int row = 0; row < height; ++row) {
        int y = topDown ? row : height - 1 - row;
        for (int col = 0; col < width; ++col) {
            int x = rightToLeft ? width - 1 - col : col;
            const uint8_t* p = src + (static_cast<size_t>(row) * width + col) * pixelBytes;
            uint32_t argb;
            if (base == 1) {
                int index = (bits == 8 ? p[0] : LittleEndian16(p)) - mapFirst;
                argb = index >= 0 && index < static_cast<int>(palette.size()) ? palette[index] : 0xff000000u;
            } else if (base == 3) {
                argb = (bits == 16 ? uint32_t(p[1]) << 24 : 0xff000000u) | p[0] * 0x010101u;
            } else {
                argb = TrueColour(p, bits, hasAlpha);
            }
            pixmap->WritePixel(x, y, static_cast<int>(argb));
        }
    }
    return pixmap;
}

} // namespace wispwood
