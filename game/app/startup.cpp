#include "game/app/startup.h"
#include "engine/audio/audio.h"
#include "engine/core/end_program.h"
#include "engine/core/headless.h"
#include "engine/draw/message_box.h"
#include "engine/input/clock.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "engine/io/write_folder.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/pointer.h"
#include "framework/highscores/high_score_table.h"
#include "framework/layout/layout_resource.h"
#include "framework/navigation/nav_cursor.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/screen_fade.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound_housekeeping.h"
#include "game/adventure/background.h"
#include "game/adventure/end_game_screen.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/level_in_progress.h"
#include "game/adventure/level_recorder.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_progress.h"
#include "game/adventure/score_tables.h"
#include "game/app/comic_menu.h"
#include "game/app/demo.h"
#include "game/app/jungle_dust.h"
#include "game/app/loader_queue.h"
#include "game/app/loading_scene.h"
#include "game/app/logo_screens.h"
#include "game/app/main_scene.h"
#include "game/board/beam_rubble_images.h"
#include "game/board/combo_tile_images.h"
#include "game/board/crumble.h"
#include "game/board/defined_levels.h"
#include "game/board/effect_images.h"
#include "game/board/fairy_glow_images.h"
#include "game/board/game_stats.h"
#include "game/board/gem_images.h"
#include "game/board/piece_images.h"
#include "game/board/quota_images.h"
#include "game/board/tutorial_images.h"
#include "game/level/bonus_images.h"
#include "game/level/game_overlays.h"
#include "game/level/level_clock.h"
#include "game/level/tally.h"
#include "game/services/comfort_keys.h"
#include "game/services/display.h"
#include "game/services/game_fonts.h"
#include "game/services/memory_check.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/rank.h"
#include "game/services/save_report.h"
#include "game/services/settings.h"
#include "game/services/sound_tables.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"
#include "game/services/user_data.h"
#include "game/services/volumes.h"

namespace wispwood {

namespace {

bool gStarted = false;

// Enough for the last sessions of play, each a few kilobytes.
constexpr int kKeptRecordings = 20;

// One step of a fixed sequence: a short name, so that the list reads as
// what it does, and the call. A step without a call does nothing but still
// takes its place.
struct NamedStep {
    const char* Name;
    Loader Run;
};

// The loading screen runs one step per frame and grows its bar by one
// step's share each time, so this list is also the bar's pace.
const NamedStep kLoaderSteps[] = {
    {"transition images", LoadTransitionImages},
    {"main menu", [] { MainScene::Load(); }}, // with the sparkles every screen shares
    {"game scene", [] { MainGame::Load(); }},
    {"fonts", LoadFonts},
    {"board pictures",
     [] {
         LoadPieceImages();
         LoadTutorialArrowImage();
         LoadBeamRubbleImages();
         LoadFairyGlowImages();
         LoadBoardEffectImages();
         LoadCrumbleShards();
         LoadComboTileImages();
         LoadClockImages();
         LoadGameOverlays();
         LoadTallyImages();
     }},
    {"quota bottle", LoadQuotaImages},
    {"options dialog", LoadOptionsImages},
    {"bonus game", LoadBonusImages},
    {"quest map", [] { QuestMap::Load(); }}, // the locations and the map's pictures
    // The empty steps load nothing but still take a frame and a share of
    // the bar, so the bar keeps its pace.
    {"empty", nullptr},
    {"high scores", [] { HighScoreMenu::Load(); }},
    {"side panel icons", LoadPanelImages},
    {"sound effects A", LoadEffectsA},
    {"sound effects B", LoadEffectsB},
    {"effects and jingles", LoadEffectsAndJingles},
    {"game track 0", LoadGameTrack0},
    {"game track 1", LoadGameTrack1},
    {"game track 2", LoadGameTrack2},
    {"game track 3", LoadGameTrack3},
    {"game music", CreateGameMusicScene}, // after the four tracks it plays
    {"empty", nullptr},
    {"empty", nullptr},
    {"end screen", [] { EndGameScreen::Load(); }}, // with the credits
    {"predefined levels", [] { LoadPredefinedLevels(); }},
    {"comics", [] { ComicMenu::Load(); }},
    {"help frame", LoadHelpPanelImage},
    {"confetti", LoadConfettiImages},
    {"gem panel", LoadGemImages},
    {"ranks", LoadRanks},
};

// Start-up before the display opens, in order.
const NamedStep kServiceSteps[] = {
    // Pictures loaded with default flags are filtered.
    {"image filtering", [] { SetDefaultImageFlags(2); }},
    {"settings file", CreateSettings},     // not read yet: "read settings" below
    {"level statistics", CreateGameStats}, // the ones the tally lists, in tally order
    // Any working output will do; without one the game runs silent.
    {"audio output", [] { SetAudioDriver("DirectSound"); }},
    // Before the display: a low-memory machine gets a 16-bit full screen and
    // less detail.
    {"memory check",
     [] {
         if (!HasEnoughMemory(384)) {
             ForceLowDepth = 1;
             LowDetail = 1;
         }
     }},
    // The close button (and SIGINT/SIGTERM) save and quit in order.
    {"orderly quit",
     [] {
         FrameUpcalls.Exit = []() -> int {
             CloseAllowed = 0;
             ShutDown();
         };
     }},
    {"random seed and title",
     [] {
         SeedRandom(Milliseconds());
         SetAppTitle("Wispwood");
     }},
    // A missing layout file leaves every gadget where its screen puts it.
    {"layout, backgrounds and texts",
     [] {
         MainLayout = LayoutResource::Create("media\\res.dat");
         LoadBackgrounds();
         LoadTextTable();
         LoadDistributionTable();
     }},
    // Saved games in progress live here (under the per-user folder when the
    // installation folder takes no files, so with its parents).
    {"saves folder",
     [] {
         if (PathKind(WritablePath("media\\saves\\")) == 0) CreateDir(WritablePath("media\\saves\\"), 1);
     }},
    // The games played are recorded there, the newest few kept.
    {"level recordings", [] { RecordLevelsIn(ReplaysFolder(), kKeptRecordings); }},
    // Missing keys take their defaults; present ones keep their values.
    {"read settings", ReadSettings},
    {"volumes", ApplySettingsVolumes}, // from the settings just read
    {"tunables and profiles",
     [] {
         ResetTunables();
         LoadProfiles();
     }},
    {"loader steps", RegisterGameLoaders},
    {"sound manager and menu music",
     [] {
         SoundWrapper::Init();
         InstallSoundHousekeeping();
         CreateMenuMusic();
     }},
};

// Start-up once the display is open, in order.
const NamedStep kFirstScreenSteps[] = {
    // The first screens' pictures must exist before the queue runs.
    {"first screens",
     [] {
         LogoScreen::Load();
         Logo2Screen::Load();
         ChannelScreen::Load();
         Loading::Load();
     }},
    // The fonts, then the widgets' shared pictures and sounds; the scene loop
    // draws the game's own pointer from now on, and the keyboard and pad
    // cursor stands in for it on demand.
    {"fonts, widgets and pointer",
     [] {
         LoadFonts();
         LoadGuiResources();
         LoadNavigationImages();
         InstallGamePointer();
         InstallComfortKeys();
         InstallNavigation();
     }},
};

template <std::size_t N>
void RunSteps(const NamedStep (&steps)[N]) {
    for (const NamedStep& step : steps)
        if (step.Run) step.Run();
}

} // namespace

void RegisterGameLoaders() {
    for (const NamedStep& step : kLoaderSteps) RegisterLoader(step.Run);
}

int StartUp(const TextArray& words) {
    if (gStarted) return 1;
    gStarted = true;

    // The per-user folder, created with its parents.
    EnsureUserDataFolder();
    // Only the first word after the program name counts.
    if (!words.empty()) ApplyCommandWord(words[0]);
    ApplyReplayWords(words);
    if (ReplayHeadless) UseHeadlessPlatform();
    if (TestMode) FastUpdates = 1;
    RunSteps(kServiceSteps);
    // The display's size, window and depth come from the settings and the
    // memory check above.
    if (!OpenDisplay()) return 0;
    RunSteps(kFirstScreenSteps);
    return 1;
}

void RunGame() {
    RunGameLoop(New<LogoScreen>());
    EndProgram(); // not reached: the loop runs until the program ends
}

namespace {

// The exported tunables, one "name = value" line each (none are exported,
// so the file is written empty).
void WriteExportedTunables() {
    if (auto out = WriteFile(WritablePath("out.txt"))) {
        for (const auto& branch : ConsoleTunables.GetBranches())
            out->WriteLine(branch.Name + " = " + (branch.Value ? *branch.Value : Text()));
        out->Close();
    }
}

// The level being played, so that the next start offers it back; a level
// won just before the window closed (during the tally or a comic) has not
// reached the quest map, which would add it.
void SavePlayersProgress() {
    // A demo under way gives the player's own state back first.
    StopDemo();
    SaveLevelInProgress();
    BankUnconsumedLevelResult();
    SaveProfiles();
}

// No screen follows the shutdown, so what could not be saved is said in a
// message box the player answers before the window goes.
void SayWhatWasNotSaved() {
    if (SaveFailures().empty()) return;
    Text text = GetText("save", "failedatexit");
    if (text.empty()) text = "Some of your progress could not be saved:";
    for (const Text& failure : SaveFailures()) text += "\n" + failure;
    Notify(text, 1);
}

} // namespace

void ShutDown() {
    // A replay keeps every file of the player as it found them.
    if (ReplayMode) EndProgram();
    WriteExportedTunables();
    if (CurrentGame) FinishLevelRecording(LevelOutcome::Playing, CurrentGame->UpdatesRun);
    SavePlayersProgress();
    SaveSettings();
    // Only a table that was loaded is written back.
    if (!SaveHighScores()) ReportSaveFailure(HighScores->OriginPath);
    if (!SaveRelaxedHighScores()) ReportSaveFailure(RelaxedHighScores->OriginPath);
    SayWhatWasNotSaved();
    EndProgram();
}

void ResetStartUp() {
    gStarted = false;
}

} // namespace wispwood
