#include "tests/tools/data/font_fixture.h"

#include "engine/draw/image.h"
#include "engine/io/text_routines.h"
#include "framework/images/game_image.h"
#include "game/app/world_reset.h"
#include "game/services/game_fonts.h"
#include "tests/support/paths.h"

namespace wispwood::datatest {

void GameFontsTest::SetUp() {
    HeadlessDisplayTest::SetUp();
    ResetWorld();
    SetDefaultImageFlags(FILTEREDIMAGE);
    // The game finds its font folders from the working folder.
    {
        test::WorkingFolder inGame(test::GamePath(""));
        LoadFonts();
    }
    for (const Ref<Font>& font : {MainFont, TutorialFont, BigFont})
        ASSERT_TRUE(font && font->Image) << "the generated fonts did not load";
}

void GameFontsTest::TearDown() {
    ResetWorld();
}

int PictureWidth(const Text& mediaPath) {
    return ImageWidth(LoadGameImage(test::GamePath(mediaPath)));
}

namespace {

// Parchment is light and the wood around it dark. The frame's gold trim is
// light too, but only a line or two wide, so the face starts where a few
// light pixels follow each other.
bool Light(const Ref<TPixmap>& p, int x, int y) {
    int argb = ReadPixel(p, x, y);
    int r = argb >> 16 & 255, g = argb >> 8 & 255, b = argb & 255;
    return (static_cast<uint32_t>(argb) >> 24) == 255 && 3 * r + 6 * g + b > 10 * 170;
}

constexpr int kFaceRun = 4;

bool OnFace(const Ref<TPixmap>& p, int x, int y, int dx, int dy) {
    for (int i = 0; i < kFaceRun; ++i)
        if (!Light(p, x + i * dx, y + i * dy)) return false;
    return true;
}

} // namespace

PanelFace FaceOf(const Text& mediaPath) {
    Ref<TPixmap> p = LoadPixmap(test::GamePath(mediaPath));
    PanelFace face;
    if (!p) return face;
    const int midX = p->width / 2, midY = p->height / 2;
    face.left = 0;
    while (face.left < midX && !OnFace(p, face.left, midY, 1, 0)) ++face.left;
    face.right = p->width;
    while (face.right > midX && !OnFace(p, face.right - 1, midY, -1, 0)) --face.right;
    face.top = 0;
    while (face.top < midY && !OnFace(p, midX, face.top, 0, 1)) ++face.top;
    face.bottom = p->height;
    while (face.bottom > midY && !OnFace(p, midX, face.bottom - 1, 0, -1)) --face.bottom;
    return face;
}

Text MissingGlyphs(const Font& font, const Text& text) {
    Text missing;
    for (char c : UpperText(text))
        if (c != ' ' && font.GlyphOf(static_cast<unsigned char>(c)) == 0 && missing.find(c) == Text::npos)
            missing += c;
    return missing;
}

} // namespace wispwood::datatest
