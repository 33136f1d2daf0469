#include "tools/mediagen/core/raster.h"

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace wispwood::mediagen {

namespace {
void AppendPngData(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}
void FlushPngData(png_structp) {}
} // namespace

std::string EncodePng(const Raster& raster, int level) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, AppendPngData, FlushPngData);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, raster.width, raster.height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < raster.height; ++y) png_write_row(png, const_cast<png_bytep>(raster.At(0, y)));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string EncodeJpeg(const Raster& raster, int quality) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = raster.width;
    cinfo.image_height = raster.height;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(size_t(raster.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint8_t* src = raster.At(0, int(cinfo.next_scanline));
        for (int x = 0; x < raster.width; ++x)
            for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + c] = src[x * 4 + c];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    return out;
}

Raster FlipX(const Raster& raster) {
    Raster out(raster.width, raster.height);
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            std::copy_n(raster.At(raster.width - 1 - x, y), 4, out.At(x, y));
    return out;
}

Raster FlipY(const Raster& raster) {
    Raster out(raster.width, raster.height);
    for (int y = 0; y < raster.height; ++y)
        std::copy_n(raster.At(0, raster.height - 1 - y), size_t(raster.width) * 4, out.At(0, y));
    return out;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error) {
    if (ReadWholeFile(path, bytes)) return true;
    error = "cannot read " + path.string();
    return false;
}

bool WriteFileIfChanged(const std::filesystem::path& path, const std::string& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::string old;
    if (ReadWholeFile(path, old) && old == bytes) return true;
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "mediagen: cannot write %s\n", temp.string().c_str());
            return false;
        }
    }
    std::filesystem::rename(temp, path, error);
    if (error) {
        std::fprintf(stderr, "mediagen: cannot write %s: %s\n", path.string().c_str(),
                     error.message().c_str());
        return false;
    }
    return true;
}

} // namespace wispwood::mediagen
