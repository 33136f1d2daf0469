#include "game/services/rank.h"
#include "engine/draw/image.h"
#include "engine/io/file_system.h"
#include "engine/io/text_convert.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "framework/scene/tunables.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"
#include <algorithm>

namespace wispwood {

std::vector<Ref<Rank>> Ranks;

namespace {

int Tunable(const char* name, const char* fallback) {
    return static_cast<int>(GetTunable(name, fallback));
}

// The walk of RankFor: the rank reached and the gems left over in it.
struct RankWalk {
    Ref<Rank> rank;
    int into = 0;
};

RankWalk Walk(int gems) {
    // An empty table is never left by BuildRanks; this keeps a lookup
    // before start-up from indexing nothing.
    if (Ranks.empty()) BuildRanks({}, false);
    int left = std::max(gems, 0);
    for (const Ref<Rank>& r : Ranks) {
        if (r->GemsRequired > left) return {r, left};
        left -= r->GemsRequired;
    }
    return {Ranks.back(), Ranks.back()->GemsRequired};
}

} // namespace

void Rank::render(float x, float y) {
    if (im) {
        CentreImageHandle(im);
        DrawGameImage(im, x + GetTunable("Rankx", "24"), y + GetTunable("ranky", "10"));
    }
    if (BigFont) BigFont->FontPrint(txt, x + 48, y, AlignLeft, GetTunable("Rankscale", "0.600000024"));
}

int GemsRequiredFor(int rankIndex) {
    int g = 6;
    for (int i = 0; i < rankIndex; ++i) g += i == 0 || i == 5 ? 2 : 4;
    return g;
}

void BuildRanks(const TextArray& names, bool loadPictures) {
    Ranks.clear();
    TextArray list = names.empty() ? TextArray{Text()} : names;
    for (size_t i = 0; i < list.size(); ++i) {
        auto r = New<Rank>();
        r->txt = list[i];
        r->n = static_cast<int>(i);
        r->GemsRequired = GemsRequiredFor(r->n);
        r->MaxRank = i + 1 == list.size() ? 1 : 0;
        if (loadPictures) {
            Text path = "media\\ranks\\" + IntToText(r->n) + ".png";
            if (PathKind(path) == 1) r->im = LoadGameImage(path);
        }
        Ranks.push_back(r);
    }
}

void LoadRanks() {
    BuildRanks(GetTextList("ranks", "rank"), true);
}

Ref<Rank> RankFor(int gems) {
    return Walk(gems).rank;
}

int GemsIntoRank(int gems) {
    return Walk(gems).into;
}

std::vector<GemSlot> GemSlots(int gems) {
    Ref<Rank> r = RankFor(gems);
    const int rows = r->GemsRequired <= 10 ? 1 : 2;
    const float x0 = r->n > 3 ? GetTunable("rightgemx", "223") : GetTunable("gemsx", "371");
    const float step = GetTunable("gemswidtH", "28");
    std::vector<GemSlot> slots(static_cast<size_t>(r->GemsRequired / rows * rows));
    for (int i = 0; i < r->GemsRequired / rows; ++i) {
        for (int j = 0; j < rows; ++j) {
            GemSlot& s = slots[static_cast<size_t>(i * rows + j)];
            s.x = static_cast<int>(x0 + static_cast<float>(i) * step);
            s.y = rows == 1 ? Tunable("singlegemsy", "559")
                            : static_cast<int>(GetTunable("gemsy", "548") +
                                               static_cast<float>(j) * GetTunable("gemsheight", "26"));
        }
    }
    return slots;
}

GemSlot NextGemSlot(int gems) {
    std::vector<GemSlot> slots = GemSlots(gems);
    const int k = GemsIntoRank(gems);
    return k >= 0 && k < static_cast<int>(slots.size()) ? slots[static_cast<size_t>(k)] : GemSlot{};
}

void ResetRanks() {
    Ranks.clear();
}

} // namespace wispwood
