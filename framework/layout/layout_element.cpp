#include "framework/layout/layout_element.h"
#include "engine/draw/image.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/tree_file.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace wispwood {

namespace {

int ReadInt(const gFileNode& node, const char* key) {
    return TextToInt(node.GetData(key));
}

float ReadFloat(const gFileNode& node, const char* key) {
    return TextToFloat(node.GetData(key));
}

} // namespace

bool LayoutNamesMatch(const Text& a, const Text& b) {
    return a.size() == b.size() && LowerText(a) == LowerText(b);
}

Ref<LayoutElement> LayoutElement::FromFileNode(const gFileNode& node) {
    auto e = New<LayoutElement>();
    e->Root = ReadInt(node, "Root");
    e->x = ReadFloat(node, "x");
    e->y = ReadFloat(node, "y");
    e->width = static_cast<int>(ReadFloat(node, "width"));
    e->height = ReadFloat(node, "height");
    e->LayoutDirection = ReadInt(node, "LayoutDirection");
    e->Border = ReadFloat(node, "Border");
    e->Scale = ReadFloat(node, "Scale");
    e->LayoutX = ReadInt(node, "LayoutX");
    e->LayoutY = ReadInt(node, "LayoutY");
    e->InheritsSize = ReadInt(node, "InheritsSize");
    e->Name = node.GetData("Name");
    e->FullyJustified = ReadInt(node, "FullyJustified");
    for (const auto& child : node.Children.ObjectEnumerator()) {
        if (!child || child->Leaf) continue;
        auto c = FromFileNode(*child);
        if (c->width != 0 || c->height != 0) e->AddChild(c);
    }
    return e;
}

Ref<gFileNode> LayoutElement::ToFileNode() const {
    auto node = New<gFileNode>();
    node->SetData("Root", IntToText(Root));
    node->SetData("x", FloatToText(x));
    node->SetData("y", FloatToText(y));
    node->SetData("width", IntToText(width));
    node->SetData("height", FloatToText(height));
    node->SetData("LayoutDirection", IntToText(LayoutDirection));
    node->SetData("Border", FloatToText(Border));
    node->SetData("Scale", FloatToText(Scale));
    node->SetData("LayoutX", IntToText(LayoutX));
    node->SetData("LayoutY", IntToText(LayoutY));
    node->SetData("InheritsSize", IntToText(InheritsSize));
    node->SetData("Name", Name);
    node->SetData("FullyJustified", IntToText(FullyJustified));
    for (const auto& child : Children) node->AddChildNode(child->ToFileNode());
    return node;
}

Ref<LayoutElement> LayoutElement::FindChild(const Text& name) {
    if (LayoutNamesMatch(Name, name)) return shared_from_this();
    for (const auto& child : Children)
        if (auto found = child->FindChild(name)) return found;
    return nullptr;
}

void LayoutElement::AddChild(const Ref<LayoutElement>& element) {
    if (element) Children.AddLast(element);
}

int LayoutElement::Leaf() const {
    return Children.IsEmpty() ? 1 : 0;
}

int LayoutElement::AnyNames() const {
    if (!Name.empty()) return 1;
    for (const auto& child : Children)
        if (child->AnyNames()) return 1;
    return 0;
}

void LayoutElement::PurgeDeadChildren() {
    for (const auto& child : Children) {
        if (child->_ToDelete) {
            Children.Remove(child);
        } else {
            child->PurgeDeadChildren();
        }
    }
}

void LayoutElement::Sort() {
    std::vector<Ref<LayoutElement>> ordered;
    for (const auto& child : Children) ordered.push_back(child);
    bool horizontal = LayoutDirection != 0;
    std::stable_sort(ordered.begin(), ordered.end(), [horizontal](const auto& a, const auto& b) {
        return horizontal ? a->x < b->x : a->y < b->y;
    });
    Children.Clear();
    for (const auto& child : ordered) {
        child->Sort();
        Children.AddLast(child);
    }
}

float LayoutElement::GetChildrenWidth() const {
    return ChildrenExtent(LayoutDirection != 0, &LayoutElement::GetWidth);
}

float LayoutElement::GetChildrenHeight() const {
    return ChildrenExtent(LayoutDirection == 0, &LayoutElement::GetHeight);
}

float LayoutElement::ChildrenExtent(bool stacked, float (LayoutElement::*size)() const) const {
    if (Children.IsEmpty()) return 0;
    float extent = 0;
    for (const auto& child : Children)
        extent = stacked ? extent + (*child.*size)() + Border : std::max(extent, (*child.*size)());
    return stacked ? extent - Border : extent;
}

void LayoutElement::SnapToImageWidth() {
    for (const auto& child : Children) child->SnapToImageWidth();
    if (im) {
        width = im->width;
        height = static_cast<float>(im->height);
        return;
    }
    if (!InheritsSize || Root) return;
    bool anyImage = false;
    for (const auto& child : Children) anyImage = anyImage || child->im;
    if (!anyImage) return;
    width = static_cast<int>(GetChildrenWidth() + 2 * Border);
    height = GetChildrenHeight() + 2 * Border;
}

float LayoutElement::PlaceAcross(float size) const {
    float w = static_cast<float>(width);
    switch (LayoutX) {
    case 2:
        return Border;
    case 3:
        return w - size - Border;
    default:
        return w / 2 - size / 2;
    }
}

void LayoutElement::LayoutChildren(int snap) {
    if (snap) SnapToImageWidth();
    for (const auto& child : Children) child->LayoutChildren(0);

    float childrenWidth = GetChildrenWidth();
    float childrenHeight = GetChildrenHeight();
    float runX = PlaceAcross(childrenWidth);
    float runY;
    switch (LayoutY) {
    case 4:
        runY = 0;
        break;
    case 5:
        runY = height - childrenHeight / 2;
        break;
    default:
        runY = FullyJustified ? Border : height / 2 - childrenHeight / 2;
        break;
    }

    if (LayoutDirection != 0) {
        for (const auto& child : Children) {
            child->x = runX;
            child->y = runY + (childrenHeight - child->GetHeight()) / 2;
            runX += child->GetWidth() + Border;
        }
    } else {
        float n = static_cast<float>(Children.Count());
        float spread =
            FullyJustified && n > 0 ? (height + Border * n - childrenHeight - 3 * Border) / n : Border;
        for (const auto& child : Children) {
            child->x = PlaceAcross(child->GetWidth());
            child->y = runY;
            runY += child->GetHeight() + spread;
        }
    }

    if (snap) SetAbsolutePosition(0, 0);
}

void LayoutElement::SetAbsolutePosition(float dx, float dy) {
    x += dx;
    y += dy;
    for (const auto& child : Children) child->SetAbsolutePosition(x, y);
}

void LayoutElement::ClearImages() {
    im = nullptr;
    for (const auto& child : Children) child->ClearImages();
}

} // namespace wispwood
