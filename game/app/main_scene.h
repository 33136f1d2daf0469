#pragma once
// The title screen: the painted background, the logo uncovered with
// sparkles, the swaying sign with its two fairies, the light beams and
// their dust, the menu column sliding up into place and the magic book that
// opens the comic collection. The player manages profiles here (at most
// five; a first one must be made: profile_dialogs.h), starts the quest or
// the master quest, opens the options and the high scores, and quits.
#include "engine/core/text.h"
#include "framework/particles/particle.h"
#include "framework/scene/game_loop.h"
#include "game/app/profile_dialogs.h"
#include <utility>
#include <vector>

namespace wispwood {

class TAnim;
class TImage;
class TPixmap;
class guiAreYouSure;
class guiContainer;
class guiGadget;

class MainScene : public GameLoop {
  public:
    int Started = 0;
    int DoFairy = 0; // the guide shows the book
    Ref<guiContainer> guiBase;
    Ref<guiGadget> HighScoresButton, OptionsButton, MainButton, MasterQuestButton, ExitButton, ProfileButton;
    // Choosing, making and deleting players.
    ProfileDialogs Dialogs;
    Ref<guiGadget> BookButton;
    Ref<guiAreYouSure> ExitAreYouSure, ResumeGameAreYouSure;
    ParticleGroup MainParticleGroup;
    int Exiting = 0; // updates since quitting was confirmed
    int tdelay = 200;
    float ttt = 0;
    int BookScaleUp = 0;  // updates since the book was clicked
    int QuietUpdates = 0; // updates left alone with nothing under way (demo.h)

    MainScene();
    int Update() override;
    int Render() override;
    int Init() override;
    int ToEscape(int reference) override;
    void NavigationTargets(NavTargets& targets) override;
    // The menu's pictures (with the sparkles every screen shares).
    static int Load();

    float FairyX();
    float FairyY();
    void LogoUpdate();
    void InitNewProfile(int first);
    void InitProfileSelection() { Dialogs.InitProfileSelection(); }
    void InitMainButtons(int slideIn);
    float LogoCutoff();
    int BookActive();
    float BookButtonX();
    float BookButtonY();
    float BookButtonScale();
    int BookButtonFrame();
    float BookFadeoutAlpha();
    void RenderLogo();
    std::pair<float, float> SignPos();
    float SignAngle();
    std::pair<float, float> LeftFairyPos();
    std::pair<float, float> RightFairyPos();

    // 1 while the dialog exists and is not fading out.
    int ProfileDialogOpen() const { return Dialogs.ProfileDialogOpen(); }
    int NewProfileDialogOpen() const { return Dialogs.NewProfileDialogOpen(); }

  private:
    void ShowMasterQuestIfItChanged();
    void UpdateBook();
    // escape: Escape was pressed with no dialog open, which asks to quit.
    void UpdateMenuButtons(bool escape);
    // Play: the quest map once the adventure has begun, else location 0.
    void PlayQuest();
    // The question whether to carry on with the saved level, and its answer.
    void OfferResume();
    void UpdateResumeQuestion();
    void SlideButtons();
    // Nothing under way that a demo would cut short.
    bool Quiet();
    void AmbientTwinkles();
    void RenderBeams();
    void RenderBook();
};

// The menu's pictures.
struct MainMenuImageSet {
    Ref<TImage> Background;
    Ref<TPixmap> LogoPixmap, SignPixmap;
    Ref<TImage> Logo, Sign, Light;
    Ref<TImage> BookGlow, Book, BookBig;
    Ref<TImage> ProfileName, ProfileNameSelected, NewContainer, TextBox;
    Ref<TImage> Smoke, Star, Twinkle, StarPurple, TwinklePurple;
    Ref<TImage> Fairy[2];
    Ref<TImage> ComicBacking;
};
extern MainMenuImageSet MainMenuImages;
extern std::vector<float> LogoColumnTop, LogoColumnBottom;
extern Ref<TAnim> SignFairies[2];

// The menu's state that outlives the scene object.
extern int LogoTicks;
extern float SlideClock;
extern float LogoX, LogoY;
extern float SignSwayA, SignSwayB;
extern int BookWasHovered;
extern ParticleGroup MenuParticles;
extern Ref<MainScene> ComicLogoScene;

Ref<GameLoop> MakeMainScene();

// Start-up state: no pictures, the entrance not yet run.
void ResetMainScene();

} // namespace wispwood
