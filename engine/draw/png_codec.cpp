// PNG through libpng. libpng reports errors by longjmp; everything that
// needs cleaning up after one is created before the jump target is set.
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_stream.h"
#include <csetjmp>
#include <cstring>
#include <png.h>
#include <vector>

namespace wispwood {

namespace {

struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->pos) png_error(png, "truncated");
    std::memcpy(out, reader->data + reader->pos, count);
    reader->pos += count;
}

void PngFailed(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void IgnoreWarning(png_structp, png_const_charp) {}

struct PngDecodeState {
    MemoryReader reader{};
    Ref<TPixmap> pixmap;
    std::vector<png_bytep> rows;
};

void WriteToText(png_structp png, png_bytep data, png_size_t count) {
    static_cast<Text*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), count);
}
void FlushNothing(png_structp) {}

struct EncodeState {
    Ref<TPixmap> rgba;
    std::vector<png_bytep> rows;
    Text bytes;
};

} // namespace

Ref<TPixmap> LoadPixmapPNG(const uint8_t* data, size_t size) {
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return nullptr;
    PngDecodeState state;
    state.reader = {data, size, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFailed, IgnoreWarning);
    if (!png) return nullptr;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return nullptr;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return nullptr;
    }
    png_set_read_fn(png, &state.reader, ReadFromMemory);
    png_set_user_limits(png, MaxPictureSide, MaxPictureSide);
    png_read_info(png, info);
    if (!PictureSizeAllowed(png_get_image_width(png, info), png_get_image_height(png, info)))
        png_error(png, "too large");

    // Every colour type becomes 8-bit RGB or RGBA.
    int colourType = png_get_color_type(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_packing(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    int channels = png_get_channels(png, info);
    if (channels != 3 && channels != 4) png_error(png, "unexpected layout");
    state.pixmap = TPixmap::Create(static_cast<int>(png_get_image_width(png, info)),
                                   static_cast<int>(png_get_image_height(png, info)),
                                   channels == 4 ? PF_RGBA8888 : PF_RGB888);
    if (!state.pixmap || png_get_rowbytes(png, info) > static_cast<size_t>(state.pixmap->pitch))
        png_error(png, "size");
    for (int y = 0; y < state.pixmap->height; ++y) state.rows.push_back(state.pixmap->PixelPtr(0, y));
    png_read_image(png, state.rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return state.pixmap;
}

int SavePixmapPNG(const Ref<TPixmap>& pixmap, const Text& path) {
    if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return 0;
    EncodeState state;
    bool alpha = FormatHasAlpha(pixmap->format);
    state.rgba = pixmap->Convert(alpha ? PF_RGBA8888 : PF_RGB888);
    if (!state.rgba) return 0;
    for (int y = 0; y < state.rgba->height; ++y) state.rows.push_back(state.rgba->PixelPtr(0, y));

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFailed, IgnoreWarning);
    if (!png) return 0;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return 0;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return 0;
    }
    png_set_write_fn(png, &state.bytes, WriteToText, FlushNothing);
    png_set_IHDR(png, info, state.rgba->width, state.rgba->height, 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, state.rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return SaveText(path, state.bytes);
}

} // namespace wispwood
