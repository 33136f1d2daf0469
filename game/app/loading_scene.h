#pragma once
// The loading screen: fades in, then runs one loader per frame behind a
// progress bar, then pushes the first real scene.
#include "engine/draw/image.h"
#include "framework/scene/game_loop.h"

namespace wispwood {

class Loading : public GameLoop {
  public:
    // The scene's own fields with the base names; the loop reads the base ones.
    int ResetWhenInactive = 0;
    int GameLoopExiting = 0;
    int Darkness = 0;        // brightness in percent
    int LoadingDone = 0;     // the last loader has run
    int LoadingProgress = 0; // loader steps run

    static Ref<TImage> Background, Bar, BarGold;

    Loading();
    int Update() override;
    int Render() override;
    int Init() override { return 0; }
    int Escape() override;
    static int Load();

  private:
    // The game straight away in the run, images and test modes (a location
    // the game does not have is refused), else the first screen.
    Ref<GameLoop> FirstScene();
    bool DeveloperStartUsed = false;
};

// The loading screen's pictures let go (start-up state).
void ResetLoadingScreen();

} // namespace wispwood
