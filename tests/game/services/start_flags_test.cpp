#include "game/app/world_reset.h"
#include "game/services/memory_check.h"
#include "game/services/start_flags.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class StartFlags : public ::testing::Test {
  protected:
    void SetUp() override { ResetWorld(); }
    void TearDown() override {
        ResetWorld();
        SetPhysicalMemoryQuery(nullptr);
    }
};

TEST_F(StartFlags, RunWordsTakeTheirDigitsInOrder) {
    ApplyCommandWord("Run7");
    EXPECT_EQ(RunMode, 1);
    EXPECT_EQ(RunLocation, 7);
    ApplyCommandWord("12run");
    EXPECT_EQ(RunLocation, 12);
    ApplyCommandWord("r1u2n3run");
    EXPECT_EQ(RunLocation, 123);
    ApplyCommandWord("run");
    EXPECT_EQ(RunLocation, 0);
    ApplyCommandWord("run99999999999999999999");
    EXPECT_EQ(RunLocation, 2147483647); // saturates, never wraps negative
    EXPECT_EQ(TestMode, 0);
}

TEST_F(StartFlags, ReplayWordsNameTheRecordingAndMayAskForNoWindow) {
    EXPECT_TRUE(ApplyReplayWords({"run5"}));
    EXPECT_FALSE(ReplayMode);
    EXPECT_TRUE(ApplyReplayWords({"replay", "/tmp/a game.txt"}));
    EXPECT_TRUE(ReplayMode);
    EXPECT_FALSE(ReplayHeadless);
    EXPECT_EQ(ReplayPath, "/tmp/a game.txt");
    ResetStartFlags();
    EXPECT_TRUE(ApplyReplayWords({"replay", "g.txt", "--headless"}));
    EXPECT_TRUE(ReplayHeadless);
    ResetStartFlags();
    for (const TextArray& words :
         {TextArray{"replay"}, TextArray{"replay", ""}, TextArray{"replay", "g.txt", "-x"},
          TextArray{"replay", "g.txt", "--headless", "more"}}) {
        EXPECT_FALSE(ApplyReplayWords(words)) << words.size();
        EXPECT_FALSE(ReplayMode);
    }
}

TEST_F(StartFlags, RunBeatsTestAndTestBeatsImages) {
    ApplyCommandWord("testrun");
    EXPECT_EQ(RunMode, 1);
    EXPECT_EQ(TestMode, 0);
    ResetStartFlags();
    ApplyCommandWord("TEST-images");
    EXPECT_EQ(TestMode, 1);
    EXPECT_EQ(ImagesMode, 0);
    ResetStartFlags();
    ApplyCommandWord("images");
    EXPECT_EQ(ImagesMode, 1);
    ResetStartFlags();
    ApplyCommandWord("--fullscreen");
    EXPECT_EQ(RunMode + TestMode + ImagesMode + ComicsMode, 0);
    ApplyCommandWord("imagescomics");
    EXPECT_EQ(ComicsMode, 0);
    ResetStartFlags();
    ApplyCommandWord("Comics");
    EXPECT_EQ(ComicsMode, 1);
}

TEST_F(StartFlags, MemoryThresholdIsStrict) {
    SetPhysicalMemoryQuery([]() -> uint64_t { return 256ull << 20; });
    EXPECT_EQ(HasEnoughMemory(384), 0);
    SetPhysicalMemoryQuery([]() -> uint64_t { return 384ull << 20; });
    EXPECT_EQ(HasEnoughMemory(384), 0);
    SetPhysicalMemoryQuery([]() -> uint64_t { return 385ull << 20; });
    EXPECT_EQ(HasEnoughMemory(384), 1);
    SetPhysicalMemoryQuery([]() -> uint64_t { return 0; }); // query unavailable
    EXPECT_EQ(HasEnoughMemory(384), 0);
    SetPhysicalMemoryQuery(nullptr);
    EXPECT_EQ(HasEnoughMemory(384), 1); // this machine
}

} // namespace
} // namespace wispwood
