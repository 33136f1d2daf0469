#include "engine/io/file_stream.h"
#include "engine/io/memory_stream.h"
#include "framework/data/section_file.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

Ref<GameFileData> Parse(const Text& bytes) {
    TMemoryStream stream(bytes);
    return GameFileTextDriver::ReadStream(stream);
}

Text Written(const GameFileData& data) {
    TMemoryStream stream;
    GameFileTextDriver::WriteStream(stream, data);
    return stream.Bytes();
}

TEST(GameFile, SectionsAndKeysAreNormalisedForLookupButWrittenAsGiven) {
    auto data = Parse("top = 1\n[ Options ]\nVolume = 0.5\n[other]\nx=2\n[options]\nMusic = 1\n");
    EXPECT_EQ(data->GetData("TOP "), "1"); // root section is current after reading
    ASSERT_EQ(data->SetNode("OPTIONS"), 1);
    EXPECT_EQ(data->GetData("music"), "1");
    EXPECT_EQ(data->DataExists("volume"), 0); // the repeated header started afresh
    EXPECT_EQ(Written(*data), "[]\r\ntop = 1\r\n[options]\r\nMusic = 1\r\n[other]\r\nx = 2\r\n");
}

TEST(GameFile, LinesWithoutExactlyOneEqualsOrWithABracketFollowTheirRules) {
    auto data = Parse("a = b = c\r\na=b\r\nnoequals\r\n\r\n  k  =  v  \r\nv = x[1]\r\n");
    ASSERT_EQ(data->SetNode("v = x1"), 1); // the bracket made the line a header
    data->SetNode("");
    EXPECT_EQ(data->GetData("a"), "b");
    EXPECT_EQ(data->GetData("k"), "v");
    EXPECT_EQ(data->DataExists("noequals"), 0);
}

TEST(GameFile, EntriesAreWrittenInByteOrderOfTheirNormalisedKeys) {
    GameFileData data;
    data.AddData("b", "1");
    data.AddData("A", "2");
    data.AddData("ab", "3");
    data.AddData("", "4");
    data.AddData("\xE9", "5"); // high bytes sort after ASCII
    EXPECT_EQ(Written(data), "[]\r\n = 4\r\nA = 2\r\nab = 3\r\nb = 1\r\n\xE9 = 5\r\n");
}

TEST(GameFile, ReadWriteReadIsStableForAnyInput) {
    static const char withZeros[] = "[\0]\nk\0 = v\n= lonely\n";
    const Text samples[] = {
        "x\n[b]\n[a]\nq = 1\n[B]\nr = 2\n",
        Text(withZeros, sizeof withZeros - 1),
        "\r\r\n[]\n==\n a = \xE9\xFF\n",
    };
    for (const Text& sample : samples) {
        Text once = Written(*Parse(sample));
        EXPECT_EQ(Written(*Parse(once)), once);
    }
}

TEST(GameFile, SetNodeIntNamesSectionsInEightCharacters) {
    auto file = GameFile::Create("unused");
    EXPECT_EQ(file->SetNodeInt(7), 0);
    EXPECT_EQ(file->Data->CurrentNode->Name, "00000007");
    file->SetNodeInt(123456789);
    EXPECT_EQ(file->Data->CurrentNode->Name, "23456789");
    file->SetNodeInt(-5);
    EXPECT_EQ(file->Data->CurrentNode->Name, "000000-5");
    EXPECT_EQ(file->SetNodeInt(7), 1);
}

TEST(GameFile, AssociateWritesThenReadsEveryKind) {
    test::TempDir dir;
    Text path = dir.File("config.txt");
    auto out = GameFile::Create(path);
    Text name = "Mira";
    int level = -12;
    float volume = 0.5f;
    std::vector<int> states{2, 0, 1};
    out->AssociateString(name, "Name");
    out->AssociateInt(level, "Level");
    out->AssociateFloat(volume, "Volume");
    out->AssociateIntArray(states, "States", 3);
    ASSERT_EQ(out->Write(), 1);

    Text bytes;
    ASSERT_TRUE(LoadText(path, bytes));
    EXPECT_EQ(bytes, "[]\r\nLevel = -12\r\nName = Mira\r\nStates = 2,0,1\r\nVolume = 0.500000000\r\n");

    auto in = GameFile::Create(path);
    ASSERT_EQ(in->Read(), 1);
    in->AssociateReading = 1;
    Text name2;
    int level2 = 0;
    float volume2 = 0;
    std::vector<int> states2, padded, absent;
    in->AssociateString(name2, "name");
    in->AssociateInt(level2, "level");
    in->AssociateFloat(volume2, "volume");
    in->AssociateIntArray(states2, "states", -1);
    in->AssociateIntArray(padded, "states", 5);
    in->AssociateIntArray(absent, "missing", -1);
    EXPECT_EQ(name2, "Mira");
    EXPECT_EQ(level2, -12);
    EXPECT_EQ(volume2, 0.5f);
    EXPECT_EQ(states2, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(padded, (std::vector<int>{2, 0, 1, 0, 0}));
    EXPECT_EQ(absent, (std::vector<int>{0}));
}

TEST(GameFile, DefaultsAreAssertedWithoutOverwriting) {
    auto file = GameFile::Create("unused");
    file->AddData("resx", "1024");
    file->AssertData("RESX", "800");
    file->AssertData("resy", "600");
    EXPECT_EQ(file->GetData("resx"), "1024");
    EXPECT_EQ(file->GetData("resy"), "600");
    EXPECT_EQ(file->GetData("absent"), "");
}

TEST(GameFile, MissingOrUnwritableFilesReportFailureAndKeepData) {
    test::TempDir dir;
    auto file = GameFile::Create(dir.Unwritable("config.txt"));
    file->AddData("kept", "yes");
    EXPECT_EQ(file->Read(), 0);
    EXPECT_EQ(file->GetData("kept"), "yes");
    EXPECT_EQ(file->Write(), 0);
    file->ClearData();
    EXPECT_EQ(file->GetData("kept"), "");
    EXPECT_EQ(file->Nodes().Count(), 1);
}

TEST(GameFile, NodeTableConvertsToAValueTable) {
    auto data = Parse("[s]\nKey One = v1\nkey two = v2\n");
    data->SetNode("s");
    auto table = data->CurrentNode->DataAsObjectTable(nullptr);
    ASSERT_TRUE(table->LookUp("Key One"));
    EXPECT_EQ(*table->LookUp("Key One"), "v1");
    EXPECT_FALSE(table->LookUp("key one")); // no formatter: exact names
}

} // namespace
} // namespace wispwood
