#include "engine/draw/pixmap.h"
#include "engine/draw/draw_memory.h"
#include <atomic>
#include <algorithm>
#include <cstring>
#include <limits>

namespace wispwood {

int BytesPerPixel(int format) {
    switch (format) {
    case PF_I8:
    case PF_A8:
        return 1;
    case PF_BGR888:
    case PF_RGB888:
        return 3;
    case PF_BGRA8888:
    case PF_RGBA8888:
        return 4;
    default:
        return 0;
    }
}

bool FormatHasAlpha(int format) {
    return format == PF_A8 || format == PF_BGRA8888 || format == PF_RGBA8888;
}

int DecodePixel(const uint8_t* p, int format) {
    uint32_t argb = 0;
    switch (format) {
    case PF_I8:
        argb = 0xff000000u | p[0] * 0x010101u;
        break;
    case PF_A8:
        argb = uint32_t(p[0]) << 24 | 0xffffffu;
        break;
    case PF_BGR888:
        argb = 0xff000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        break;
    case PF_RGB888:
        argb = 0xff000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        break;
    case PF_BGRA8888:
        argb = uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        break;
    case PF_RGBA8888:
        argb = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        break;
    }
    return static_cast<int>(argb);
}

void EncodePixel(uint8_t* p, int format, int argb) {
    uint32_t v = static_cast<uint32_t>(argb);
    uint8_t a = v >> 24, r = v >> 16, g = v >> 8, b = v;
    switch (format) {
    case PF_I8:
        // Luminance weights summing to 256, so grey in gives the same grey out.
        p[0] = static_cast<uint8_t>((r * 77 + g * 150 + b * 29) >> 8);
        break;
    case PF_A8:
        p[0] = a;
        break;
    case PF_BGR888:
        p[0] = b, p[1] = g, p[2] = r;
        break;
    case PF_RGB888:
        p[0] = r, p[1] = g, p[2] = b;
        break;
    case PF_BGRA8888:
        p[0] = b, p[1] = g, p[2] = r, p[3] = a;
        break;
    case PF_RGBA8888:
        p[0] = r, p[1] = g, p[2] = b, p[3] = a;
        break;
    }
}

// Picture loading converts every pixel at least once, so the conversions
// to the two four-byte layouts get loops of their own.
void ConvertRow(const uint8_t* s, int from, uint8_t* d, int to, int count) {
    bool toRGBA = to == PF_RGBA8888, toBGRA = to == PF_BGRA8888;
    if (toRGBA || toBGRA) {
        // Byte offsets of red and blue in the destination.
        int r = toRGBA ? 0 : 2, b = 2 - r;
        switch (from) {
        case PF_RGB888:
        case PF_BGR888: {
            int sr = from == PF_RGB888 ? 0 : 2, sb = 2 - sr;
            for (int i = 0; i < count; ++i, s += 3, d += 4)
                d[r] = s[sr], d[1] = s[1], d[b] = s[sb], d[3] = 255;
            return;
        }
        case PF_RGBA8888:
        case PF_BGRA8888: {
            int sr = from == PF_RGBA8888 ? 0 : 2, sb = 2 - sr;
            for (int i = 0; i < count; ++i, s += 4, d += 4)
                d[r] = s[sr], d[1] = s[1], d[b] = s[sb], d[3] = s[3];
            return;
        }
        case PF_I8:
            for (int i = 0; i < count; ++i, ++s, d += 4) d[0] = d[1] = d[2] = s[0], d[3] = 255;
            return;
        }
    }
    int sbpp = BytesPerPixel(from), dbpp = BytesPerPixel(to);
    for (int i = 0; i < count; ++i, s += sbpp, d += dbpp) EncodePixel(d, to, DecodePixel(s, from));
}

namespace {
std::atomic<size_t> gPixmapBytes{0};
} // namespace

size_t PixmapBytesInUse() {
    return gPixmapBytes;
}

Ref<TPixmap> TPixmap::Create(int width, int height, int format) {
    int bpp = BytesPerPixel(format);
    if (bpp == 0 || width < 0 || height < 0) return nullptr;
    // Rows are padded to four bytes, as the renderers expect of uploads.
    int64_t pitch = (int64_t(width) * bpp + 3) & ~int64_t(3);
    int64_t size = pitch * height;
    if (size > std::numeric_limits<int>::max()) return nullptr;
    auto pixmap = New<TPixmap>();
    size_t bytes = static_cast<size_t>(std::max<int64_t>(size, 1));
    gPixmapBytes += bytes;
    pixmap->memory_ = std::shared_ptr<uint8_t[]>(new uint8_t[bytes](), [bytes](uint8_t* p) {
        gPixmapBytes -= bytes;
        delete[] p;
    });
    pixmap->pixels = pixmap->memory_.get();
    pixmap->width = width;
    pixmap->height = height;
    pixmap->pitch = static_cast<int>(pitch);
    pixmap->format = format;
    pixmap->capacity = static_cast<int>(size);
    return pixmap;
}

uint8_t* TPixmap::PixelPtr(int x, int y) const {
    return pixels + static_cast<ptrdiff_t>(y) * pitch + static_cast<ptrdiff_t>(x) * BytesPerPixel(format);
}

Ref<TPixmap> TPixmap::Window(int x, int y, int w, int h) const {
    int x0 = std::clamp(x, 0, width), y0 = std::clamp(y, 0, height);
    int x1 = std::clamp(x + std::max(w, 0), x0, width), y1 = std::clamp(y + std::max(h, 0), y0, height);
    auto window = New<TPixmap>();
    window->memory_ = memory_;
    window->pixels = PixelPtr(x0, y0);
    window->width = x1 - x0;
    window->height = y1 - y0;
    window->pitch = pitch;
    window->format = format;
    window->capacity = 0;
    return window;
}

Ref<TPixmap> TPixmap::Copy() const {
    auto copy = Create(width, height, format);
    if (!copy) return nullptr;
    size_t rowBytes = static_cast<size_t>(width) * BytesPerPixel(format);
    for (int y = 0; y < height; ++y) std::memcpy(copy->PixelPtr(0, y), PixelPtr(0, y), rowBytes);
    return copy;
}

void TPixmap::Paste(const Ref<TPixmap>& source, int x, int y) {
    if (!source) return;
    int sx0 = std::max(0, -x), sy0 = std::max(0, -y);
    int sx1 = std::min(source->width, width - x), sy1 = std::min(source->height, height - y);
    if (sx0 >= sx1 || sy0 >= sy1) return;
    int dbpp = BytesPerPixel(format);
    for (int sy = sy0; sy < sy1; ++sy) {
        const uint8_t* s = source->PixelPtr(sx0, sy);
        uint8_t* d = PixelPtr(sx0 + x, sy + y);
        if (source->format == format) {
            std::memmove(d, s, static_cast<size_t>(sx1 - sx0) * dbpp);
            continue;
        }
        ConvertRow(s, source->format, d, format, sx1 - sx0);
    }
}

Ref<TPixmap> TPixmap::Convert(int newFormat) const {
    if (newFormat == format) return Copy();
    auto converted = Create(width, height, newFormat);
    if (!converted) return nullptr;
    auto self = New<TPixmap>(*this);
    converted->Paste(self, 0, 0);
    return converted;
}

int TPixmap::ReadPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return DecodePixel(PixelPtr(x, y), format);
}

void TPixmap::WritePixel(int x, int y, int argb) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    EncodePixel(PixelPtr(x, y), format, argb);
}

void TPixmap::ClearPixels(int argb) {
    if (width == 0 || height == 0) return;
    int bpp = BytesPerPixel(format);
    uint8_t pixel[4];
    EncodePixel(pixel, format, argb);
    uint8_t* row = PixelPtr(0, 0);
    for (int x = 0; x < width; ++x) std::memcpy(row + x * bpp, pixel, bpp);
    for (int y = 1; y < height; ++y) std::memcpy(PixelPtr(0, y), row, static_cast<size_t>(width) * bpp);
}

int ReadPixel(const Ref<TPixmap>& pixmap, int x, int y) {
    return pixmap ? pixmap->ReadPixel(x, y) : 0;
}
int PixmapWidth(const Ref<TPixmap>& pixmap) {
    return pixmap ? pixmap->width : 0;
}
int PixmapHeight(const Ref<TPixmap>& pixmap) {
    return pixmap ? pixmap->height : 0;
}

} // namespace wispwood
