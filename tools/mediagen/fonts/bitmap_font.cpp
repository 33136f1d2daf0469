#include "tools/mediagen/fonts/bitmap_font.h"

#include <algorithm>

namespace wispwood::mediagen {

const char kFontCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!?.,':;-+/()&%\"#*=<>_@$[]";

namespace {
// The loader keeps advances within 4..128; anything else would be stored as 4.
uint8_t AdvanceByte(int value) {
    return uint8_t(std::clamp(value, 4, 128));
}
} // namespace

std::map<std::string, std::string> EncodeFontFolder(const BitmapFont& font) {
    const size_t n = font.chars.size();
    std::map<std::string, std::string> files;
    files["dimensions.dat"] = std::to_string(font.cell) + "\r\n" + std::to_string(font.sheet.width) + "\r\n";
    files["characters.dat"] = font.chars + "\r\n";
    files["spacing.dat"] = std::to_string(font.spacing) + "\r\n";
    std::string kerning;
    kerning.reserve(n * (n + 1) + n);
    for (size_t k = 0; k < n; ++k)
        for (size_t m = 0; m <= n; ++m) kerning.push_back(char(AdvanceByte(font.advance[k][m])));
    for (size_t k = 0; k < n; ++k) kerning.push_back(char(uint8_t(std::clamp(font.left_pixel[k], 0, 255))));
    files["kerning.dat"] = kerning;
    std::string offsets;
    for (size_t k = 0; k < n; ++k) offsets.push_back(char(uint8_t(std::clamp(font.offset[k] + 128, 0, 255))));
    files["offsets.dat"] = offsets;
    files["font.png"] = EncodePng(font.sheet);
    return files;
}

} // namespace wispwood::mediagen
