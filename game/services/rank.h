#pragma once
// The ranks a player climbs by collecting gems: a fixed table whose names
// come from the text table, each rank needing a number of gems, and the gem
// slots the rank panel shows for the rank in progress.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <vector>

namespace wispwood {

class TImage;

class Rank {
  public:
    virtual ~Rank() = default;

    Text txt;
    Ref<TImage> im; // may be null: the rank is then drawn as text only
    int GemsRequired = 0;
    int n = 0;
    int MaxRank = 0; // 1 for the last rank

    // The picture (when there is one) and the name, to the right of (x, y).
    virtual void render(float x, float y);
};

struct GemSlot {
    int x = 0;
    int y = 0;
};

extern std::vector<Ref<Rank>> Ranks;

// Gems each rank needs: 6, then 2 more after ranks 0 and 5 and 4 more after
// every other rank.
int GemsRequiredFor(int rankIndex);
// Builds the table from the names (the picture of rank i is
// "media\ranks\" + i + ".png" when that file exists). With no names the
// table still holds one rank with an empty name, so every lookup has a rank
// to answer with.
void BuildRanks(const TextArray& names, bool loadPictures);
// The table from the "rank1", "rank2", ... texts of section "ranks".
void LoadRanks();

// The rank a gem total has reached: the table is walked from rank 0, each
// rank taking its GemsRequired; totals beyond the table stay on the last.
Ref<Rank> RankFor(int gems);
// Gems already placed into that rank (the last rank counts as full).
int GemsIntoRank(int gems);
// The slot positions of the rank in progress, one per gem it needs.
std::vector<GemSlot> GemSlots(int gems);
// The slot the next gem goes to, (0, 0) past the slots.
GemSlot NextGemSlot(int gems);

void ResetRanks();

} // namespace wispwood
