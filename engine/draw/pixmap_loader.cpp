#include "engine/draw/pixmap_loader.h"
#include "engine/core/runtime_error.h"
#include "engine/io/file_stream.h"

namespace wispwood {

namespace {

using Decoder = Ref<TPixmap> (*)(const uint8_t*, size_t);

// Tried in this order. TGA has no signature, so its loader checks the header
// strictly enough to turn down the other three formats.
constexpr Decoder gDecoders[] = {LoadPixmapTGA, LoadPixmapPNG, LoadPixmapJPEG, LoadPixmapBMP};

// Reads what is left of the stream. A stream that fails part way gives what
// it delivered; the decoders treat that as a truncated file.
Text ReadRemaining(TStream& stream) {
    Text bytes;
    char buffer[65536];
    try {
        for (;;) {
            int64_t got = stream.Read(buffer, sizeof buffer);
            if (got <= 0) break;
            bytes.append(buffer, static_cast<size_t>(got));
        }
    } catch (const RuntimeError&) {
    }
    return bytes;
}

} // namespace

Ref<TPixmap> LoadPixmapFromBytes(const Text& bytes) {
    auto data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (Decoder decode : gDecoders)
        if (auto pixmap = decode(data, bytes.size())) return pixmap;
    return nullptr;
}

Ref<TPixmap> LoadPixmap(const PixmapSource& source) {
    if (source.Pixmap()) return source.Pixmap();
    Ref<TStream> stream = source.Stream();
    if (!stream) {
        if (source.Path().empty()) return nullptr;
        stream = ReadFile(source.Path());
        if (!stream) return nullptr;
    }
    return LoadPixmapFromBytes(ReadRemaining(*stream));
}

} // namespace wispwood
