// The layout resource as the game reads it: the three layouts the screens
// ask for, with every element they place, and the places the game's layout
// code gives the screens' gadgets with the real pictures and headings.
#include "tests/tools/data/data_files.h"
#include "tests/tools/data/font_fixture.h"

#include "engine/draw/image.h"
#include "framework/data/tree_file.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/images/game_image.h"
#include "framework/layout/apply_layout.h"
#include "framework/layout/layout_element.h"
#include "framework/layout/layout_resource.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood::datatest {
namespace {

Ref<LayoutResource> Resource() {
    return LayoutResource::Create(ShippedPath("res.dat"));
}

// The layout as written in the file; GetLayout would make up a blank one.
Ref<LayoutElement> WrittenLayout(const LayoutResource& resource, const Text& name) {
    for (const auto& layout : resource.Layouts)
        if (LayoutNamesMatch(layout->Name, name)) return layout;
    return nullptr;
}

TEST(ScreenLayouts, EveryLayoutHasTheElementsItsScreenPlaces) {
    auto resource = Resource();
    const std::pair<const char*, std::vector<Text>> wanted[] = {
        {"OptionsMenu", {"heading"}},
        {"PauseMenu", {"heading", "options", "back", "exit"}},
        {"comics", {"comicforward"}},
    };
    for (const auto& [name, elements] : wanted) {
        auto layout = WrittenLayout(*resource, name);
        ASSERT_TRUE(layout) << name;
        EXPECT_EQ(layout->Root, 1) << name;
        std::vector<Text> found;
        for (const auto& e : layout->Children) found.push_back(e->Name);
        EXPECT_EQ(found, elements) << name;
    }
}

// The layout reader takes absent values as 0, and so cannot tell them from
// written ones: a scale of 0 hides the gadget, and an element of no size is
// dropped. Every node therefore writes all its values.
TEST(ScreenLayouts, EveryNodeGivesAllItsValues) {
    auto file = gFile::Create(ShippedPath("res.dat"));
    file->Read();
    const char* keys[] = {"Root",          "x",     "y",       "width",   "height",       "LayoutDirection",
                          "Border",        "Scale", "LayoutX", "LayoutY", "InheritsSize", "Name",
                          "FullyJustified"};
    std::vector<Ref<gFileNode>> nodes;
    for (const auto& root : file->Children.ObjectEnumerator()) {
        nodes.push_back(root);
        for (const auto& child : root->Children.ObjectEnumerator())
            if (!child->Leaf) nodes.push_back(child);
    }
    ASSERT_EQ(nodes.size(), 9u);
    for (const auto& node : nodes)
        for (const char* key : keys) {
            auto leaf = node->Children.LookUp(key);
            EXPECT_TRUE(leaf && leaf->Leaf) << node->Name << " lacks " << key;
        }
    for (const auto& layout : Resource()->Layouts) {
        EXPECT_EQ(layout->Scale, 1.0f) << layout->Name;
        for (const auto& e : layout->Children) EXPECT_EQ(e->Scale, 1.0f) << e->Name;
    }
}

struct Box {
    float x = 0, y = 0, w = 0, h = 0;
};

Box BoxOf(guiGadget& g) {
    return {g.x, g.y, g.GetWidtH() * g.scale, g.GetHeight() * g.scale};
}

bool Overlap(const Box& a, const Box& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// The dialogs built as their screens build them, then placed by the game's
// layout code with the generated pictures and the real heading texts.
class PlacedLayouts : public GameFontsTest {
  protected:
    Ref<LayoutResource> resource;
    Ref<guiContainer> dialog;

    void SetUp() override {
        GameFontsTest::SetUp();
        LoadTextTable(ShippedPath("Strings.txt"));
        resource = Resource();
        dialog = New<guiContainer>();
    }
    void TearDown() override { GameFontsTest::TearDown(); }
    static Ref<TImage> Picture(const Text& mediaPath) { return LoadGameImage(test::GamePath(mediaPath)); }
    Ref<guiGadget> Named(Ref<guiGadget> gadget, const Text& layoutName) {
        gadget->LayoutName = layoutName;
        return gadget;
    }
    Ref<guiGadget> Heading(const Text& text) {
        auto heading = dialog->AddText(0, 0, text);
        heading->DrawnTextFont = BigFont;
        return Named(heading, "heading");
    }
    // Where the dialog's backing covers the screen.
    static Box Covered(const Ref<TImage>& backing, float left, float top) {
        return {left, top, static_cast<float>(ImageWidth(backing)), static_cast<float>(ImageHeight(backing))};
    }
    static void ExpectInside(const Box& inner, const Box& outer, const Text& what) {
        EXPECT_GE(inner.x, outer.x) << what;
        EXPECT_GE(inner.y, outer.y) << what;
        EXPECT_LE(inner.x + inner.w, outer.x + outer.w) << what;
        EXPECT_LE(inner.y + inner.h, outer.y + outer.h) << what;
    }
};

TEST_F(PlacedLayouts, ThePauseMenuStacksItsButtonsInsideItsBacking) {
    // The backing is the dialog panel (the options' own is taller).
    auto backing = Picture("media/gui/container.png");
    const float left = static_cast<float>(400 - ImageWidth(backing) / 2);
    const float top = static_cast<float>(300 - ImageHeight(backing) / 2);
    Named(dialog->AddStatic(left, top, backing), "static");
    auto heading = Heading(GetText("main", "paused"));
    auto button = Picture("media/gui/button-empty.png");
    auto options = Named(dialog->AddButton(342, 231, button), "options");
    auto exit = Named(dialog->AddButton(342, 326, button), "exit");
    auto back = Named(dialog->AddButton(210, 331, button), "back");
    ApplyLayout(*dialog, WrittenLayout(*resource, "PauseMenu"));

    const Box covered = Covered(backing, left, top);
    const std::pair<Ref<guiGadget>, const char*> placed[] = {
        {heading, "heading"}, {options, "options"}, {back, "back"}, {exit, "exit"}};
    for (const auto& [gadget, name] : placed) ExpectInside(BoxOf(*gadget), covered, name);
    for (size_t a = 0; a < std::size(placed); ++a)
        for (size_t b = a + 1; b < std::size(placed); ++b)
            EXPECT_FALSE(Overlap(BoxOf(*placed[a].first), BoxOf(*placed[b].first)))
                << placed[a].second << " and " << placed[b].second;
}

TEST_F(PlacedLayouts, TheOptionsHeadingSitsAboveTheFirstRowOfTicks) {
    auto backing = Picture("media/options/backing.png");
    const float left = static_cast<float>((800 - ImageWidth(backing)) / 2);
    const float top = static_cast<float>((600 - ImageHeight(backing)) / 2);
    Named(dialog->AddStatic(left, top, backing), "static");
    auto heading = Heading(GetText("options", "heading"));
    ApplyLayout(*dialog, WrittenLayout(*resource, "OptionsMenu"));

    Box box = BoxOf(*heading);
    ExpectInside(box, Covered(backing, left, top), "heading");
    EXPECT_LE(box.y + box.h, 99); // the display ticks' row
}

TEST_F(PlacedLayouts, TheComicPageButtonSitsInTheBottomRightCorner) {
    auto forward = Named(dialog->AddButton(0, 0, Picture("media/gui/button-sidebar.png")), "comicforward");
    ApplyLayout(*dialog, WrittenLayout(*resource, "comics"));
    Box box = BoxOf(*forward);
    EXPECT_EQ(box.x, 800 - 16 - box.w);
    EXPECT_EQ(box.y, 600 - 16 - box.h);
}

} // namespace
} // namespace wispwood::datatest
