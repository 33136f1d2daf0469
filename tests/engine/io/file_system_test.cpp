#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/path.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(Path, NormalisingTurnsBackslashesAndDropsTrailingSlash) {
    EXPECT_EQ(NormalisePath("media\\load\\loading.jpg"), "media/load/loading.jpg");
    EXPECT_EQ(NormalisePath("media/"), "media");
    EXPECT_EQ(NormalisePath("/"), "/");
    EXPECT_EQ(FileNamePart("media\\sound\\a.ogg"), "a.ogg");
    EXPECT_EQ(DirectoryPart("media\\sound\\a.ogg"), "media/sound");
    EXPECT_EQ(DirectoryPart("a.ogg"), "");
    EXPECT_EQ(DirectoryPart("/a.ogg"), "/");
}

TEST(Path, ReadingFindsFilesWhateverTheLetterCase) {
    test::TempDir dir;
    ASSERT_EQ(CreateDir(dir.File("media/Load"), 1), 1);
    ASSERT_EQ(CreateDir(dir.File("media/load"), 1), 1);
    ASSERT_EQ(SaveText(dir.File("media/Load/Logo.jpg"), "logo"), 1);
    ASSERT_EQ(SaveText(dir.File("media/load/loading.jpg"), "loading"), 1);

    Text bytes;
    ASSERT_TRUE(LoadText(dir.File("media\\load\\Logo.jpg"), bytes));
    EXPECT_EQ(bytes, "logo");
    ASSERT_TRUE(LoadText(dir.File("MEDIA/LOAD/LOADING.JPG"), bytes));
    EXPECT_EQ(bytes, "loading");
    EXPECT_EQ(FileSize(dir.File("Media/Load/logo.JPG")), 4);
    EXPECT_EQ(PathKind(dir.File("MEDIA")), 2);
    EXPECT_EQ(PathKind(dir.File("media/nothing.txt")), 0);
    EXPECT_EQ(FileSize(dir.File("media/nothing.txt")), -1);
    EXPECT_EQ(FileSize(dir.File("media")), -1);
}

TEST(Path, WritingUsesThePathAsGiven) {
    test::TempDir dir;
    ASSERT_EQ(SaveText(dir.File("Save.txt"), "a"), 1);
    ASSERT_EQ(SaveText(dir.File("save.txt"), "b"), 1);
    EXPECT_EQ(ListDirectory(dir.Path()), (TextArray{"Save.txt", "save.txt"}));
}

TEST(FileSystem, CreateListAndDelete) {
    test::TempDir dir;
    EXPECT_EQ(CreateDir(dir.File("a/b/c"), 0), 0);
    EXPECT_EQ(CreateDir(dir.File("a/b/c"), 1), 1);
    EXPECT_EQ(CreateDir(dir.File("a/b/c/"), 1), 1);
    ASSERT_EQ(SaveText(dir.File("a/x.txt"), ""), 1);
    EXPECT_EQ(ListDirectory(dir.File("a")), (TextArray{"b", "x.txt"}));
    EXPECT_EQ(ListDirectory(dir.File("a"), 0).size(), 4u);
    EXPECT_EQ(DeleteFile(dir.File("a/X.TXT")), 1);
    EXPECT_EQ(DeleteFile(dir.File("a/x.txt")), 0);
    EXPECT_EQ(DeleteFile(dir.File("a/b")), 0); // folders are not files
    EXPECT_TRUE(ListDirectory(dir.File("missing")).empty());
}

} // namespace
} // namespace wispwood
