// The title screen's entrance and ornaments: the logo uncovered from left
// to right with sparkles running down its edge, the sign dropping in and
// swaying with its two fairies, and the twinkles that settle on both.
#include "engine/draw/draw_driver.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/draw/pixmap.h"
#include "engine/io/random.h"
#include "framework/anim/anim.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "game/app/jungle_dust.h"
#include "game/app/main_scene.h"
#include "game/board/effect_images.h"
#include <cmath>
#include <numbers>

namespace wispwood {

MainMenuImageSet MainMenuImages;
std::vector<float> LogoColumnTop, LogoColumnBottom;
Ref<TAnim> SignFairies[2];

int LogoTicks = 0;
float SlideClock = 0;
float LogoX = 0, LogoY = 0;
float SignSwayA = 0, SignSwayB = 0;
int BookWasHovered = 0;
ParticleGroup MenuParticles;
Ref<MainScene> ComicLogoScene;

namespace {

constexpr float kLogoScale = 0.75f;
constexpr float kSignScale = 0.6f;

float Width(const Ref<TImage>& image) {
    return image ? static_cast<float>(ImageWidth(image)) : 0;
}
float Height(const Ref<TImage>& image) {
    return image ? static_cast<float>(ImageHeight(image)) : 0;
}
// The blue component of a pixel: bright parts of the pictures catch twinkles.
bool Bright(const Ref<TPixmap>& pixmap, float m, float n) {
    if (!pixmap) return false;
    return (ReadPixel(pixmap, static_cast<int>(m), static_cast<int>(n)) & 0xFF) > 128;
}

Ref<TImage> FramedStrip(const Text& path) {
    Ref<TPixmap> pixmap = LoadPixmap(path);
    int side = pixmap ? PixmapHeight(pixmap) : 0;
    if (side <= 0) return LoadGameImage(path);
    Ref<TImage> image = LoadGameFramedImage(path, side, side, 0, PixmapWidth(pixmap) / side);
    SetImageHandleRelative(image, 1.0f, 0.5f);
    return image;
}

void SettledTwinkle(float x, float y) {
    Ref<Particle> p = AddTwinkle(MenuParticles, x, y, 0, MainMenuImages.TwinklePurple, -1, 0.9f);
    if (!p) return;
    p->dx /= 10;
    p->dy /= 10;
    p->dRotation = 1;
    p->aRotation = 0.01f;
}

} // namespace

int MainScene::Load() {
    LoadSparkleImages();
    MainMenuImageSet& m = MainMenuImages;
    m.Background = LoadGameImage("media\\mainmenu\\background.jpg");
    m.LogoPixmap = LoadPixmap("media\\mainmenu\\logo.png");
    m.Logo = LoadCentredGameImage("media\\mainmenu\\logo.png");
    LogoColumnTop = OpaqueTopRows(m.LogoPixmap);
    LogoColumnBottom = OpaqueBottomRows(m.LogoPixmap);
    m.SignPixmap = LoadPixmap("media\\mainmenu\\logoA.png");
    m.Sign = LoadGameImage("media\\mainmenu\\logoA.png");
    SetImageHandleRelative(m.Sign, 0.5f, 0);
    m.Light = LoadGameImage("media\\mainmenu\\vol-light.png");
    SetImageHandleRelative(m.Light, 0.5f, 0);
    m.BookGlow = LoadGameFramedImage("media\\mainmenu\\mybook.png", 192, 160, 0, 1);
    m.Book = LoadGameFramedImage("media\\mainmenu\\mybook.png", 192, 160, 1, 9);
    m.BookBig = LoadGameImage("media\\mainmenu\\mybook-big.png");
    m.ProfileName = LoadGameImage("media\\profilemenu\\profilename.png");
    m.ProfileNameSelected = LoadGameImage("media\\profilemenu\\profilenameselected.png");
    m.NewContainer = LoadGameImage("media\\profilemenu\\newcontainer.png");
    m.TextBox = LoadGameImage("media\\profilemenu\\textbox.png");
    m.Smoke = LoadCentredGameImage("media\\smoke.png");
    m.Star = EffectImages.Star;
    m.Twinkle = EffectImages.Twinkle;
    m.StarPurple = LoadCentredGameImage("media\\particles\\star-purple.png");
    m.TwinklePurple = LoadCentredGameImage("media\\particles\\twinkle-purple.png");
    DustImage = LoadCentredGameImage("media\\mainmenu\\dust.png");
    for (int i = 0; i < 2; ++i) {
        m.Fairy[i] = FramedStrip("media\\mainmenu\\fairy" + Text(1, static_cast<char>('0' + i)) + ".png");
        SignFairies[i] = m.Fairy[i] ? TAnim::CreateFromImage(m.Fairy[i]) : nullptr;
        if (SignFairies[i] && SignFairies[i]->CurrentAnimStretch)
            SignFairies[i]->CurrentAnimStretch->FrameTickSpeed = 3;
    }
    m.ComicBacking = LoadGameImage("media\\comicsmenu\\backing.jpg");
    return 0;
}

float MainScene::LogoCutoff() {
    if (TransitionInProgress(0) && SlideClock < 10) return 0;
    float w = Width(MainMenuImages.Logo);
    return (LogoX + static_cast<float>(GraphicsWidth()) / 2) - kLogoScale * w / 2 +
           LerpLinearClamped(0, kLogoScale * w, (SlideClock - 100) / 150);
}

void MainScene::LogoUpdate() {
    LogoTicks += 1;
    SignSwayA = 1.5f * std::sin(static_cast<float>(LogoTicks) / 2 * std::numbers::pi_v<float> / 180);
    SignSwayB = 2 * std::sin(static_cast<float>(LogoTicks) / 2.5f * std::numbers::pi_v<float> / 180);
    LogoX = GetTunable("logox", "55");
    LogoY = GetTunable("logoy", "79");
    // The first-profile dialog holds the whole entrance until a profile exists.
    if (!TransitionInProgress(0) && !NewProfileDialogOpen()) SlideClock += 1;
    for (const auto& fairy : SignFairies)
        if (fairy) fairy->Update();

    if (SlideClock < 100 || SlideClock > 250 || LogoColumnTop.empty()) return;
    const float w = Width(MainMenuImages.Logo), h = Height(MainMenuImages.Logo);
    int column = static_cast<int>(LerpLinearClamped(0, w - 1, (SlideClock - 100) / 150));
    column = std::clamp(column, 0, static_cast<int>(LogoColumnTop.size()) - 1);
    const float cutoff = LogoCutoff();
    for (float r = kLogoScale * LogoColumnTop[column]; r <= kLogoScale * LogoColumnBottom[column]; r += 10) {
        if (RandomInt(1, 5) != 1) continue;
        AddTwinkle(MenuParticles, cutoff, LogoY - 0.375f * h + r + RandomFloatF(-5, 5), 0, MainMenuImages.Twinkle,
                   4, 0.9f);
    }
}

std::pair<float, float> MainScene::SignPos() {
    float t = (SlideClock + 20) / 250;
    return {LerpDampenClamped(150, GetTunable("destx", "196"), t),
            LerpDampenClamped(-300, GetTunable("desty", "18"), t) + SignSwayA};
}

float MainScene::SignAngle() {
    return std::atan((SignSwayA + SignSwayB) / 70) * 180 / std::numbers::pi_v<float>;
}

std::pair<float, float> MainScene::LeftFairyPos() {
    auto [sx, sy] = SignPos();
    float a = SignAngle() * std::numbers::pi_v<float> / 180, l = GetTunable("leftx", "10");
    return {sx - l * std::cos(a), sy + GetTunable("tweaky", "28") - l * std::sin(a)};
}

std::pair<float, float> MainScene::RightFairyPos() {
    auto [sx, sy] = SignPos();
    float a = SignAngle() * std::numbers::pi_v<float> / 180, r = GetTunable("rightx", "88");
    return {sx + r * std::cos(a), sy + GetTunable("tweaky", "28") + r * std::sin(a)};
}

void MainScene::RenderLogo() {
    TDrawState::Push();
    TDrawState::PushAlpha(1);
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::Push();
    SetViewport(0, 0, static_cast<int>(LogoCutoff()), GraphicsHeight());
    SetScale(kLogoScale, kLogoScale);
    DrawGameImage(MainMenuImages.Logo, LogoX + static_cast<float>(GraphicsWidth()) / 2, LogoY);
    TDrawState::Pop();

    auto [sx, sy] = SignPos();
    TDrawState::Push();
    SetRotation(SignAngle());
    SetScale(kSignScale, kSignScale);
    DrawGameImage(MainMenuImages.Sign, sx, sy);
    TDrawState::Pop();

    auto fairy = [](const Ref<TAnim>& anim, std::pair<float, float> at) {
        if (anim) DrawGameImage(anim->Image(), at.first, at.second, anim->Frame());
    };
    fairy(SignFairies[0], LeftFairyPos());
    fairy(SignFairies[1], RightFairyPos());
    TDrawState::Pop();
}

void MainScene::AmbientTwinkles() {
    if (RandomInt(1, 2) != 1) return;
    const MainMenuImageSet& m = MainMenuImages;
    if (RandomInt(1, 5) == 1) {
        float w = Width(m.Sign), h = Height(m.Sign);
        if (w <= 0 || h <= 0) return;
        float mx = RandomFloatF(0, w), ny = RandomFloatF(0, h);
        if (!Bright(m.SignPixmap, mx, ny)) return;
        auto [sx, sy] = SignPos();
        SettledTwinkle(sx + kSignScale * mx - kSignScale / 2 * w, sy + kSignScale * ny);
        return;
    }
    float w = Width(m.Logo), h = Height(m.Logo);
    if (w <= 0 || h <= 0) return;
    float mx = RandomFloatF(0, w), ny = RandomFloatF(0, h);
    if (!Bright(m.LogoPixmap, mx, ny)) return;
    float x = LogoX + static_cast<float>(GraphicsWidth()) / 2 - 0.375f * w + kLogoScale * mx;
    if (x >= LogoCutoff()) return;
    SettledTwinkle(x, LogoY - 0.375f * h + kLogoScale * ny);
}

void ResetMainScene() {
    MainMenuImages = MainMenuImageSet{};
    LogoColumnTop.clear();
    LogoColumnBottom.clear();
    SignFairies[0] = SignFairies[1] = nullptr;
    LogoTicks = 0;
    SlideClock = 0;
    LogoX = LogoY = 0;
    SignSwayA = SignSwayB = 0;
    BookWasHovered = 0;
    MenuParticles = ParticleGroup{};
    ComicLogoScene = nullptr;
}

} // namespace wispwood
