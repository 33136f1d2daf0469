#include "game/app/level_capture.h"
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_system.h"
#include "engine/io/print_line.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "engine/io/write_folder.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/spot_levels.h"
#include "game/app/startup.h"

namespace wispwood {

int CaptureLocation = 0;

namespace {

constexpr int kCapturedLocations = 100;
constexpr int kSettleUpdates = 201;

Text CapturePath(int location) {
    Text digits = IntToText(location);
    while (digits.size() < 3) digits = "0" + digits;
    return WritablePath("levelimages\\out" + digits + ".png");
}

} // namespace

LevelCaptureGame::LevelCaptureGame() : MainGame(MakeLevelCaptureGame) {}

Ref<GameLoop> MakeLevelCaptureGame() {
    auto game = New<LevelCaptureGame>();
    CurrentGame = game;
    return game;
}

int LevelCaptureGame::Render() {
    MainGame::Render();
    if (TransitionInProgress() || TopScene().get() != this) return 0;
    if (PathKind(WritablePath("levelimages")) == 0) CreateDir(WritablePath("levelimages"), 1);
    SavePixmapPNG(GrabPixmap(0, 0, ScreenWidth, ScreenHeight), CapturePath(CaptureLocation));
    CaptureLocation += 1;
    PrintLine("Doing " + IntToText(CaptureLocation));
    if (CaptureLocation >= kCapturedLocations || !LocationExists(CaptureLocation)) ShutDown();
    CurrentSpotIndex = CaptureLocation;
    LoadSpotLevels(CaptureLocation);
    Ref<GameLoop> next = MakeLevelCaptureGame();
    DeleteFromStack = 1;
    PushScene(next, 0, 1);
    // The board settles (rows revealed, frame in place) before its picture.
    for (int i = 0; i < kSettleUpdates; ++i) next->Update();
    return 0;
}

void ResetLevelCapture() {
    CaptureLocation = 0;
}

} // namespace wispwood
