#pragma once
// The quest map: the painted map with the adventure's locations, the
// player's medals, gems and rank, and the animations that turn the level
// just played into progress. "Continue" plays the frontier location, a
// finished location replays when clicked, "Back" leaves the map.
#include "engine/core/text.h"
#include "framework/scene/game_loop.h"

namespace wispwood {

class guiContainer;
class guiGadget;
class QuestSpot;

class QuestMap : public GameLoop {
  public:
    QuestMap();

    Ref<guiContainer> Container;
    Ref<guiGadget> QuestBack;
    Ref<guiGadget> QuestContinue;
    int Ticks = 0;
    int FinishSequence = 0; // 0 off, else ticks of the closing sequence

    int Update() override;
    int Render() override;
    int Init() override;
    int Destroy() override { return 0; }
    // 1 when Escape was hit since the last query.
    int ToEscape(int reference) override;
    // Its finished locations and its two buttons, starting on "continue".
    void NavigationTargets(NavTargets& targets) override;
    // The map's pictures and the locations (a loading-screen step).
    static int Load();

    virtual void HandleUnlocking();
    virtual void RenderQuestLocation();
    // Where the marker stands now: on the frontier location, or still on
    // the one before it while an unlock runs, walking over between unlock
    // ticks 250 and 300. False when there is no frontier location.
    bool MarkerPosition(float& x, float& y);
    virtual Ref<QuestSpot> NextQuestSpot(const Ref<QuestSpot>& spot);
    virtual Ref<QuestSpot> PreviousQuestSpot(const Ref<QuestSpot>& spot);
    virtual void MiscInitShit();
    virtual void InitFinishSequence() { FinishSequence = 1; }
    virtual void InitQuestSpots();

  private:
    // Entering: the last visit's flights, unlocks and counters go.
    void ForgetTheLastVisit();
    // The result of the level just played: progress, reveal and flights.
    void TakeLevelResult();
    // "back" and "continue", hidden during the closing sequence.
    void AddButtons();
    // The marker, the guide, the glow and the flights move on.
    void Animate();
    // Each location's reveal and shine; a click on one replays it.
    void UpdateSpots(bool leaving);
    // The layers of the map, in the painter's order.
    void RenderMap();
    void RenderLocations();
    void RenderTitle();
    void UpdateFinishSequence();
    void UpdateTestMode();
    void RenderPanel();
};

Ref<GameLoop> MakeQuestMap();

// The frontier location "continue" plays, within 0 to 99.
int ContinueSpotIndex();
// "<name>'s QUEST MAP", or "<name>' QUEST MAP" after a final lower-case s.
Text QuestMapTitle(const Text& name);
// The self-playing mode's choice on its visit-th entry to the map: the
// location to replay, or -1 for "continue".
int TestModeChoice(int visits);

// The map's flights, timers, counters and pictures at their start-up state.
void ResetQuestMap();

} // namespace wispwood
