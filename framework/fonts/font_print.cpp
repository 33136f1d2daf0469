#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"

namespace wispwood {

void DrawCharInfos(const std::vector<CharDrawInfo>& infos) {
    if (!CurrentFont || !CurrentFont->Image) return;
    const Ref<TImage>& sheet = CurrentFont->Image;
    // Text blends by alpha unless the caller draws with light or shade,
    // which it then inherits; colour and alpha are the caller's.
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    for (const CharDrawInfo& info : infos) {
        if (info.frame < 0) continue;
        TDrawState::PushRotation(info.rotation);
        TDrawState::PushScale(info.scalex, info.scaley);
        SetImageHandle(sheet, info.handlex, info.handley);
        DrawGameImage(sheet, info.x, info.y, info.frame);
    }
    TDrawState::Pop();
}

void PrintText(const Text& text, float x, float y, int align, float scale, const FontDrawStyle* style) {
    DrawCharInfos(LayoutText(text, x, y, align, scale, style));
}

void PrintTextCareful(const Text& text, float x, float y, int align, float scale,
                      const FontDrawStyle* style) {
    DrawCharInfos(LayoutTextCareful(text, x, y, align, scale, style));
}

void PrintPopIn(const Text& text, float x, float y, int align, float scale, int time, int offset,
                const Ref<Font>& font) {
    const FontDrawStyle style = PopInStyle(text, time, offset);
    if (font)
        font->FontPrint(text, x, y, align, scale, &style);
    else
        PrintText(text, x, y, align, scale, &style);
}

void Font::FontPrint(const Text& text, float x, float y, int align, float scale, const FontDrawStyle* style) {
    CurrentFontScope scope(Self());
    PrintText(text, x, y, align, scale, style);
}

void Font::FontPrintCareful(const Text& text, float x, float y, int align, float scale,
                            const FontDrawStyle* style) {
    CurrentFontScope scope(Self());
    PrintTextCareful(text, x, y, align, scale, style);
}

} // namespace wispwood
