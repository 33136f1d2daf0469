#pragma once
// Screen layouts as data: a tree of boxes, each stacking its children
// top to bottom or left to right with a border around and between them
// and an alignment. A gadget is placed by the element whose Name matches
// its LayoutName; the gadget's picture gives that element its size.
#include "engine/core/text.h"
#include "engine/core/tlist.h"
#include <memory>

namespace wispwood {

class TImage;
class gFileNode;
class guiContainer;
class LayoutResource;

class LayoutElement : public std::enable_shared_from_this<LayoutElement> {
  public:
    int Root = 0;           // the top element of a named layout
    int FullyJustified = 0; // stacked children are spread to fill the box
    std::weak_ptr<LayoutResource> ParentResource;
    int Selected = 0;
    float x = 0; // relative to the parent until made absolute
    float y = 0;
    int width = 0; // before scaling
    float height = 0;
    TList<Ref<LayoutElement>> Children; // in file order
    int LayoutDirection = 0;            // 0: top to bottom, else left to right
    float Border = 8.0f;                // inner margin and gap between children
    float Scale = 1.0f;
    // Alignment codes. Across a vertical stack LayoutX places each child:
    // 2 at the left border, 3 at the right border, otherwise centred.
    // Along a horizontal stack it places the run the same way. LayoutY
    // places the run: 4 at the top, 5 low (the run's middle at the
    // bottom), otherwise centred.
    int LayoutX = 1;
    int LayoutY = 1;
    Ref<TImage> im;       // the bound gadget's picture, which sets the size
    int InheritsSize = 1; // grows to fit children that have pictures
    int _ToDelete = 0;
    Text Name; // matched without regard to ASCII letter case

    virtual ~LayoutElement() = default;

    // Absent keys read as 0 or ""; child nodes with neither width nor
    // height are dropped.
    static Ref<LayoutElement> FromFileNode(const gFileNode& node);
    // A node with an empty name (a generated one is given when it is added
    // to a parent), leaves first, then one child node per child.
    Ref<gFileNode> ToFileNode() const;

    // This element or the first descendant, depth first, with the name.
    Ref<LayoutElement> FindChild(const Text& name);
    void AddChild(const Ref<LayoutElement>& element);
    int Leaf() const;
    // 1 when this element or a descendant has a name.
    int AnyNames() const;
    // Drops every descendant marked _ToDelete.
    void PurgeDeadChildren();
    // Orders the children of every element by their position along the
    // stacking direction (after elements were moved by hand).
    void Sort();
    float GetWidth() const { return static_cast<float>(width) * Scale; }
    float GetHeight() const { return height * Scale; }
    void SnapToImageWidth();
    void LayoutChildren(int snap);
    // Offsets this element by (dx, dy) and its descendants by their
    // parents' new positions: relative positions become screen ones.
    void SetAbsolutePosition(float dx, float dy);
    float GetChildrenWidth() const;
    float GetChildrenHeight() const;
    // Binds the pictures of the container's gadgets to their elements.
    void SetImagesFromContainer(guiContainer& container);
    // Forgets every bound picture in the tree.
    void ClearImages();

  private:
    // The children's sizes summed with the border between them along the
    // stacking direction, or the largest one across it.
    float ChildrenExtent(bool stacked, float (LayoutElement::*size)() const) const;
    // The left edge LayoutX gives a box of that width.
    float PlaceAcross(float size) const;
};

// Letter case of A-Z ignored, other bytes compared as they are.
bool LayoutNamesMatch(const Text& a, const Text& b);

} // namespace wispwood
