#pragma once
// The high-score screen: the ten best scores row by row with a fade-in,
// reached from the main menu to look, and after a lost game to offer its
// score. A score that qualifies opens a gap in the table, and sparks write
// the name and score into it letter by letter; it enters the table when
// the player presses "ok". It shows the timed or the relaxed table
// (score_tables.h), each under its own heading, and a button turns to the
// other one while no score is being offered.
#include "engine/core/text.h"
#include "engine/core/tlist.h"
#include "framework/particles/glow_logic.h"
#include "framework/particles/particle.h"
#include "framework/scene/game_loop.h"
#include "game/adventure/score_tables.h"
#include <array>
#include <vector>

namespace wispwood {

class TAnim;
class THighScoreTable;
class guiContainer;
class guiGadget;
class HighScoreMenuDisplayParticle;

// The entry a lost game offers; the next screen's Init takes it.
extern int PendingEntry;
extern Text PendingName;
extern int PendingScore;
extern Text PendingExtra; // "gems,silver,gold"
extern ScoreTable PendingTable;
extern int PendingReplaces; // the score of the game's own row the entry replaces, 0 none

// The screen's state.
extern int NewSlot;                                      // 1-based slot the pending entry takes, 0 none
extern Ref<THighScoreTable> ShownTable;                  // the table as it was before the entry
extern std::vector<int> NameCharScales, ScoreCharScales; // 1 once a spark delivered it
extern int ExtrasArrived;
extern TList<Ref<HighScoreMenuDisplayParticle>> HighScoreSparks;
extern Ref<ParticleGroup> HighScoreLayer;
extern std::array<GlowLogic, 4> RowGlows;

class HighScoreMenu : public GameLoop {
  public:
    static constexpr int kLeaveAfterTicks = 300000;

    int Ticks = 0;
    Ref<guiContainer> guiBase;
    Ref<guiGadget> OK;
    Ref<guiGadget> OtherTable; // turns to the other table
    ScoreTable Shown = ScoreTable::Timed;
    int JinglePlayed = 0;
    int playedJingle = 0;

    HighScoreMenu();
    int Update() override;
    int Render() override;
    int Init() override;
    int ToEscape(int reference) override;
    void NavigationTargets(NavTargets& targets) override;
    // The screen's pictures, and the table from "highscores.dat" (a fresh
    // one with the default entries when there is none).
    static int Load();

    float HighlightAlpha(int row) const;
    int FirstDelay() const { return 200; }
    int CumulativeDelay() const { return 20; }
    float FadeInAlpha(int row) const;

  private:
    void CreateDecorationSparks();
    void CreateWritingSparks();
    void RenderRows();
    void Leave();
    // Writes the game's qualifying score into its table (once).
    void KeepNewEntry();
    // Shows the table, its rows fading in again, and names the other one
    // on the button.
    void ShowTable(ScoreTable table);
};

// No pending entry, no screen state, no pictures (start-up state; the
// table itself is reset with the framework's).
void ResetHighScoreMenu();

} // namespace wispwood
