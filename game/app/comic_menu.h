#pragma once
// The comic collection, opened through the book on the title screen: one
// framed picture per comic the player has unlocked, each opening its comic,
// and a back button (or Escape) to the title screen.
#include "framework/scene/game_loop.h"
#include <array>

namespace wispwood {

class guiContainer;
class guiGadget;
class TImage;

class ComicMenu : public GameLoop {
  public:
    ComicMenu();

    std::array<Ref<guiGadget>, 8> ComicButtons; // the first six used
    Ref<guiGadget> Back;
    int Ticks = 0;
    Ref<guiContainer> guiBase;
    Ref<TImage> Backing; // not used: the backdrop is ComicsBacking

    int Update() override;
    int Render() override;
    int Init() override;
    int ToEscape(int reference) override;
    void NavigationTargets(NavTargets& targets) override;
    // The six frames and the backdrop, loaded once at start-up.
    static int Load();

    static std::array<Ref<TImage>, 6> ComicFrames;
    static Ref<TImage> ComicsBacking;
};

// A new collection, ready to be pushed (PushScene) by the title screen.
Ref<GameLoop> MakeComicMenu();

// Where each comic's frame sits on the backdrop's two pages.
struct ComicFramePlace {
    int x, y;
};
ComicFramePlace ComicFramePosition(int index);

void ResetComicImages();

} // namespace wispwood
