#include "game/app/replay_run.h"
#include "engine/io/print_line.h"
#include "game/adventure/level_replay.h"
#include "game/adventure/quest_spot.h"
#include "game/app/loader_queue.h"
#include <cstdio>

namespace wispwood {

int PlayReplayHeadless(const Text& path) {
    LevelRecording recording;
    Text error;
    if (!LoadRecording(path, recording, error)) {
        std::fprintf(stderr, "replay: %s: %s\n", path.c_str(), error.c_str());
        return 2;
    }
    RunEveryLoadStep();
    if (!LocationExists(recording.Location)) {
        std::fprintf(stderr, "replay: %s: the game has no location %d\n", path.c_str(), recording.Location);
        return 2;
    }
    const ReplayResult result = PlayRecordingAtOnce(recording);
    PrintLine(ReplaySummary(path, result, recording));
    return EndsAsRecorded(result, recording) ? 0 : 1;
}

} // namespace wispwood
