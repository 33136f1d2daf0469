#include "engine/core/runtime_error.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/memory_stream.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(Stream, LinesWithCrLfAndAnUnterminatedLastLineReadBack) {
    test::TempDir dir;
    Text path = dir.File("lines.txt");
    ASSERT_EQ(SaveText(path, "first\r\nsecond\r\n\r\nlast"), 1);
    auto in = ReadFile(path);
    ASSERT_TRUE(in);
    std::vector<Text> lines;
    while (!in->Eof()) lines.push_back(in->ReadLine());
    EXPECT_EQ(lines, (std::vector<Text>{"first", "second", "", "last"}));
}

TEST(Stream, ReadLineStopsAtZeroByteAndDropsEveryCarriageReturn) {
    TMemoryStream in(Text("a\rb\0c\n", 6));
    EXPECT_EQ(in.ReadLine(), "ab");
    EXPECT_EQ(in.ReadLine(), "c");
    EXPECT_TRUE(in.Eof());
    EXPECT_EQ(in.ReadLine(), "");
}

TEST(Stream, HighBytesMapToCharacterCodesBothWays) {
    test::TempDir dir;
    Text path = dir.File("accent.txt");
    {
        auto out = WriteFile(path);
        ASSERT_TRUE(out);
        out->WriteLine(Text("caf") + CharText(233));
        EXPECT_EQ(out->Close(), 1);
    }
    Text bytes;
    ASSERT_TRUE(LoadText(path, bytes));
    EXPECT_EQ(bytes, Text("caf\xE9\r\n"));
    auto in = ReadFile(path);
    Text line = in->ReadLine();
    ASSERT_EQ(line.size(), 4u);
    EXPECT_EQ(CharCode(line, 3), 233);
}

TEST(Stream, NumbersAreLittleEndianUnlessWrappedBigEndian) {
    auto mem = std::make_shared<TMemoryStream>();
    mem->WriteInt(0x01020304);
    mem->WriteShort(0xBEEF);
    mem->WriteFloat(1.5f);
    mem->WriteDouble(-2.25);
    mem->WriteLong(-3);
    EXPECT_EQ(mem->Bytes().substr(0, 4), Text("\x04\x03\x02\x01"));
    mem->Seek(0);
    EXPECT_EQ(mem->ReadInt(), 0x01020304);
    EXPECT_EQ(mem->ReadShort(), 0xBEEF);
    EXPECT_EQ(mem->ReadFloat(), 1.5f);
    EXPECT_EQ(mem->ReadDouble(), -2.25);
    EXPECT_EQ(mem->ReadLong(), -3);

    auto raw = std::make_shared<TMemoryStream>();
    TBigEndianStream big(raw);
    big.WriteInt(0x01020304);
    EXPECT_EQ(raw->Bytes(), Text("\x01\x02\x03\x04"));
    big.Seek(0);
    EXPECT_EQ(big.ReadInt(), 0x01020304);
}

TEST(Stream, ProtocolPrefixesChooseByteOrder) {
    test::TempDir dir;
    Text path = dir.File("numbers.dat");
    {
        auto out = WriteFile("bigendian::" + path);
        ASSERT_TRUE(out);
        out->WriteInt(1);
    }
    auto little = ReadFile("littleendian::" + path);
    ASSERT_TRUE(little);
    EXPECT_EQ(little->ReadInt(), 0x01000000);
    EXPECT_FALSE(ReadFile("nonsense::" + path));
}

TEST(Stream, ExactReadsPastTheEndRaiseTheReadError) {
    TMemoryStream in(Text("\x01\x02", 2));
    EXPECT_THROW(in.ReadInt(), StreamReadError);
    TMemoryStream empty;
    EXPECT_THROW(empty.ReadString(1), StreamReadError);
    EXPECT_EQ(empty.ReadString(0), "");
}

TEST(Stream, MissingFileReadsAsNull) {
    EXPECT_FALSE(ReadFile("/nonexistent/folder/file.txt"));
    test::TempDir dir;
    EXPECT_FALSE(WriteFile(dir.Unwritable("file.txt")));
}

TEST(AtomicWrite, OldFileSurvivesUntilTheNewOneIsComplete) {
    test::TempDir dir;
    Text path = dir.File("settings.txt");
    ASSERT_EQ(SaveText(path, "old"), 1);
    auto out = WriteFile(path);
    ASSERT_TRUE(out);
    out->WriteString("new contents");
    Text bytes;
    ASSERT_TRUE(LoadText(path, bytes));
    EXPECT_EQ(bytes, "old"); // not replaced before Close
    EXPECT_EQ(out->Close(), 1);
    ASSERT_TRUE(LoadText(path, bytes));
    EXPECT_EQ(bytes, "new contents");
    EXPECT_EQ(ListDirectory(dir.Path()), TextArray{"settings.txt"}); // no temporary left
}

TEST(AtomicWrite, AWriteThatFailsMidwayKeepsTheOldFileAndReportsFailure) {
    test::TempDir dir;
    Text path = dir.File("profiles.txt");
    ASSERT_EQ(SaveText(path, "precious"), 1);
    try {
        auto out = WriteFile(path);
        ASSERT_TRUE(out);
        out->WriteString("partial");
        throw StreamWriteError();
    } catch (const StreamWriteError&) {
    }
    Text bytes;
    ASSERT_TRUE(LoadText(path, bytes));
    EXPECT_EQ(bytes, "precious");
    EXPECT_EQ(ListDirectory(dir.Path()).size(), 1u);
}

TEST(AtomicWrite, TemporariesOfAKilledWriteAreClearedButNothingElse) {
    test::TempDir dir;
    Text path = dir.File("profiles.txt");
    ASSERT_EQ(SaveText(path, "saved"), 1);
    // What a write leaves when the process dies before its rename, and names
    // that only look alike.
    for (const char* name : {".profiles.txt.a1B2c3", ".profiles.txt.zzzzzz", ".profiles.txt.bak.x1y2z3",
                             ".profiles.txt.toolongname", "profiles.txt.a1B2c3"})
        ASSERT_EQ(SaveText(dir.File(name), "junk"), 1);
    RemoveStaleTemporaries(path);
    EXPECT_EQ(ListDirectory(dir.Path()), (TextArray{".profiles.txt.bak.x1y2z3", ".profiles.txt.toolongname",
                                                     "profiles.txt", "profiles.txt.a1B2c3"}));
}

TEST(AtomicWrite, FullDiskReportsFailure) {
    if (PathKind("/dev/full") != 1) GTEST_SKIP() << "no /dev/full";
    // A stream on /dev/full fails every write the way a full disk does.
    FILE* full = std::fopen("/dev/full", "wb");
    ASSERT_TRUE(full);
    TCStream stream(full, "/nonexistent-temp", "/nonexistent-final");
    Text big(1 << 16, 'x');
    stream.Write(big.data(), static_cast<int64_t>(big.size()));
    EXPECT_EQ(stream.Close(), 0);
}

} // namespace
} // namespace wispwood
