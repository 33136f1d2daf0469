#include "game/app/startup.h"
#include "engine/audio/audio.h"
#include "engine/core/end_program.h"
#include "engine/draw/graphics.h"
#include "engine/draw/message_box.h"
#include "engine/input/clock.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "engine/io/write_folder.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_text_input.h"
#include "framework/gui/pointer.h"
#include "framework/highscores/high_score_table.h"
#include "framework/images/game_image.h"
#include "framework/layout/layout_resource.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/screen_fade.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound_housekeeping.h"
#include "game/adventure/comic_menu.h"
#include "game/adventure/background.h"
#include "game/adventure/bonus_game.h"
#include "game/adventure/bonus_images.h"
#include "game/adventure/game_stats.h"
#include "game/adventure/gem_images.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_progress.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/jungle_dust.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/rank.h"
#include "game/adventure/spot_levels.h"
#include "game/adventure/tally.h"
#include "game/app/comfort_keys.h"
#include "game/app/credits_file.h"
#include "game/app/display.h"
#include "game/app/end_game_screen.h"
#include "game/app/game_fonts.h"
#include "game/app/loader_queue.h"
#include "game/app/loading_scene.h"
#include "game/app/logo_screens.h"
#include "game/app/main_scene.h"
#include "game/app/memory_check.h"
#include "game/app/options_dialog.h"
#include "game/app/profiles.h"
#include "game/app/settings.h"
#include "game/app/sound_tables.h"
#include "game/app/start_flags.h"
#include "game/app/text_table.h"
#include "game/app/user_data.h"
#include "game/app/volumes.h"
#include "game/board/combo_tile_images.h"
#include "game/board/crumble.h"
#include "game/board/defined_levels.h"
#include "game/board/effect_images.h"
#include "game/board/game_overlays.h"
#include "game/board/level_capture.h"
#include "game/board/level_clock.h"
#include "game/board/level_in_progress.h"
#include "game/board/main_game.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_images.h"
#include "game/board/quota_images.h"
#include "game/board/fairy_glow_images.h"
#include "game/board/beam_rubble_images.h"
#include "game/board/tutorial_images.h"
#include "game/board/tutorials.h"

namespace wispwood {

namespace {
bool gStarted = false;
} // namespace

void RegisterGameLoaders() {
    // Steps of screens that are not built yet are empty: they still advance
    // the progress bar until their screen fills them.
    RegisterLoader(LoadTransitionImages);      // 1
    RegisterLoader([] { MainScene::Load(); }); // 2: with the sparkles every screen shares
    RegisterLoader([] { MainGame::Load(); });  // 3
    RegisterLoader(LoadFonts);                 // 4
    RegisterLoader([] {                        // 5
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
    });
    RegisterLoader(LoadQuotaImages);               // 6
    RegisterLoader(LoadOptionsImages);             // 7
    RegisterLoader(LoadBonusImages);               // 8
    RegisterLoader([] { QuestMap::Load(); });      // 9: the locations and the map's pictures
    RegisterLoader(nullptr);                       // 10
    RegisterLoader([] { HighScoreMenu::Load(); }); // 11
    RegisterLoader(LoadPanelImages);               // 12
    RegisterLoader(LoadEffectsA);                  // 13
    RegisterLoader(LoadEffectsB);                  // 14
    RegisterLoader(LoadEffectsAndJingles);         // 15
    RegisterLoader(LoadGameTrack0);                // 16
    RegisterLoader(LoadGameTrack1);                // 17
    RegisterLoader(LoadGameTrack2);                // 18
    RegisterLoader(LoadGameTrack3);                // 19
    RegisterLoader(CreateGameMusicScene);          // 20
    RegisterLoader(nullptr);                         // 21
    RegisterLoader(nullptr);                         // 22
    RegisterLoader([] { EndGameScreen::Load(); });   // 23: the credits
    RegisterLoader([] { LoadPredefinedLevels(); }); // 24
    RegisterLoader([] { ComicMenu::Load(); });      // 25
    RegisterLoader(LoadHelpPanelImage);             // 26
    RegisterLoader(LoadConfettiImages);             // 27
    RegisterLoader(LoadGemImages);                  // 28
    RegisterLoader(LoadRanks);                      // 29
}

int StartUp(const TextArray& words) {
    if (gStarted) return 1;
    gStarted = true;

    // 2. The per-user folder, created with its parents.
    EnsureUserDataFolder();
    // 3. Only the first word after the program name counts.
    if (!words.empty()) ApplyCommandWord(words[0]);
    if (TestMode) FastUpdates = 1;
    // 4. Pictures loaded with default flags are filtered.
    SetDefaultImageFlags(2);
    // 5.
    CreateSettings();
    // The level statistics the tally lists, in tally order.
    CreateGameStats();
    // 8. Any working output will do; without one the game runs silent.
    SetAudioDriver("DirectSound");
    // 9. Low-memory machines get a 16-bit full screen and less detail.
    if (!HasEnoughMemory(384)) {
        ForceLowDepth = 1;
        LowDetail = 1;
    }
    // 10. The close button (and SIGINT/SIGTERM) save and quit in order.
    FrameUpcalls.Exit = []() -> int {
        CloseAllowed = 0;
        ShutDown();
    };
    // 11.
    SeedRandom(Milliseconds());
    SetAppTitle("Wispwood");
    // 12. A missing layout file leaves every gadget where its screen puts it.
    MainLayout = LayoutResource::Create("media\\res.dat");
    LoadBackgrounds();
    LoadTextTable();
    LoadDistributionTable();
    // 13. Saved games in progress live here (under the per-user folder when
    // the installation folder takes no files, so with its parents).
    if (PathKind(WritablePath("media\\saves\\")) == 0) CreateDir(WritablePath("media\\saves\\"), 1);
    // 14. Missing keys take their defaults; present ones keep their values.
    ReadSettings();
    // 15.
    ApplySettingsVolumes();
    // 16.
    ResetTunables();
    LoadProfiles();
    // 17.
    RegisterGameLoaders();
    // 18.
    SoundWrapper::Init();
    InstallSoundHousekeeping();
    CreateMenuMusic();
    // 19.
    if (!OpenDisplay()) return 0;
    // 20. The first screens' pictures must exist before the queue runs.
    LogoScreen::Load();
    Logo2Screen::Load();
    ChannelScreen::Load();
    Loading::Load();
    // 21. The fonts, then the widgets' shared pictures and sounds; the scene
    // loop draws the game's own pointer from now on.
    LoadFonts();
    LoadGuiResources();
    InstallGamePointer();
    InstallComfortKeys();
    return 1;
}

void RunGame() {
    RunGameLoop(New<LogoScreen>());
    EndProgram(); // not reached: the loop runs until the program ends
}

void ShutDown() {
    // 1. The exported tunables, one "name = value" line each (none are
    // exported, so the file is written empty).
    if (auto out = WriteFile(WritablePath("out.txt"))) {
        for (const auto& branch : ConsoleTunables.GetBranches())
            out->WriteLine(branch.Name + " = " + (branch.Value ? *branch.Value : Text()));
        out->Close();
    }
    // 2. The level being played, so that the next start offers it back; a
    // level won just before the window closed (during the tally or a comic)
    // has not reached the quest map, which would add it.
    SaveLevelInProgress();
    BankUnconsumedLevelResult();
    SaveProfiles();
    // 3.
    SaveSettings();
    // 4. Only a table that was loaded is written back.
    SaveHighScores();
    EndProgram();
}

void ResetStartUp() {
    gStarted = false;
    ResetLoaderQueue();
    ResetSettings();
    ResetStartFlags();
    ResetWriteFolder();
    ResetTunables();
    ResetFrameLoop();
    ResetProfiles();
    ResetPieceImages();
    ResetTutorialImages();
    ClearTutorials();
    ResetBeamRubbleImages();
    ResetFairyGlowImages();
    ResetComboTileImages();
    ResetLevelClock();
    ResetGameOverlays();
    ResetTally();
    ResetComicImages();
    ResetCredits();
    ResetQuotaImages();
    ResetQuestSpots();
    ResetQuestMap();
    ResetRanks();
    ResetGemImages();
    ResetSpotLevels();
    ResetMainGame();
    ResetBonusGame();
    ResetBonusImages();
    ResetBackgrounds();
    ResetLevelCapture();
    ResetEffectImages();
    ResetCrumbleShards();
    ResetGameStats();
    ResetPieceDefinitions();
    ResetPredefinedLevels();
    ResetMainLayout();
    ResetGuiResources();
    ResetTextBoxTyping();
    ResetPointer();
    ResetHighScores();
    ResetHighScoreMenu();
    ResetMainScene();
    ResetJungleDust();
    ResetOptions();
    ResetSoundTables();
    ResetSoundManager();
    ResetAudio();
    ResetGameFonts();
    ResetFonts();
    ResetTextTable();
}

} // namespace wispwood
