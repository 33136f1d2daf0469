#pragma once
// Reward texts: one or two lines of large text whose letters pop in one
// after another, glint, pulse and fade. Groups of lines are queued so that
// only one group of each kind shows at a time.
#include "engine/core/text.h"
#include "engine/core/tlist.h"
#include "framework/fonts/font.h"
#include "framework/particles/particle.h"

namespace wispwood {

class TImage;

class RewardText {
  public:
    Text txt;
    int Ticks = 0; // updates since it started to show
    FontDrawStyle fds;
    float x = 0; // centre of the line
    float y = 0;
    int baseTicksSeed = 0; // makes each text's sparkle pattern its own
    float scale = 1.0f;
    int _Done = 0;
    int PulseTicks = 0; // counts once every letter is in; drives the glow
    int Important = 0;  // only important lines sparkle
    int Infinite = 0;   // never ends
    Ref<TImage> ParticleBase;
    Ref<TImage> ParticleOverlay;
    int Life = 200;

    // The sparkle images default to the shared pair.
    explicit RewardText(const Text& line = "");
    virtual ~RewardText() = default;

    virtual void Update();
    virtual void Render();

  private:
    // One scale per character of txt, each letter growing in 2 updates
    // after the previous one.
    void ApplyLetterScales();
};

class RewardTextGroup {
  public:
    TList<Ref<RewardText>> Instances; // the lines still showing
    int _AlmostDone = 0;              // updates since the last line ended, 0 before
    int _Done = 0;
    int Delayed = 0;       // counts down; nothing reads it
    Ref<RewardText> Score; // the second line, when there is one

    virtual ~RewardTextGroup() = default;

    virtual void Update();
    virtual void Render();
    virtual void BlockToHalf() {}
};

// Groups made with important = 0 and with important != 0.
extern TList<Ref<RewardTextGroup>> RewardTextQueue;
extern TList<Ref<RewardTextGroup>> ImportantRewardTexts;
// The texts' sparkles, drawn before and after the texts.
extern ParticleGroup RewardSparklesBelow;
extern ParticleGroup RewardSparklesAbove;

// Makes a group of one or two lines and queues it. style != 0 makes the
// first line important (sparkling), style 2 with gold sparkles. A second
// line that is the decimal form of an integer adds it to GameScore now.
Ref<RewardTextGroup> CreateRewardText(const Text& line1, const Text& line2, int important, int style,
                                      int centreOnScreen);
// Both sparkle groups, then the first group of each list.
void UpdateRewardTexts();
void RenderRewardTexts();
// Groups in both lists, shown or waiting.
int RewardTextCount();
// Empty lists and sparkle groups (start of a game, entering the quest map).
void ResetRewardTexts();

} // namespace wispwood
