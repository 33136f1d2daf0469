#include "game/services/game_fonts.h"
#include "framework/fonts/font_files.h"

namespace wispwood {

Ref<Font> MainFont;
Ref<Font> TutorialFont;
Ref<Font> BigFont;

namespace {

Ref<Font> BlankFont() {
    auto font = New<Font>();
    font->PrepareTables();
    return font;
}

void Replace(Ref<Font>& font, const Text& folder) {
    if (Ref<Font> loaded = LoadFont(folder))
        font = loaded;
    else if (!font)
        font = BlankFont();
}

} // namespace

void LoadFonts() {
    Replace(MainFont, "media\\font");
    Replace(TutorialFont, "media\\tutorialfont");
    Replace(BigFont, "media\\bigfont\\");
    SetCurrentFont(MainFont);
}

void ResetGameFonts() {
    MainFont = TutorialFont = BigFont = nullptr;
}

} // namespace wispwood
