#include "game/adventure/rank_panel.h"
#include "engine/draw/graphics.h"
#include "engine/io/text_convert.h"
#include "framework/data/split_string.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "framework/scene/tunables.h"
#include "game/adventure/quest_map_state.h"
#include "game/board/gem_images.h"
#include "game/services/game_fonts.h"
#include "game/services/rank.h"
#include "game/services/text_table.h"

namespace wispwood {

namespace {

constexpr float kCounterScale = 0.75f, kGemIconScale = 0.25f, kMedalIconScale = 0.2f;
// Room for an icon and the gap after each number.
constexpr float kIconGap = 4, kCounterGap = 14;

void DrawIcon(const Ref<TImage>& image, float x, float y, float scale, int frame = 0) {
    TDrawState::Push();
    TDrawState::PushScale(scale, scale);
    DrawGameImage(image, x, y, frame);
    TDrawState::Pop();
}

// "gems,silver,gold": each number in the big font after its icon.
void RenderCounters(const Text& text, int x, int y) {
    if (!BigFont) return;
    TextArray parts = SplitString(text, ",");
    parts.resize(3);
    const Ref<TImage> icons[3] = {GemImages.Gem, QuestMapImages.MedalSilver, QuestMapImages.MedalGold};
    const float scales[3] = {kGemIconScale, kMedalIconScale, kMedalIconScale};
    const float lineMiddle = static_cast<float>(y) + static_cast<float>(BigFont->FontHeight(kCounterScale)) / 2;
    float px = static_cast<float>(x);
    for (int i = 0; i < 3; ++i) {
        const Text number = parts[static_cast<size_t>(i)].empty() ? Text("0") : parts[static_cast<size_t>(i)];
        const float iconWidth = icons[i] ? static_cast<float>(ImageWidth(icons[i])) * scales[i] : 0;
        DrawIcon(icons[i], px + iconWidth / 2, lineMiddle, scales[i]);
        px += iconWidth + kIconGap;
        BigFont->FontPrint(number, px, static_cast<float>(y), AlignLeft, kCounterScale);
        px += static_cast<float>(BigFont->FontLength(number, kCounterScale)) + kCounterGap;
    }
}

void PrintBig(const Text& text, const char* xName, const char* xDefault, const char* yName,
              const char* yDefault, const char* scaleName) {
    if (BigFont)
        BigFont->FontPrint(text, GetTunable(xName, xDefault), GetTunable(yName, yDefault), AlignLeft,
                           GetTunable(scaleName, "0.500000000"));
}

} // namespace

void RenderRankPanel(int gems, int silverMedals, int goldMedals) {
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    Ref<Rank> r = RankFor(gems);
    r->render(GetTunable("rankrenderx", "217"), GetTunable("rankrendery", "515"));
    RenderCounters(IntToText(gems) + "," + IntToText(silverMedals) + "," + IntToText(goldMedals),
                   static_cast<int>(GetTunable("rankdatax", "509")), static_cast<int>(GetTunable("rankdatay", "519")));
    if (r->n <= 3) PrintBig(GetText("ranks", "nextrank"), "ranktextx", "230", "ranktexty", "559", "ranktextscale");
    if (r->MaxRank) {
        PrintBig(GetText("ranks", "maxrank"), "maxranktextx", "272", "maxranktexty", "559", "maxranktextscale");
    } else {
        const int filled = GemsIntoRank(gems);
        int k = 0;
        for (const GemSlot& slot : GemSlots(gems)) {
            DrawGameImage(k < filled ? QuestMapImages.GemBase : QuestMapImages.GemSlotEmpty,
                          static_cast<float>(slot.x), static_cast<float>(slot.y));
            ++k;
        }
    }
    TDrawState::Pop();
}

} // namespace wispwood
