#include "engine/io/memory_stream.h"
#include "framework/data/section_file.h"
#include "game/board/board.h"
#include "game/board/piece_definition.h"
#include "tests/support/ascii_board.h"
#include "tests/support/paths.h"

namespace wispwood {
namespace {

class PieceDefinitions_ : public test::BoardTest {
  protected:
    Ref<GameFile> FileOf(const Text& text) {
        TMemoryStream stream(text);
        auto file = GameFile::Create("colours.txt");
        file->Data = GameFileTextDriver::ReadStream(stream);
        return file;
    }
};

TEST_F(PieceDefinitions_, SetsAreNamedAndIndexedInOrder) {
    PieceDefinitionSet set = CreatePieceDefinitionSet(StandardColourNames());
    ASSERT_EQ(set.size(), 8u);
    EXPECT_EQ(set[0]->name, "block-yellow");
    EXPECT_EQ(set[6]->name, "block-turquoise");
    EXPECT_EQ(set[7]->index, 7);
    EXPECT_EQ(set[7]->IllegalsArray, std::vector<int>(8, 0));
    EXPECT_EQ(CreatePieceDefinitionSet(BonusColourNames())[1]->name, "block-lettergold");
}

TEST_F(PieceDefinitions_, LookAlikesAreSymmetricAndUnknownNamesIgnored) {
    auto file = FileOf("[block-yellow]\nred = 255\ngreen = 214\nblue = 40\n"
                       "[block-blue]\nred = 1\ngreen = 2\nblue = 3\nTurquoise = 1\nviolet = 1\n"
                       "[block-green]\nturquoise = 1\n");
    PieceDefinitionSet set = CreatePieceDefinitionSet(StandardColourNames());
    ReadColourDefinitions(*file, set);
    EXPECT_EQ(std::tie(set[0]->r, set[0]->g, set[0]->b), std::make_tuple(255, 214, 40));
    EXPECT_EQ(std::tie(set[5]->r, set[5]->g, set[5]->b), std::make_tuple(1, 2, 3));
    ASSERT_EQ(set[5]->Illegals.size(), 1u);
    EXPECT_EQ(set[5]->Illegals[0].lock(), set[6]);
    EXPECT_EQ(set[5]->IllegalsArray, (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 0}));
    // Turquoise names nobody itself but is kept apart from blue and green.
    EXPECT_TRUE(set[6]->Illegals.empty());
    EXPECT_EQ(set[6]->IllegalsArray, (std::vector<int>{0, 0, 0, 0, 0, 1, 0, 1}));
    EXPECT_EQ(set[7]->IllegalsArray[6], 1);
    // A colour with no section keeps no tint.
    EXPECT_EQ(set[1]->r, 0);
}

TEST_F(PieceDefinitions_, TheShippedFileGivesEveryColourItsTint) {
    ASSERT_EQ(LoadColourDefinitions(test::SourcePath("data/media/illegalcoloursbig.txt")), 1);
    EXPECT_EQ(PieceDefinitions, StandardPieceDefinitions);
    ASSERT_EQ(PieceDefinitions.size(), 8u);
    ASSERT_EQ(BonusPieceDefinitions.size(), 2u);
    for (const auto& def : PieceDefinitions) EXPECT_GT(def->r + def->g + def->b, 0) << def->name;
    EXPECT_GT(BonusPieceDefinitions[1]->r, 0);

    // An unreadable file still gives both sets, untinted.
    EXPECT_EQ(LoadColourDefinitions("/nonexistent/illegalcoloursbig.txt"), 0);
    EXPECT_EQ(PieceDefinitions.size(), 8u);
    EXPECT_EQ(PieceDefinitions[0]->r, 0);
}

} // namespace
} // namespace wispwood
