#include "game/app/comic_menu.h"
#include "engine/draw/graphics.h"
#include "engine/input/key_codes.h"
#include "engine/io/text_convert.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/comic_unlocks.h"
#include "game/app/comic_title_logo.h"
#include "game/services/profiles.h"
#include "game/services/text_table.h"

namespace wispwood {

std::array<Ref<TImage>, 6> ComicMenu::ComicFrames;
Ref<TImage> ComicMenu::ComicsBacking;

namespace {

// Three frames down the left page, three down the right one.
constexpr ComicFramePlace kFramePlaces[ComicCount] = {{144, 148}, {139, 269}, {128, 400},
                                                      {510, 150}, {523, 268}, {534, 405}};

} // namespace

ComicFramePlace ComicFramePosition(int index) {
    return kFramePlaces[index];
}

// A page closed over the collection reveals a fresh one.
ComicMenu::ComicMenu() : GameLoop(MakeComicMenu) {
    FadeOnTop = 1;
    Fade = 1;
    guiBase = New<guiContainer>();
}

Ref<GameLoop> MakeComicMenu() {
    return New<ComicMenu>();
}

int ComicMenu::Load() {
    for (int i = 0; i < ComicCount; ++i)
        ComicFrames[i] = LoadGameImage("media\\comicsmenu\\frame" + IntToText(i + 1) + ".png", -1);
    ComicsBacking = LoadGameImage("media\\comicsmenu\\backing.jpg", -1);
    return 0;
}

void ResetComicImages() {
    ComicMenu::ComicFrames = {};
    ComicMenu::ComicsBacking = nullptr;
}

int ComicMenu::Init() {
    guiBase = New<guiContainer>();
    ComicButtons = {};
    Back = guiBase->AddButton(15, 544, GuiButtonEmptySmall, nullptr);
    Back->DrawnText = GetText("comics", "back");
    // The title screen opens the book only once the quest has begun; a
    // collection without a player still shows the first comic.
    const int unlocked = UnlockedComics(CurrentProfile ? CurrentProfile->CurrentAdventure : 0);
    for (int i = 0; i < unlocked; ++i) {
        ComicButtons[i] = guiBase->AddButton(0, 0, ComicFrames[i], nullptr);
        ComicButtons[i]->x = static_cast<float>(kFramePlaces[i].x);
        ComicButtons[i]->y = static_cast<float>(kFramePlaces[i].y);
    }
    // The keyboard cursor starts on the first comic, not on the way out.
    if (ComicButtons[0]) guiBase->NavStart = ComicButtons[0];
    return 0;
}

int ComicMenu::ToEscape(int reference) {
    (void)reference;
    return GameKeyPresses(KeyEscape) != 0 ? 1 : 0;
}

int ComicMenu::Update() {
    UpdateTitleLogoBehindComics();
    guiBase->Update();
    for (int i = 0; i < ComicCount; ++i) {
        if (!ComicButtons[i] || !ComicButtons[i]->mhit) continue;
        auto page = New<ComicPage>();
        page->ComicNumber = i + 1;
        PushScene(page, 0, 0);
    }
    // Escape closes the collection like its back button.
    if ((Back && Back->mhit) || ToEscape(0)) {
        Ref<GameLoop> top = TopScene();
        if (top.get() == this) PopScene(top, 1);
    }
    return 0;
}

int ComicMenu::Render() {
    TDrawState::Push();
    SetAlpha(1);
    DrawGameImage(ComicsBacking, 0, 0);
    RenderTitleLogoBehindComics();
    TDrawState::Pop();
    guiBase->Render(0);
    return 0;
}

void ComicMenu::NavigationTargets(NavTargets& targets) {
    AddGadgetTargets(*guiBase, targets);
}

} // namespace wispwood
