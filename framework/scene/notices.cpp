#include "framework/scene/notices.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include <algorithm>
#include <vector>

namespace wispwood {

namespace {

struct Notice {
    Text text;
    Ref<Font> font;
    int ticks = 0;
};

// Four seconds up, the last half second fading.
constexpr int kShownUpdates = 400;
constexpr int kFadeUpdates = 50;
constexpr float kBandHeight = 44;

std::vector<Notice> gNotices;

} // namespace

void PostNotice(const Text& text, const Ref<Font>& font) {
    for (Notice& n : gNotices)
        if (n.text == text) {
            n.ticks = 0;
            return;
        }
    gNotices.push_back({text, font, 0});
}

TextArray ShownNotices() {
    TextArray texts;
    for (const Notice& n : gNotices) texts.push_back(n.text);
    return texts;
}

void UpdateNotices() {
    for (Notice& n : gNotices) ++n.ticks;
    std::erase_if(gNotices, [](const Notice& n) { return n.ticks > kShownUpdates; });
}

void DrawNotices() {
    float y = 0;
    for (const Notice& n : gNotices) {
        const float alpha =
            std::clamp(static_cast<float>(kShownUpdates - n.ticks) / kFadeUpdates, 0.0f, 1.0f);
        TDrawState::Push();
        TDrawState::PushBlend(ALPHABLEND);
        TDrawState::PushAlpha(0.75f * alpha);
        TDrawState::PushColor(0, 0, 0);
        DrawRect(0, y, static_cast<float>(ScreenWidth), kBandHeight);
        TDrawState::Pop();
        if (n.font) {
            TDrawState::Push();
            TDrawState::PushBlend(ALPHABLEND);
            TDrawState::PushAlpha(alpha);
            const float scale =
                std::min(0.7f, (ScreenWidth - 20.0f) / std::max(1, n.font->FontLength(n.text)));
            n.font->FontPrint(n.text, ScreenWidth / 2.0f, y + (kBandHeight - n.font->FontHeight(scale)) / 2,
                              AlignCentre, scale);
            TDrawState::Pop();
        }
        y += kBandHeight;
    }
}

void ResetNotices() {
    gNotices.clear();
    gNotices.shrink_to_fit();
}

} // namespace wispwood
