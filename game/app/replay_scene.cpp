#include "game/app/replay_scene.h"
#include "engine/core/end_program.h"
#include "engine/draw/graphics.h"
#include "engine/io/print_line.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/level_replay.h"
#include "game/app/loading_scene.h"
#include "game/services/game_fonts.h"
#include "game/services/sound_tables.h"
#include "game/services/text_table.h"

namespace wispwood {

namespace {

// The result shows this long before a key may close the program, so that
// the last click of the game does not close it unseen.
constexpr int kResultSettles = 50;

Text OutcomeText(LevelOutcome outcome) {
    return GetText("replay", LevelOutcomeName(outcome));
}

Text ResultLine(LevelOutcome outcome, int score) {
    return OutcomeText(outcome) + " - " + GetText("replay", "score") + " " + IntToText(score);
}

} // namespace

ReplayScene::ReplayScene(const Text& path) : Path(path) {
    FadeOnTop = 1;
    Scene = MenuMusicScene;
}

int ReplayScene::Init() {
    Text error;
    if (!LoadRecording(Path, Recording, error)) Problem = error;
    return 0;
}

int ReplayScene::Update() {
    if (!Problem.empty() || Ended) {
        EndTicks += 1;
        if (EndTicks > kResultSettles && GameAnyKeyOrClick()) EndProgram();
        return 0;
    }
    if (!Started) {
        // The game scene comes in as it did when the game was played, once
        // this screen's own transition is over.
        if (TransitionInProgress()) return 0;
        Started = BeginLevelReplay(Recording);
        if (!Started) Problem = GetText("replay", "nolocation") + " " + IntToText(Recording.Location);
        return 0;
    }
    if (LevelReplayRunning()) return 0;
    Ended = true;
    const ReplayResult& result = LastReplayResult();
    PrintLine(ReplaySummary(Path, result, Recording));
    return 0;
}

int ReplayScene::Render() {
    const float w = static_cast<float>(GraphicsWidth()), cx = w / 2;
    SetBlend(SOLIDBLEND);
    SetColor(0, 0, 0);
    DrawRect(0, 0, GraphicsWidth(), GraphicsHeight());
    SetBlend(ALPHABLEND);
    SetColor(55, 55, 60);
    DrawGameImage(Loading::Background, 0, 0);
    SetColor(255, 255, 255);
    {
        CurrentFontScope big(BigFont);
        PrintText(GetText("replay", "heading"), cx, 150, AlignMiddle, 1);
    }
    CurrentFontScope main(MainFont);
    if (!Problem.empty()) {
        PrintText(GetText("replay", "cannotplay"), cx, 260, AlignMiddle, 0.8f);
        PrintText(Problem, cx, 300, AlignMiddle, 0.6f);
    } else {
        // The normal quest goes without saying; only the master quest is named.
        Text where = GetText("replay", "location") + " " + IntToText(Recording.Location);
        if (Recording.MasterQuest) where += " - " + GetText("replay", "masterquest");
        PrintText(where, cx, 230, AlignMiddle, 0.8f);
    }
    if (Ended) {
        const ReplayResult& result = LastReplayResult();
        const bool same = EndsAsRecorded(result, Recording);
        PrintText(result.Stopped ? GetText("replay", "stopped") : ResultLine(result.Outcome, result.Score),
                  cx, 300, AlignMiddle, 0.9f);
        if (!result.Stopped)
            PrintText(GetText("replay", same ? "asrecorded" : "differs"), cx, 345, AlignMiddle, 0.7f);
        if (!same)
            PrintText(GetText("replay", "recorded") + " " +
                          ResultLine(Recording.Outcome, Recording.FinalScore),
                      cx, 380, AlignMiddle, 0.6f);
    }
    if ((Ended || !Problem.empty()) && EndTicks > kResultSettles) {
        SetAlpha(LerpSquareClamped(0, 1, static_cast<float>(EndTicks - kResultSettles) / 30.0f));
        PrintText(GetText("replay", "close"), cx, 470, AlignMiddle, 0.6f);
        SetAlpha(1);
    }
    return 0;
}

Ref<GameLoop> MakeReplayScene(const Text& path) {
    return New<ReplayScene>(path);
}

} // namespace wispwood
