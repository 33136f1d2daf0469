#include "framework/layout/layout_resource.h"
#include "framework/data/data_file_report.h"
#include "framework/data/tree_file.h"
#include "framework/draw_state/draw_state.h"

namespace wispwood {

Ref<LayoutResource> MainLayout;

Ref<LayoutResource> LayoutResource::Create(const Text& path) {
    auto resource = New<LayoutResource>();
    resource->Path = path;
    resource->Load();
    return resource;
}

void LayoutResource::Load() {
    auto file = gFile::Create(Path);
    const Text problem = DataFileProblem(Path);
    if (!problem.empty())
        ReportDataFile(Path, problem, "the screens keep their widgets where the code puts them");
    file->Read();
    Layouts.Clear();
    for (const auto& node : file->Children.ObjectEnumerator()) {
        if (!node || node->Leaf) continue;
        auto layout = LayoutElement::FromFileNode(*node);
        layout->ParentResource = weak_from_this();
        layout->PurgeDeadChildren();
        Layouts.AddLast(layout);
    }
    if (problem.empty() && Layouts.IsEmpty())
        ReportDataFile(Path, "holds no layouts", "the screens keep their widgets where the code puts them");
}

int LayoutResource::Save() {
    auto file = gFile::Create(Path);
    for (const auto& layout : Layouts) file->AddChildNode(layout->ToFileNode());
    return file->Write();
}

Ref<LayoutElement> LayoutResource::GetLayout(const Text& name) {
    for (const auto& layout : Layouts)
        if (LayoutNamesMatch(layout->Name, name)) return layout;
    auto layout = New<LayoutElement>();
    layout->Name = name;
    layout->width = DrawAreaWidth();
    layout->height = static_cast<float>(DrawAreaHeight());
    layout->LayoutDirection = 1;
    layout->Border = 32;
    layout->Root = 1;
    AddLayout(layout);
    return layout;
}

void LayoutResource::AddLayout(const Ref<LayoutElement>& element) {
    if (!element) return;
    element->ParentResource = weak_from_this();
    Layouts.AddLast(element);
}

void ResetMainLayout() {
    MainLayout = nullptr;
}

} // namespace wispwood
