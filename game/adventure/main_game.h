#pragma once
// The scene in which a level is played. It owns no board data: it resets
// the board's and the effects' state when a game starts, runs their steps
// in one fixed order while the game is not paused, draws their layers in a
// fixed painter's order, and frames the board with the pause menu, the
// exit confirmation and the level clock.
#include "engine/core/text.h"
#include "framework/scene/game_loop.h"
#include "game/adventure/level_recording.h"

namespace wispwood {

class guiContainer;
class guiGadget;
class guiAreYouSure;
class TImage;

class MainGame : public GameLoop {
  public:
    MainGame();

    int Won = 0;
    int Lost = 0;
    Ref<guiContainer> Container;
    Ref<guiGadget> MenuButton;
    Ref<guiGadget> BackButton;
    Ref<guiGadget> OptionsButton;
    Ref<guiGadget> ExitButton;
    Ref<guiGadget> HelpButton;
    Ref<guiContainer> MenuContainer;
    Ref<guiAreYouSure> ExitAreYouSure;
    int GamePaused = 0;
    int PausedProgress = 0;
    int GetReady = 0;
    // Updates its game has run, and whether the player left it through the
    // pause menu.
    int UpdatesRun = 0;
    bool Exited = false;

    int Update() override;
    int Render() override;
    int Init() override;
    // The groups on the board (or the bonus game's tiles) while the game
    // runs, and the widgets of the side panel or of the dialog on top.
    void NavigationTargets(NavTargets& targets) override;
    // "media\gui\container.png", "media\game\sidebar.png", the side
    // panel's button and the pause menu's pictures.
    static int Load();
    static Ref<TImage> ContainerImage, SidebarImage, SidebarButton;

    virtual void createPauseMenu();
    virtual void GetReadyRender();
    virtual void InitialiseAllGame();
    virtual int Paused(int includeTally);
    virtual void UpdatePaused();
    virtual void RenderPaused();
    // How the game stands: still playing, won, lost or left.
    LevelOutcome Outcome() const;

  protected:
    // A scene of a class derived from this one, which a pop that reveals it
    // replaces by the factory's fresh scene.
    explicit MainGame(SceneFactory recreate);

  private:
    // The steps of an update, in their order.
    void ClickForTheSelfPlayingMode();
    // A won or lost level hands over to what follows it (true).
    bool LeaveIfOver();
    void UpdatePauseMenu();
    // The player confirmed leaving the game (true).
    bool LeaveIfExitConfirmed();
    // The tally, the score layers and the effects, which run on in part
    // while the game is paused.
    void UpdateScoreAndEffects();
    // The board's own steps, only while the game runs.
    void UpdateBoard();
    // The layers of a frame, in the painter's order.
    void RenderScenery();
    void RenderBoardLayers();
    void RenderAroundTheBoard();
    void RenderPanelAndTally();
    // Restores the game ResumeSavePath names, then deletes its file; false
    // when there was none to restore and the level starts afresh.
    bool ResumeSavedGame();
    void LeaveAfterWin();
    void LeaveAfterLoss();
    // The self-playing mode goes on at that location.
    void PlayOnInTestMode(int location);
    // Pops this scene when it is the top one.
    void PopSelf();
};

// The most recently constructed game scene.
extern Ref<MainGame> CurrentGame;
extern Text ResumeSavePath;

Ref<GameLoop> MakeMainGame();

// The pause menu's backing and buttons and the "PAUSED" banner.
void LoadPauseMenuImages();
void ResetPauseMenuImages();

void ResetMainGame();

} // namespace wispwood
