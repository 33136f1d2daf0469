// The comics: which comics a player may read again, the collection that
// opens them, and a comic's pages with their page turn, the ways out and
// the hand-over after a won level. The pages are small one-colour pictures
// in a scratch media tree.
#include "engine/draw/pixmap_loader.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_gadget.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/comic_unlocks.h"
#include "game/adventure/quest_map.h"
#include "game/app/comic_menu.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"
#include "tests/support/headless_display.h"
#include "tests/support/input_events.h"
#include "tests/support/paths.h"
#include "tests/support/scene_fixture.h"
#include <filesystem>
#include <fstream>

namespace wispwood {
namespace {


TEST(ComicUnlocks, EachTemplePassedUnlocksTheNextComic) {
    const int expected[][2] = {{0, 1},  {10, 1}, {11, 2}, {29, 2}, {30, 3},  {53, 3},
                               {54, 4}, {77, 4}, {78, 5}, {99, 5}, {100, 6}, {250, 6}};
    for (const auto& [adventure, comics] : expected)
        EXPECT_EQ(UnlockedComics(adventure), comics) << "at location " << adventure;
}

// Comic 1 has two pages (red, then blue), comic 2 one (green); comic 3 has none.
class Comics : public test::HeadlessDisplayTest {
  protected:
    test::TempDir dir;
    std::optional<test::WorkingFolder> folder;

    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        ResetWorld();
        std::filesystem::create_directories(dir.Path() + "/media/comics");
        SavePage("Scene-1.jpg", 0xffff0000);
        SavePage("Scene-1b.jpg", 0xff0000ff);
        SavePage("Scene-2.jpg", 0xff00ff00);
        std::ofstream(dir.File("media/Strings.txt")) << "[comics]\nback = Back\nnext = Next\nok = OK\n";
        folder.emplace(dir.Path());
        ASSERT_TRUE(folder->Entered());
        LoadTextTable();
        GuiButtonSidebar = LoadGameImage(test::SolidPixmap(120, 40, 0xff806040));
        GuiButtonEmptySmall = LoadGameImage(test::SolidPixmap(100, 40, 0xff806040));
        for (int i = 0; i < ComicCount; ++i)
            ComicMenu::ComicFrames[i] = LoadGameImage(test::SolidPixmap(150, 110, 0xff402010));
    }
    void TearDown() override {
        ResetWorld();
        folder.reset();
    }
    void SavePage(const Text& name, int argb) {
        ASSERT_EQ(SavePixmapPNG(test::SolidPixmap(800, 600, argb), dir.File("media/comics/" + name)), 1);
    }

    static void Key(int key) {
        test::EmitInput(EventKeyDown, key);
        test::EmitInput(EventKeyUp, key);
    }
    static void Click(int x, int y) {
        test::EmitInput(EventMouseMove, 0, x, y);
        test::EmitInput(EventMouseDown, 1, x, y);
        test::EmitInput(EventMouseUp, 1, x, y);
    }
    // One update of the top scene, as the frame loop runs it.
    static void Step(int updates = 1) {
        for (int i = 0; i < updates; ++i) {
            TakeInputSnapshot();
            TopScene()->Update();
        }
    }
    // Lets a running transition end, as the end of a frame would, with the
    // changes that waited for it.
    static void FinishTransition() {
        if (CurrentTransition) CurrentTransition->Finish();
        MakeWaitingSceneChanges();
    }
    // A comic pushed over a plain scene, as from the collection.
    Ref<ComicPage> OpenComic(int number, const Ref<GameLoop>& below = New<test::ProbeScene>()) {
        PushSceneInstantly(below);
        auto page = New<ComicPage>();
        page->ComicNumber = number;
        PushScene(page, 0, 0);
        FinishTransition();
        return page;
    }
    static Text Label(const Ref<ComicPage>& page) {
        page->Render();
        return page->Forward->DrawnText;
    }
    static int CentreColour() {
        return static_cast<int>(static_cast<uint32_t>(ReadPixel(test::GrabScreen(), 400, 300)) & 0xffffff);
    }
};

TEST_F(Comics, ASecondPageFadesInOverFortyUpdatesWhileInputIsIgnored) {
    Ref<ComicPage> page = OpenComic(1);
    ASSERT_EQ(page->TotalPages, 2);
    EXPECT_EQ(Label(page), "Next");
    EXPECT_EQ(CentreColour(), 0xff0000);

    Key(KeySpace);
    Step();
    EXPECT_EQ(page->ChangingPage, 2);
    EXPECT_EQ(Label(page), "OK"); // from the moment the turn starts
    Step(19);
    page->Render();
    const int halfway = CentreColour();
    EXPECT_GT(halfway & 0xff0000, 0); // red still shows through the fading blue
    EXPECT_GT(halfway & 0x0000ff, 0);

    // A click, a key or Escape during the turn changes nothing.
    Click(page->Forward->x + 10, page->Forward->y + 10);
    Step();
    Key(KeyEscape);
    Step();
    EXPECT_EQ(TopScene(), page);
    EXPECT_EQ(page->CurrentPage, 0);
    Step(18);
    EXPECT_EQ(page->ChangingPage, 0);
    EXPECT_EQ(page->CurrentPage, 1);
    page->Render();
    EXPECT_EQ(CentreColour(), 0x0000ff);

    // The last page leaves for the scene below.
    Key(KeyReturn);
    Step();
    EXPECT_NE(TopScene(), page);
}

TEST_F(Comics, AOnePageComicSaysOkAtOnceAndTheButtonLeavesIt) {
    Ref<ComicPage> page = OpenComic(2);
    ASSERT_EQ(page->TotalPages, 1);
    EXPECT_EQ(Label(page), "OK");
    Step(); // the button has seen the mouse once
    Click(page->Forward->x + 10, page->Forward->y + 10);
    Step();
    EXPECT_NE(TopScene(), page);
}

TEST_F(Comics, EscapeAfterAWonLevelSkipsTheSecondPageForTheQuestMap) {
    PushSceneInstantly(New<test::ProbeScene>());
    ShowComicAfterLevel(1);
    auto page = std::dynamic_pointer_cast<ComicPage>(TopScene());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->ComicNumber, 1);
    EXPECT_EQ(page->GoBackToQuestMap, 1);
    // it slides in like the adventure's screens
    EXPECT_EQ(page->Fade + page->FadeOnTop, 0);
    // Escape during the slide leaves once the slide has ended.
    Key(KeyEscape);
    Step();
    EXPECT_EQ(TopScene(), page);
    FinishTransition();
    EXPECT_TRUE(std::dynamic_pointer_cast<QuestMap>(TopScene()));
    EXPECT_EQ(page->CurrentPage, 0);
    EXPECT_EQ(page->DeleteFromStack, 1); // the player never returns to it
}

TEST_F(Comics, TheSelfPlayingModeTurnsEveryPageByItself) {
    TestMode = 1;
    Ref<ComicPage> page = OpenComic(1);
    Step();
    EXPECT_EQ(page->ChangingPage, 2);
    Step(40);
    EXPECT_EQ(page->CurrentPage, 1);
    EXPECT_NE(TopScene(), page);
}

TEST_F(Comics, AMissingPageLeavesABlackScreenInsteadOfTheOneBelow) {
    Ref<ComicPage> page = OpenComic(3);
    ASSERT_EQ(page->TotalPages, 1);
    SetClsColor(255, 255, 255);
    Cls();
    page->Render();
    EXPECT_EQ(CentreColour(), 0x000000);
}

TEST_F(Comics, TheCollectionShowsTheUnlockedComicsAndOpensThem) {
    EnsureCurrentProfile()->CurrentAdventure = 30;
    auto menu = std::dynamic_pointer_cast<ComicMenu>(MakeComicMenu());
    PushSceneInstantly(menu);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(menu->ComicButtons[i] != nullptr, i < 3) << "comic " << i + 1;
    EXPECT_EQ(menu->ComicButtons[2]->x, 128);
    EXPECT_EQ(menu->ComicButtons[2]->y, 400);

    Step();
    Click(140, 280); // comic 2
    Step();
    auto page = std::dynamic_pointer_cast<ComicPage>(TopScene());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->ComicNumber, 2);
    EXPECT_EQ(page->GoBackToQuestMap, 0);
    FinishTransition();

    // Leaving the comic reveals a fresh collection.
    Key(KeySpace);
    Step();
    FinishTransition();
    auto again = std::dynamic_pointer_cast<ComicMenu>(TopScene());
    ASSERT_TRUE(again);
    EXPECT_NE(again, menu);
    EXPECT_TRUE(again->ComicButtons[2]);

    // Escape closes it like its back button.
    Key(KeyEscape);
    Step();
    EXPECT_NE(TopScene(), again);
}

} // namespace
} // namespace wispwood
