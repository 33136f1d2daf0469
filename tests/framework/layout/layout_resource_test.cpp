#include "engine/draw/image.h"
#include "engine/io/file_stream.h"
#include "framework/data/tree_file.h"
#include "framework/layout/layout_resource.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>
#include <vector>

namespace wispwood {
namespace {

std::vector<std::pair<float, float>> Positions(const Ref<LayoutElement>& e) {
    std::vector<std::pair<float, float>> out{{e->x, e->y}};
    for (const auto& child : e->Children) {
        auto more = Positions(child);
        out.insert(out.end(), more.begin(), more.end());
    }
    return out;
}

TEST(LayoutResource, TheGamesLayoutsLoadWithTheirElements) {
    auto resource = LayoutResource::Create(test::SourcePath("data/media/res.dat"));
    auto pause = resource->GetLayout("pausemenu");
    ASSERT_TRUE(pause);
    EXPECT_EQ(pause->Name, "PauseMenu");
    EXPECT_EQ(pause->Root, 1);
    EXPECT_EQ(pause->ParentResource.lock(), resource);
    for (const char* name : {"heading", "options", "back", "exit"})
        EXPECT_TRUE(pause->FindChild(name)) << name;
    EXPECT_TRUE(resource->GetLayout("comics")->FindChild("comicforward"));
    int before = resource->Layouts.Count();
    EXPECT_EQ(resource->GetLayout("OPTIONSMENU"), resource->GetLayout("OptionsMenu"));
    EXPECT_EQ(resource->Layouts.Count(), before);
}

TEST(LayoutResource, AMissingLayoutIsMadeFullScreenAndKept) {
    auto resource = LayoutResource::Create("no/such/res.dat");
    EXPECT_EQ(resource->Layouts.Count(), 0);
    auto made = resource->GetLayout("Fresh");
    EXPECT_EQ(made->Name, "Fresh");
    EXPECT_EQ(made->Root, 1);
    EXPECT_EQ(made->LayoutDirection, 1);
    EXPECT_FLOAT_EQ(made->Border, 32);
    EXPECT_FLOAT_EQ(made->x, 0);
    EXPECT_GT(made->width, 0);
    EXPECT_GT(made->height, 0);
    EXPECT_EQ(resource->GetLayout("fresh"), made);
    EXPECT_EQ(resource->Layouts.Count(), 1);
}

TEST(LayoutResource, ASavedResourceReloadsToTheSamePositions) {
    test::TempDir dir;
    auto resource = LayoutResource::Create(dir.File("res.dat"));
    auto root = resource->GetLayout("Dialog");
    root->LayoutDirection = 0;
    root->Border = 12;
    root->x = 100;
    root->y = 50;
    root->width = 600;
    root->height = 500;
    auto row = New<LayoutElement>();
    row->Name = "row";
    row->LayoutDirection = 1;
    row->width = 10;
    row->height = 10;
    for (int i = 0; i < 3; ++i) {
        auto button = New<LayoutElement>();
        button->Name = "button" + std::to_string(i);
        button->width = 1;
        button->height = 1;
        button->Scale = 0.75f;
        button->im = New<TImage>();
        button->im->width = 120 + 10 * i;
        button->im->height = 40;
        row->AddChild(button);
    }
    root->AddChild(row);
    auto heading = New<LayoutElement>();
    heading->Name = "heading";
    heading->width = 300;
    heading->height = 60;
    root->AddChild(heading);
    root->LayoutChildren(1);
    auto expected = Positions(root);
    ASSERT_EQ(resource->Save(), 1);

    auto again = LayoutResource::Create(dir.File("res.dat"));
    auto loaded = again->GetLayout("dialog");
    ASSERT_EQ(loaded->Children.Count(), 2);
    for (int i = 0; i < 3; ++i) {
        auto button = loaded->FindChild("button" + std::to_string(i));
        ASSERT_TRUE(button);
        button->im = New<TImage>();
        button->im->width = 120 + 10 * i;
        button->im->height = 40;
    }
    loaded->LayoutChildren(1);
    EXPECT_EQ(Positions(loaded), expected);
}

TEST(LayoutResource, DeadAndEmptyElementsDoNotSurviveLoading) {
    test::TempDir dir;
    ASSERT_EQ(SaveText(dir.File("res.dat"), "00000001:\r\n"
                                            "\tName = Main\r\n"
                                            "\twidth = 800\r\n"
                                            "\t00000002:\r\n"
                                            "\t\tName = zero\r\n"
                                            "\t00000003:\r\n"
                                            "\t\tName = kept\r\n"
                                            "\t\theight = 5\r\n"
                                            "Stray = leaf\r\n"),
              1);
    auto resource = LayoutResource::Create(dir.File("res.dat"));
    ASSERT_EQ(resource->Layouts.Count(), 1);
    auto main = resource->GetLayout("main");
    EXPECT_FALSE(main->FindChild("zero"));
    EXPECT_TRUE(main->FindChild("kept"));
}

} // namespace
} // namespace wispwood
