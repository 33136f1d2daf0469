#include "tests/tools/mediagen/raw_bytes.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace wispwood::mediagen::probe {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int PngBitDepth(const std::string& bytes) {
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (bytes.size() < 33 || bytes.compare(0, 8, kSignature) != 0 || bytes.compare(12, 4, "IHDR") != 0)
        return 0;
    return uint8_t(bytes[24]);
}

int JpegFrameMarker(const std::string& bytes) {
    auto at = [&](size_t i) { return i < bytes.size() ? int(uint8_t(bytes[i])) : -1; };
    if (at(0) != 0xFF || at(1) != 0xD8) return 0;
    size_t i = 2;
    while (i + 3 < bytes.size()) {
        if (at(i) != 0xFF) return 0;
        while (at(i) == 0xFF) ++i; // fill bytes
        int marker = at(i);
        if (marker == 0xDA || marker == 0xD9) return 0; // a scan or the end before any frame
        bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return marker;
        if (at(i + 2) < 0) return 0;
        i += 1 + size_t(at(i + 1) << 8 | at(i + 2)); // the segment's length counts its own two bytes
    }
    return 0;
}

} // namespace wispwood::mediagen::probe
