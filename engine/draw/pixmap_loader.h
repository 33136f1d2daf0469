#pragma once
// Picture decoding. LoadPixmap tries each registered loader in turn (TGA,
// PNG, JPEG, BMP) on the same bytes. A loader returns null for bytes that are
// not its format or are damaged; none of them reads past the bytes given.
#include "engine/core/text.h"
#include "engine/draw/pixmap.h"
#include "engine/io/stream.h"
#include <type_traits>

namespace wispwood {

// Where a picture comes from: a path, a stream or a pixmap already in
// memory. Loading calls take any of the three.
class PixmapSource {
  public:
    PixmapSource() = default;
    PixmapSource(const Text& path) : path_(path) {}
    PixmapSource(const char* path) : path_(path) {}
    template <class T, class = std::enable_if_t<std::is_base_of_v<TStream, T>>>
    PixmapSource(const Ref<T>& stream) : stream_(stream) {}
    PixmapSource(const Ref<TPixmap>& pixmap) : pixmap_(pixmap) {}

    const Text& Path() const { return path_; }
    const Ref<TStream>& Stream() const { return stream_; }
    const Ref<TPixmap>& Pixmap() const { return pixmap_; }
    // The path, or "" for a stream or pixmap.
    Text Describe() const { return path_; }

  private:
    Text path_;
    Ref<TStream> stream_;
    Ref<TPixmap> pixmap_;
};

// The decoders. Each takes the whole file's bytes.
Ref<TPixmap> LoadPixmapTGA(const uint8_t* data, size_t size);
Ref<TPixmap> LoadPixmapPNG(const uint8_t* data, size_t size);
Ref<TPixmap> LoadPixmapJPEG(const uint8_t* data, size_t size);
Ref<TPixmap> LoadPixmapBMP(const uint8_t* data, size_t size);

// The decoded picture, or null when the source cannot be read or no loader
// understands it. A pixmap source is returned as it is.
Ref<TPixmap> LoadPixmap(const PixmapSource& source);
Ref<TPixmap> LoadPixmapFromBytes(const Text& bytes);

// The largest picture a decoder accepts (each side, and in all); a header
// claiming more is treated as damaged rather than allocated and decoded.
constexpr int MaxPictureSide = 16384;
constexpr int64_t MaxPicturePixels = 64 << 20;
inline bool PictureSizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

// Writes a pixmap as a PNG file (8-bit RGBA, or RGB when the format has no
// alpha); 1 on success. Used for screenshots and test output.
int SavePixmapPNG(const Ref<TPixmap>& pixmap, const Text& path);

} // namespace wispwood
