#include "game/app/main_scene.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_alive.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/pointer.h"
#include "framework/images/game_image.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "framework/sound/music_scene.h"
#include "framework/sound/sound.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/spot_levels.h"
#include "game/app/comic_menu.h"
#include "game/app/demo.h"
#include "game/app/jungle_dust.h"
#include "game/board/level_result.h"
#include "game/level/fairy_dust.h"
#include "game/level/level_clock.h"
#include "game/services/game_fonts.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "game/services/sound_tables.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace wispwood {

namespace {

constexpr int kBookFrameWidth = 192;
constexpr int kBookFrameHeight = 160;
const char* const kStartJingle = "media\\jingles\\startgame.ogg";

float SinDeg(float degrees) {
    return std::sin(degrees * std::numbers::pi_v<float> / 180);
}
float CosDeg(float degrees) {
    return std::cos(degrees * std::numbers::pi_v<float> / 180);
}
void PlayJingle(const char* path) {
    GameSound(path)->Play();
}

Ref<guiGadget> MenuButton(guiContainer& base, float x, float y, const Ref<TImage>& image, const Text& key,
                          float scale) {
    Ref<guiGadget> button = base.AddButton(x, y, image);
    if (!button) return nullptr;
    button->DrawnText = GetText("mainmenu", key);
    button->scale = scale;
    return button;
}

float ImageHeightOr0(const Ref<TImage>& image) {
    return image ? static_cast<float>(ImageHeight(image)) : 0;
}

} // namespace

MainScene::MainScene() : GameLoop(MakeMainScene), guiBase(New<guiContainer>()) {
    Fade = 1;
    Scene = MenuMusicScene;
    ClearMedalDecisionLatch();
}

Ref<GameLoop> MakeMainScene() {
    return New<MainScene>();
}

int MainScene::ToEscape(int reference) {
    (void)reference;
    return GameKeyPresses(KeyEscape) ? 1 : 0;
}

void MainScene::NavigationTargets(NavTargets& targets) {
    AddGadgetTargets(*guiBase, targets);
}

int MainScene::BookActive() {
    return CurrentProfile && CurrentProfile->CurrentAdventure != 0 ? 1 : 0;
}

int MainScene::Init() {
    DoFairy = 0;
    ResetGuideAnimations();
    Ref<PlayerProfile> profile = CurrentProfile;
    if (profile && profile->Displayedbook == 0 && profile->CurrentAdventure != 0) {
        DoFairy = 1;
        profile->Displayedbook = 1;
    }
    // Drawn once unseen, so the picture is ready before the book fades into it.
    TDrawState::Push();
    TDrawState::PushAlpha(0);
    DrawGameImage(MainMenuImages.ComicBacking, 0, 0);
    TDrawState::Pop();
    // Every visit after the first starts with everything in place.
    if (SlideClock > 10) SlideClock = 999;
    DustMotes.Clear();
    for (int i = 0; i < 100; ++i) JungleDust::Create();

    BookButton = guiBase->AddClickableArea(91, 471, 96, 80);
    if (BookButton) {
        BookButton->_x = 8;
        BookButton->_y = 418;
    }
    InitMainButtons(0);
    for (const auto& g : guiBase->Gadgets) {
        if (!g->Image) continue;
        g->y += 60;
        g->_x = g->x;
        g->_y = g->y;
        g->y += 600; // below the screen until the slide-in lifts it
    }
    if (!CurrentProfile) InitNewProfile(1);
    return 0;
}

void MainScene::InitNewProfile(int first) {
    Dialogs.InitNewProfile(*guiBase, first);
}

// A player just chosen may have the master quest, or not, unlike the last.
void MainScene::ShowMasterQuestIfItChanged() {
    int masterShown = MasterQuestButton && !MasterQuestButton->Removed ? 1 : 0;
    if (CurrentProfile && CurrentProfile->MasterQuestEnabled() != masterShown) InitMainButtons(1);
}

void MainScene::InitMainButtons(int slideIn) {
    for (const Ref<guiGadget>& g :
         {MainButton, ProfileButton, MasterQuestButton, OptionsButton, HighScoresButton, ExitButton}) {
        if (!g) continue;
        guiBase->Gadgets.Remove(g);
        g->Removed = 1;
    }
    float a = 0;
    MainButton = MenuButton(*guiBase, 275, std::trunc(126 + a + 4), GuiButtonBig, "play", 0.875f);
    if (MainButton) {
        MainButton->DrawnTextFont = BigFont;
        MainButton->DrawnTextScale = 0.8f;
        MainButton->DrawnTextExtraY = 2;
    }
    MasterQuestButton = nullptr;
    if (CurrentProfile && CurrentProfile->MasterQuestEnabled() == 1) {
        MasterQuestButton =
            MenuButton(*guiBase, 275, std::trunc(191 + a), GuiButtonBig, "masterquest", 0.875f);
        if (MasterQuestButton) {
            MasterQuestButton->DrawnTextFont = BigFont;
            MasterQuestButton->DrawnTextScale = 0.6f;
            MasterQuestButton->DrawnTextExtraY = 2;
        }
        a += 0.875f * ImageHeightOr0(GuiButtonBig) - 5;
    }
    a += 10;
    ProfileButton = MenuButton(*guiBase, 304, std::trunc(191 + a), GuiButtonMainMenu, "profile", 0.9f);
    a += 5;
    OptionsButton = MenuButton(*guiBase, 304, std::trunc(226 + a), GuiButtonMainMenu, "options", 0.9f);
    a += 5;
    HighScoresButton = MenuButton(*guiBase, 304, std::trunc(261 + a), GuiButtonMainMenu, "highscores", 0.9f);
    a += 5;
    ExitButton = MenuButton(*guiBase, 304, std::trunc(296 + a), GuiButtonMainMenu, "exit", 0.9f);
    if (slideIn == 1) {
        for (const Ref<guiGadget>& g :
             {MainButton, MasterQuestButton, ProfileButton, OptionsButton, HighScoresButton, ExitButton})
            if (g) g->y += 60;
    }
    for (const auto& g : guiBase->Gadgets) {
        if (!g->Image) continue;
        g->_x = g->x;
        g->_y = g->y;
    }
}

float MainScene::FairyX() {
    if (LogoTicks < 200) return 300;
    float p = std::pow(static_cast<float>(LogoTicks - 200) / 400, 1.6f);
    return LerpDampenClamped(300, GetTunable("mainfairydestx", "247"), p);
}

float MainScene::FairyY() {
    if (LogoTicks < 200) return -300;
    float p = std::pow(static_cast<float>(LogoTicks - 200) / 400, 1.6f);
    return LerpDampenClamped(-300, GetTunable("mainfairydesty", "512"), p) +
           10 * SinDeg(static_cast<float>(GuideTicks) + 90);
}

float MainScene::BookButtonX() {
    float from = BookButton ? BookButton->_x : 8;
    return LerpSquareSquareClamped(from, static_cast<float>(GraphicsWidth()) / 2 - 1.5f * kBookFrameWidth,
                                   static_cast<float>(BookScaleUp) / 150);
}

float MainScene::BookButtonY() {
    float from = BookButton ? BookButton->_y : 418;
    return LerpSquareSquareClamped(from, static_cast<float>(GraphicsHeight()) / 2 - 2.0f * kBookFrameHeight,
                                   static_cast<float>(BookScaleUp) / 150) +
           3 * SinDeg(static_cast<float>(LogoTicks));
}

float MainScene::BookButtonScale() {
    return LerpLinearClamped(1, 4, static_cast<float>(BookScaleUp) / 270);
}

int MainScene::BookButtonFrame() {
    return static_cast<int>(LerpLinearClamped(0, 8, Normalise(static_cast<float>(BookScaleUp), 50, 90)));
}

float MainScene::BookFadeoutAlpha() {
    return LerpSqrtClamped(0, 1, Normalise(static_cast<float>(BookScaleUp), 100, 200));
}

void MainScene::UpdateBook() {
    if (BookButton && BookButton->mover && BookScaleUp == 0) {
        int n = BookWasHovered ? (RandomInt(1, 3) == 1 ? 1 : 0) : 40;
        for (int i = 0; i < n; ++i)
            AddTwinkle(MainParticleGroup, BookButton->x + RandomFloatF(0, BookButton->GetWidtH()),
                       BookButton->y + RandomFloatF(0, BookButton->GetHeight()), 0,
                       MainMenuImages.TwinklePurple, 5, 1);
    }
    BookWasHovered = BookButton ? BookButton->mover : 0;
    if (BookButton && BookButton->mhit && BookScaleUp == 0) {
        // An empty dialog keeps the menu's buttons still while the book opens.
        if (Ref<guiContainer> c = guiBase->AddContainer()) {
            c->DrawBacking = 0;
            BookScaleUp = 1;
        }
    }
    if (BookScaleUp > 0) {
        if (RandomInt(1, 2) == 1) {
            float s = BookButtonScale();
            AddTwinkle(MainParticleGroup, BookButtonX() + RandomFloatF(0.5, 0.8) * s * kBookFrameWidth,
                       BookButtonY() + RandomFloatF(0.5, 0.8) * s * kBookFrameHeight, 0,
                       MainMenuImages.TwinklePurple, 5, 1);
        }
        BookScaleUp += 1;
        if (BookScaleUp > 200 && TopScene().get() == this) {
            ComicLogoScene = std::static_pointer_cast<MainScene>(TopScene());
            PushScene(MakeComicMenu());
        }
    }
}

void MainScene::SlideButtons() {
    for (const auto& g : guiBase->Gadgets) {
        if (!g->Image) continue;
        float u = (SlideClock - g->_y / 8) / 200;
        g->y = LerpDampenClamped(g->_y + 500, g->_y, u);
        g->DisableMouseOverEffect = u < 0.6f ? 1 : 0;
    }
}

void MainScene::PlayQuest() {
    if (CurrentProfile->CurrentAdventure != 0) {
        PushScene(MakeQuestMap());
        PlayJingle(kStartJingle);
    } else if (StartQuestLevel(0)) {
        PlayJingle(kStartJingle);
    }
}

void MainScene::OfferResume() {
    ResumeGameAreYouSure = guiBase->AreYouSure(1);
    if (!ResumeGameAreYouSure) return;
    ResumeGameAreYouSure->Text = {"You have a game in progress.", "Do you want to carry on?"};
    // "No" starts afresh and throws the saved level away, so it must be a
    // click, never a stray Escape.
    ResumeGameAreYouSure->NoImportant = 1;
    ResumeGameAreYouSure->CanEscape = 0;
}

void MainScene::UpdateResumeQuestion() {
    if (!ResumeGameAreYouSure || ResumeGameAreYouSure->Value() == 0 || !CurrentProfile) return;
    int answer = ResumeGameAreYouSure->Value();
    Text path = SavedGamePath(CurrentProfile->Name);
    if (answer == 1) {
        ResumeSavePath = path;
        PushScene(MakeMainGame());
        PlayJingle(kStartJingle);
    } else {
        ResumeGameAreYouSure->Destroy();
        DeleteFile(path);
        PlayQuest();
    }
    ResumeGameAreYouSure = nullptr;
}

void MainScene::UpdateMenuButtons(bool escape) {
    if (Alive(HighScoresButton) && HighScoresButton->mhit) PushScene(New<HighScoreMenu>());
    if (Alive(MasterQuestButton) && MasterQuestButton->mhit && CurrentProfile) {
        CurrentProfile->InMasterQuest = 1;
        PushScene(MakeQuestMap());
        PlayJingle(kStartJingle);
    }
    if (Alive(MainButton) && MainButton->mhit && CurrentProfile && !Alive(ResumeGameAreYouSure)) {
        CurrentProfile->InMasterQuest = 0;
        // A level left unfinished when the program closed is offered back.
        if (!TestMode && PathKind(SavedGamePath(CurrentProfile->Name)) == 1)
            OfferResume();
        else
            PlayQuest();
    }
    UpdateResumeQuestion();
    if (Alive(OptionsButton) && OptionsButton->mhit) OpenOptions(*guiBase);
    if ((Alive(ExitButton) && ExitButton->mhit) || escape) {
        ExitAreYouSure = guiBase->AreYouSure(1);
        if (ExitAreYouSure) ExitAreYouSure->Text = {"Are you sure you want to quit?"};
    }
    if (ExitAreYouSure && ExitAreYouSure->Value() != 0) {
        ExitAreYouSure = nullptr;
        Exiting = 1;
        PlayJingle("media\\jingles\\exitgametotally.ogg");
    }
    if (Alive(ProfileButton) && ProfileButton->mhit && !ProfileDialogOpen())
        Dialogs.OpenProfileDialog(*guiBase);
}

int MainScene::Update() {
    // Decided before any dialog sees the key: the Escape that closes one
    // does not also ask to quit.
    const bool escape = GameKeyPresses(KeyEscape) && !guiBase->Child && BookScaleUp == 0 && Exiting == 0;
    // The self-playing mode presses play for itself once there is a player.
    if (TestMode && MainButton && CurrentProfile) MainButton->mhit = 1;
    if (DoFairy) {
        if (BookActive())
            FairyDust(MainParticleGroup, FairyX(), FairyY(), 1);
        else
            DoFairy = 0;
    }
    if (BookButton) BookButton->disablemouse = 1 - BookActive();
    UpdateHud(LogoTicks > 400 ? 1 : 0);
    UpdateBook();
    if (tdelay > 0)
        tdelay -= 1;
    else
        ttt += 0.0001f;
    JungleDust::UpdateAll();
    LogoUpdate();
    SlideButtons();

    if (Exiting > 0) {
        Exiting += 1;
        if (MenuMusicScene)
            MenuMusicScene->SetVolume(LerpLinearClamped(1, 0, static_cast<float>(Exiting) / 50));
        if (Exiting > 150 && FrameUpcalls.Exit) FrameUpcalls.Exit();
        return 0;
    }
    UpdateOptions();
    MenuParticles.Update();
    MainParticleGroup.Update();
    UpdateMenuButtons(escape);
    if (Dialogs.Update(*guiBase)) ShowMasterQuestIfItChanged();
    guiBase->Update();
    AmbientTwinkles();
    // Left alone, the title screen shows the game playing itself.
    QuietUpdates = Quiet() && UpdatesSinceInput > 0 ? QuietUpdates + 1 : 0;
    if (QuietUpdates >= DemoIdleUpdates && StartDemo()) QuietUpdates = 0;
    return 0;
}

// No dialog open or fading out (profiles, options, a question), no book
// opening, no screen change, a player to play for and the window in front.
bool MainScene::Quiet() {
    if (!CurrentProfile || TestMode || BookScaleUp != 0 || GameWindowInactive()) return false;
    if (guiBase->HasActiveChildren() || guiBase->HasInactiveChildren()) return false;
    return !TransitionInProgress() && !SceneChangeWaiting() && TopScene().get() == this;
}

void MainScene::RenderBeams() {
    float x1 = GetTunable("vol1x", "200") + 12 + 12 * CosDeg(static_cast<float>(LogoTicks) / 15);
    float a1 = -28 + 3 * SinDeg(static_cast<float>(LogoTicks) / 10);
    float x2 = GetTunable("vol2x", "140");
    float a2 = -25 + 2 * SinDeg(static_cast<float>(LogoTicks) / 10);
    Beam1X = x1;
    Beam1Angle = a1;
    Beam2X = x2;
    Beam2Angle = a2;
    for (auto [x, angle] : {std::pair{x1, a1}, std::pair{x2, a2}}) {
        TDrawState::Push();
        TDrawState::PushBlend(LIGHTBLEND);
        TDrawState::PushAlpha(0.25f);
        TDrawState::PushRotation(angle);
        DrawGameImage(MainMenuImages.Light, x, -20);
        TDrawState::Pop();
    }
}

void MainScene::RenderBook() {
    if (!BookActive()) return;
    float s = BookButtonScale();
    int frame = BookButtonFrame();
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    if (frame == 8) {
        TDrawState::PushScale(s / 2, s / 2);
        DrawGameImage(MainMenuImages.BookBig, BookButtonX(), BookButtonY());
    } else {
        TDrawState::PushScale(s, s);
        DrawGameImage(MainMenuImages.Book, BookButtonX(), BookButtonY(), frame);
    }
    TDrawState::Pop();
    if (BookButton && BookButton->moverduration != 0 && frame == 0) {
        TDrawState::Push();
        TDrawState::PushBlend(LIGHTBLEND);
        TDrawState::PushAlpha(BookButton->moverduration);
        TDrawState::PushScale(s, s);
        DrawGameImage(MainMenuImages.BookGlow, BookButtonX(), BookButtonY());
        TDrawState::Pop();
    }
}

int MainScene::Render() {
    TDrawState::Push();
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    DrawGameImage(MainMenuImages.Background, 0, 0);
    Text channel = FileSize("data2.dat") != -1 ? DataText("Channel", "Channel Name") : Text("Gladecast");
    // A long channel name in a wide font would run off the right edge: the
    // line shrinks to fit rather than being cut.
    const Text version = "Version 1 Build 9 " + channel;
    const float width = CurrentFontLength(version);
    float scale = 0.6f;
    if (width > 0) scale = std::min(scale, static_cast<float>(GraphicsWidth() - 612) / width);
    PrintText(version, 610, 580, AlignLeft, scale);
    RenderBeams();
    JungleDust::RenderAll();
    MainParticleGroup.Render();
    guiBase->RenderFirst();
    RenderBook();
    if (DoFairy) {
        TDrawState::Push();
        TDrawState::PushBlend(ALPHABLEND);
        RenderGuide(FairyX(), FairyY());
        TDrawState::Pop();
    }
    float fade = BookFadeoutAlpha();
    if (fade > 0.0001f) {
        TDrawState::Push();
        TDrawState::PushAlpha(fade);
        DrawGameImage(MainMenuImages.ComicBacking, 0, 0);
        TDrawState::Pop();
    }
    RenderLogo();
    MenuParticles.Render();
    guiBase->RenderRest();
    if (Exiting > 0) {
        float f = LerpLinearClamped(0, 1, static_cast<float>(Exiting) / 75);
        TDrawState::Push();
        TDrawState::PushAlpha(f);
        SetColor(0, 0, 0);
        DrawRect(0, 0, static_cast<float>(GraphicsWidth()), static_cast<float>(GraphicsHeight()));
        TDrawState::Pop();
        PointerAlphaOverride = 1;
        PointerAlpha = 1 - f;
    }
    TDrawState::Pop();
    return 0;
}

} // namespace wispwood
