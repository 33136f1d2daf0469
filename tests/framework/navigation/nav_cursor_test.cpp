// The keyboard and pad cursor on a screen of widgets: it appears with the
// first arrow, walks the widgets, clicks with Return, hides when the mouse
// is used, follows dialogs as they open and close, and keeps its place
// when targets come and go.
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_input.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/navigation/nav_cursor.h"
#include "framework/navigation/nav_keys.h"
#include "framework/navigation/nav_target.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "tests/support/gui_fixture.h"
#include "tests/support/input_events.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class WidgetScene : public GameLoop {
  public:
    Ref<guiContainer> root;
    explicit WidgetScene(Ref<guiContainer> r) : root(std::move(r)) {}
    int Update() override { return 0; }
    int Render() override { return 0; }
    int Init() override { return 0; }
    void NavigationTargets(NavTargets& targets) override { AddGadgetTargets(*root, targets); }
};

class NavCursor : public test::GuiTest {
  protected:
    Ref<WidgetScene> scene;
    Ref<guiGadget> a, b, c;

    void SetUp() override {
        GuiTest::SetUp();
        scene = New<WidgetScene>(root);
        PushSceneInstantly(scene);
        // A column of three buttons, their centres at x 150 and y 120, 220, 320.
        a = root->AddButton(100, 100, button);
        b = root->AddButton(100, 200, button);
        c = root->AddButton(100, 300, button);
    }

    // One update as the frame loop runs it: the snapshot, the cursor, then
    // the screen's widgets.
    void Update(int n = 1) {
        for (int i = 0; i < n; ++i) {
            TakeInputSnapshot();
            UpdateNavigation();
            root->Update();
        }
    }
    void Arrow(int key) {
        Key(key);
        Update();
    }
    static const void* On() {
        const NavTarget* t = NavigationTarget();
        return t ? t->key.get() : nullptr;
    }
};

TEST_F(NavCursor, TheFirstArrowShowsItThenArrowsWalkAndReturnClicks) {
    Update();
    EXPECT_EQ(NavigationCursorShown(), 0);
    // Return while hidden is left to the screen.
    Key(KeyReturn);
    TakeInputSnapshot();
    UpdateNavigation();
    EXPECT_EQ(GameKeyPresses(KeyReturn), 1);
    EXPECT_EQ(NavigationCursorShown(), 0);
    root->Update();

    Arrow(KeyArrowDown);
    ASSERT_EQ(NavigationCursorShown(), 1);
    EXPECT_EQ(On(), a.get()); // shown where it starts, not moved yet
    EXPECT_EQ(GameMouseX(), 150);
    EXPECT_EQ(GameMouseY(), 120);
    EXPECT_EQ(a->mover, 1); // the widget sees the pointer on it
    Arrow(KeyArrowDown);
    EXPECT_EQ(On(), b.get());
    Arrow(KeyArrowDown);
    Arrow(KeyArrowDown); // nothing below the last: it stays
    EXPECT_EQ(On(), c.get());
    Arrow(KeyArrowUp);
    EXPECT_EQ(On(), b.get());

    Key(KeyReturn);
    TakeInputSnapshot();
    UpdateNavigation();
    // The key became a click there; the screen does not see it twice.
    EXPECT_EQ(GameKeyPresses(KeyReturn), 0);
    EXPECT_EQ(GameMouseClicks(1), 1);
    root->Update();
    EXPECT_EQ(b->mhit, 1);
    EXPECT_EQ(a->mhit + c->mhit, 0);
    // Space selects too; Backspace is a right click.
    Key(KeySpace);
    Update();
    EXPECT_EQ(b->mhit, 1);
    Key(KeyBackspace);
    Update();
    EXPECT_EQ(b->rmhit, 1);
    EXPECT_EQ(b->mhit, 0);
}

TEST_F(NavCursor, UsingTheMouseHidesItAndTheNextArrowShowsItWhereTheMousePoints) {
    Arrow(KeyArrowDown);
    ASSERT_EQ(NavigationCursorShown(), 1);
    MoveMouse(160, 330);
    Update();
    EXPECT_EQ(NavigationCursorShown(), 0);
    EXPECT_EQ(GameMouseX(), 160); // the mouse has the pointer again
    EXPECT_EQ(c->mover, 1);
    Arrow(KeyArrowLeft);
    EXPECT_EQ(NavigationCursorShown(), 1);
    EXPECT_EQ(On(), c.get());
    // A click where the mouse already is hides it as well.
    Arrow(KeyArrowUp);
    ASSERT_EQ(On(), b.get());
    Press();
    Release();
    Update();
    EXPECT_EQ(NavigationCursorShown(), 0);
    EXPECT_EQ(c->mhit, 1);
    // Away from every widget, it comes back where it was.
    MoveMouse(600, 500);
    Update();
    Arrow(KeyArrowRight);
    EXPECT_EQ(On(), b.get());
}

TEST_F(NavCursor, ADialogTakesTheCursorAndGivesItBack) {
    Arrow(KeyArrowDown);
    Arrow(KeyArrowDown);
    ASSERT_EQ(On(), b.get());
    Ref<guiContainer> dialog = root->AddContainer();
    Ref<guiGadget> yes = dialog->AddButton(300, 400, button);
    Ref<guiGadget> no = dialog->AddButton(450, 400, button);
    dialog->NavStart = no;
    Update();
    EXPECT_EQ(On(), no.get());
    // The widgets under the dialog are out of reach.
    Arrow(KeyArrowUp);
    EXPECT_EQ(On(), no.get());
    Arrow(KeyArrowLeft);
    EXPECT_EQ(On(), yes.get());
    dialog->Destroy();
    Update();
    EXPECT_EQ(On(), b.get());

    // A dialog that names no start begins on its first picture.
    Ref<guiContainer> plain = root->AddContainer();
    plain->AddClickableArea(300, 300, 50, 50);
    Ref<guiGadget> first = plain->AddButton(300, 400, button);
    Update();
    EXPECT_EQ(On(), first.get());
}

TEST_F(NavCursor, AGoneTargetGivesWayToTheNearestOfItsDialogAndNewOnesCanBeReached) {
    Arrow(KeyArrowDown);
    Arrow(KeyArrowDown);
    Arrow(KeyArrowDown);
    ASSERT_EQ(On(), c.get());
    root->Gadgets.Remove(c);
    c->Removed = 1;
    Update();
    EXPECT_EQ(On(), b.get());
    EXPECT_EQ(GameMouseY(), 220);
    // Inactive, hidden and mouse-blind widgets are passed over.
    Ref<guiGadget> d = root->AddButton(100, 400, button);
    d->Deactivate();
    Arrow(KeyArrowDown);
    EXPECT_EQ(On(), b.get());
    d->Activate();
    Arrow(KeyArrowDown);
    EXPECT_EQ(On(), d.get());
    a->hidden = 1;
    b->disablemouse = 1;
    Arrow(KeyArrowUp);
    EXPECT_EQ(On(), d.get());
    // With nothing left, the pointer stays where the cursor was.
    d->hidden = 1;
    Update();
    EXPECT_EQ(On(), nullptr);
    EXPECT_EQ(NavigationCursorShown(), 1);
    EXPECT_EQ(GameMouseY(), 420);
}

TEST_F(NavCursor, AHeldArrowRepeatsFromTheSnapshotAlone) {
    for (int i = 0; i < 6; ++i) root->AddButton(100, static_cast<float>(400 + 100 * i), button);
    Arrow(KeyArrowDown); // shown on a
    test::EmitInput(EventKeyDown, KeyArrowDown);
    Update();
    EXPECT_EQ(On(), b.get());
    Update(kNavRepeatDelay - 2);
    EXPECT_EQ(On(), b.get());
    Update();
    EXPECT_EQ(On(), c.get());
    Update(kNavRepeatEvery - 1);
    EXPECT_EQ(On(), c.get());
    Update();
    EXPECT_NE(On(), c.get());
    test::EmitInput(EventKeyUp, KeyArrowDown);
    const void* stopped = (Update(), On());
    Update(kNavRepeatDelay + kNavRepeatEvery);
    EXPECT_EQ(On(), stopped);
}

TEST_F(NavCursor, SlidersStepAndTextBoxesTypeWithTheArrows) {
    Ref<guiSlider> slider = root->AddSlider(300, 100, track, knob, 10, 30, 200);
    slider->SliderValue = 0.43f;
    Ref<guiTextInput> box = root->AddTextBox(300, 200, wide);
    MoveMouse(350, 120);
    Update();
    Arrow(KeyArrowRight);
    ASSERT_EQ(On(), slider.get());
    Arrow(KeyArrowRight);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.5f);
    EXPECT_EQ(slider->KeyMoved, 1);
    Update();
    EXPECT_EQ(slider->KeyMoved, 0);
    for (int i = 0; i < 7; ++i) Arrow(KeyArrowRight);
    EXPECT_FLOAT_EQ(slider->SliderValue, 1.0f);
    Arrow(KeyArrowLeft);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.9f);

    Arrow(KeyArrowDown);
    ASSERT_EQ(On(), box.get());
    Arrow(KeyArrowUp);
    Arrow(KeyArrowUp);
    Arrow(KeyArrowUp);
    EXPECT_EQ(box->Text, "C");
    Arrow(KeyArrowRight);
    Arrow(KeyArrowDown);
    EXPECT_EQ(box->Text, "C "); // back from "a" past the end of the ring
    Arrow(KeyArrowDown);
    EXPECT_EQ(box->Text, "C9");
    Arrow(KeyArrowLeft);
    EXPECT_EQ(box->Text, "C");
    // Return on the box is left to its dialog; Space types.
    Key(KeyReturn);
    TakeInputSnapshot();
    UpdateNavigation();
    EXPECT_EQ(GameKeyPresses(KeyReturn), 1);
    EXPECT_EQ(GameMouseClicks(1), 0);
    root->Update();
    Key(KeySpace);
    Update();
    EXPECT_EQ(box->Text, "C ");
}

TEST_F(NavCursor, ANewSceneStartsAfreshButKeepsTheCursorShown) {
    Arrow(KeyArrowDown);
    Arrow(KeyArrowDown);
    ASSERT_EQ(On(), b.get());
    auto other = New<guiContainer>();
    Ref<guiGadget> x = other->AddButton(500, 500, button);
    Ref<guiGadget> y = other->AddButton(500, 100, button);
    other->NavStart = y;
    PushSceneInstantly(New<WidgetScene>(other));
    Update();
    EXPECT_EQ(NavigationCursorShown(), 1);
    EXPECT_EQ(On(), y.get());
    EXPECT_EQ(GameMouseX(), 550);
}

TEST_F(NavCursor, AStopgapGivesWayOnceTheScreenShowsItsPlaceButAChoiceStays) {
    // The buttons are still below the screen, sliding in; only an area
    // without a picture can be stood on.
    for (const Ref<guiGadget>& g : {a, b, c}) g->y += 600;
    Ref<guiGadget> area = root->AddClickableArea(100, 500, 50, 50);
    Arrow(KeyArrowDown);
    ASSERT_EQ(On(), area.get());
    for (const Ref<guiGadget>& g : {a, b, c}) g->y -= 600;
    Update();
    EXPECT_EQ(On(), a.get());
    // A start named later is better still, and followed as it changes.
    root->NavStart = c;
    Update();
    EXPECT_EQ(On(), c.get());
    root->NavStart = b;
    Update();
    EXPECT_EQ(On(), b.get());
    // Selecting is a choice: the cursor stays on what was selected.
    Key(KeyReturn);
    Update();
    EXPECT_EQ(b->mhit, 1);
    root->NavStart = c;
    Update();
    EXPECT_EQ(On(), b.get());
    // So is a move.
    Arrow(KeyArrowUp);
    ASSERT_EQ(On(), a.get());
    root->NavStart = b;
    Update(5);
    EXPECT_EQ(On(), a.get());
}

} // namespace
} // namespace wispwood
