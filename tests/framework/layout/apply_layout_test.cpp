#include "engine/draw/image.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/layout/apply_layout.h"
#include "framework/layout/layout_element.h"
#include "tests/support/gui_fixture.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using ApplyLayoutTest = test::GuiTest;

Ref<LayoutElement> Element(const Text& name, float scale = 1) {
    auto e = New<LayoutElement>();
    e->Name = name;
    e->width = 1;
    e->height = 1;
    e->Scale = scale;
    return e;
}

// A 400 x 300 dialog at (200, 100) stacking its elements top to bottom,
// centred, from the top, with border 10.
Ref<LayoutElement> Dialog() {
    auto root = New<LayoutElement>();
    root->Root = 1;
    root->Name = "dialog";
    root->x = 200;
    root->y = 100;
    root->width = 400;
    root->height = 300;
    root->Border = 10;
    root->LayoutY = 4;
    return root;
}

TEST_F(ApplyLayoutTest, GadgetsTakeTheirElementsPlacesAndScales) {
    auto layout = Dialog();
    layout->AddChild(Element("Heading"));
    layout->AddChild(Element("ok"));
    layout->AddChild(Element("cancel", 0.5f));
    auto heading = root->AddText(0, 0, "AB");
    heading->LayoutName = "heading";
    auto ok = root->AddButton(5, 5, button);
    ok->LayoutName = "OK";
    auto cancel = root->AddButton(5, 5, wide);
    cancel->LayoutName = "cancel";
    auto stays = root->AddButton(7, 8, button);
    stays->LayoutName = "nowhere";
    auto unnamed = root->AddButton(9, 9, button);
    root->SetLayout(layout);
    EXPECT_EQ(root->Layout, layout);

    float hw = std::ceil(heading->GetWidtH()), hh = std::ceil(heading->GetHeight());
    ASSERT_GT(hw, 0);
    EXPECT_FLOAT_EQ(heading->x, 200 + 200 - hw / 2);
    EXPECT_FLOAT_EQ(heading->y, 100);
    EXPECT_FLOAT_EQ(ok->x, 200 + 150);
    EXPECT_FLOAT_EQ(ok->y, 100 + hh + 10);
    EXPECT_FLOAT_EQ(ok->scale, 1);
    // Half size: a 100 x 20 box, filled by the picture drawn at half size
    // about its centre.
    EXPECT_FLOAT_EQ(cancel->scale, 0.5f);
    EXPECT_FLOAT_EQ(cancel->x, 200 + 150 - 0.5f * 200 / 2);
    EXPECT_FLOAT_EQ(cancel->y, 100 + hh + 10 + 40 + 10 - 0.5f * 40 / 2);
    EXPECT_FLOAT_EQ(stays->x, 7);
    EXPECT_FLOAT_EQ(stays->y, 8);
    EXPECT_FLOAT_EQ(unnamed->x, 9);

    // Doing it again changes nothing.
    float okY = ok->y;
    root->DoLayout();
    EXPECT_FLOAT_EQ(ok->y, okY);
}

TEST_F(ApplyLayoutTest, RowsAndNestedGroupsPlaceGadgetsOnTheScreen) {
    auto layout = Dialog();
    auto row = Element("row");
    row->LayoutDirection = 1;
    row->Border = 5;
    row->AddChild(Element("left"));
    row->AddChild(Element("right"));
    layout->AddChild(row);
    auto left = root->AddButton(0, 0, button);
    left->LayoutName = "left";
    auto right = root->AddButton(0, 0, button);
    right->LayoutName = "right";
    root->SetLayout(layout);
    // The row grows to 100 + 5 + 100 plus its borders: 215 wide, centred.
    EXPECT_EQ(row->width, 215);
    EXPECT_FLOAT_EQ(row->x, 200 + 200 - 107.5f);
    EXPECT_FLOAT_EQ(left->x, row->x + 5);
    EXPECT_FLOAT_EQ(right->x, row->x + 5 + 100 + 5);
    EXPECT_FLOAT_EQ(left->y, 100 + 5);
}

TEST_F(ApplyLayoutTest, AnotherContainersPicturesDoNotLinger) {
    auto layout = Dialog();
    layout->AddChild(Element("first"));
    layout->AddChild(Element("second"));
    auto a = root->AddButton(0, 0, wide);
    a->LayoutName = "first";
    root->SetLayout(layout);
    EXPECT_EQ(layout->FindChild("first")->im, wide);

    auto other = New<guiContainer>();
    auto b = other->AddButton(0, 0, button);
    b->LayoutName = "second";
    other->SetLayout(layout);
    EXPECT_FALSE(layout->FindChild("first")->im);
    EXPECT_FLOAT_EQ(b->x, 200 + 150);
}

TEST_F(ApplyLayoutTest, WithoutALayoutGadgetsKeepTheirCodedPlaces) {
    auto b = root->AddButton(12, 34, button);
    b->LayoutName = "ok";
    root->SetLayout(nullptr);
    EXPECT_FLOAT_EQ(b->x, 12);
    EXPECT_FLOAT_EQ(b->y, 34);
}

} // namespace
} // namespace wispwood
