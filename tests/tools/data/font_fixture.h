#pragma once
// The game's fonts as the game loads them from the generated media tree,
// and the measures of the pictures texts are drawn on, for checks that the
// shipped texts fit where they are drawn.
#include "engine/core/text.h"
#include "framework/fonts/font.h"
#include "tests/support/headless_display.h"

namespace wispwood::datatest {

// MainFont, TutorialFont and BigFont loaded by the game's LoadFonts from the
// generated tree (the test fails when any of them does not load), with the
// start-up image defaults; all undone afterwards.
class GameFontsTest : public test::HeadlessDisplayTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// The width of a generated picture ("media/..."), as the game's loader gives
// it; 0 when it does not load.
int PictureWidth(const Text& mediaPath);

// Where text reads on a panel picture: its light face inside the wooden
// frame, along the picture's middle row and column.
struct PanelFace {
    int left = 0, right = 0, top = 0, bottom = 0; // right and bottom exclusive
    int Width() const { return right - left; }
};
PanelFace FaceOf(const Text& mediaPath);

// The characters of the text the font has no glyph for, after the upper
// casing every font applies; a blank is drawn as the font's spacing.
Text MissingGlyphs(const Font& font, const Text& text);

} // namespace wispwood::datatest
