#include "game/adventure/credit.h"
#include "engine/draw/graphics.h"
#include "framework/fonts/font.h"
#include "game/services/game_fonts.h"

namespace wispwood {

namespace {

constexpr float kMediumScale = 0.75f;

bool Contains(const Text& text, const char* marker) {
    return text.find(marker) != Text::npos;
}

// One pass over the text: pieces that come together only after a marker
// is removed are left as they are.
Text RemoveAll(const Text& text, const Text& marker) {
    Text kept;
    size_t from = 0;
    for (size_t at = text.find(marker); at != Text::npos; at = text.find(marker, from)) {
        kept.append(text, from, at - from);
        from = at + marker.size();
    }
    kept.append(text, from, Text::npos);
    return kept;
}

} // namespace

Ref<Credit> Credit::Create(const Text& line) {
    auto credit = New<Credit>();
    credit->txt = RemoveAll(RemoveAll(RemoveAll(line, "<M>"), "<L>"), "<I>");
    credit->Size = Contains(line, "<M>") ? 1 : Contains(line, "<L>") ? 2 : 0;
    credit->DisplayImages = Contains(line, "<I>") ? 1 : 0;
    return credit;
}

float Credit::Height() {
    switch (Size) {
    case 1:
        return BigFont ? static_cast<float>(BigFont->FontHeight(kMediumScale)) : 0;
    case 2:
        return BigFont ? static_cast<float>(BigFont->FontHeight(1)) : 0;
    default:
        return CurrentFontHeight(1);
    }
}

void Credit::Render(float y) {
    if (y < -200 || y > 1000) return;
    const Ref<Font>& font = Size == 0 ? MainFont : BigFont;
    if (!font) return;
    const float scale = Size == 1 ? kMediumScale : 1;
    font->FontPrint(txt, static_cast<float>(GraphicsWidth()) / 2, y, AlignMiddle, scale);
}

} // namespace wispwood
