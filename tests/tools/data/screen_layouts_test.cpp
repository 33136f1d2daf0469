// The layout resource: the three layouts the screens ask for, with every
// element they place, and the places those elements end up.
#include "tests/tools/data/data_files.h"

#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/g_file.h"
#include <gtest/gtest.h>

namespace wispwood::datatest {
namespace {

Ref<gFile> ReadResource() {
    auto file = gFile::Create(ShippedPath("res.dat"));
    file->Read();
    return file;
}

Ref<gFileNode> Layout(const gFile& file, const Text& name) {
    for (const auto& node : file.Children.ObjectEnumerator())
        if (!node->Leaf && LowerText(node->GetData("Name")) == LowerText(name)) return node;
    return nullptr;
}

// The element children in the order the layout stacks them (by node name).
std::vector<Ref<gFileNode>> Elements(const gFileNode& node) {
    std::vector<Ref<gFileNode>> elements;
    for (const auto& child : node.Children.ObjectEnumerator())
        if (!child->Leaf) elements.push_back(child);
    return elements;
}

float Number(const gFileNode& node, const Text& key) {
    return TextToFloat(node.GetData(key));
}

TEST(ScreenLayouts, EveryLayoutHasTheElementsItsScreenPlaces) {
    auto file = ReadResource();
    const std::pair<const char*, std::vector<Text>> wanted[] = {
        {"OptionsMenu", {"heading"}},
        {"PauseMenu", {"heading", "options", "back", "exit"}},
        {"comics", {"comicforward"}},
    };
    for (const auto& [layout, names] : wanted) {
        auto root = Layout(*file, layout);
        ASSERT_TRUE(root) << layout;
        EXPECT_EQ(root->GetData("Root"), "1") << layout;
        std::vector<Text> found;
        for (const auto& e : Elements(*root)) found.push_back(e->GetData("Name"));
        EXPECT_EQ(found, names) << layout;
    }
}

TEST(ScreenLayouts, EveryNodeGivesAllItsValues) {
    // Absent values read as 0: a scale of 0 hides the gadget, and an element
    // of no size is dropped when the layout is loaded.
    auto file = ReadResource();
    const char* keys[] = {"Root",          "x",     "y",       "width",   "height",       "LayoutDirection",
                          "Border",        "Scale", "LayoutX", "LayoutY", "InheritsSize", "Name",
                          "FullyJustified"};
    std::vector<Ref<gFileNode>> nodes;
    for (const auto& root : file->Children.ObjectEnumerator()) {
        nodes.push_back(root);
        for (const auto& e : Elements(*root)) nodes.push_back(e);
    }
    ASSERT_EQ(nodes.size(), 9u);
    for (const auto& node : nodes) {
        for (const char* key : keys) {
            auto leaf = node->Children.LookUp(key);
            EXPECT_TRUE(leaf && leaf->Leaf) << node->Name << " lacks " << key;
        }
        EXPECT_EQ(Number(*node, "Scale"), 1.0f) << node->Name;
        EXPECT_TRUE(Number(*node, "width") != 0 || Number(*node, "height") != 0) << node->Name;
        EXPECT_TRUE(Elements(*node).empty() || node->GetData("Root") == "1") << node->Name;
    }
}

TEST(ScreenLayouts, ThePlacedElementsLandInsideTheirDialogs) {
    auto file = ReadResource();
    // The dialogs' backing is 400 x 440 at (200, 80); buttons are 160 x 40
    // (120 x 40 in the side panel); a heading is at most 48 pixels high.
    auto pause = Layout(*file, "PauseMenu");
    ASSERT_TRUE(pause);
    float x0 = Number(*pause, "x"), y = Number(*pause, "y"), width = Number(*pause, "width");
    float border = Number(*pause, "Border");
    EXPECT_EQ(Number(*pause, "LayoutDirection"), 0.0f);
    EXPECT_EQ(pause->GetData("LayoutY"), "4"); // stacked from the top
    EXPECT_EQ(pause->GetData("LayoutX"), "1"); // centred
    for (const auto& e : Elements(*pause)) {
        bool heading = e->GetData("Name") == "heading";
        float h = heading ? 48 : 40, w = 160;
        float x = x0 + width / 2 - w / 2;
        EXPECT_GE(x, 200);
        EXPECT_LE(x + w, 600);
        EXPECT_GE(y, 80);
        EXPECT_LE(y + h, 520) << e->GetData("Name");
        y += h + border;
    }
    // The options heading sits above the first row of ticks (y 139).
    auto options = Layout(*file, "OptionsMenu");
    ASSERT_TRUE(options);
    EXPECT_GE(Number(*options, "y"), 80);
    EXPECT_LE(Number(*options, "y") + 48, 139);
    // The comic page's forward button sits at the bottom right of the screen.
    auto comics = Layout(*file, "comics");
    ASSERT_TRUE(comics);
    EXPECT_EQ(Number(*comics, "x"), 800 - 16 - 120);
    EXPECT_EQ(Number(*comics, "y"), 600 - 16 - 40);
    EXPECT_EQ(comics->GetData("LayoutX"), "2");
    EXPECT_EQ(Number(*comics, "Border"), 0.0f);
}

} // namespace
} // namespace wispwood::datatest
