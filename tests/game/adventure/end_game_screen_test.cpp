// The end of the adventure: credit lines and their markers, the credits
// file, the darkening and the scrolling, and the button back to the title
// screen.
#include "engine/input/key_codes.h"
#include "engine/io/file_system.h"
#include "engine/io/memory_stream.h"
#include "framework/gui/gui_gadget.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/credit.h"
#include "game/adventure/credits_file.h"
#include "game/adventure/end_game_screen.h"
#include "game/app/world_reset.h"
#include "game/services/game_fonts.h"
#include "tests/support/menu_fixture.h"
#include "tests/support/scene_fixture.h"
#include "tests/support/test_font.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {


TEST(Credit, MarkersChooseTheSizeAndAreNotShown) {
    struct Case {
        const char* line;
        const char* txt;
        int size, images;
    };
    const Case cases[] = {
        {"Programming", "Programming", 0, 0},
        {"<L>Wispwood", "Wispwood", 2, 0},
        {"Thanks<M>", "Thanks", 1, 0},
        {"A<M>B<M>C", "ABC", 1, 0},
        // Medium wins over large; every marker is dropped.
        {"<L><M>Both", "Both", 1, 0},
        {"<I>Pictures<L>", "Pictures", 2, 1},
        {"", "", 0, 0},
        // One pass: a marker formed only by a removal stays.
        {"<<M>M>", "<M>", 1, 0},
        // Case matters.
        {"<m>small", "<m>small", 0, 0},
    };
    for (const Case& c : cases) {
        Ref<Credit> credit = Credit::Create(c.line);
        EXPECT_EQ(credit->txt, c.txt) << c.line;
        EXPECT_EQ(credit->Size, c.size) << c.line;
        EXPECT_EQ(credit->DisplayImages, c.images) << c.line;
    }
}

class CreditsTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() { ResetWorld(); }
    static void UseFonts() {
        MainFont = test::MakeTestFont();
        BigFont = test::MakeTestFont();
        SetCurrentFont(MainFont);
    }
    static void Read(const Text& bytes) { ReadCredits(New<TMemoryStream>(bytes)); }
    static std::vector<Text> Texts() {
        std::vector<Text> texts;
        for (const Ref<Credit>& c : Credits) texts.push_back(c->txt);
        return texts;
    }
};

TEST_F(CreditsTest, HeightsFollowTheSizeAndAMissingFontGivesNone) {
    UseFonts();
    const float normal = CurrentFontHeight(1);
    ASSERT_GT(normal, 0);
    EXPECT_FLOAT_EQ(Credit::Create("a")->Height(), normal);
    EXPECT_FLOAT_EQ(Credit::Create("<M>a")->Height(), static_cast<float>(BigFont->FontHeight(0.75f)));
    EXPECT_FLOAT_EQ(Credit::Create("<L>a")->Height(), static_cast<float>(BigFont->FontHeight(1)));
    EXPECT_LT(Credit::Create("<M>a")->Height(), Credit::Create("<L>a")->Height());

    ResetGameFonts();
    ResetFonts();
    for (const char* line : {"a", "<M>a", "<L>a"}) {
        Ref<Credit> credit = Credit::Create(line);
        EXPECT_EQ(credit->Height(), 0) << line;
        credit->Render(300); // nothing to draw with, and no crash
    }
}

TEST_F(CreditsTest, OneCreditPerLineInFileOrderEmptyLinesIncluded) {
    UseFonts();
    Read("<L>Title\r\n\r\nname one\nname two");
    EXPECT_EQ(Texts(), (std::vector<Text>{"Title", "", "name one", "name two"}));
    // The gap is one normal line.
    EXPECT_FLOAT_EQ(CreditsHeight(), BigFont->FontHeight(1) + 3 * CurrentFontHeight(1));

    // Loading again replaces the list rather than adding to it.
    Read("only\n");
    EXPECT_EQ(Texts(), (std::vector<Text>{"only"}));
}

TEST_F(CreditsTest, AMissingOrEmptyFileGivesNoCredits) {
    Read("stale");
    LoadCredits("no\\such\\folder\\credits.txt");
    EXPECT_EQ(Credits.Count(), 0);

    Read("stale");
    ReadCredits(nullptr);
    EXPECT_EQ(Credits.Count(), 0);

    Read("");
    EXPECT_EQ(Credits.Count(), 0);
    EXPECT_EQ(CreditsHeight(), 0);
}

// The scene on its own, with the test font for the credits.
class EndGameScreenTest : public test::MenuTest {
  protected:
    void SetUp() override { MenuTest::SetUp(); }
    void TearDown() override { MenuTest::TearDown(); }
    // The screen over a stand-in for the title screen.
    Ref<EndGameScreen> OverTitle(Ref<test::ProbeScene>& title) {
        title = New<test::ProbeScene>();
        PushSceneInstantly(title);
        auto screen = Cast<EndGameScreen>(MakeEndGameScreen());
        PushSceneInstantly(screen);
        return screen;
    }
    // Runs the transition to its end, then makes the changes that waited
    // for it, as the end of a frame does.
    static void FinishTransition() {
        for (int i = 0; i < 1000 && CurrentTransition; ++i) CurrentTransition->Update();
        MakeWaitingSceneChanges();
    }
};

TEST_F(EndGameScreenTest, TheCreditsStartBelowTheScreenAndCountAsGoneTwoHundredPixelsAboveIt) {
    SetCurrentFont(MainFont);
    ReadCredits(New<TMemoryStream>(Text("one\ntwo\nthree\n")));
    const float total = CreditsHeight();
    ASSERT_GT(total, 0);
    EndGameScreen screen;
    EXPECT_EQ(screen.CreditsOffset, 100);
    // The last line's bottom reaches y = -200 at this offset.
    const float edge = 600 + 150 + total + 200;
    screen.CreditsOffset = edge;
    EXPECT_EQ(screen.CreditsOffScreen(), 0);
    screen.CreditsOffset = edge + 0.5f;
    EXPECT_EQ(screen.CreditsOffScreen(), 1);

    ResetCredits();
    screen.CreditsOffset = 950;
    EXPECT_EQ(screen.CreditsOffScreen(), 0);
    screen.CreditsOffset = 950.5f;
    EXPECT_EQ(screen.CreditsOffScreen(), 1);
}

TEST_F(EndGameScreenTest, TheSceneryDarkensThenTheCreditsScrollThenItBrightensAgain) {
    SetCurrentFont(MainFont);
    ReadCredits(New<TMemoryStream>(Text("<L>Wispwood\n\nthe team\n")));
    Ref<test::ProbeScene> title;
    Ref<EndGameScreen> screen = OverTitle(title);

    // The curve: black from 175 to 275, at most 70%, never lighter as it goes.
    float last = -1;
    for (int f = 0; f <= 300; ++f) {
        screen->FadeProgress = f;
        const float a = screen->DarkeningAlpha();
        EXPECT_GE(a, last) << f;
        last = a;
        if (f <= 175) {
            EXPECT_EQ(a, 0) << f;
        }
        if (f >= 275) {
            EXPECT_FLOAT_EQ(a, 0.7f) << f;
        }
    }
    screen->FadeProgress = 225;
    EXPECT_GT(screen->DarkeningAlpha(), 0);
    EXPECT_LT(screen->DarkeningAlpha(), 0.7f);
    screen->FadeProgress = 0;

    // No scrolling until the screen is fully dark.
    Step(*screen, 275);
    EXPECT_EQ(screen->FadeProgress, 275);
    EXPECT_EQ(screen->CreditsOffset, 100);
    Step(*screen, 10);
    EXPECT_EQ(screen->FadeProgress, 275);
    EXPECT_FLOAT_EQ(screen->CreditsOffset, 105);

    // Scrolling on at half a pixel per update until the credits have gone...
    int scrolled = 10;
    while (!screen->CreditsOffScreen() && scrolled < 100000) {
        Step(*screen);
        ++scrolled;
    }
    const float gone = screen->CreditsOffset;
    EXPECT_FLOAT_EQ(gone, 100 + 0.5f * static_cast<float>(scrolled));
    // ... then the offset stays and the scenery brightens back.
    Step(*screen, 100);
    EXPECT_EQ(screen->CreditsOffset, gone);
    EXPECT_EQ(screen->FadeProgress, 175);
    EXPECT_EQ(screen->DarkeningAlpha(), 0);
    // Still here: only the button leaves.
    EXPECT_EQ(TopScene(), screen);
}

TEST_F(EndGameScreenTest, TheButtonSitsInTheCornerAndLeavesEscapeDoesNot) {
    LoadCredits();
    EXPECT_GT(Credits.Count(), 0); // the installed file
    Ref<test::ProbeScene> title;
    Ref<EndGameScreen> screen = OverTitle(title);
    ASSERT_TRUE(screen->Whatever);
    EXPECT_FALSE(screen->Whatever->DrawnText.empty());
    EXPECT_EQ(screen->Whatever->x + static_cast<float>(screen->Whatever->GetWidtH()), 800 - 16);
    EXPECT_EQ(screen->Whatever->y + static_cast<float>(screen->Whatever->GetHeight()), 600 - 16);
    EXPECT_EQ(screen->DrawPointer, 1);

    Step(*screen, 30);
    Key(KeyEscape);
    Step(*screen, 2);
    EXPECT_EQ(TopScene(), screen);
    EXPECT_EQ(screen->ToEscape(0), 0);

    ClickGadget(screen->Whatever);
    Step(*screen, 2);
    EXPECT_EQ(TopScene(), title);
}

TEST_F(EndGameScreenTest, WithoutCreditsTheScreenStillRunsAndItsButtonStillLeaves) {
    ResetCredits();
    Ref<test::ProbeScene> title;
    Ref<EndGameScreen> screen = OverTitle(title);
    for (int i = 0; i < 3000; ++i) {
        Step(*screen);
        if (i % 500 == 0) screen->Render();
    }
    // Nothing to scroll: the empty list counts as gone once the start
    // position has passed the line 200 pixels above the screen.
    EXPECT_EQ(screen->CreditsOffScreen(), 1);
    EXPECT_LT(screen->FadeProgress, 175);
    ClickGadget(screen->Whatever);
    Step(*screen, 2);
    EXPECT_EQ(TopScene(), title);
}

TEST_F(EndGameScreenTest, AClickDuringATransitionLeavesOnceTheTransitionEnds) {
    Ref<test::ProbeScene> title;
    Ref<EndGameScreen> screen = OverTitle(title);
    // A cross-fade leaves the mouse free, so the click reaches the button.
    CurrentTransition = New<FadeOnTop>();
    CurrentTransition->OldScene = title;
    Step(*screen, 30);
    ClickGadget(screen->Whatever);
    Step(*screen, 2);
    EXPECT_EQ(TopScene(), screen); // the pop waits while the screens cross
    FinishTransition();
    EXPECT_EQ(TopScene(), title);
}

} // namespace
} // namespace wispwood
