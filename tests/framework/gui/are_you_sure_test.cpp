#include "engine/input/key_codes.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_darken_screen.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "tests/support/gui_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class AreYouSure : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        GuiContainerBacking = LoadGameImage(test::SolidPixmap(400, 440, static_cast<int>(0xff203040u)), 0);
        GuiButtonEmptySmall = button;
    }
    void TearDown() override {
        ResetGuiResources();
        GuiTest::TearDown();
    }
    void ClickOn(const Ref<guiGadget>& g) {
        Click(static_cast<int>(g->x + g->GetWidtH() / 2), static_cast<int>(g->y + g->GetHeight() / 2));
        Step();
    }
};

TEST_F(AreYouSure, AskingOpensACentredDialogWithYesAndNoBelowTheText) {
    auto ask = root->AreYouSure(1);
    ASSERT_TRUE(ask);
    EXPECT_FALSE(root->AreYouSure(1)); // one at a time
    ASSERT_TRUE(ask->yes && ask->no);
    EXPECT_FALSE(ask->ok);
    EXPECT_EQ(ask->yes->DrawnText, "yes");
    EXPECT_EQ(ask->no->DrawnText, "no");
    EXPECT_EQ(ask->Text, TextArray{"Are You Sure You Want To Quit?"});
    EXPECT_FLOAT_EQ(ask->basex, 200);
    EXPECT_FLOAT_EQ(ask->basey, 80);
    EXPECT_LT(ask->yes->x + 100, ask->no->x);
    EXPECT_FLOAT_EQ(ask->yes->y, ask->no->y);
    EXPECT_GT(ask->yes->y, ask->basey + 60 + ask->LineStep() - 52);
    EXPECT_LE(ask->yes->y + 40, ask->basey + 440);
    // More lines push the buttons down.
    float before = ask->yes->y;
    ask->Text = {"one", "two", "three"};
    Step();
    EXPECT_GT(ask->yes->y, before);
    EXPECT_LE(ask->yes->y + 40, ask->basey + 440);
    auto okOnly = root->AreYouSure(2);
    EXPECT_FALSE(okOnly);
}

TEST_F(AreYouSure, YesAnswersOneAndLeavesTheDialogForTheCallerToClose) {
    auto below = root->AddButton(0, 0, button);
    auto ask = root->AreYouSure(1);
    Step(20);
    ClickOn(ask->yes);
    EXPECT_EQ(ask->Value(), 1);
    EXPECT_EQ(ask->Alive(), 1);
    EXPECT_TRUE(root->Child);
    ask->Destroy();
    EXPECT_EQ(ask->Alive(), 0);
    Step(10);
    EXPECT_EQ(ask->Removed, 1);
    Click(10, 10);
    Step();
    EXPECT_EQ(below->mhit, 1);
}

TEST_F(AreYouSure, NoOrEscapeClosesWithNothingDecidedAndTheClickStaysInTheDialog) {
    auto ask = root->AreYouSure(1);
    Step(20);
    // A button under "no" must not take the click that closes the dialog.
    auto under = root->AddButton(ask->no->x, ask->no->y, button);
    ClickOn(ask->no);
    EXPECT_EQ(ask->Value(), 0);
    EXPECT_EQ(ask->Killing, 1);
    EXPECT_FALSE(root->Child);
    EXPECT_EQ(under->mhit, 0);
    Step(10);

    ask = root->AreYouSure(1);
    Step(20);
    Key(KeyEscape);
    Step();
    EXPECT_EQ(ask->Killing, 1);

    ask = nullptr;
    Step(10);
    ask = root->AreYouSure(2);
    ask->CanEscape = 0;
    Step(20);
    Key(KeyEscape);
    Step();
    EXPECT_EQ(ask->Killing, 0);
    ClickOn(ask->ok);
    EXPECT_EQ(ask->Value(), 1);
}

TEST_F(AreYouSure, AnUnimportantNoAnswersTwoAndStaysOpen) {
    auto ask = root->AreYouSure(1);
    ask->NoImportant = 1;
    Step(20);
    ClickOn(ask->no);
    EXPECT_EQ(ask->Value(), 2);
    EXPECT_EQ(ask->Killing, 0);
    Key(KeyEscape); // Escape still closes it
    Step();
    EXPECT_EQ(ask->Killing, 1);
    EXPECT_EQ(ask->Value(), 0);
}

TEST_F(AreYouSure, AutoKillClosesADecidedDialogByItself) {
    auto ask = root->AreYouSure(1);
    ask->AutoKill = 1;
    Step(20);
    ClickOn(ask->yes);
    EXPECT_EQ(ask->Value(), 1);
    Step();
    EXPECT_EQ(ask->Killing, 1);
    EXPECT_EQ(ask->Value(), 1);
}

TEST_F(AreYouSure, TheScreenDarkensOverDarkTimeAndDisableHidesTheDialog) {
    auto ask = root->AreYouSure(2);
    EXPECT_FLOAT_EQ(ask->screendarkening->Alpha, 0);
    Step(5);
    EXPECT_NEAR(ask->Progress, 5.0f / 15, 1e-6);
    EXPECT_NEAR(ask->screendarkening->Alpha, 0.8f * 5 / 15, 1e-6);
    Step(20);
    EXPECT_FLOAT_EQ(ask->screendarkening->Alpha, 0.8f);
    EXPECT_EQ(ask->TicksTime, 25);
    ask->Deactivate();
    EXPECT_EQ(ask->ok->active, 0);
    ask->Activate();
    EXPECT_EQ(ask->ok->active, 1);
    ask->Disable();
    ClickOn(ask->ok);
    EXPECT_EQ(ask->Value(), 0);
    EXPECT_EQ(ask->TicksTime, 25);
}

} // namespace
} // namespace wispwood
