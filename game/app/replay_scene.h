#pragma once
// The replay word's screen: it plays the recorded game in the game scene
// at the game's own pace, then says how the game ended, beside how the
// recording says it ended, until a key or a click closes the program.
// Escape during the game stops the replay.
#include "engine/core/text.h"
#include "framework/scene/game_loop.h"
#include "game/adventure/level_recording.h"

namespace wispwood {

class ReplayScene : public GameLoop {
  public:
    explicit ReplayScene(const Text& path);
    int Update() override;
    int Render() override;
    int Init() override;

  private:
    Text Path;
    LevelRecording Recording;
    // Why the recording cannot be played, or empty.
    Text Problem;
    bool Started = false;
    bool Ended = false;
    int EndTicks = 0;
};

Ref<GameLoop> MakeReplayScene(const Text& path);

} // namespace wispwood
