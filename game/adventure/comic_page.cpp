#include "game/adventure/comic_page.h"
#include "engine/draw/graphics.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_system.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "framework/layout/layout_resource.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_to_quest_map.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"

namespace wispwood {

ComicPage::ComicPage() : GameLoop(MakeComicPage) {
    FadeOnTop = 1;
    Fade = 1;
    guiBase = New<guiContainer>();
}

Ref<GameLoop> MakeComicPage() {
    return New<ComicPage>();
}

Text ComicPagePath(int comicNumber, bool secondPage) {
    return "media\\comics\\Scene-" + IntToText(comicNumber) + (secondPage ? "b" : "") + ".jpg";
}

int ComicPage::Init() {
    guiBase = New<guiContainer>();
    Forward = guiBase->AddButton(0, 0, GuiButtonSidebar, nullptr);
    Forward->LayoutName = "comicforward";
    Forward->DrawnText = GetText("comics", "next");
    if (MainLayout) guiBase->SetLayout(MainLayout->GetLayout("comics"));
    // The pages are loaded only while a comic is shown; a missing first
    // page is reported by the loader and leaves an empty page.
    const Text n = IntToText(ComicNumber);
    if (PathKind(ComicPagePath(ComicNumber, true)) == 1) {
        Images = LoadImageList({"Scene-" + n + ".jpg", "Scene-" + n + "b.jpg"}, "media\\comics\\", 0);
        TotalPages = 2;
    } else {
        Images = {LoadGameImage(ComicPagePath(ComicNumber, false), 0)};
        TotalPages = 1;
    }
    return 0;
}

int ComicPage::ToEscape(int reference) {
    (void)reference;
    return GameKeyPresses(KeyEscape) != 0 ? 1 : 0;
}

int ComicPage::Update() {
    guiBase->Update();
    // The self-playing mode reads every comic at a glance.
    if (TestMode && Forward) Forward->mhit = 1;
    const bool esc = ToEscape(0) != 0;
    const bool go = (Forward && Forward->mhit) || GameKeyPresses(KeySpace) || GameKeyPresses(KeyReturn);
    // Input during a page turn is ignored.
    if ((go || esc) && ChangingPage == 0) {
        if (!esc && CurrentPage + 1 < TotalPages) {
            ChangingPage = 1;
        } else if (GoBackToQuestMap) {
            // Escape skips a second page too.
            LeaveComicForQuestMap(*this);
        } else {
            Ref<GameLoop> top = TopScene();
            if (top.get() == this) PopScene(top, 1);
        }
    }
    if (ChangingPage != 0) {
        ChangingPage += 1;
        if (ChangingPage > ComicPageTurnUpdates) {
            ChangingPage = 0;
            CurrentPage += 1;
        }
    }
    return 0;
}

int ComicPage::Render() {
    if (Forward && (CurrentPage >= TotalPages - 1 || ChangingPage != 0))
        Forward->DrawnText = GetText("comics", "ok");
    auto page = [this](int index) -> Ref<TImage> {
        return index >= 0 && index < static_cast<int>(Images.size()) ? Images[index] : nullptr;
    };
    TDrawState::Push();
    // Nothing of the scene below may show through a page that did not load.
    if (!page(CurrentPage)) {
        SetBlend(SOLIDBLEND);
        SetColor(0, 0, 0);
        DrawRect(0, 0, GraphicsWidth(), GraphicsHeight());
        SetColor(255, 255, 255);
    }
    TDrawState::PushBlend(ALPHABLEND);
    DrawGameImage(page(CurrentPage), 0, 0);
    if (ChangingPage != 0) {
        TDrawState::Push();
        TDrawState::PushBlend(ALPHABLEND);
        TDrawState::PushAlpha(
            LerpSquareSquareClamped(0, 1, static_cast<float>(ChangingPage) / ComicPageTurnUpdates));
        DrawGameImage(page(CurrentPage + 1), 0, 0);
        TDrawState::Pop();
    }
    guiBase->Render(0);
    TDrawState::Pop();
    return 0;
}

void ShowComicAfterLevel(int comicNumber) {
    auto page = New<ComicPage>();
    page->ComicNumber = comicNumber;
    // The page slides in like the screens of the adventure.
    page->Fade = 0;
    page->FadeOnTop = 0;
    page->GoBackToQuestMap = 1;
    PushScene(page, 0, 0);
}

void ComicPage::NavigationTargets(NavTargets& targets) {
    AddGadgetTargets(*guiBase, targets);
}

} // namespace wispwood
