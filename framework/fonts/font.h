#pragma once
// Bitmap fonts: a sheet of square glyph cells with per-pair advances
// (kerning), per-glyph vertical offsets and a fixed advance for characters
// the font lacks. Text is upper-cased before layout, so a font carries
// capitals only. Layout gives one CharDrawInfo per character; callers may
// animate those records before drawing them.
//
// Most calls act on the current font; the Font methods make their font
// current for the length of the call and then restore the previous one.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <memory>
#include <vector>

namespace wispwood {

class TImage;

// One laid-out character.
class CharDrawInfo {
  public:
    float scalex = 0;
    float scaley = 0;
    float handlex = 0;
    float handley = 0;
    float rotation = 0;
    float x = 0;
    float y = 0;
    int frame = 0;   // glyph frame, -1 for a character the font lacks
    float width = 0; // the advance used after this character
};

// Optional per-character overrides; entry i applies to character i.
class FontDrawStyle {
  public:
    int FractionalPositions = 0; // 0: positions snap to whole pixels
    std::vector<float> Scale;
    std::vector<float> Rotate;
    std::vector<float> Nudge;
};

// Alignments: x is the left edge, the centre, the centre with y the line's
// vertical centre, or the right edge. Except for the vertical centre, y is
// the top of the line.
enum FontAlign { AlignLeft = 0, AlignCentre = 1, AlignMiddle = 2, AlignRight = 3 };

class Font : public std::enable_shared_from_this<Font> {
  public:
    Ref<TImage> Image;  // one frame per character of Chars, in order
    int ImageWidth = 0; // the cell size; cells are square
    int ImageHeight = 0;
    int TextureWidth = 0;
    Text Chars;
    // Width[k][m]: the advance after glyph k (1-based) when glyph m follows,
    // m = 0 when nothing (or a character outside the set) follows. Row 0
    // stays 0. Width[k][0] / 2 is also the glyph's horizontal handle.
    std::vector<std::vector<float>> Width;
    std::vector<float> LeftPixel; // entries 1..N
    std::vector<float> Offset;    // entries 1..N: vertical offset per glyph
    int Spacing = 0;              // advance of a character not in Chars
    int LowestOffset = 0;         // trunc(Offset[1])

    void FontPrint(const Text& text, float x, float y, int align = 0, float scale = 1,
                   const FontDrawStyle* style = nullptr);
    void FontPrintCareful(const Text& text, float x, float y, int align = 0, float scale = 1,
                          const FontDrawStyle* style = nullptr);
    std::vector<CharDrawInfo> FontTextPOsitions(const Text& text, float x, float y, int align = 0,
                                                float scale = 1, const FontDrawStyle* style = nullptr);
    int FontLength(const Text& text, float scale = 1);
    int FontHeight(float scale = 1);

    // The glyph (1-based position in Chars) of a byte, 0 when absent.
    int GlyphOf(unsigned char c) const { return glyphOf_[c]; }
    // Sizes Width, LeftPixel and Offset for Chars and indexes the glyphs.
    void PrepareTables();
    // This font as a reference, also for one not owned by a reference.
    Ref<Font> Self();

  private:
    int glyphOf_[256] = {};
};

extern Ref<Font> CurrentFont;

void SetCurrentFont(const Ref<Font>& font);
Ref<Font> GetCurrentFont();

// Layout on the current font; empty without one.
std::vector<CharDrawInfo> LayoutText(const Text& text, float x, float y, int align = 0, float scale = 1,
                                     const FontDrawStyle* style = nullptr);
// The text's width: the last record's x plus its advance; 0 when empty.
float CurrentFontLength(const Text& text, float scale = 1);
float CurrentFontHeight(float scale = 1);
// The records of the text with apostrophes placed like exclamation marks.
std::vector<CharDrawInfo> LayoutTextCareful(const Text& text, float x, float y, int align = 0,
                                            float scale = 1, const FontDrawStyle* style = nullptr);
// The style that grows characters into place one after another: each
// starts 4 units of t = time + time^1.9 / 70 after the previous one.
FontDrawStyle PopInStyle(const Text& text, int time, int offset);

void DrawCharInfos(const std::vector<CharDrawInfo>& infos);
void PrintText(const Text& text, float x, float y, int align = 0, float scale = 1,
               const FontDrawStyle* style = nullptr);
void PrintTextCareful(const Text& text, float x, float y, int align = 0, float scale = 1,
                      const FontDrawStyle* style = nullptr);
void PrintPopIn(const Text& text, float x, float y, int align, float scale, int time, int offset,
                const Ref<Font>& font = nullptr);

// Makes the font current until the object goes.
class CurrentFontScope {
  public:
    explicit CurrentFontScope(const Ref<Font>& font) : previous_(CurrentFont) { CurrentFont = font; }
    ~CurrentFontScope() { CurrentFont = previous_; }
    CurrentFontScope(const CurrentFontScope&) = delete;
    CurrentFontScope& operator=(const CurrentFontScope&) = delete;

  private:
    Ref<Font> previous_;
};

// No current font (start-up state).
void ResetFonts();

} // namespace wispwood
