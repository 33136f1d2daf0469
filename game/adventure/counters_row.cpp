#include "game/adventure/counters_row.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "framework/data/split_string.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "game/services/game_fonts.h"

namespace wispwood {

namespace {

Ref<TImage> gGem, gSilver, gGold;

constexpr float kNumberScale = 0.75f;
constexpr float kGap = 4;    // between a picture and its number
constexpr float kSpace = 14; // after a number

// The picture centred a little left of x, the number after it; returns the
// x where the next pair starts.
float DrawPair(const Ref<TImage>& image, float scale, const Text& number, float x, float y) {
    float h = BigFont ? static_cast<float>(BigFont->FontHeight(kNumberScale)) : 20;
    float w = image ? static_cast<float>(ImageWidth(image)) * scale : 0;
    TDrawState::Push();
    TDrawState::PushScale(scale, scale);
    DrawGameImage(image, x + w / 2, y + h / 2);
    TDrawState::Pop();
    x += w + kGap;
    if (BigFont) {
        BigFont->FontPrint(number, x, y, AlignLeft, kNumberScale);
        x += static_cast<float>(BigFont->FontLength(number, kNumberScale));
    }
    return x + kSpace;
}

} // namespace

void LoadCountersImages() {
    gGem = LoadGameFramedImage("media\\blocks\\gem.png", 96, 96, 0, 16);
    if (gGem) CentreImageHandle(gGem);
    gSilver = LoadCentredGameImage("media\\medals\\silver.png");
    gGold = LoadCentredGameImage("media\\medals\\gold.png");
}

void RenderCountersRow(const Text& counters, float x, float y) {
    TextArray parts = SplitString(counters, ",");
    auto part = [&parts](size_t i) { return i < parts.size() && !parts[i].empty() ? parts[i] : Text("0"); };
    x = DrawPair(gGem, 0.25f, part(0), x, y);
    x = DrawPair(gSilver, 0.2f, part(1), x, y);
    DrawPair(gGold, 0.2f, part(2), x, y);
}

void ResetCountersImages() {
    gGem = gSilver = gGold = nullptr;
}

} // namespace wispwood
