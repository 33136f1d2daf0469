#include "engine/draw/graphics.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_frame.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/pointer.h"
#include "framework/images/game_image.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound.h"
#include "tests/support/gui_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using Gadget = test::GuiTest;

class CountingSound : public Sound {
  public:
    int plays = 0;
    Ref<ActiveChannel> Play(int) override {
        ++plays;
        return nullptr;
    }
};

TEST_F(Gadget, HoverTakesTheMouseShowsTheHandAndGlowsUpAndDown) {
    auto b = root->AddButton(100, 100, button);
    MoveMouse(150, 120);
    Step();
    EXPECT_EQ(b->mover, 1);
    EXPECT_EQ(b->mhit, 0);
    EXPECT_EQ(PointerIsHand(), 1);
    EXPECT_FLOAT_EQ(b->moverduration, 0.02f);
    Step(20);
    EXPECT_FLOAT_EQ(b->moverduration, 0.3f);
    MoveMouse(300, 300);
    Step();
    EXPECT_EQ(b->mover, 0);
    EXPECT_EQ(PointerIsHand(), 0);
    EXPECT_NEAR(b->moverduration, 0.29f, 1e-6);
    Step(40);
    EXPECT_FLOAT_EQ(b->moverduration, 0);
}

TEST_F(Gadget, TheHitTestIncludesEveryEdgeAndUsesTheImageOrTheGivenSize) {
    auto b = root->AddButton(100, 100, button);
    auto area = root->AddClickableArea(300, 300, 30, 10);
    for (auto [x, y, over] :
         {std::tuple{100, 100, 1}, {200, 140, 1}, {201, 140, 0}, {99, 120, 0}, {150, 141, 0}}) {
        MoveMouse(x, y);
        Step();
        EXPECT_EQ(b->mover, over) << x << "," << y;
    }
    MoveMouse(330, 310);
    Step();
    EXPECT_EQ(area->mover, 1);
    EXPECT_EQ(root->guiOver(), area);
}

TEST_F(Gadget, AClickCountsForOneUpdateAndPlaysTheClickSound) {
    auto sound = std::make_shared<CountingSound>();
    auto b = root->AddButton(100, 100, button);
    b->AssignMouseClickSound(sound);
    Click(120, 110);
    Step();
    EXPECT_EQ(b->mhit, 1);
    EXPECT_EQ(b->rmhit, 0);
    EXPECT_EQ(sound->plays, 1);
    Step();
    EXPECT_EQ(b->mhit, 0);
    Click(120, 110, 2);
    Step();
    EXPECT_EQ(b->mhit, 0);
    EXPECT_EQ(b->rmhit, 1);
    EXPECT_EQ(sound->plays, 1);
    b->StripSounds();
    Click(120, 110);
    Step();
    EXPECT_EQ(b->mhit, 1);
}

TEST_F(Gadget, OverlappingGadgetsGiveTheClickToTheFirstCreated) {
    auto first = root->AddButton(100, 100, button);
    auto second = root->AddButton(150, 100, button);
    Click(175, 120);
    Step();
    EXPECT_EQ(first->mhit, 1);
    EXPECT_EQ(second->mhit, 0);
    EXPECT_EQ(second->mover, 0);
    // Left out of the queries and not clickable: the next one gets it.
    first->Clickable = 0;
    Click(175, 120);
    Step();
    EXPECT_EQ(second->mhit, 1);
    second->IgnoreOver = 1;
    EXPECT_FALSE(root->guiOver());
}

TEST_F(Gadget, StaticsAndInactiveGadgetsDoNotReact) {
    auto picture = root->AddStatic(100, 100, button);
    auto b = root->AddButton(300, 100, button);
    b->moverduration = 0.1f;
    b->Deactivate();
    Click(120, 110);
    Step();
    EXPECT_EQ(picture->mhit, 0);
    EXPECT_EQ(PointerIsHand(), 0);
    Click(320, 110);
    Step();
    EXPECT_EQ(b->mhit, 0);
    EXPECT_EQ(b->mover, 0);
    EXPECT_NEAR(b->moverduration, 0.08f, 1e-6);
    EXPECT_FALSE(root->guiOverActive());
    EXPECT_EQ(root->guiOver(), b);
}

TEST_F(Gadget, AnInterruptedActivationFadeContinuesFromWhereItWas) {
    auto b = root->AddButton(0, 0, button);
    EXPECT_EQ(b->activeprogress, 999);
    b->Deactivate();
    EXPECT_EQ(b->activeprogress, 0);
    Step(10); // 20 of the 80 steps greyed
    b->Activate();
    EXPECT_EQ(b->activeprogress, 60);
    b->Activate(); // already active: nothing restarts
    EXPECT_EQ(b->activeprogress, 60);
    b->Deactivate();
    EXPECT_EQ(b->activeprogress, 20);
}

TEST_F(Gadget, HoverSparklesBurstOnceAfterTheButtonWasUpThenTrickle) {
    auto b = root->AddButton(100, 100, wide); // 200 wide: a burst of 30
    Press();
    MoveMouse(150, 120);
    Step(); // the container appeared with the button down: no burst
    EXPECT_EQ(root->ParticleLayer->AllParticles.Count(), 0);
    Release();
    MoveMouse(400, 400);
    Step();
    MoveMouse(150, 120);
    Step();
    EXPECT_EQ(root->ParticleLayer->AllParticles.Count(), 30);
    Step(200);
    int trickled = root->ParticleLayer->AllParticles.Count();
    EXPECT_GT(trickled, 0);
    for (const auto& p : root->ParticleLayer->AllParticles) {
        EXPECT_FLOAT_EQ(p->Friction, 0.95f);
        EXPECT_EQ(p->Blend, 4);
    }
    b->DisableMouseOverEffect = 1;
    root->ParticleLayer->AllParticles.Clear();
    MoveMouse(400, 400);
    Step();
    MoveMouse(150, 120);
    Step(10);
    EXPECT_EQ(root->ParticleLayer->AllParticles.Count(), 0);
    EXPECT_FLOAT_EQ(b->moverduration, 0);
    EXPECT_EQ(b->mover, 1);
}

TEST_F(Gadget, NewLinesReplaceTheOldOnesAfterAPauseAndRestartTheClock) {
    auto b = root->AddStatic(0, 0, button);
    b->DrawnTextLines = {"A"};
    Step(5);
    b->ChangeDrawnTextLines({"B", "AB"});
    Step(15);
    EXPECT_EQ(b->DrawnTextLines, TextArray{"A"});
    Step();
    EXPECT_EQ(b->DrawnTextLines, (TextArray{"B", "AB"}));
    EXPECT_TRUE(b->DrawnTextNewLines.empty());
    EXPECT_EQ(b->ticks, 0);
    b->DrawnText = "new label";
    Step(3);
    EXPECT_EQ(b->ticks, 2);
}

TEST_F(Gadget, GrabbedPositionsFollowTheirTunables) {
    auto b = root->AddButton(100, 200, button);
    b->GrabText = "okbutton";
    Step();
    EXPECT_FLOAT_EQ(b->x, 100);
    EXPECT_FLOAT_EQ(b->y, 200);
    EXPECT_FLOAT_EQ(GetTunable("okbuttonx", "0"), 100);
    Tunables.Add("okbuttony", std::make_shared<Text>("250"));
    Step();
    EXPECT_FLOAT_EQ(b->y, 250);
}

TEST_F(Gadget, NewGadgetsTakeTheSharedSounds) {
    GuiHitSound = std::make_shared<CountingSound>();
    GuiOverSound = std::make_shared<CountingSound>();
    auto b = root->AddButton(0, 0, button);
    EXPECT_EQ(b->HitSound, GuiHitSound);
    EXPECT_EQ(b->OverSound, GuiOverSound);
    MoveMouse(10, 10);
    Step(5); // hovering alone is silent
    EXPECT_EQ(std::static_pointer_cast<CountingSound>(GuiOverSound)->plays, 0);
    ResetGuiResources();
}

TEST_F(Gadget, DrawingGreysInactiveGadgetsAndGrowsHoveredOnesAboutTheirCentre) {
    auto white = root->AddButton(100, 100, knob);
    auto grey = root->AddButton(300, 100, knob);
    grey->Deactivate();
    grey->activeprogress = 999;
    auto screen = RenderRoot();
    EXPECT_EQ(Rgb(screen, 110, 110), 0xffffff);
    EXPECT_EQ(Rgb(screen, 310, 110), 0x999999);
    EXPECT_EQ(Rgb(screen, 98, 110), 0);

    white->moverduration = 0.3f; // drawn at 1 + 0.3 / 9: about 0.33 pixels more each side
    white->scale = 2;            // 40 x 40 about the centre (110, 110)
    screen = RenderRoot();
    EXPECT_NE(Rgb(screen, 92, 110), 0);
    EXPECT_NE(Rgb(screen, 128, 128), 0);
    EXPECT_EQ(Rgb(screen, 88, 110), 0);
}

TEST_F(Gadget, FramesAreBuiltFromMirroredCornersTurnedEdgesAndAStretchedFill) {
    auto corner = LoadGameImage(test::SolidPixmap(10, 10, static_cast<int>(0xffff0000u)), 0);
    auto edge = LoadGameImage(test::SolidPixmap(20, 6, static_cast<int>(0xff00ff00u)), 0);
    auto fill = LoadGameImage(test::SolidPixmap(4, 4, static_cast<int>(0xff0000ffu)), 0);
    auto frame = root->AddFrame(100, 100, 100, 60, corner, edge, fill);
    EXPECT_EQ(frame->Clickable, 0);
    auto screen = RenderRoot();
    auto at = [&](int x, int y) { return Rgb(screen, x, y); };
    for (auto [x, y] : {std::pair{101, 101}, {198, 101}, {101, 158}, {198, 158}})
        EXPECT_EQ(at(x, y), 0xff0000);
    for (auto [x, y] : {std::pair{150, 102}, {150, 157}, {102, 130}, {197, 130}})
        EXPECT_EQ(at(x, y), 0x00ff00);
    EXPECT_EQ(at(150, 130), 0x0000ff);
    EXPECT_EQ(at(120, 120), 0x0000ff);
    EXPECT_EQ(at(99, 99), 0);
    EXPECT_EQ(at(201, 161), 0);
}

} // namespace
} // namespace wispwood
