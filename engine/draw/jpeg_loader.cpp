// JPEG through libjpeg. Errors leave by longjmp to the decode function. A
// file that ends early is refused too: libjpeg would otherwise pad the
// picture with grey and call it a success.
#include "engine/draw/pixmap_loader.h"
#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace wispwood {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void JpegFailed(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings say the data is damaged but decoding went on, padding what is
// missing with grey. Those that mean lost picture data fail the load (a
// damaged header could otherwise make libjpeg fill a huge picture with
// nothing); stray bytes between segments are a quirk of some writers.
void CheckWarning(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
        JpegFailed(cinfo);
    }
}

struct JpegDecodeState {
    Ref<TPixmap> pixmap;
};

} // namespace

Ref<TPixmap> LoadPixmapJPEG(const uint8_t* data, size_t size) {
    if (size < 3 || data[0] != 0xff || data[1] != 0xd8 || data[2] != 0xff) return nullptr;
    JpegDecodeState state;
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegFailed;
    errors.base.emit_message = CheckWarning;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height))
        JpegFailed(reinterpret_cast<j_common_ptr>(&cinfo));
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) JpegFailed(reinterpret_cast<j_common_ptr>(&cinfo));
    state.pixmap = TPixmap::Create(static_cast<int>(cinfo.output_width),
                                   static_cast<int>(cinfo.output_height), PF_RGB888);
    if (!state.pixmap) JpegFailed(reinterpret_cast<j_common_ptr>(&cinfo));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = state.pixmap->PixelPtr(0, static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return state.pixmap;
}

} // namespace wispwood
