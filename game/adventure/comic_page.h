#pragma once
// One comic of the story, shown full screen: a page, or two with a page
// turn that fades the second in. Space, Return or the button goes on;
// Escape leaves at once. A comic reached from a won level leads on to the
// quest map; one opened from the collection returns to it.
#include "engine/core/text.h"
#include "framework/scene/game_loop.h"
#include <vector>

namespace wispwood {

class guiContainer;
class guiGadget;
class TImage;

class ComicPage : public GameLoop {
  public:
    ComicPage();

    int Ticks = 0;
    Ref<guiContainer> guiBase;
    Ref<guiGadget> Back; // not used
    Ref<guiGadget> Forward;
    int ComicNumber = 0; // from 1
    int CurrentPage = 0;
    int TotalPages = 0;
    int ChangingPage = 0; // updates since the page turn started, 0 when none runs
    std::vector<Ref<TImage>> Images;
    int GoBackToQuestMap = 0;

    int Update() override;
    int Render() override;
    // Loads the comic's pages (ComicNumber must be set before the push).
    int Init() override;
    int ToEscape(int reference) override;
    void NavigationTargets(NavTargets& targets) override;
    static int Load() { return 0; }
};

// Updates a page turn lasts.
constexpr int ComicPageTurnUpdates = 40;

// The path of a comic's page: "media\comics\Scene-3.jpg", with "b" for the second.
Text ComicPagePath(int comicNumber, bool secondPage);

Ref<GameLoop> MakeComicPage();

// After a won level that carries a comic: pushes the comic with the slide
// transition, marked to lead on to the quest map.
void ShowComicAfterLevel(int comicNumber);

} // namespace wispwood
