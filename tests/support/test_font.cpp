#include "tests/support/test_font.h"
#include "engine/draw/pixmap.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"

namespace wispwood::test {

namespace {

const int kAdvances[4][5] = {{10, 12, 11, 9, 9}, {14, 13, 15, 12, 12}, {6, 7, 7, 5, 5}, {4, 6, 6, 4, 4}};
const int kOffsets[4] = {2, 0, -1, 5};

} // namespace

const uint32_t kSheetColours[4] = {0xffff0000u, 0xff00ff00u, 0xff0000ffu, 0xffffffffu};

Ref<Font> MakeTestFont() {
    auto font = New<Font>();
    font->ImageWidth = font->ImageHeight = 20;
    font->TextureWidth = 128;
    font->Chars = "AB!'";
    font->PrepareTables();
    for (int k = 1; k <= 4; ++k) {
        for (int m = 0; m <= 4; ++m) font->Width[k][m] = static_cast<float>(kAdvances[k - 1][m]);
        font->Offset[k] = static_cast<float>(kOffsets[k - 1]);
        font->LeftPixel[k] = static_cast<float>(k);
    }
    font->Spacing = 7;
    font->LowestOffset = 2;
    return font;
}

void WriteTestFontFolder(const Text& folder, bool withSheet) {
    CreateDir(folder, 1);
    SaveText(folder + "/dimensions.dat", "20\r\n128\r\n");
    SaveText(folder + "/characters.dat", " AB!' \r\n");
    Text kerning;
    for (int k = 0; k < 4; ++k)
        for (int m = 0; m <= 4; ++m) kerning += static_cast<char>(k == 0 && m == 4 ? 200 : kAdvances[k][m]);
    for (int k = 1; k <= 4; ++k) kerning += static_cast<char>(k);
    SaveText(folder + "/kerning.dat", kerning);
    SaveText(folder + "/spacing.dat", "7\r\n");
    Text offsets;
    for (int k = 0; k < 4; ++k) offsets += static_cast<char>(kOffsets[k] + 128);
    SaveText(folder + "/offsets.dat", offsets);
    if (!withSheet) return;
    auto sheet = TPixmap::Create(80, 20, PF_RGBA8888);
    sheet->ClearPixels(0);
    for (int k = 0; k < 4; ++k)
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) sheet->WritePixel(20 * k + x, y, static_cast<int>(kSheetColours[k]));
    SavePixmapPNG(sheet, folder + "/font.png");
}

} // namespace wispwood::test
