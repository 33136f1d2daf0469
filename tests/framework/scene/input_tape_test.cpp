// The input of a run of updates kept as the few lines a recording needs,
// read back to the same input, and given to the snapshots in place of the
// platform's.
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_playback.h"
#include "framework/scene/input_tape.h"
#include "tests/support/input_events.h"
#include "tests/support/scene_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

SnapshotInput PointerAt(int x, int y) {
    SnapshotInput in;
    in.MouseX = x;
    in.MouseY = y;
    return in;
}

// Fifty updates of a player: the pointer glides, rests, a button is held
// and let go, a key pressed twice with Ctrl, a letter typed, the window
// left and found again.
std::vector<SnapshotInput> APlayer() {
    std::vector<SnapshotInput> updates;
    for (int u = 0; u < 50; ++u) {
        SnapshotInput in = PointerAt(std::min(100 + 10 * u, 300), 250);
        if (u >= 25 && u < 30) in.ButtonsDown = 1 << 1;
        if (u == 25) in.ButtonHits[1] = 1;
        if (u == 31) in.ButtonHits[2] = 2;
        if (u >= 33 && u < 36) in.KeysDown = {KeyControl, 'M'};
        if (u == 33) in.KeyPresses = {{KeyControl, 1, 0}, {'M', 2, ModifierControl}};
        if (u == 40) in.Typed = 'q';
        if (u >= 42 && u < 45) in.WindowInactive = 1;
        updates.push_back(in);
    }
    return updates;
}

TEST(InputTape, KeepsOnlyTheUpdatesThatBringSomethingNewAndReadsThemBackTheSame) {
    const std::vector<SnapshotInput> updates = APlayer();
    InputTape tape;
    for (int u = 0; u < static_cast<int>(updates.size()); ++u) tape.Add(u, updates[u]);
    // The glide (21 updates), the press and the release, the right
    // clicks, the keys down and up, the letter, the window away and back.
    EXPECT_EQ(tape.Entries().size(), 21u + 2 + 1 + 2 + 1 + 2);

    const TextArray lines = tape.Lines();
    EXPECT_EQ(lines.front(), "0 p100,250 b0 h- w0");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "25 b2 c1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "31 c2*2"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "33 h17,77 k17 k77*2+2"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "40 t113"), lines.end());

    InputTape read;
    for (const Text& line : lines) ASSERT_TRUE(read.AddLine(line)) << line;
    for (int u = 0; u < static_cast<int>(updates.size()); ++u) EXPECT_EQ(read.InputAt(u), updates[u]) << u;
    // Past the last entry the held input stays and nothing is pressed.
    EXPECT_EQ(read.InputAt(500), updates.back());
    // Read out of order as well.
    EXPECT_EQ(read.InputAt(25), updates[25]);
    EXPECT_EQ(read.InputAt(3), updates[3]);
}

TEST(InputTape, RefusesLinesThatAreNotInputAndKeepsWhatItHad) {
    InputTape tape;
    ASSERT_TRUE(tape.AddLine("5 p10,20 b0 h- w0"));
    for (const char* bad :
         {"", "x", "4 p1,1", "5 p1,1", "6 p1", "6 p1,1,", "6 b16", "6 c4", "6 c1*0", "6 k255", "6 k5 k3",
          "6 h3,2", "6 h", "6 t0", "6 w2", "6 q1", "6  p1,1", "6 p1,1 ", "-1 p0,0"}) {
        EXPECT_FALSE(tape.AddLine(bad)) << bad;
    }
    EXPECT_EQ(tape.Entries().size(), 1u);
    EXPECT_TRUE(tape.AddLine("6 k77+6"));
}

class InputPlayback : public test::SceneLoopTest {};

// While a recording plays, each update's snapshot is the recording's;
// the platform's input goes to the watcher and the game never sees it.
TEST_F(InputPlayback, TheSnapshotsTakeTheRecordingAndTheWatchersInputIsKeptApart) {
    BeginGameLoop(New<test::ProbeScene>());
    InputTape tape;
    tape.Add(0, PointerAt(10, 20));
    SnapshotInput click = PointerAt(30, 40);
    click.ButtonHits[1] = 1;
    tape.Add(2, click);
    PlayBackInput(tape);

    test::EmitInput(EventMouseMove, 0, 700, 500);
    test::EmitInput(EventKeyDown, KeyEscape);
    RunOneUpdate();
    EXPECT_EQ(GameMouseX(), 10);
    EXPECT_EQ(GameKeyPresses(KeyEscape), 0);
    EXPECT_EQ(WatcherInput().MouseX, 700);
    ASSERT_EQ(WatcherInput().KeyPresses.size(), 1u);
    EXPECT_EQ(WatcherInput().KeyPresses[0].Key, KeyEscape);

    RunOneUpdate();
    EXPECT_EQ(GameMouseClicks(1), 0);
    RunOneUpdate();
    EXPECT_EQ(GameMouseX(), 30);
    EXPECT_EQ(GameMouseClicks(1), 1);
    EXPECT_EQ(PlayedBackUpdates(), 3);

    StopInputPlayback();
    test::EmitInput(EventMouseMove, 0, 650, 450);
    RunOneUpdate();
    EXPECT_EQ(GameMouseX(), 650) << "the platform's input again";
}

} // namespace
} // namespace wispwood
