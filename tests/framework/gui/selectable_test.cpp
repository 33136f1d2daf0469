#include "framework/gui/gui_container.h"
#include "framework/gui/gui_selectable.h"
#include "tests/support/gui_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using Selectable = test::GuiTest;

TEST_F(Selectable, TheFirstOfEachGroupStartsSelectedSilently) {
    auto a = root->AddSelectable(0, 0, button, overlay, 1, 1);
    auto b = root->AddSelectable(0, 50, button, overlay, 1, 1);
    auto c = root->AddSelectable(200, 0, button, overlay, 2, 1);
    EXPECT_EQ(a->IsSelected(), 1);
    EXPECT_EQ(b->IsSelected(), 0);
    EXPECT_EQ(c->IsSelected(), 1);
    EXPECT_EQ(a->Group, 1);
    EXPECT_EQ(a->DrawOverlay, 1);
    // No pulse for a silent selection.
    EXPECT_FLOAT_EQ(guiSelectable::OverlayPulse(a->LastSelected), 1);
}

TEST_F(Selectable, ARadioClickTakesTheSelectionWithinItsGroupOnly) {
    auto a = root->AddSelectable(0, 0, button, overlay, 1, 1);
    auto b = root->AddSelectable(0, 50, button, overlay, 1, 1);
    auto c = root->AddSelectable(200, 0, button, overlay, 2, 1);
    auto d = root->AddSelectable(200, 50, button, overlay, 2, 1);
    Click(10, 60);
    Step();
    EXPECT_EQ(a->IsSelected(), 0);
    EXPECT_EQ(b->IsSelected(), 1);
    EXPECT_EQ(c->IsSelected(), 1);
    EXPECT_EQ(d->IsSelected(), 0);
    EXPECT_FLOAT_EQ(b->LastSelected, 1);
    EXPECT_NE(guiSelectable::OverlayPulse(b->LastSelected), 1);
    Step(30);
    EXPECT_FLOAT_EQ(guiSelectable::OverlayPulse(b->LastSelected), 1);
    Click(10, 60); // clicking the selected one keeps it
    Step();
    EXPECT_EQ(b->IsSelected(), 1);
    Click(210, 60);
    Step();
    EXPECT_EQ(b->IsSelected(), 1);
    EXPECT_EQ(c->IsSelected(), 0);
    EXPECT_EQ(d->IsSelected(), 1);
    a->SelectItem(1);
    EXPECT_EQ(a->IsSelected(), 1);
    EXPECT_EQ(b->IsSelected(), 0);
    EXPECT_EQ(d->IsSelected(), 1);
}

TEST_F(Selectable, TickBoxesToggleOnTheirOwn) {
    auto radio = root->AddSelectable(0, 0, button, overlay, 3, 1);
    auto tick = root->AddSelectable(0, 50, button, overlay, 3, 1);
    tick->TickBox = 1;
    Click(10, 60);
    Step();
    EXPECT_EQ(tick->IsSelected(), 1);
    EXPECT_EQ(radio->IsSelected(), 1);
    Click(10, 60);
    Step();
    EXPECT_EQ(tick->IsSelected(), 0);
    tick->SetTickBoxSelected(1, 0);
    EXPECT_EQ(tick->IsSelected(), 1);
    EXPECT_FLOAT_EQ(tick->LastSelected, 0);
    tick->SetTickBoxSelected(0, 0);
    EXPECT_EQ(tick->IsSelected(), 0);
    // A radio click leaves tick boxes of the same group alone.
    tick->SetTickBoxSelected(1, 1);
    radio->SelectItem(0);
    EXPECT_EQ(tick->IsSelected(), 1);
}

TEST_F(Selectable, TheOverlayIsDrawnOverOrInsteadOfThePicture) {
    auto over = root->AddSelectable(100, 100, button, overlay, 1, 1);
    auto instead = root->AddSelectable(300, 100, button, overlay, 2, 0);
    auto unselected = root->AddSelectable(500, 100, button, overlay, 2, 0);
    auto screen = RenderRoot();
    EXPECT_EQ(Rgb(screen, 150, 120), 0xffff00);
    EXPECT_EQ(Rgb(screen, 350, 120), 0xffff00);
    EXPECT_EQ(Rgb(screen, 550, 120), 0x4060c0);
    (void)over;
    (void)instead;
    (void)unselected;
}

} // namespace
} // namespace wispwood
