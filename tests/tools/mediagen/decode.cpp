#include "tests/tools/mediagen/decode.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <fstream>
#include <iterator>

namespace wispwood::mediagen::test {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

namespace {
struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};
void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}
} // namespace

Decoded DecodePicture(const std::string& path) {
    Decoded out;
    std::string bytes = ReadBytes(path);
    if (bytes.size() > 8 && png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) == 0) {
        out.png = true;
        out.bit_depth = uint8_t(bytes[24]);
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return out;
        image.format = PNG_FORMAT_RGBA;
        out.raster = Raster(int(image.width), int(image.height));
        out.ok = png_image_finish_read(&image, nullptr, out.raster.rgba.data(), 0, nullptr) != 0;
        return out;
    }
    jpeg_decompress_struct cinfo;
    JpegError error;
    cinfo.err = jpeg_std_error(&error.mgr);
    error.mgr.error_exit = OnJpegError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return out;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    out.progressive = cinfo.progressive_mode;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out.raster = Raster(int(cinfo.output_width), int(cinfo.output_height));
    std::vector<uint8_t> row(cinfo.output_width * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        int y = int(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        for (int x = 0; x < out.raster.width; ++x) {
            uint8_t* p = out.raster.At(x, y);
            p[0] = row[x * 3], p[1] = row[x * 3 + 1], p[2] = row[x * 3 + 2], p[3] = 255;
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    out.ok = true;
    return out;
}

} // namespace wispwood::mediagen::test
