#include "engine/io/memory_stream.h"
#include "framework/data/tree_file.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class GFile : public ::testing::Test {
  protected:
    void SetUp() override { ResetNodeNameCounter(); }
    void TearDown() override { ResetNodeNameCounter(); }

    static Ref<gFileNode> Parse(const Text& bytes) {
        auto root = New<gFileNode>();
        TMemoryStream stream(bytes);
        root->_Read(stream, 0);
        return root;
    }

    static Text Written(const gFileNode& node) {
        TMemoryStream stream;
        node._Write(stream, 0);
        return stream.Bytes();
    }
};

TEST_F(GFile, TabsGiveDepthAndShallowerLinesCloseNodes) {
    auto root = Parse("Root:\n\tName = Options\n\tChild:\n\t\tx = 1\n\ty = 2\nOther:\n\tz = 3\n");
    auto rootNode = root->Children.LookUp("Root");
    ASSERT_TRUE(rootNode);
    EXPECT_EQ(rootNode->GetData("Name"), "Options");
    EXPECT_EQ(rootNode->GetData("y"), "2"); // back at the Root level after Child
    auto child = rootNode->Children.LookUp("Child");
    ASSERT_TRUE(child);
    EXPECT_EQ(child->GetData("x"), "1");
    EXPECT_EQ(child->GetData("y"), "");
    EXPECT_EQ(root->Children.LookUp("Other")->GetData("z"), "3");
}

TEST_F(GFile, LineKindsFollowEqualsThenColon) {
    TreeLine both = ParseTreeLine("\tkey = a:b");
    EXPECT_EQ(both.kind, TreeLine::Data);
    EXPECT_EQ(both.name, "key");
    EXPECT_EQ(both.value, "a:b");
    TreeLine node = ParseTreeLine("\t\t Na:me: ");
    EXPECT_EQ(node.kind, TreeLine::Node);
    EXPECT_EQ(node.tabs, 2);
    EXPECT_EQ(node.name, "Name");
    EXPECT_EQ(ParseTreeLine("just words").kind, TreeLine::None);
    EXPECT_EQ(ParseTreeLine("a\tb\tc = 1").tabs, 2); // tabs anywhere count
}

TEST_F(GFile, ChildrenAreWrittenLeavesFirstInNameOrderAndReadBackTheSame) {
    gFileNode root;
    auto layout = root.AddChild("00000003");
    layout->SetData("width", "400");
    layout->SetData("Root", "1");
    auto element = layout->AddChild("00000004");
    element->SetData("Name", "heading");
    root.AddChild("00000001")->SetData("Scale", "1.0");

    Text text = Written(root);
    EXPECT_EQ(text, "00000001:\r\n\r\n\tScale = 1.0\r\n\r\n\r\n"
                    "00000003:\r\n\r\n\tRoot = 1\r\n\twidth = 400\r\n\r\n"
                    "\t00000004:\r\n\r\n\t\tName = heading\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(Written(*Parse(text)), text);
}

TEST_F(GFile, EmptyNamesAreGeneratedFromTheCounter) {
    gFileNode root;
    EXPECT_EQ(root.AddChild("")->Name, "00000002");
    auto node = New<gFileNode>();
    root.AddChildNode(node);
    EXPECT_EQ(node->Name, "00000003");
    EXPECT_EQ(NodeNameCounter, 3);
}

TEST_F(GFile, DuplicateSiblingsOverwriteAndDefaultsDoNot) {
    auto root = Parse("a:\n\tx = 1\na:\n\ty = 2\n");
    auto a = root->Children.LookUp("a");
    EXPECT_EQ(a->GetData("x"), "");
    EXPECT_EQ(a->GetData("y"), "2");
    a->SetDataDefault("y", "9");
    a->SetDataDefault("z", "9");
    EXPECT_EQ(a->GetData("y"), "2");
    EXPECT_EQ(a->GetData("z"), "9");
}

TEST_F(GFile, ReadingBelowTheTopStopsBeforeAShallowerNodeLine) {
    TMemoryStream stream("\tk = v\nNext:\n");
    gFileNode node;
    node._Read(stream, 1);
    EXPECT_EQ(node.GetData("k"), "v");
    EXPECT_EQ(stream.ReadLine(), "Next:"); // left for the caller
}

TEST_F(GFile, DeepNestingDoesNotExhaustTheStack) {
    // Every line has enough tabs to open a node inside the previous one.
    const int depth = 3000;
    Text deep;
    for (int i = 0; i < depth; ++i) deep += Text(depth, '\t') + "n:\n";
    auto root = Parse(deep);
    int levels = 0;
    for (auto node = root; (node = node->Children.LookUp("n"));) ++levels;
    EXPECT_EQ(levels, depth);
}

TEST_F(GFile, MissingFileLeavesTheTreeAndUnwritablePathReportsFailure) {
    test::TempDir dir;
    auto file = gFile::Create(dir.Unwritable("res.dat"));
    file->SetData("kept", "1");
    file->Read();
    EXPECT_EQ(file->GetData("kept"), "1");
    EXPECT_EQ(file->Write(), 0);

    file->Path = dir.File("res.dat");
    EXPECT_EQ(file->Write(), 1);
    auto again = gFile::Create(file->Path);
    again->Read();
    EXPECT_EQ(again->GetData("kept"), "1");
}

} // namespace
} // namespace wispwood
