#include "tests/engine/draw/picture_bytes.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_stream.h"
#include "tests/support/byte_builder.h"
#include "tests/support/paths.h"
#include <algorithm>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace wispwood::test {

namespace {

uint32_t Argb(const Ref<TPixmap>& p, int x, int y) {
    return static_cast<uint32_t>(p->ReadPixel(x, y));
}

std::vector<uint32_t> Palette(const Ref<TPixmap>& pixmap) {
    std::vector<uint32_t> colours;
    for (int y = 0; y < pixmap->height; ++y)
        for (int x = 0; x < pixmap->width; ++x) {
            uint32_t c = Argb(pixmap, x, y) | 0xff000000u;
            if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
        }
    return colours;
}

} // namespace

Ref<TPixmap> TestPicture(bool withAlpha) {
    auto pixmap = TPixmap::Create(5, 3, withAlpha ? PF_RGBA8888 : PF_RGB888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            uint32_t a = withAlpha ? 255 - x * 60 : 255;
            pixmap->WritePixel(x, y,
                               static_cast<int>(a << 24 | (x * 60) << 16 | (y * 120) << 8 | (200 - x * 40)));
        }
    return pixmap;
}

Text EncodePNG(const Ref<TPixmap>& pixmap) {
    TempDir dir;
    Text bytes;
    if (SavePixmapPNG(pixmap, dir.File("p.png"))) LoadText(dir.File("p.png"), bytes);
    return bytes;
}

Text EncodeJPEG(const Ref<TPixmap>& pixmap, int quality) {
    auto rgb = pixmap->Convert(PF_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = rgb->width;
    cinfo.image_height = rgb->height;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Full-resolution colour, so a tiny picture of sharp changes survives.
    for (int i = 0; i < cinfo.num_components; ++i)
        cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rgb->PixelPtr(0, static_cast<int>(cinfo.next_scanline));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Text bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    return bytes;
}

Text EncodeBMP(const Ref<TPixmap>& pixmap, int bits, bool topDown) {
    int w = pixmap->width, h = pixmap->height;
    std::vector<uint32_t> palette = bits <= 8 ? Palette(pixmap) : std::vector<uint32_t>{};
    bool fields = bits == 32;
    int headerSize = fields ? 56 : 40;
    int rowBytes = (w * bits + 31) / 32 * 4;
    int offset = 14 + headerSize + static_cast<int>(palette.size()) * 4;
    Text out = "BM";
    Put32(out, offset + rowBytes * h), Put32(out, 0), Put32(out, offset);
    Put32(out, headerSize), Put32(out, w), Put32(out, topDown ? -h : h), Put16(out, 1), Put16(out, bits);
    Put32(out, fields ? 3 : 0), Put32(out, rowBytes * h), Put32(out, 2835), Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(palette.size())), Put32(out, 0);
    if (fields) Put32(out, 0xff0000), Put32(out, 0xff00), Put32(out, 0xff), Put32(out, 0xff000000u);
    for (uint32_t c : palette) Put32(out, c & 0xffffff);
    for (int row = 0; row < h; ++row) {
        int y = topDown ? row : h - 1 - row;
        Text line(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            uint32_t c = Argb(pixmap, x, y);
            if (bits <= 8) {
                int index = static_cast<int>(std::find(palette.begin(), palette.end(), c | 0xff000000u) -
                                             palette.begin());
                int perByte = 8 / bits;
                line[x / perByte] = char(line[x / perByte] | index << ((perByte - 1 - x % perByte) * bits));
            } else if (bits == 16) {
                int v = ((c >> 19) & 31) << 10 | ((c >> 11) & 31) << 5 | ((c >> 3) & 31);
                line[x * 2] = char(v & 255), line[x * 2 + 1] = char(v >> 8);
            } else {
                int bpp = bits / 8;
                line[x * bpp] = char(c), line[x * bpp + 1] = char(c >> 8), line[x * bpp + 2] = char(c >> 16);
                if (bpp == 4) line[x * bpp + 3] = char(c >> 24);
            }
        }
        out += line;
    }
    return out;
}

Text EncodeTGA(const Ref<TPixmap>& pixmap, int type, int bits, bool topDown) {
    int w = pixmap->width, h = pixmap->height, base = type & 7;
    bool rle = type & 8;
    std::vector<uint32_t> palette = base == 1 ? Palette(pixmap) : std::vector<uint32_t>{};
    Text out;
    out += char(0), out += char(base == 1), out += char(type);
    Put16(out, 0), Put16(out, static_cast<int>(palette.size())), out += char(base == 1 ? 24 : 0);
    Put16(out, 0), Put16(out, 0), Put16(out, w), Put16(out, h);
    out += char(bits), out += char((topDown ? 0x20 : 0) | (bits == 32 ? 8 : 0));
    for (uint32_t c : palette) out += char(c), out += char(c >> 8), out += char(c >> 16);
    std::vector<Text> pixels;
    for (int row = 0; row < h; ++row) {
        int y = topDown ? row : h - 1 - row;
        for (int x = 0; x < w; ++x) {
            uint32_t c = Argb(pixmap, x, y);
            Text p;
            if (base == 1)
                p += char(std::find(palette.begin(), palette.end(), c | 0xff000000u) - palette.begin());
            else if (base == 3)
                p += char(c & 255);
            else {
                p += char(c), p += char(c >> 8), p += char(c >> 16);
                if (bits == 32) p += char(c >> 24);
            }
            pixels.push_back(p);
        }
    }
    if (!rle) {
        for (auto& p : pixels) out += p;
        return out;
    }
    // Runs of equal pixels become run packets, the rest raw packets of one.
    for (size_t i = 0; i < pixels.size();) {
        size_t run = 1;
        while (i + run < pixels.size() && run < 128 && pixels[i + run] == pixels[i]) ++run;
        if (run > 1)
            out += char(0x80 | (run - 1)), out += pixels[i];
        else
            out += char(0), out += pixels[i];
        i += run;
    }
    return out;
}

} // namespace wispwood::test
