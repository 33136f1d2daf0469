#include "engine/io/text_routines.h"
#include "framework/anim/piecewise_function.h"
#include "framework/fonts/font.h"
#include <cmath>

namespace wispwood {

Ref<Font> CurrentFont;

namespace {

// Positions snap by truncation, as the drawing of whole pixels expects.
float Trunc(float v) {
    return std::trunc(v);
}

float AlignFactor(int align) {
    switch (align) {
    case AlignCentre:
    case AlignMiddle:
        return 0.5f;
    case AlignRight:
        return 1.0f;
    default:
        return 0.0f;
    }
}

const TPieceWiseFunction& PopInCurve() {
    static const Ref<TPieceWiseFunction> curve =
        TPieceWiseFunction::CreateFromArray({{0, 0}, {24, 1.05f}, {25, 1.1f}, {26, 1.05f}, {30, 1.0f}});
    return *curve;
}

} // namespace

void Font::PrepareTables() {
    const int n = static_cast<int>(Chars.size());
    Width.assign(n + 1, std::vector<float>(n + 1, 0.0f));
    LeftPixel.assign(n + 1, 0.0f);
    Offset.assign(n + 1, 0.0f);
    for (int& g : glyphOf_) g = 0;
    // The first occurrence wins should a set name a character twice.
    for (int k = n; k >= 1; --k) glyphOf_[static_cast<unsigned char>(Chars[k - 1])] = k;
}

Ref<Font> Font::Self() {
    if (auto self = weak_from_this().lock()) return self;
    return Ref<Font>(Ref<Font>(), this);
}

void SetCurrentFont(const Ref<Font>& font) {
    CurrentFont = font;
}

Ref<Font> GetCurrentFont() {
    return CurrentFont;
}

std::vector<CharDrawInfo> LayoutText(const Text& text, float x, float y, int align, float scale,
                                     const FontDrawStyle* style) {
    std::vector<CharDrawInfo> infos;
    if (!CurrentFont || text.empty()) return infos;
    const Font& font = *CurrentFont;
    const Text upper = UpperText(text);
    const int fractional = style ? style->FractionalPositions : 0;
    const int half = font.ImageHeight / 2;
    const int lowest = font.LowestOffset;
    if (align != AlignMiddle) {
        y += scale * static_cast<float>(half - lowest + 1);
        if (!fractional) y = Trunc(y + 0.5f);
    }
    const int lastRow = static_cast<int>(font.Width.size()) - 1;
    const float glyphHalfHeight = static_cast<float>(font.ImageHeight) / 2.0f;
    infos.resize(upper.size());
    float total = 0;
    for (size_t i = 0; i < upper.size(); ++i) {
        int k = font.GlyphOf(static_cast<unsigned char>(upper[i]));
        int m = i + 1 < upper.size() ? font.GlyphOf(static_cast<unsigned char>(upper[i + 1])) : 0;
        // A font whose tables were not prepared for its set has no glyphs.
        if (k > lastRow || m > lastRow) k = m = 0;
        CharDrawInfo& info = infos[i];
        info.scalex = info.scaley = scale;
        info.handlex = k > 0 ? font.Width[k][0] / 2.0f : 0.0f;
        info.handley = glyphHalfHeight;
        info.rotation = 0;
        info.x = x + info.handlex * scale;
        const float offset = k > 0 ? font.Offset[k] : 0.0f;
        info.y = y + scale * (offset - static_cast<float>(lowest));
        info.frame = k - 1;
        const float advance = k > 0 ? font.Width[k][m] * scale : static_cast<float>(font.Spacing) * scale;
        info.width = advance;
        x += advance;
        total += advance;
    }
    if (align > 0) {
        float shift = total * AlignFactor(align);
        if (!fractional) shift = Trunc(shift);
        for (CharDrawInfo& info : infos) info.x -= shift;
    }
    if (style) {
        for (size_t i = 0; i < infos.size(); ++i) {
            if (i < style->Scale.size()) {
                infos[i].scalex *= style->Scale[i];
                infos[i].scaley *= style->Scale[i];
            }
            if (i < style->Rotate.size()) infos[i].rotation = style->Rotate[i];
            if (i < style->Nudge.size()) infos[i].y += style->Nudge[i];
        }
    }
    return infos;
}

std::vector<CharDrawInfo> LayoutTextCareful(const Text& text, float x, float y, int align, float scale,
                                            const FontDrawStyle* style) {
    Text spaced = text;
    for (char& c : spaced)
        if (c == '\'') c = '!';
    std::vector<CharDrawInfo> own = LayoutText(text, x, y, align, scale, style);
    std::vector<CharDrawInfo> infos = LayoutText(spaced, x, y, align, scale, style);
    for (size_t i = 0; i < infos.size() && i < own.size(); ++i) {
        if (text[i] != '\'') continue;
        const float placed = infos[i].x;
        infos[i] = own[i];
        infos[i].x = placed;
    }
    return infos;
}

float CurrentFontLength(const Text& text, float scale) {
    std::vector<CharDrawInfo> infos = LayoutText(text, 0, 0, AlignLeft, scale, nullptr);
    if (infos.empty()) return 0;
    return infos.back().x + infos.back().width;
}

float CurrentFontHeight(float scale) {
    if (!CurrentFont) return 0;
    return scale * 2.0f * static_cast<float>(CurrentFont->ImageHeight / 2 - CurrentFont->LowestOffset + 1);
}

FontDrawStyle PopInStyle(const Text& text, int time, int offset) {
    FontDrawStyle style;
    // The swelling term is only defined from the start of the animation on.
    const double t = time + (time > 0 ? std::pow(static_cast<double>(time), 1.9) / 70.0 : 0.0);
    style.Scale.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        style.Scale[i] = PopInCurve().InterpolateLinearly(static_cast<float>(t - 4.0 * i - offset));
    return style;
}

std::vector<CharDrawInfo> Font::FontTextPOsitions(const Text& text, float x, float y, int align, float scale,
                                                  const FontDrawStyle* style) {
    CurrentFontScope scope(Self());
    return LayoutText(text, x, y, align, scale, style);
}

int Font::FontLength(const Text& text, float scale) {
    CurrentFontScope scope(Self());
    return static_cast<int>(CurrentFontLength(text, scale));
}

int Font::FontHeight(float scale) {
    CurrentFontScope scope(Self());
    return static_cast<int>(CurrentFontHeight(scale));
}

void ResetFonts() {
    CurrentFont = nullptr;
}

} // namespace wispwood
