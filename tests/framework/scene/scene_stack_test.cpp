#include "engine/core/runtime_error.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "tests/support/scene_fixture.h"
#include <type_traits>

namespace wispwood {
namespace {

using test::ProbeScene;

class ResettingScene : public ProbeScene {
  public:
    static int made;
    ResettingScene()
        : ProbeScene([] {
              ++made;
              return New<ResettingScene>();
          }) {}
};
int ResettingScene::made = 0;

// Resets, but its factory makes a scene of another class.
class MisfactoredScene : public ProbeScene {
  public:
    MisfactoredScene() : ProbeScene(NewScene<ProbeScene>) {}
};

// Only the constructor that takes a factory can ask for the reset.
static_assert(!std::is_assignable_v<decltype((std::declval<GameLoop&>().ResetWhenInactive)), int>);

class SceneStackTest : public test::SceneLoopTest {
  protected:
    // Runs frames of one update until the transition has finished; the
    // number of frames run.
    int FinishTransition() {
        int frames = 0;
        for (; frames < 400 && CurrentTransition; ++frames) Frame(10);
        return frames;
    }
};

TEST_F(SceneStackTest, PushesAndPopsWaitForTheRunningTransitionAndAreMadeInOrder) {
    auto base = New<ProbeScene>(), top = New<ProbeScene>(), extra = New<ProbeScene>();
    BeginGameLoop(base);
    EXPECT_EQ(PushScene(top), 1);
    EXPECT_EQ(top->inits, 1);
    ASSERT_TRUE(CurrentTransition);
    EXPECT_TRUE(Cast<SlideScreenFade>(CurrentTransition));
    // Asked during the slide: both wait, and the scene that asked stands
    // still until they are made.
    EXPECT_EQ(PushScene(extra), 1);
    PopScene(top);
    EXPECT_EQ(SceneChangeWaiting(), 1);
    EXPECT_EQ(SceneStack.Size(), 2);
    EXPECT_EQ(extra->inits, 0);
    const int updates = top->updates;
    Ref<ScreenFade> first = CurrentTransition;
    while (CurrentTransition == first) Frame(10);
    EXPECT_EQ(top->updates, updates);
    // The push is made as the slide ends and starts a slide of its own; the
    // pop waits for that one and is dropped, its scene no longer the top.
    EXPECT_EQ(extra->inits, 1);
    EXPECT_EQ(TopScene(), extra);
    ASSERT_TRUE(CurrentTransition);
    EXPECT_EQ(CurrentTransition->OldScene, top);
    FinishTransition();
    EXPECT_EQ(SceneChangeWaiting(), 0);
    EXPECT_EQ(SceneStack.Size(), 3);
    EXPECT_EQ(TopScene(), extra);
    Frame(10);
    EXPECT_GT(extra->updates, 0);
    PopScene(base); // not the top: nothing happens
    EXPECT_EQ(SceneStack.Size(), 3);
    PopScene(extra);
    EXPECT_EQ(TopScene(), top);
    auto slide = Cast<SlideScreenFade>(CurrentTransition);
    ASSERT_TRUE(slide);
    EXPECT_EQ(slide->FadeRight, 1);
    EXPECT_EQ(slide->Popping, 1);
}

TEST_F(SceneStackTest, TheDecidingSceneChoosesTheTransition) {
    auto base = New<ProbeScene>();
    base->Fade = 1;
    BeginGameLoop(base);
    auto fading = New<ProbeScene>();
    fading->FadeOnTop = 1;
    fading->Fade = 1;
    PushScene(fading); // a push: the new scene decides
    EXPECT_TRUE(Cast<FadeOnTop>(CurrentTransition));
    FinishTransition();
    auto plain = New<ProbeScene>();
    PushScene(plain);
    EXPECT_TRUE(Cast<SlideScreenFade>(CurrentTransition));
    FinishTransition();
    PopScene(plain); // a pop: the popped scene decides
    EXPECT_TRUE(Cast<SlideScreenFade>(CurrentTransition));
    FinishTransition();
    PopScene(fading);
    EXPECT_TRUE(Cast<FadeOnTop>(CurrentTransition));
}

TEST_F(SceneStackTest, TransitionsLastTheirLength) {
    BeginGameLoop(New<ProbeScene>());
    // One update per frame, so frames count updates.
    auto a = New<ProbeScene>();
    a->FadeOnTop = 1;
    a->LimitToOneUpdate = 1;
    PushScene(a);
    EXPECT_EQ(FinishTransition(), 21); // 20 updates of fade, finished on the 21st
    auto b = New<ProbeScene>();
    b->LimitToOneUpdate = 1;
    PushScene(b);
    EXPECT_EQ(FinishTransition(), 181);
}

TEST_F(SceneStackTest, EscapeDuringThePushTransitionPopsOnceItHasEnded) {
    auto base = New<ProbeScene>(), top = New<ProbeScene>();
    BeginGameLoop(base);
    PushScene(top);
    top->Escape();
    EXPECT_EQ(top->GameLoopExiting, 1);
    Ref<ScreenFade> push = CurrentTransition;
    while (CurrentTransition == push) {
        EXPECT_EQ(TopScene(), top);
        Frame(10);
    }
    EXPECT_EQ(TopScene(), base);
    ASSERT_TRUE(CurrentTransition);
    EXPECT_EQ(CurrentTransition->OldScene, top);
}

TEST_F(SceneStackTest, RevealedScenesResetWhenAskedAndDeletedScenesGo) {
    ResettingScene::made = 0;
    auto bottom = New<ProbeScene>();
    bottom->DeleteFromStack = 1;
    BeginGameLoop(bottom);
    auto resetting = New<ResettingScene>();
    EXPECT_EQ(resetting->ResetWhenInactive, 1);
    PushScene(resetting);
    EXPECT_EQ(SceneStack.Size(), 2); // not removed while a transition runs
    FinishTransition();
    Frame(10);
    EXPECT_EQ(SceneStack.Size(), 1); // the covered DeleteFromStack scene is gone

    auto cover = New<ProbeScene>();
    PushScene(cover);
    FinishTransition();
    PopScene(cover);
    EXPECT_EQ(ResettingScene::made, 1);
    auto fresh = TopScene();
    EXPECT_NE(fresh, resetting);
    EXPECT_EQ(Cast<ResettingScene>(fresh)->inits, 1);
}

// An instant pop shows the revealed scene (fresh, when it resets) in the
// same frame, also when it had to wait for a transition.
TEST_F(SceneStackTest, AnInstantPopRevealsWithoutATransition) {
    ResettingScene::made = 0;
    BeginGameLoop(New<ResettingScene>());
    auto cover = New<ProbeScene>();
    PushScene(cover);
    PopScene(cover, 1, 1);
    EXPECT_EQ(TopScene(), cover);
    FinishTransition();
    EXPECT_FALSE(CurrentTransition);
    EXPECT_EQ(ResettingScene::made, 1);
    ASSERT_TRUE(Cast<ResettingScene>(TopScene()));

    cover = New<ProbeScene>();
    PushScene(cover);
    FinishTransition();
    PopScene(cover, 1, 1);
    EXPECT_FALSE(CurrentTransition);
    EXPECT_EQ(ResettingScene::made, 2);
    EXPECT_EQ(Cast<ResettingScene>(TopScene())->inits, 1);
}

TEST_F(SceneStackTest, ARevealedResettingSceneIsAFreshObjectEveryTime) {
    ResettingScene::made = 0;
    auto first = New<ResettingScene>();
    BeginGameLoop(first);
    Frame(10);
    ASSERT_GT(first->updates, 0);
    Ref<GameLoop> shown = first;
    for (int visit = 1; visit <= 2; ++visit) {
        auto cover = New<ProbeScene>();
        PushScene(cover);
        FinishTransition();
        PopScene(cover);
        auto fresh = Cast<ResettingScene>(TopScene());
        ASSERT_TRUE(fresh);
        EXPECT_NE(fresh, shown);
        EXPECT_EQ(fresh->updates, 0);
        EXPECT_EQ(fresh->inits, 1);
        EXPECT_EQ(fresh->ResetWhenInactive, 1);
        EXPECT_EQ(SceneStack.Size(), 1);
        shown = fresh;
        FinishTransition();
    }
    EXPECT_EQ(ResettingScene::made, 2);
}

TEST_F(SceneStackTest, ScenesThatDoNotResetAreRevealedAsTheyWere) {
    auto base = New<ProbeScene>();
    EXPECT_EQ(base->ResetWhenInactive, 0);
    EXPECT_EQ(base->NewOfSameClass(), nullptr);
    BeginGameLoop(base);
    auto cover = New<ProbeScene>();
    PushScene(cover);
    FinishTransition();
    PopScene(cover);
    EXPECT_EQ(TopScene(), base);
    EXPECT_EQ(base->inits, 1); // no second Init
}

TEST_F(SceneStackTest, AResetThatCannotMakeAFreshSceneOfTheClassIsAnError) {
    EXPECT_THROW(ProbeScene{SceneFactory{}}, RuntimeError);

    BeginGameLoop(New<MisfactoredScene>());
    auto cover = New<ProbeScene>();
    PushScene(cover);
    FinishTransition();
    EXPECT_THROW(PopScene(cover), RuntimeError);
}

TEST_F(SceneStackTest, SlideObscuresEverythingWhileClosingAndTheCornersWhileOpening) {
    BeginGameLoop(New<ProbeScene>());
    PushScene(New<ProbeScene>());
    auto slide = Cast<SlideScreenFade>(CurrentTransition);
    ASSERT_TRUE(slide);
    slide->Ticks = 40;
    EXPECT_EQ(TransitionObscures(400, 300), 1);
    EXPECT_EQ(TransitionInProgress(1), 1);
    // Obscured means under a corner piece as drawn: just after the turn
    // the pieces still cover the centre; later only the corners.
    slide->Ticks = 81;
    EXPECT_EQ(TransitionObscures(400, 300), 1);
    slide->Ticks = 150;
    EXPECT_EQ(TransitionObscures(400, 300), 0);
    EXPECT_EQ(TransitionObscures(10, 10), 1);
    EXPECT_EQ(TransitionObscures(790, 590), 1);
    slide->Ticks = 80;
    EXPECT_EQ(TransitionInProgress(1), 0); // the closing half is over
    EXPECT_EQ(TransitionInProgress(0), 1);
    slide->Ticks = 0;
    EXPECT_EQ(slide->Offset(), -256);
    slide->Ticks = 80;
    EXPECT_EQ(slide->Offset(), 153);
    slide->Ticks = 81;
    EXPECT_EQ(slide->Offset(), 250);
    slide->Ticks = 180;
    EXPECT_EQ(slide->Offset(), -256);
}

TEST_F(SceneStackTest, SceneChangesClearTheActiveTunables) {
    BeginGameLoop(New<ProbeScene>());
    GetTunable("x", "1");
    PushScene(New<ProbeScene>());
    EXPECT_EQ(ActiveTunables.Count(), 0);
    GetTunable("y", "1");
    FinishTransition();
    EXPECT_EQ(ActiveTunables.Count(), 0);
    EXPECT_EQ(Tunables.Count(), 2);
}

} // namespace
} // namespace wispwood
