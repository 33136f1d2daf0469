#pragma once
// A file of named layouts ("media\res.dat" for the game), in the
// tab-indented tree format: one top-level node per layout.
#include "framework/layout/layout_element.h"

namespace wispwood {

class LayoutResource : public std::enable_shared_from_this<LayoutResource> {
  public:
    Text Path;
    TList<Ref<LayoutElement>> Layouts; // root elements

    virtual ~LayoutResource() = default;

    // A resource for the path, loaded at once; a missing file leaves it
    // empty.
    static Ref<LayoutResource> Create(const Text& path);
    void Load();
    // 1 when the file was written.
    int Save();
    // The layout of that name; when there is none, a new full-screen one
    // (left to right, border 32) is made and kept.
    Ref<LayoutElement> GetLayout(const Text& name);
    void AddLayout(const Ref<LayoutElement>& element);
};

// The game's layouts, made at start-up.
extern Ref<LayoutResource> MainLayout;
void ResetMainLayout();

} // namespace wispwood
