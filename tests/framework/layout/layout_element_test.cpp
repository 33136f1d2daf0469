#include "engine/draw/image.h"
#include "framework/data/tree_file.h"
#include "framework/layout/layout_element.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

Ref<TImage> Picture(int w, int h) {
    auto image = New<TImage>();
    image->width = w;
    image->height = h;
    return image;
}

Ref<LayoutElement> Box(float w, float h, const Text& name = "") {
    auto e = New<LayoutElement>();
    e->width = static_cast<int>(w);
    e->height = h;
    e->Name = name;
    return e;
}

struct Stack {
    Ref<LayoutElement> root, a, b;
};

// A 400 x 300 root stacking a 100 x 50 and a 200 x 60 box with border 10.
Stack TwoBoxes(int direction, int layoutX, int layoutY) {
    Stack s{Box(400, 300, "root"), Box(100, 50, "a"), Box(200, 60, "b")};
    s.root->Root = 1;
    s.root->Border = 10;
    s.root->LayoutDirection = direction;
    s.root->LayoutX = layoutX;
    s.root->LayoutY = layoutY;
    s.root->AddChild(s.a);
    s.root->AddChild(s.b);
    return s;
}

TEST(LayoutElement, ThreeBoxesCentredInARowOfEightHundred) {
    auto row = Box(800, 100);
    row->Root = 1;
    row->LayoutDirection = 1;
    row->Border = 8;
    row->LayoutX = 1;
    for (int i = 0; i < 3; ++i) row->AddChild(Box(100, 40));
    EXPECT_FLOAT_EQ(row->GetChildrenWidth(), 316);
    EXPECT_FLOAT_EQ(row->GetChildrenHeight(), 40);
    row->LayoutChildren(1);
    std::vector<float> xs;
    for (const auto& child : row->Children) xs.push_back(child->x);
    EXPECT_EQ(xs, (std::vector<float>{242, 350, 458}));
}

TEST(LayoutElement, HorizontalRunsStartByLayoutXAndCentreEachChildInTheRunHeight) {
    auto left = TwoBoxes(1, 2, 4);
    left.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(left.a->x, 10);
    EXPECT_FLOAT_EQ(left.b->x, 120);
    EXPECT_FLOAT_EQ(left.a->y, 5); // (60 - 50) / 2 below the run's top
    EXPECT_FLOAT_EQ(left.b->y, 0);

    auto right = TwoBoxes(1, 3, 1);
    right.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(right.a->x, 400 - 310 - 10);
    EXPECT_FLOAT_EQ(right.b->x, 190);
    EXPECT_FLOAT_EQ(right.b->y, 120); // run centred: 150 - 60 / 2
}

TEST(LayoutElement, VerticalStacksPlaceEachChildAcrossByLayoutX) {
    auto centred = TwoBoxes(0, 1, 4);
    centred.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(centred.a->x, 150);
    EXPECT_FLOAT_EQ(centred.b->x, 100);
    EXPECT_FLOAT_EQ(centred.a->y, 0);
    EXPECT_FLOAT_EQ(centred.b->y, 60);

    auto left = TwoBoxes(0, 2, 4);
    left.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(left.a->x, 10);
    EXPECT_FLOAT_EQ(left.b->x, 10);

    auto right = TwoBoxes(0, 3, 4);
    right.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(right.a->x, 290);
    EXPECT_FLOAT_EQ(right.b->x, 190);
}

TEST(LayoutElement, VerticalRunsStartByLayoutYOrSpreadWhenFullyJustified) {
    auto middle = TwoBoxes(0, 1, 1);
    middle.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(middle.a->y, 90); // 150 - 120 / 2
    EXPECT_FLOAT_EQ(middle.b->y, 150);

    auto low = TwoBoxes(0, 1, 5);
    low.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(low.a->y, 240); // 300 - 120 / 2
    EXPECT_FLOAT_EQ(low.b->y, 300);

    auto spread = TwoBoxes(0, 1, 1);
    spread.root->FullyJustified = 1;
    spread.root->LayoutChildren(0);
    // From the border down, each child followed by an equal share of what
    // is left: (300 - 110 - 2 x 10) / 2 = 85.
    EXPECT_FLOAT_EQ(spread.a->y, 10);
    EXPECT_FLOAT_EQ(spread.b->y, 145);
    EXPECT_FLOAT_EQ(spread.b->y + 60 + 85, 300 - 10);
}

TEST(LayoutElement, ScaledChildrenTakeTheirScaledSize) {
    auto s = TwoBoxes(1, 2, 4);
    s.a->Scale = 0.5f;
    EXPECT_FLOAT_EQ(s.a->GetWidth(), 50);
    EXPECT_FLOAT_EQ(s.a->GetHeight(), 25);
    EXPECT_FLOAT_EQ(s.root->GetChildrenWidth(), 50 + 10 + 200);
    s.root->LayoutChildren(0);
    EXPECT_FLOAT_EQ(s.b->x, 70);
}

TEST(LayoutElement, GroupsWithPicturesGrowToFitUnlessRootOrFixed) {
    auto root = Box(800, 600);
    root->Root = 1;
    root->Border = 0;
    root->LayoutX = 2;
    root->LayoutY = 4;
    auto group = Box(1, 1, "group");
    group->LayoutDirection = 1;
    group->Border = 4;
    auto first = Box(1, 1, "first");
    auto second = Box(1, 1, "second");
    first->im = Picture(30, 20);
    second->im = Picture(40, 10);
    group->AddChild(first);
    group->AddChild(second);
    auto fixed = Box(77, 33, "fixed");
    fixed->InheritsSize = 0;
    fixed->AddChild(Box(5, 5));
    fixed->Children.First()->im = Picture(500, 500);
    root->AddChild(group);
    root->AddChild(fixed);
    root->LayoutChildren(1);
    EXPECT_EQ(first->width, 30);
    EXPECT_FLOAT_EQ(first->height, 20);
    EXPECT_EQ(group->width, 30 + 4 + 40 + 8);
    EXPECT_FLOAT_EQ(group->height, 20 + 8);
    EXPECT_EQ(fixed->width, 77);
    EXPECT_EQ(root->width, 800);
    // Positions are now on the screen: the group's children sit inside it.
    EXPECT_FLOAT_EQ(group->x, 0);
    EXPECT_FLOAT_EQ(first->x, group->x + 4);
    EXPECT_FLOAT_EQ(second->x, group->x + 4 + 30 + 4);
    EXPECT_FLOAT_EQ(second->y, group->y + 4 + 5);
    // Laying out again gives the same screen positions.
    float secondX = second->x, secondY = second->y;
    root->LayoutChildren(1);
    EXPECT_FLOAT_EQ(second->x, secondX);
    EXPECT_FLOAT_EQ(second->y, secondY);
}

TEST(LayoutElement, AbsolutePositionsAddEveryParentsPosition) {
    auto root = Box(10, 10);
    root->x = 200;
    root->y = 100;
    auto mid = Box(10, 10);
    mid->x = 5;
    mid->y = 6;
    auto leaf = Box(10, 10);
    leaf->x = 1;
    leaf->y = 2;
    mid->AddChild(leaf);
    root->AddChild(mid);
    root->SetAbsolutePosition(0, 0);
    EXPECT_FLOAT_EQ(mid->x, 205);
    EXPECT_FLOAT_EQ(leaf->x, 206);
    EXPECT_FLOAT_EQ(leaf->y, 108);
}

TEST(LayoutElement, NamesAreFoundDepthFirstWithoutRegardToLetterCase) {
    auto root = Box(10, 10, "Root");
    auto a = Box(1, 1, "panel");
    auto inner = Box(1, 1, "ok");
    auto b = Box(1, 1, "OK");
    a->AddChild(inner);
    root->AddChild(a);
    root->AddChild(b);
    EXPECT_EQ(root->FindChild("PANEL"), a);
    EXPECT_EQ(root->FindChild("Ok"), inner);
    EXPECT_EQ(root->FindChild("root"), root);
    EXPECT_FALSE(root->FindChild("missing"));
    EXPECT_TRUE(LayoutNamesMatch("\xe9t\xe9", "\xe9T\xe9"));
    EXPECT_FALSE(LayoutNamesMatch("\xe9", "\xc9")); // ASCII letters only
    EXPECT_EQ(root->AnyNames(), 1);
    EXPECT_EQ(Box(1, 1)->AnyNames(), 0);
    EXPECT_EQ(b->Leaf(), 1);
    EXPECT_EQ(a->Leaf(), 0);
}

TEST(LayoutElement, DeadChildrenArePurgedAndSortFollowsTheStackingDirection) {
    auto root = Box(10, 10);
    root->LayoutDirection = 1;
    auto c1 = Box(1, 1, "c1"), c2 = Box(1, 1, "c2"), c3 = Box(1, 1, "c3");
    c1->x = 30;
    c2->x = 10;
    c3->x = 20;
    c3->_ToDelete = 1;
    auto deep = Box(1, 1, "deep");
    deep->_ToDelete = 1;
    c1->AddChild(deep);
    for (const auto& c : {c1, c2, c3}) root->AddChild(c);
    root->PurgeDeadChildren();
    EXPECT_EQ(root->Children.Count(), 2);
    EXPECT_EQ(c1->Children.Count(), 0);
    root->Sort();
    EXPECT_EQ(root->Children.First(), c2);
    EXPECT_EQ(root->Children.Last(), c1);
}

TEST(LayoutElement, FileNodesReadEveryKeyAndDropEmptyChildren) {
    gFileNode node;
    node.SetData("Root", "1");
    node.SetData("x", "12.5");
    node.SetData("width", "99.9");
    node.SetData("height", "40.5");
    node.SetData("LayoutDirection", "1");
    node.SetData("Border", "3");
    node.SetData("Scale", "0.5");
    node.SetData("LayoutX", "3");
    node.SetData("LayoutY", "5");
    node.SetData("InheritsSize", "0");
    node.SetData("Name", "Panel");
    node.SetData("FullyJustified", "1");
    node.AddChild("a")->SetData("width", "10");
    node.AddChild("b")->SetData("Name", "empty");
    node.AddChild("c")->SetData("height", "4");
    auto e = LayoutElement::FromFileNode(node);
    EXPECT_EQ(e->Root, 1);
    EXPECT_FLOAT_EQ(e->x, 12.5f);
    EXPECT_FLOAT_EQ(e->y, 0);
    EXPECT_EQ(e->width, 99);
    EXPECT_FLOAT_EQ(e->height, 40.5f);
    EXPECT_EQ(e->LayoutDirection, 1);
    EXPECT_FLOAT_EQ(e->Border, 3);
    EXPECT_FLOAT_EQ(e->Scale, 0.5f);
    EXPECT_EQ(e->LayoutX, 3);
    EXPECT_EQ(e->LayoutY, 5);
    EXPECT_EQ(e->InheritsSize, 0);
    EXPECT_EQ(e->Name, "Panel");
    EXPECT_EQ(e->FullyJustified, 1);
    ASSERT_EQ(e->Children.Count(), 2);
    EXPECT_EQ(e->Children.Last()->height, 4);
    // Absent keys read as 0, not as the defaults of a new element.
    EXPECT_FLOAT_EQ(e->Children.First()->Border, 0);
    EXPECT_FLOAT_EQ(e->Children.First()->Scale, 0);

    auto back = e->ToFileNode();
    EXPECT_EQ(back->GetData("x"), "12.5000000");
    EXPECT_EQ(back->GetData("width"), "99");
    EXPECT_EQ(back->GetData("Scale"), "0.500000000");
    EXPECT_EQ(back->GetData("Name"), "Panel");
    EXPECT_EQ(back->Children.Count(), 13 + 2);
}

} // namespace
} // namespace wispwood
