#include "framework/fonts/font_files.h"
#include "engine/io/file_stream.h"
#include "engine/io/path.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/data_file_report.h"
#include "framework/images/game_image.h"
#include <cstdio>

namespace wispwood {

namespace {

// Advances outside this range come from damaged or unset kerning entries.
constexpr int kLowestKerning = 4;
constexpr int kHighestKerning = 128;

void FirstLines(const Text& bytes, int count, TextArray& lines) {
    size_t from = 0;
    while (static_cast<int>(lines.size()) < count && from <= bytes.size()) {
        size_t end = bytes.find('\n', from);
        Text line = bytes.substr(from, end == Text::npos ? Text::npos : end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == Text::npos) break;
        from = end + 1;
    }
}

// The file's first `count` lines (fewer when it is shorter); false when it
// cannot be read.
bool ReadLines(const Text& path, int count, TextArray& lines) {
    Text bytes;
    if (!LoadText(path, bytes)) return false;
    FirstLines(bytes, count, lines);
    return true;
}

bool Fail(Text* problem, const Text& reason) {
    if (problem) *problem = reason;
    return false;
}

bool ReadDimensions(Font& font, const Text& folder, Text* problem) {
    const Text path = FontFilePath(folder, "dimensions.dat");
    TextArray lines;
    if (!ReadLines(path, 2, lines)) return Fail(problem, "missing " + path);
    font.ImageWidth = font.ImageHeight = TextToInt(TrimText(lines[0]));
    font.TextureWidth = lines.size() > 1 ? TextToInt(TrimText(lines[1])) : 0;
    if (font.ImageWidth <= 0) return Fail(problem, "no cell size in " + path);
    return true;
}

bool ReadCharacters(Font& font, const Text& folder, Text* problem) {
    const Text path = FontFilePath(folder, "characters.dat");
    TextArray lines;
    if (!ReadLines(path, 1, lines)) return Fail(problem, "missing " + path);
    font.Chars = TrimText(lines[0]);
    if (font.Chars.empty()) return Fail(problem, "no characters in " + path);
    font.PrepareTables();
    return true;
}

bool ReadKerning(Font& font, const Text& folder, Text* problem) {
    const Text path = FontFilePath(folder, "kerning.dat");
    const size_t n = font.Chars.size();
    Text bytes;
    if (!LoadText(path, bytes)) return Fail(problem, "missing " + path);
    if (bytes.size() < n * (n + 1) + n) return Fail(problem, "too short: " + path);
    size_t at = 0;
    for (size_t k = 1; k <= n; ++k) {
        for (size_t m = 0; m <= n; ++m) {
            int advance = CharCode(bytes, at++);
            if (advance > kHighestKerning || advance < kLowestKerning) advance = kLowestKerning;
            font.Width[k][m] = static_cast<float>(advance);
        }
    }
    for (size_t k = 1; k <= n; ++k) font.LeftPixel[k] = static_cast<float>(CharCode(bytes, at++));
    return true;
}

bool ReadSpacing(Font& font, const Text& folder, Text* problem) {
    const Text path = FontFilePath(folder, "spacing.dat");
    TextArray lines;
    if (!ReadLines(path, 1, lines)) return Fail(problem, "missing " + path);
    font.Spacing = TextToInt(TrimText(lines[0]));
    return true;
}

bool ReadOffsets(Font& font, const Text& folder, Text* problem) {
    const Text path = FontFilePath(folder, "offsets.dat");
    const size_t n = font.Chars.size();
    Text bytes;
    if (!LoadText(path, bytes)) return Fail(problem, "missing " + path);
    if (bytes.size() < n) return Fail(problem, "too short: " + path);
    for (size_t k = 1; k <= n; ++k) font.Offset[k] = static_cast<float>(CharCode(bytes, k - 1) - 128);
    font.LowestOffset = static_cast<int>(font.Offset[1]);
    return true;
}

} // namespace

Text FontFilePath(const Text& folder, const Text& name) {
    return NormalisePath(folder) + "\\" + name;
}

Ref<Font> ReadFontTables(const Text& folder, Text* problem) {
    auto font = New<Font>();
    if (!ReadDimensions(*font, folder, problem) || !ReadCharacters(*font, folder, problem) ||
        !ReadKerning(*font, folder, problem) || !ReadSpacing(*font, folder, problem) ||
        !ReadOffsets(*font, folder, problem))
        return nullptr;
    return font;
}

Ref<Font> LoadFont(const Text& folder) {
    Text problem;
    Ref<Font> font = ReadFontTables(folder, &problem);
    if (font) {
        const int cell = font->ImageWidth;
        const int glyphs = static_cast<int>(font->Chars.size());
        font->Image =
            LoadGameFramedImage(FontFilePath(folder, "font.png"), cell, cell, 0, glyphs, FILTEREDIMAGE);
        if (!font->Image) problem = "no glyph sheet of " + IntToText(glyphs) + " cells";
    }
    if (!font || !font->Image) {
        ReportDataFile(folder, "is not a whole font (" + problem + ")", "its text is drawn blank");
        return nullptr;
    }
    if (!CurrentFont) CurrentFont = font;
    return font;
}

} // namespace wispwood
