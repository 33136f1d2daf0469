#include "engine/draw/graphics.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "tests/support/gui_fixture.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using Container = test::GuiTest;

TEST_F(Container, ADialogFadesInAndBlocksTheGadgetsBelow) {
    auto below = root->AddButton(100, 100, button);
    auto dialog = root->AddContainer();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Creating, 1);
    EXPECT_FLOAT_EQ(dialog->FadeProgress, 0);
    EXPECT_EQ(dialog->DrawBacking, 1);
    EXPECT_EQ(root->HasActiveChildren(), 1);
    EXPECT_FALSE(root->AddContainer()); // one dialog at a time
    auto inside = dialog->AddButton(300, 300, button);
    Click(120, 110);
    Step();
    EXPECT_EQ(below->mhit, 0);
    EXPECT_EQ(below->mover, 0);
    EXPECT_FLOAT_EQ(dialog->FadeProgress, 0.06f);
    EXPECT_FLOAT_EQ(dialog->Alpha(), std::sqrt(0.06f));
    Click(320, 310);
    Step();
    EXPECT_EQ(inside->mhit, 1);
    Step(20);
    EXPECT_FLOAT_EQ(dialog->FadeProgress, 1);
    EXPECT_FLOAT_EQ(dialog->Alpha(), 1);
}

TEST_F(Container, AClosedDialogFadesOutIsTornDownAndFreesTheGadgetsBelow) {
    auto below = root->AddButton(100, 100, button);
    auto dialog = root->AddContainer();
    auto inside = dialog->AddButton(300, 300, button);
    Step(20);
    dialog->Destroy();
    EXPECT_FALSE(root->Child);
    EXPECT_EQ(root->HasInactiveChildren(), 1);
    EXPECT_EQ(root->HasActiveChildren(), 0);
    // The fading dialog no longer takes clicks, and the gadgets below are
    // free again at once.
    Click(320, 310);
    Step();
    EXPECT_EQ(inside->mhit, 0);
    EXPECT_NEAR(dialog->FadeProgress, 0.9f, 1e-6);
    EXPECT_NEAR(dialog->Alpha(), 1 - std::sqrt(0.1f), 1e-6);
    Click(120, 110);
    Step();
    EXPECT_EQ(below->mhit, 1);
    Step(7);
    EXPECT_EQ(dialog->Removed, 0);
    Step();
    EXPECT_EQ(dialog->Removed, 1);
    EXPECT_EQ(inside->Removed, 1);
    EXPECT_EQ(root->HasInactiveChildren(), 0);
    EXPECT_TRUE(root->AddContainer());
}

TEST_F(Container, AButtonClickedAsItsContainerStartsFadingOutReportsNoClick) {
    auto dialog = root->AddContainer();
    auto inside = dialog->AddButton(300, 300, button);
    Step(20);
    Click(320, 310);
    dialog->Destroy();
    Step();
    EXPECT_EQ(inside->mhit, 0);
}

TEST_F(Container, DisabledContainersNeitherUpdateNorDraw) {
    auto b = root->AddButton(100, 100, knob);
    root->Disable = 1;
    Click(105, 105);
    Step();
    EXPECT_EQ(b->mhit, 0);
    EXPECT_EQ(b->ticks, 0);
    EXPECT_EQ(Rgb(RenderRoot(), 110, 110), 0);
}

TEST_F(Container, RemovedGadgetsLeaveTheContainer) {
    auto a = root->AddButton(0, 0, button);
    auto b = root->AddButton(0, 0, button);
    a->Removed = 1;
    Click(10, 10);
    Step();
    EXPECT_EQ(root->Gadgets.Count(), 1);
    EXPECT_EQ(b->mhit, 1);
}

TEST_F(Container, DialogsDarkenTheScreenBehindThemAsTheyFadeIn) {
    SetClsColor(200, 200, 200);
    root->AddStatic(0, 0, knob);
    auto dialog = root->AddContainer();
    dialog->AddStatic(300, 300, knob);
    auto screen = RenderRoot();
    EXPECT_EQ(Rgb(screen, 10, 10), 0xffffff);
    EXPECT_EQ(Rgb(screen, 310, 310), 0xc8c8c8); // alpha 0: not drawn yet
    Step(20);
    screen = RenderRoot();
    // 60 per cent black over everything behind the dialog.
    EXPECT_NEAR(static_cast<int>(screen->ReadPixel(400, 50) & 0xff), 80, 2);
    EXPECT_NEAR(static_cast<int>(screen->ReadPixel(10, 10) & 0xff), 102, 2);
    EXPECT_EQ(Rgb(screen, 310, 310), 0xffffff);
    Cls();
    root->RenderFirst(); // without the dialog
    EXPECT_EQ(Rgb(test::GrabScreen(), 400, 50), 0xc8c8c8);
}

TEST_F(Container, HoverGlowsLieBeneathEveryClickableGadget) {
    GuiButtonGlow = knob; // white, stretched to the gadget size
    auto left = root->AddButton(100, 100, button);
    root->AddButton(140, 100, button); // overlaps the left one's glow
    left->moverduration = 0.3f;
    auto screen = RenderRoot();
    // The right button covers the glow; only outside it does the glow show.
    EXPECT_EQ(Rgb(screen, 245, 120), 0);
    EXPECT_EQ(Rgb(screen, 230, 120), 0x4060c0);
    EXPECT_NE(Rgb(screen, 120, 95), 0);
    ResetGuiResources();
}

} // namespace
} // namespace wispwood
