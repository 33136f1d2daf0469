#pragma once
// The game scene as the title screen's demo plays it: the board bot clicks
// through the pointer's glide, a banner says it is a demo, and the scene
// gives way to the title screen at once when the player touches anything,
// and by itself when the level is over.
#include "game/adventure/main_game.h"
#include "game/app/demo_banner.h"
#include "game/app/demo_pointer.h"
#include "game/level/board_bot.h"

namespace wispwood {

// Far more than the bot needs to win any location, less than a level's
// clock with its retry: a demo that cannot finish still ends.
constexpr int DemoLongestUpdates = 100 * 60 * 4;

class DemoGame : public MainGame {
  public:
    DemoGame();
    int Init() override;
    int Update() override;
    int Render() override;
    // The bot plays: the player's cursor has nothing to stand on here.
    void NavigationTargets(NavTargets&) override {}

    // Updates the demo has played.

  private:
    // Won (the tally's "ok" clicked), lost, out of time, or too long.
    bool LevelOver() const;
    // Back to the title screen at once, with the player's state.
    void Leave();
    // The tally's "ok", clicked once the total has reached the score and
    // the player has had a moment to see it.
    void ClickOkWhenCounted();

    BoardBot bot_;
    DemoPointer pointer_;
    DemoBanner banner_;
    int played_ = 0;
    int countedFor_ = 0; // updates the tally has waited for its "ok"
};

} // namespace wispwood
