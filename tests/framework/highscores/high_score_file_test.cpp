#include "engine/io/file_stream.h"
#include "engine/io/random.h"
#include "framework/highscores/high_score_table.h"
#include "tests/support/paths.h"
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace wispwood {
namespace {

using test::FixturePath;

Text Fixture(const Text& name) {
    return FixturePath("highscores/" + name);
}

// A plain write: the atomic one syncs to disk, too slow for hundreds.
void Write(const Text& path, const Text& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

Text Bytes(const Text& path) {
    Text bytes;
    EXPECT_TRUE(LoadText(path, bytes)) << path;
    return bytes;
}

TEST(HighScoreFile, AStoredTableReadsBackAndIsWrittenByteForByte) {
    auto table = THighScoreTable::Load(Fixture("ten_entries.dat"));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->SlotNumber(), 10);
    EXPECT_EQ(table->NameAtSlot(0), "Rowan");
    EXPECT_EQ(table->ScoreAtSlot(0), 50000);
    EXPECT_EQ(table->ExtraDataAtSlot(0), "3,1,2");
    EXPECT_EQ(table->NameAtSlot(9), "Nell");
    EXPECT_EQ(table->ScoreAtSlot(8), 7500);
    EXPECT_EQ(table->OriginPath, Fixture("ten_entries.dat"));

    test::TempDir dir;
    ASSERT_EQ(table->Save(dir.File("copy.dat")), 1);
    EXPECT_EQ(Bytes(dir.File("copy.dat")), Bytes(Fixture("ten_entries.dat")));
}

TEST(HighScoreFile, EmptySlotsAndEveryByteValueSurviveASaveAndLoad) {
    test::TempDir dir;
    auto table = THighScoreTable::Create(10, dir.File("highscores.dat"));
    Text allBytes;
    for (int c = 0; c < 256; ++c) allBytes.push_back(static_cast<char>(c));
    table->AddScore(allBytes, 42, "extra\r\nlines");
    table->AddScore("Rowan", 7, "");
    table->Elements[9].Score = -42;
    ASSERT_EQ(table->Save(), 1); // to its origin
    auto again = THighScoreTable::Load(dir.File("highscores.dat"));
    ASSERT_TRUE(again);
    ASSERT_EQ(again->SlotNumber(), 10);
    EXPECT_EQ(again->NameAtSlot(0), allBytes);
    EXPECT_EQ(again->ExtraDataAtSlot(0), "extra\r\nlines");
    EXPECT_EQ(again->NameAtSlot(1), "Rowan");
    EXPECT_EQ(again->ScoreAtSlot(1), 7);
    EXPECT_EQ(again->NameAtSlot(2), "");
    EXPECT_EQ(again->ScoreAtSlot(9), -42);
    // Four bytes of count, then 12 per entry plus the text bytes.
    EXPECT_EQ(Bytes(dir.File("highscores.dat")).size(), 4u + 10 * 12 + 5 + 256 + 12);
}

TEST(HighScoreFile, DamagedFilesAreNoTableAndStartAFreshOne) {
    for (const char* name :
         {"empty.dat", "short_count.dat", "count_zero.dat", "count_minus_one.dat", "count_max.dat",
          "count_beyond_entries.dat", "truncated_in_name.dat", "truncated_in_score.dat",
          "name_longer_than_file.dat", "name_length_negative.dat", "extra_length_huge.dat"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(THighScoreTable::Load(Fixture(name)));
        auto fresh = THighScoreTable::LoadOrCreate(10, Fixture(name));
        ASSERT_TRUE(fresh);
        EXPECT_EQ(fresh->SlotNumber(), 10);
        EXPECT_EQ(fresh->OriginPath, Fixture(name));
        for (int i = 0; i < 10; ++i) EXPECT_EQ(fresh->NameAtSlot(i), "");
    }
    EXPECT_FALSE(THighScoreTable::Load(Fixture("no_such_file.dat")));
    EXPECT_EQ(THighScoreTable::LoadOrCreate(10, Fixture("no_such_file.dat"))->SlotNumber(), 10);
}

TEST(HighScoreFile, AShortTableIsPaddedWithEmptyEntries) {
    auto table = THighScoreTable::LoadOrCreate(10, Fixture("three_entries.dat"));
    ASSERT_EQ(table->SlotNumber(), 10);
    EXPECT_EQ(table->NameAtSlot(0), "Rowan");
    EXPECT_EQ(table->ExtraDataAtSlot(0), "1,0,0");
    EXPECT_EQ(table->ScoreAtSlot(2), -5);
    for (int i = 3; i < 10; ++i) {
        EXPECT_EQ(table->NameAtSlot(i), "");
        EXPECT_EQ(table->ScoreAtSlot(i), 0);
    }
    // A longer stored table keeps every entry.
    EXPECT_EQ(THighScoreTable::LoadOrCreate(2, Fixture("ten_entries.dat"))->SlotNumber(), 10);
}

TEST(HighScoreFile, EveryCutAndRandomDamageOfAGoodFileLoadsSafely) {
    Text good = Bytes(Fixture("ten_entries.dat"));
    test::TempDir dir;
    Text path = dir.File("damaged.dat");
    for (size_t cut = 0; cut < good.size(); ++cut) {
        Write(path, good.substr(0, cut));
        EXPECT_FALSE(THighScoreTable::Load(path)) << "cut at " << cut;
    }
    SeedRandom(1234);
    for (int round = 0; round < 500; ++round) {
        Text bytes = good;
        int changes = RandomInt(1, 6);
        for (int i = 0; i < changes; ++i)
            bytes[static_cast<size_t>(RandomInt(0, static_cast<int>(bytes.size()) - 1))] =
                static_cast<char>(RandomInt(0, 255));
        Write(path, bytes);
        auto table = THighScoreTable::Load(path);
        if (!table) continue;
        // Whatever was read came from the file's own bytes.
        size_t stored = 4;
        for (const auto& e : table->Elements) stored += 12 + e.Name.size() + e.ExtraData.size();
        EXPECT_LE(stored, bytes.size());
        EXPECT_GT(table->SlotNumber(), 0);
    }
    ResetRandom();
}

TEST(HighScoreFile, AFailedSaveLeavesTheOldFileAndSaysSo) {
    test::TempDir dir;
    Text path = dir.File("highscores.dat");
    auto table = THighScoreTable::Load(Fixture("ten_entries.dat"));
    ASSERT_EQ(table->Save(path), 1);
    Text before = Bytes(path);
    ::chmod(dir.Path().c_str(), 0500); // no new files in the folder
    table->AddScore("Lost", 99999, "");
    bool writable = SaveText(dir.File("probe"), "x") == 1; // root may write anyway
    if (!writable) {
        EXPECT_EQ(table->Save(path), 0);
        EXPECT_EQ(Bytes(path), before);
    }
    ::chmod(dir.Path().c_str(), 0700);
    // A folder that went away is made again rather than the scores lost.
    EXPECT_EQ(table->Save(dir.File("gone/again/highscores.dat")), 1);
    EXPECT_TRUE(THighScoreTable::Load(dir.File("gone/again/highscores.dat")));
    EXPECT_EQ(THighScoreTable::Create(10, "")->Save(""), 0);
}

// A damaged table is kept aside and said, its backup stands in, and each
// save keeps the whole table it replaces as the next backup.
TEST(HighScoreFile, ADamagedTableIsKeptAsideAndItsBackupLoads) {
    test::TempDir dir;
    const Text path = dir.File("highscores.dat");
    const Text good = Bytes(Fixture("ten_entries.dat"));
    Write(path, good);
    auto table = THighScoreTable::LoadKept(path);
    ASSERT_TRUE(table);
    table->AddScore("Ivy", 60000, "");
    ASSERT_EQ(table->Save(), 1);
    EXPECT_EQ(Bytes(path + ".bak"), good); // the table it replaced
    const Text saved = Bytes(path);

    for (const Text& damage :
         {Bytes(Fixture("truncated_in_name.dat")), Bytes(Fixture("count_beyond_entries.dat")),
          saved.substr(0, saved.size() / 2)}) {
        SCOPED_TRACE(damage.size());
        Write(path, damage);
        std::remove((path + ".damaged").c_str());
        testing::internal::CaptureStderr();
        auto kept = THighScoreTable::LoadKept(path);
        const Text said = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->NameAtSlot(0), "Rowan"); // the backup's table
        EXPECT_EQ(kept->OriginPath, path);
        EXPECT_EQ(Bytes(path + ".damaged"), damage);
        EXPECT_NE(said.find("highscores.dat.damaged"), Text::npos) << said;
        EXPECT_NE(said.find("highscores.dat.bak"), Text::npos) << said;
    }
    // Damaged with no backup: nothing to stand in, and the damaged file is
    // still kept, never written over by the defaults.
    std::remove((path + ".bak").c_str());
    Write(path, Text("\x05\x00", 2));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(THighScoreTable::LoadKept(path));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no good backup"), Text::npos);
    EXPECT_EQ(Bytes(path + ".damaged2"), Text("\x05\x00", 2));
    // No file at all is a first start, and nothing is said.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(THighScoreTable::LoadKept(dir.File("none.dat")));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(HighScoreFile, TheGameTableIsSavedToItsOriginOnlyOnceLoaded) {
    ResetHighScores();
    EXPECT_EQ(SaveHighScores(), 1);
    test::TempDir dir;
    HighScores = THighScoreTable::LoadOrCreate(10, dir.File("highscores.dat"));
    HighScores->AddScore("Rowan", 100, "");
    EXPECT_EQ(SaveHighScores(), 1);
    auto saved = THighScoreTable::Load(dir.File("highscores.dat"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->NameAtSlot(0), "Rowan");
    ResetHighScores();
}

} // namespace
} // namespace wispwood
