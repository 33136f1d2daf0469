// The widgets as the game starts them: shared pictures and the pointer
// from start-up, the layout of "media\res.dat", the game's fonts, and a
// small scene showing a dialog with every kind of gadget, driven by
// platform input through the scene loop.
#include "engine/draw/graphics.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "engine/input/polled_input.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_selectable.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/gui/gui_text_input.h"
#include "framework/gui/pointer.h"
#include "framework/images/game_image.h"
#include "framework/layout/layout_resource.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/game_loop.h"
#include "framework/scene/scene_stack.h"
#include "framework/sound/sound.h"
#include "game/services/game_fonts.h"
#include "tests/support/game_harness.h"
#include "tests/support/input_events.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class DialogScene : public GameLoop {
  public:
    Ref<guiContainer> guiBase = New<guiContainer>();
    Ref<guiContainer> dialog;
    Ref<guiTextHeading> heading;
    Ref<guiGadget> options, back, exit, area;
    Ref<guiSelectable> fullscreen, windowed, hints;
    Ref<guiSlider> volume;
    Ref<guiTextInput> name;
    Ref<guiAreYouSure> confirm;
    Ref<TImage> background;
    int areaClicks = 0;

    int Init() override {
        background = LoadGameImage("media\\load\\loading.jpg");
        // Behind the dialog: a clickable area over the left of the screen.
        area = guiBase->AddClickableArea(0, 0, 150, 600);
        dialog = guiBase->AddContainer();
        dialog->AddStatic(200, 80, GuiContainerBacking);
        heading = dialog->AddText(0, 0, "Pause");
        heading->LayoutName = "heading";
        heading->DrawnTextScale = 1;
        options = Button("options", "Options");
        back = Button("back", "Back");
        exit = Button("exit", "Exit");
        volume = dialog->AddSlider(292, 330, GuiSlider, GuiSliderGadget, 20, 41, 176);
        volume->DrawnText = "Volume";
        volume->DrawnTextExtraY = -20;
        volume->DrawnTextScale = 0.6f;
        volume->SliderValue = 0.8f;
        fullscreen =
            dialog->AddSelectable(222, 390, GuiSelectable, LoadGameImage("media\\options\\tick.png"), 1, 1);
        fullscreen->DrawnText = "Full screen";
        fullscreen->DrawnTextScale = 0.6f;
        windowed = dialog->AddSelectable(418, 390, GuiSelectable, fullscreen->Overlay, 1, 1);
        windowed->DrawnText = "Windowed";
        windowed->DrawnTextScale = 0.6f;
        hints = dialog->AddSelectable(222, 432, GuiSelectable, fullscreen->Overlay, 2, 1);
        hints->TickBox = 1;
        hints->SelectItem(1); // the first of its group started selected: now off
        hints->DrawnText = "Hints";
        hints->DrawnTextScale = 0.6f;
        name = dialog->AddTextBox(280, 474, LoadGameImage("media\\profilemenu\\textbox.png"));
        dialog->SetLayout(MainLayout->GetLayout("PauseMenu"));
        return 0;
    }
    Ref<guiGadget> Button(const Text& layoutName, const Text& label) {
        auto b = dialog->AddButton(0, 0, GuiButtonEmpty);
        b->LayoutName = layoutName;
        b->DrawnText = label;
        b->DrawnTextScale = 0.8f;
        return b;
    }
    int Update() override {
        guiBase->Update();
        if (area->mhit) ++areaClicks;
        if (exit->mhit && !confirm) {
            confirm = dialog->AreYouSure(1);
            if (confirm) confirm->Text = {"Are you sure you", "want to leave?", "This level will be lost."};
        }
        return 0;
    }
    int Render() override {
        SetColor(255, 255, 255);
        SetBlend(SOLIDBLEND);
        DrawGameImage(background, 0, 0);
        guiBase->Render();
        return 0;
    }
};

Ref<DialogScene> StartScene(test::GameHarness& game) {
    if (!game.Start()) return nullptr;
    LoadFonts();
    auto scene = New<DialogScene>();
    PushSceneInstantly(scene);
    game.Frames(40);
    return scene;
}

// The left button alone, for drags (the harness clicks down and up at once).
void Button(int id) {
    test::EmitInput(id, 1, MouseX(), MouseY());
}

void ClickOn(test::GameHarness& game, const Ref<guiGadget>& g, int dx = 0) {
    game.Click(static_cast<int>(g->x + g->GetWidtH() / 2) + dx, static_cast<int>(g->y + g->GetHeight() / 2));
    game.Frames(2);
}

TEST(GuiDialogScene, StartUpProvidesTheLayoutsThePicturesAndThePointer) {
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(MainLayout);
    EXPECT_TRUE(MainLayout->GetLayout("PauseMenu")->FindChild("exit"));
    for (const auto& image : {GuiStar, GuiTwinkle, GuiButtonGlow, GuiButtonMainMenu, GuiButtonEmptySmall,
                              GuiButtonEmpty, GuiButtonBig, GuiSelectable, GuiButtonSidebar, GuiSlider,
                              GuiSliderGadget, GuiContainerBacking, GuiPointer, GuiPointerHand})
        EXPECT_TRUE(image);
    ASSERT_TRUE(GuiHitSound);
    EXPECT_FALSE(GuiHitSound->Handle.empty());
    EXPECT_EQ(GuiImage("media\\gui\\slider.png"), GuiSlider);
    EXPECT_EQ(GuiImage("MEDIA/GUI/Slider.PNG"), GuiSlider);
    EXPECT_FALSE(GuiImage("media\\options\\slider.png"));
    EXPECT_TRUE(FrameUpcalls.DrawMousePointer);
}

TEST(GuiDialogScene, EveryGadgetKindWorksInTheRunningGame) {
    test::GameHarness game;
    auto scene = StartScene(game);
    ASSERT_TRUE(scene);
    // The layout placed the heading and the three buttons down the middle.
    auto pause = MainLayout->GetLayout("PauseMenu");
    EXPECT_FLOAT_EQ(scene->back->x, 400 - 80);
    EXPECT_GT(scene->options->y, scene->heading->y);
    EXPECT_FLOAT_EQ(scene->back->y, scene->options->y + 40 + pause->Border);
    EXPECT_FLOAT_EQ(scene->exit->y, scene->back->y + 40 + pause->Border);
    EXPECT_NEAR(scene->heading->x + scene->heading->GetWidtH() / 2, 400, 1);
    game.SaveFrame("gui_dialog_scene");

    // The dialog blocks the area behind it.
    game.Click(50, 300);
    game.Frames(2);
    EXPECT_EQ(scene->areaClicks, 0);

    // Hover: the hand pointer, the glow and the sparkles.
    game.MoveMouseTo(static_cast<int>(scene->options->x + 20), static_cast<int>(scene->options->y + 20));
    game.Frames(20);
    EXPECT_EQ(PointerIsHand(), 1);
    EXPECT_GT(scene->options->moverduration, 0.2f);
    EXPECT_GT(scene->dialog->ParticleLayer->AllParticles.Count(), 0);
    game.SaveFrame("gui_dialog_hover");

    // Radio buttons and the tick box.
    ClickOn(game, scene->windowed);
    EXPECT_EQ(scene->windowed->IsSelected(), 1);
    EXPECT_EQ(scene->fullscreen->IsSelected(), 0);
    ClickOn(game, scene->hints);
    EXPECT_EQ(scene->hints->IsSelected(), 1);

    // The slider's knob dragged to the right end of its track, and back.
    int row = static_cast<int>(scene->volume->y + 41);
    int start = static_cast<int>(scene->volume->x + 20);
    game.MoveMouseTo(start + 100, row);
    Button(EventMouseDown);
    for (int x = start + 100; x <= start + 176; x += 4) {
        game.MoveMouseTo(x, row);
        game.Frames(1);
    }
    EXPECT_FLOAT_EQ(scene->volume->SliderValue, 1);
    game.MoveMouseTo(start, row);
    game.Frames(1);
    EXPECT_FLOAT_EQ(scene->volume->SliderValue, 0);
    Button(EventMouseUp);
    game.Frames(1);
    EXPECT_EQ(scene->volume->MRelease, 1);

    // Typing a name.
    for (int key : std::vector<int>{'R', 'O', 'W', 'A', 'N', ' ', '7', KeyComma, KeyBackspace, 'B'}) {
        game.PressKey(key);
        game.Frames(1);
    }
    EXPECT_EQ(scene->name->Text, "Rowan B");
    game.Frames(20);
    game.SaveFrame("gui_dialog_used");

    // "Exit" asks first; the question blocks the dialog; "no" closes it.
    ClickOn(game, scene->exit);
    ASSERT_TRUE(scene->confirm);
    game.Frames(60);
    game.SaveFrame("gui_dialog_are_you_sure");
    ClickOn(game, scene->confirm->no, 0);
    EXPECT_EQ(scene->confirm->Value(), 0);
    EXPECT_EQ(scene->confirm->Killing, 1);
    game.Frames(20);
    EXPECT_EQ(scene->confirm->Removed, 1);
    EXPECT_FALSE(scene->dialog->Child);

    // Closing the dialog frees the area behind it.
    scene->dialog->Destroy();
    game.Frames(20);
    EXPECT_EQ(scene->dialog->Removed, 1);
    game.Click(50, 300);
    game.Frames(2);
    EXPECT_EQ(scene->areaClicks, 1);
}

} // namespace
} // namespace wispwood
