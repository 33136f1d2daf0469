#include "game/adventure/main_game.h"
#include "engine/draw/graphics.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_alive.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/images/game_image.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/sound/music_scene.h"
#include "game/adventure/background.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/level_recorder.h"
#include "game/adventure/level_replay.h"
#include "game/adventure/level_tutorial.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/saved_game.h"
#include "game/adventure/score_tables.h"
#include "game/adventure/spot_levels.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_particles.h"
#include "game/board/board_play_state.h"
#include "game/board/board_render.h"
#include "game/board/board_sound.h"
#include "game/board/confetti.h"
#include "game/board/crumble.h"
#include "game/board/earthquake.h"
#include "game/board/extra_life_flight.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_score.h"
#include "game/board/game_stats.h"
#include "game/board/gem.h"
#include "game/board/hint.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/locks.h"
#include "game/board/outlines.h"
#include "game/board/panel_particles.h"
#include "game/board/path_search.h"
#include "game/board/quota.h"
#include "game/board/quota_bottle.h"
#include "game/board/quota_particle.h"
#include "game/board/reward_text.h"
#include "game/board/score_popups.h"
#include "game/board/scroll.h"
#include "game/board/selection.h"
#include "game/board/stuck_recovery.h"
#include "game/board/time_limit.h"
#include "game/board/tutorials.h"
#include "game/board/vine_coin.h"
#include "game/level/bonus_game.h"
#include "game/level/game_overlays.h"
#include "game/level/level_clock.h"
#include "game/level/level_end.h"
#include "game/level/level_start.h"
#include "game/level/score_flight.h"
#include "game/level/score_panel.h"
#include "game/level/tally.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "game/services/sound_tables.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"

namespace wispwood {

Ref<MainGame> CurrentGame;
Ref<TImage> MainGame::ContainerImage, MainGame::SidebarImage, MainGame::SidebarButton;
Text ResumeSavePath;

namespace {

bool BonusLevelPlaying() {
    return CurrentLevel && IsBonusLevel(*CurrentLevel);
}

// The game of a profile is over; the next is neither relaxed nor has a row.
void EndRelaxedGame(PlayerProfile& profile) {
    profile.RelaxedGame = false;
    profile.RelaxedScoreKept = 0;
}

// A profile without lives starts a new game.
void StartNewGame(PlayerProfile& profile) {
    profile.Lives = 3;
    EndRelaxedGame(profile);
}

} // namespace

// A game scene revealed by a pop is replaced by a fresh one, which starts
// the current level again.
MainGame::MainGame() : MainGame(MakeMainGame) {}

MainGame::MainGame(SceneFactory recreate) : GameLoop(std::move(recreate)) {
    Container = New<guiContainer>();
    Scene = GameMusicScene;
}

Ref<GameLoop> MakeMainGame() {
    auto game = New<MainGame>();
    CurrentGame = game;
    return game;
}

int MainGame::Load() {
    ContainerImage = LoadGameImage("media\\gui\\container.png");
    SidebarImage = LoadGameImage("media\\game\\sidebar.png");
    SidebarButton = LoadGameImage("media\\gui\\button-sidebar.png");
    LoadPauseMenuImages();
    return 0;
}

void MainGame::InitialiseAllGame() {
    ClearMedalDecisionLatch();
    ResetGems();
    ResetConfetti();
    ResetLevelClock();
    ResetExtraLifeFlights();
    ClearTutorials();
    EndTally();
    ResetRewardTexts();
    ResetScoreFlights();
    ResetBoardForGame();
    ResetBonusGame();
    ResetGameBoardState();
    ResetAllStats();
}

int MainGame::Init() {
    InitialiseAllGame();
    Ref<PlayerProfile> profile = CurrentProfile;
    if (profile && profile->Lives == 0) StartNewGame(*profile);
    GameScore = profile ? profile->Score : 0;
    DisplayedScore = GameScore;
    ResetLevelEnd();
    // A resumed game does not repeat its location's lesson.
    if (!ResumeSavedGame() && CurrentLevelSet) {
        // Everything the game does from here follows from the generator and
        // the input: a replay seeds it as recorded, a game played is
        // recorded from here.
        if (!SeedReplayedLevel()) StartLevelRecording();
        StartLevel(1, 0);
        StartLevelTutorial();
    }
    SnapBoardFrame();
    MenuButton = Container->AddButton(665, 247, SidebarButton, nullptr);
    if (MenuButton) MenuButton->DrawnText = GetText("main", "menu");
    if (profile) profile->DisplayHowToPlay = 0;
    return 0;
}

bool MainGame::ResumeSavedGame() {
    Text path = ResumeSavePath;
    ResumeSavePath.clear();
    if (path.empty()) return false;
    // Only the current profile's own saved game is ever read or deleted.
    if (!CurrentProfile || path != SavedGamePath(CurrentProfile->Name)) return false;
    SavedGameLoad loaded = LoadGame(path);
    // Resumed at most once, and an unreadable file is not offered again.
    DeleteFile(path);
    if (loaded == SavedGameLoad::Unreadable) return false;
    if (loaded == SavedGameLoad::Resumed) GetReady = 150;
    return true;
}

int MainGame::Paused(int includeTally) {
    if (Alive(MenuContainer)) return 1;
    if (GetReady >= 75) return 1;
    if (Alive(ExitAreYouSure)) return 1;
    if (GamePaused) return 1;
    if (OptionsOpen()) return 1;
    if (includeTally && TallyShowing()) return 1;
    return 0;
}

void MainGame::UpdatePaused() {
    if (TallyShowing()) GamePaused = 0;
    PausedProgress += GamePaused ? 1 : -1;
    PausedProgress = std::clamp(PausedProgress, 0, 32);
}

void MainGame::PopSelf() {
    Ref<GameLoop> top = TopScene();
    if (top.get() == this) PopScene(top, 1);
}

void MainGame::PlayOnInTestMode(int location) {
    if (!LocationExists(location)) location = 0;
    CurrentSpotIndex = location;
    LoadSpotLevels(location);
    PushScene(MakeMainGame(), 0, 0);
    DeleteFromStack = 1;
}

void MainGame::LeaveAfterWin() {
    if (CurrentProfile) CurrentProfile->Score = GameScore;
    if (CurrentProfile && CurrentProfile->RelaxedGame && !IsTemporaryProfile(CurrentProfile))
        KeepRelaxedGameScore(*CurrentProfile, GameScore);
    // A story level shows its comic, which leads on to the quest map; any
    // other goes straight to the map.
    if (CurrentLevel && CurrentLevel->HasComic())
        ShowComicAfterLevel(CurrentLevel->ComicNumbeR() + 1);
    else
        PushScene(MakeQuestMap(), 0, 0);
    DeleteFromStack = 1;
}

void MainGame::LeaveAfterLoss() {
    Ref<PlayerProfile> p = CurrentProfile;
    auto clearProfile = [&p] {
        if (p) p->Score = p->Lives = p->Gems = p->GoldMedals = p->SilverMedals = 0;
        if (p) EndRelaxedGame(*p);
    };
    // The self-playing mode starts the same location again.
    if (TestMode) {
        clearProfile();
        PlayOnInTestMode(CurrentSpotIndex);
        return;
    }
    PendingEntry = 1;
    PendingName = p ? p->Name : Text();
    PendingScore = GameScore;
    PendingExtra = p ? ScoreCounters(*p) : Text();
    // A game that played any level relaxed goes to the relaxed table, where
    // its final score replaces the row it kept.
    PendingTable = p && p->RelaxedGame ? ScoreTable::Relaxed : ScoreTable::Timed;
    PendingReplaces = p && p->RelaxedGame ? p->RelaxedScoreKept : 0;
    PushScene(New<HighScoreMenu>(), 0, 0);
    DeleteFromStack = 1;
    clearProfile();
}

void MainGame::UpdateScoreAndEffects() {
    // The tally, the score counter and the score layers; the counting goes
    // on under the tally, which pauses everything else.
    if (CurrentTally) UpdateTally(*Container);
    if (!Paused(0) || TallyShowing()) {
        CountDisplayedScore();
        ScorePopups.Update();
        PanelParticles.Update();
    }
    UpdateScoreFlights(Paused(0));
    if (!Paused(1) || TallyShowing()) UpdateConfetti();
    // The tally owns the screen: the panel button stays off under it.
    if (CurrentTally && MenuButton) MenuButton->Deactivate();
    if (!Paused(0)) {
        UpdateGems();
        UpdateRewardTexts();
        ShardParticles.Update();
        BoardEffects.Update();
        BoardTwinkles.Update();
    }
    AgeFadingPaths();
    if (BonusLevelPlaying()) UpdateBonusGame(Paused(0));
}

void MainGame::UpdateBoard() {
    UpdateVineCoins();
    UpdateLocks();
    UpdateHint();
    UpdateTutorial();
    UpdateTimer();
    UpdateOutlines();
    UpdateEarthquake();
    UpdateBoardFrame();
    UpdateGameOver();
    UpdateSuccess();
    UpdateExtraLifeFlights();
    FadeSelectionIfIdle();
    UpdateQuota();
    ComputeMatchPath(0);
    if (!BonusLevelPlaying()) {
        if (!LevelEndHoldsScroll()) ScrollBoard();
        UpdateFallingPieces(LevelEnding());
        BoardUpdate(LevelEndHoldsScroll() ? LevelSucceeding::Yes : LevelSucceeding::No);
    }
    DropUnsupported();
}

void MainGame::ClickForTheSelfPlayingMode() {
    if (!TestMode || TransitionInProgress() || GameWindowInactive()) return;
    int y = RandomInt(0, 599);
    int x = BoardLeft() + static_cast<int>(RandomFloat(0, BoardWidth * CellWidth));
    OverrideMouse(x, y);
    ForceMouseClicks(1);
}

LevelOutcome MainGame::Outcome() const {
    if (Won || LevelWon) return LevelOutcome::Won;
    if (Lost || LevelLost) return LevelOutcome::Lost;
    return Exited ? LevelOutcome::Left : LevelOutcome::Playing;
}

bool MainGame::LeaveIfOver() {
    const LevelOutcome outcome = Outcome();
    // A replay ends where its game would hand over to what follows it.
    if (EndLevelReplay(outcome, UpdatesRun)) {
        PopSelf();
        return true;
    }
    if (outcome == LevelOutcome::Playing) return false;
    if (outcome == LevelOutcome::Left) return true; // on its way out already
    FinishLevelRecording(outcome, UpdatesRun);
    if (outcome == LevelOutcome::Won)
        LeaveAfterWin();
    else
        LeaveAfterLoss();
    return true;
}

void MainGame::UpdatePauseMenu() {
    // A menu opened in this update, by whichever step, is not closed by the
    // Escape of the same update.
    bool menuWasOpen = Alive(MenuContainer);
    if (GameKeyPresses('P')) createPauseMenu();
    if (GameWindowInactive() && !Paused(1) && !TestMode && !ImagesMode) createPauseMenu();
    UpdateOptions();
    UpdatePaused();
    // A resumed game counts its "GET READY" down while the window is active
    // and the menu is closed.
    if (GetReady > 0 && !GameWindowInactive() && !Alive(MenuContainer)) GetReady -= 1;
    // Pause (a pad's Start) opens and closes the menu as Escape does.
    bool escape = GameKeyPresses(KeyEscape) != 0 || GameKeyPresses(KeyPause) != 0;
    if ((!Container->Child || !Alive(Container->Child)) && Alive(MenuButton) &&
        (MenuButton->mhit || escape)) {
        createPauseMenu();
    }
    bool menuOpenedThisUpdate = !menuWasOpen && Alive(MenuContainer);
    if (Alive(BackButton) && (BackButton->mhit || escape) && !menuOpenedThisUpdate && MenuContainer &&
        !MenuContainer->HasInactiveChildren() && !MenuContainer->HasActiveChildren())
        MenuContainer->Destroy();
    if (Alive(ExitButton) && MenuContainer && !MenuContainer->HasActiveChildren() && ExitButton->mhit) {
        ExitAreYouSure = MenuContainer->AreYouSure(1);
        if (ExitAreYouSure)
            ExitAreYouSure->Text = {GetText("prompts", "quit1"), GetText("prompts", "quit2"),
                                    GetText("prompts", "quit3")};
    }
    if (Alive(OptionsButton) && OptionsButton->mhit && MenuContainer)
        OpenOptions(*MenuContainer, OptionsPlace::Level);
}

bool MainGame::LeaveIfExitConfirmed() {
    if (!ExitAreYouSure || ExitAreYouSure->Value() != 1) return false;
    ExitAreYouSure = nullptr;
    Exited = true;
    FinishLevelRecording(LevelOutcome::Left, UpdatesRun);
    EndLevelReplay(LevelOutcome::Left, UpdatesRun);
    PlayBoardSound("media\\jingles\\exitplayinggame.ogg");
    PopSelf();
    return true;
}

int MainGame::Update() {
    ClickForTheSelfPlayingMode();
    if (LeaveIfOver()) return 0;
    RecordLevelInput(UpdatesRun);
    UpdatesRun += 1;
    Container->Update();
    UpdatePauseMenu();
    if (LeaveIfExitConfirmed()) return 0;
    UpdateHud();
    UpdateScoreAndEffects();
    if (!Paused(1)) UpdateBoard();
    return 0;
}

void MainGame::RenderScenery() {
    SetBlend(SOLIDBLEND);
    SetColor(0, 0, 0);
    DrawRect(0, 0, GraphicsWidth(), GraphicsHeight());
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    TDrawState::Push();
    RenderLocationBackground();
    TDrawState::Pop();
    RenderBoardFrame();
    RenderGameOverlay(GameOverlay::BottomLeft);
}

void MainGame::RenderBoardLayers() {
    TDrawState::Push();
    TDrawState::PushOrigin(0, static_cast<float>(BoardTop()));
    RenderFallingPieces();
    TDrawState::Pop();
    // The pieces with the board's layers between their passes, then the
    // paths and the coins.
    RenderBoard(Paused(0));
    RenderPaths();
    TDrawState::Push();
    TDrawState::PushOrigin(static_cast<float>(BoardLeft()), static_cast<float>(BoardTop()));
    TDrawState::PushBlend(ALPHABLEND);
    RenderVineCoins();
    TDrawState::Pop();
    DrawTallyDarkening();
    TDrawState::Push();
    TDrawState::PushOrigin(static_cast<float>(BoardLeft()), static_cast<float>(BoardTop()));
    TDrawState::PushBlend(ALPHABLEND);
    RenderOutlines();
    ShardParticles.Render();
    TDrawState::Pop();
}

void MainGame::RenderAroundTheBoard() {
    RenderGameOverlay(GameOverlay::Right);
    Container->RenderFirst();
    RenderQuotaBottle();
    RenderGameOver();
    RenderSuccess();
    RenderGameOverlay(GameOverlay::BottomLeftMask);
    ScorePopups.Render();
    RenderGameOverlay(GameOverlay::TopLeft);
    if (!CurrentTally) RenderClock();
    RenderRewardTexts();
    if (BonusLevelPlaying()) {
        TDrawState::Push();
        RenderBonusGame();
        TDrawState::Pop();
    }
    RenderTutorial();
    TDrawState::Push();
    TDrawState::PushOrigin(static_cast<float>(BoardLeft()), 0);
    RenderExtraLifeFlights();
    TDrawState::Pop();
    RenderStuckNotice();
    GetReadyRender();
}

void MainGame::RenderPanelAndTally() {
    // Under the tally the panel's widgets go below its counters, which the
    // tally's total flies into.
    if (TallyShowing()) {
        Container->RenderRest();
        if (CurrentTally) RenderClock();
        RenderTally();
        RenderScorePanel();
        RenderGems();
    } else {
        RenderScorePanel();
        RenderGems();
        if (CurrentTally) RenderClock();
        Container->RenderRest();
    }
    RenderConfettiA();
    if (CurrentTally) CurrentTally->LevelCompleteRender();
}

int MainGame::Render() {
    TDrawState::Push();
    RenderScenery();
    RenderBoardLayers();
    RenderAroundTheBoard();
    RenderPanelAndTally();
    RenderPaused();
    TDrawState::Pop();
    return 0;
}

void ResetMainGame() {
    CurrentGame = nullptr;
    ResumeSavePath.clear();
    MainGame::ContainerImage = MainGame::SidebarImage = MainGame::SidebarButton = nullptr;
    ResetPauseMenuImages();
}

} // namespace wispwood
