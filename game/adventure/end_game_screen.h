#pragma once
// The end of the adventure: the last location's scenery darkens, the
// credits scroll up over it, the scenery brightens again once they have
// gone, and the one button leads back to the title screen.
#include "framework/scene/game_loop.h"

namespace wispwood {

class guiContainer;
class guiGadget;

class EndGameScreen : public GameLoop {
  public:
    // The scenery of the last location is drawn behind the credits.
    static constexpr int SceneryIndex = 99;

    Ref<guiContainer> Container;
    Ref<guiGadget> Whatever; // the button that leaves
    int FadeProgress = 0;    // the darkening clock
    int ShouldEscape = 0;
    float CreditsOffset = 100; // how far the credits have scrolled up

    EndGameScreen();

    int Update() override;
    int Render() override;
    int Init() override { return 0; }
    int ToEscape(int reference) override;
    void NavigationTargets(NavTargets& targets) override;
    // Escape does not leave the credits.
    int Escape() override { return 0; }

    // 1 once the last credit is more than 200 pixels above the screen.
    int CreditsOffScreen();
    void RenderCredits();
    // The black veil over the scenery: none until update 175, 70% from 275.
    float DarkeningAlpha() const;

    // The credits (a loading-screen step).
    static int Load();
};

Ref<GameLoop> MakeEndGameScreen();

} // namespace wispwood
