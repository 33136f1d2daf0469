#pragma once
// What the quest map keeps from one visit to the next: its sparkles, the
// unlock timers, the counters its panel shows, its animations and its
// pictures.
#include "engine/core/ref.h"
#include "framework/anim/anim.h"
#include "framework/particles/glow_logic.h"
#include "framework/particles/particle.h"
#include "framework/particles/shiny_effect.h"

namespace wispwood {

struct QuestMapImageSet {
    Ref<TImage> Layer1; // background
    Ref<TImage> Layer2; // foreground over the guide
    // Ordinary location medallions, centred.
    Ref<TImage> LocationEmpty, LocationFilled, LocationSilver, LocationGold;
    Ref<TImage> LocationCurrent; // the marker: three frames standing on its point
    Ref<TImage> Guide;           // two frames: eyes open, blinking
    Ref<TImage> GemBase;         // a filled gem slot of the rank panel
    Ref<TImage> GemSlotEmpty;    // an empty one
    Ref<TImage> Glow;            // behind the guide
    Ref<TImage> StarPurple, TwinklePurple;
    Ref<TImage> MedalSilver, MedalGold; // centred
};

extern QuestMapImageSet QuestMapImages;

extern ParticleGroup QuestParticles;
extern int UnlockingSpot;     // the location just played, -1 = none
extern int TempleUnlockTicks; // 0 off, else ticks of a temple unlock
extern int SpotUnlockTicks;   // 0 off, else ticks of a location unlock
extern int ShownGems, ShownSilverMedals, ShownGoldMedals;
extern Ref<TAnim> MarkerAnim;
extern Ref<TAnim> GuideAnim;
extern GlowLogic MapGlow;
extern Ref<ShinyEffect> SpotShine;
// Entries to the map in the self-playing mode.
extern int TestModeVisits;

// The map's pictures and animations (a loading-screen step).
void LoadQuestMapImages();
// The marker over its three frames, 3 ticks each.
Ref<TAnim> CreateMarkerAnim(const Ref<TImage>& image);
// The guide: eyes open for 300 ticks at first, then for 200 to 400, each
// time followed by a blink of 6 ticks.
Ref<TAnim> CreateGuideAnim(const Ref<TImage>& image);

// 1 while a temple or location unlock runs.
int UnlockRunning();

void ResetQuestMapState();

} // namespace wispwood
