#include "game/adventure/level_recorder.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/scene/input_playback.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/spot_levels.h"
#include "game/board/game_score.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/start_flags.h"
#include "game/services/user_data.h"
#include <algorithm>
#include <string_view>

namespace wispwood {

namespace {

struct Recorder {
    Text folder;
    int keep = 0;
    bool recording = false;
    LevelRecording level;
    Text lastPath;
};

Recorder gRecorder;

// Recordings are named by a number that grows, then the location:
// "000042-location17.txt".
constexpr size_t kNumberDigits = 6;

int RecordingNumber(const Text& name) {
    std::string_view view(name);
    int number = 0;
    if (view.size() <= kNumberDigits || view[kNumberDigits] != '-') return -1;
    if (!TakeWholeNumber(view, number) || view.front() != '-' || !name.ends_with(".txt")) return -1;
    return number;
}

std::vector<std::pair<int, Text>> NumberedRecordings(const Text& folder) {
    std::vector<std::pair<int, Text>> found;
    for (const Text& name : ListDirectory(folder))
        if (int n = RecordingNumber(name); n >= 0) found.emplace_back(n, name);
    std::sort(found.begin(), found.end());
    return found;
}

Text NextRecordingName(const std::vector<std::pair<int, Text>>& existing, int location) {
    const int next = existing.empty() ? 1 : existing.back().first + 1;
    Text number = IntToText(next);
    if (number.size() < kNumberDigits) number.insert(0, kNumberDigits - number.size(), '0');
    return number + "-location" + IntToText(location) + ".txt";
}

void WriteRecording() {
    const Text& folder = gRecorder.folder;
    std::vector<std::pair<int, Text>> existing = NumberedRecordings(folder);
    const Text path = folder + NextRecordingName(existing, gRecorder.level.Location);
    if (!SaveText(path, RecordingText(gRecorder.level))) return;
    gRecorder.lastPath = path;
    // The newest keep, counting the one just written.
    const int excess = static_cast<int>(existing.size()) + 1 - gRecorder.keep;
    for (int i = 0; i < excess && i < static_cast<int>(existing.size()); ++i)
        DeleteFile(folder + existing[i].second);
}

} // namespace

void RecordLevelsIn(const Text& folder, int keep) {
    gRecorder.folder = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    gRecorder.keep = std::max(1, keep);
}

Text ReplaysFolder() {
    return UserDataPath() + "replays/";
}

void StartLevelRecording() {
    gRecorder.recording = false;
    if (gRecorder.folder.empty() || TestMode || ImagesMode || InputPlaybackActive() || MouseOverridden)
        return;
    Ref<PlayerProfile> profile = CurrentProfile;
    LevelRecording& r = gRecorder.level;
    r = LevelRecording{};
    r.Location = CurrentSpotIndex;
    r.MasterQuest = profile && profile->InMasterQuest;
    r.Seed = RandomSeed();
    r.Lives = profile ? profile->Lives : 0;
    r.Score = GameScore;
    r.Hints = GetHints();
    r.Relaxed = profile && profile->Relaxed;
    r.Cursor = CarriedNavigation();
    gRecorder.recording = true;
}

void RecordLevelInput(int update) {
    if (!gRecorder.recording) return;
    // The push of the game scene starts its slide after the game has
    // started, so the first update tells how the scene came in.
    if (update == 0) gRecorder.level.EnteredWithSlide = TransitionInProgress() != 0;
    gRecorder.level.Input.Add(update, TakenInput);
}

void FinishLevelRecording(LevelOutcome outcome, int updates) {
    if (!gRecorder.recording) return;
    gRecorder.recording = false;
    gRecorder.level.Outcome = outcome;
    gRecorder.level.FinalScore = GameScore;
    gRecorder.level.Updates = updates;
    gRecorder.level.Generator = RandomSeed();
    WriteRecording();
}

bool RecordingLevel() {
    return gRecorder.recording;
}

const Text& LastLevelRecordingPath() {
    return gRecorder.lastPath;
}

void ResetLevelRecorder() {
    gRecorder = Recorder{};
    // Emptied, a path would still hold on to the room it had.
    gRecorder.folder.shrink_to_fit();
    gRecorder.lastPath.shrink_to_fit();
}

} // namespace wispwood
