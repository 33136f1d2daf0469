#pragma once
// The level-complete tally: after the last level of a location's set a
// panel slides over the board listing the level's statistics with their
// bonus points, counts them up into a TOTAL, flies the total to the score
// and waits for the player's "ok". Two fairies fly in beside it.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "framework/particles/particle.h"
#include <vector>

namespace wispwood {

class guiContainer;
class guiGadget;
class TImage;
class ActiveChannel;

class TempleComplete {
  public:
    Ref<guiContainer> container;
    Ref<guiGadget> OK;
    Ref<guiGadget> Backing;
    float x = 0; // the panel's centre and top
    float y = 0;
    std::vector<Text> Names{"Blah", "something", "-", "TOTAL BONUS"};
    std::vector<int> Scores{1000, 2000, 0, 0};
    int PlayedSounds[16] = {};
    int CompleteScore = 0;
    int AllocatedScore = 0; // already sent flying to the score
    int Delay = 150;
    int Ticks = 0;
    int TickUpComplete = 0;
    int NotFoundTicks = 75;
    float Darken = 0;
    int ParticleCreate = 0;
    int LevelCompleteTicks = 0;
    int Destroying = 0;
    float OverallAlpha = 1;
    int FairyTicks = 0;
    float ScorePlayFrequency = 0;
    ParticleGroup Layer;
    int AfterBonusLevel = 0;
    int CashedIn = 0; // the bonus has gone into the score
    int Finished = 0; // faded out after its "ok"
    Ref<ActiveChannel> TickChannel;

    virtual ~TempleComplete() = default;
    virtual int DoTimeYet();
    // scene: the game scene's widget root, which holds the panel's
    // container and tells whether the pause menu is open.
    virtual void Update(guiContainer& scene);
    virtual float LeftFairyX();
    virtual float LeftFairyY();
    virtual float RightFairyX();
    virtual float RightFairyY();
    virtual int LeftFairyActive();
    virtual void Render();
    virtual void LevelCompleteRender();
    virtual float OffsetY();

    // The line of the TOTAL.
    int& Total() { return Scores.back(); }

  private:
    void BuildLines(guiContainer& scene);
    void TickUp();
    void FlyTotal();
    void CashIn();
};

struct TallyImageSet {
    Ref<TImage> Container; // the panel
    Ref<TImage> LeftFairy; // 3 frames of 170 x 170
};
extern TallyImageSet TallyImages;

extern Ref<TempleComplete> CurrentTally;

// Starts the tally unless one exists (the success sequence, after the
// medal decision, when the set has no next level).
void StartTally();
void EndTally();
void UpdateTally(guiContainer& scene);
void RenderTally();
// 1 while a tally exists and has started its panel.
int TallyShowing();
// 1 once the tally has counted its total up and sent it to the score: only
// the player's "ok" is left.
int TallyAwaitsOk();
void DrawTallyDarkening();
// The tally lines under the time bonus; c counts the level-end ticks.
void RenderTallyLines(int c);
// The time-bonus count-down hands its points to the total.
void AddToTallyTotal(int points);
// 1 while the time bonus of a won timed level is still counting down.
int TimeBonusCountingDown();

void LoadTallyImages();
void ResetTally();

} // namespace wispwood
