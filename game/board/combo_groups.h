#pragma once
// Fallen pieces that lie together in adjacent columns once nothing is
// falling any more form a combo group. Up to four pieces are worth 10
// points each and fade away; five or more turn, the lowest first, into
// silver tiles (more than fourteen: gold) that chime and vanish, and the
// group shows a banner and a large score popup.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "engine/core/tlist.h"

namespace wispwood {

class PieceParticle;

class PieceParticleComboGroup {
  public:
    int CreatedText = 0; // counted for a banner
    int GroupID = 0;
    TList<Ref<PieceParticle>> Pieces;
    float MorphProgress = 0;
    int AllMorphed = 0; // emptied: the group is dropped
    int Size = 0;       // pieces at creation
    int Morph = 0;      // a combo: more than 4 pieces
    int MorphGold = 0;  // a gold combo: more than 14
    int ScoreCreated = 0;
    int ExcellentCreated = 0;
    int BiggestComboSet = 0;

    virtual ~PieceParticleComboGroup() = default;
    virtual void Init();
    // The current members at 50 points each for gold, else 20.
    virtual int Score();
    // The group's popup over the middle of its pieces, and its quota
    // particle (combos only).
    virtual void CreateAveragedScoreParticle();
    virtual void Update();
};

extern TList<Ref<PieceParticleComboGroup>> ComboGroups;
extern int NextComboGroupID;

// Groups every fallen piece not yet in a group by runs of adjacent
// columns, marks the chiming pieces and shows the banner of the new combos.
void FormComboGroups();

// The banner for the combos that formed together: silver and gold groups
// counted, size the member count of the last one. Empty text when there
// were none; loud banners also get the large-combo sound.
struct ComboBanner {
    Text text;
    int loud = 0;
};
ComboBanner ComboBannerFor(int silver, int gold, int size);

// No groups, ids from 0 again.
void ResetComboGroups();

} // namespace wispwood
