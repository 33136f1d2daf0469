#include "game/app/logo_screens.h"
#include "engine/draw/graphics.h"
#include "engine/io/file_system.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/images/game_image.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/app/loading_scene.h"
#include "game/services/sound_tables.h"

namespace wispwood {

Ref<TImage> LogoScreen::Image;
Ref<TImage> Logo2Screen::Image;
Ref<TImage> ChannelScreen::Image;

namespace {

Ref<TImage> LoadCentred(const Text& path) {
    Ref<TImage> image = LoadGameImage(path, -1);
    if (image) SetImageHandle(image, image->width / 2, image->height / 2);
    return image;
}

} // namespace

SplashScreen::SplashScreen() {
    FadeOnTop = 1;
    DrawPointer = 0;
    Scene = MenuMusicScene;
}

int SplashScreen::Update() {
    if (GameAnyKeyOrClick() && !FadingOut) {
        OverlayProgress = 320;
        FadingOut = 1;
    }
    Progress += 1;
    if (Progress <= OpeningWait()) return 0;
    FlashProgress += 1;
    if (FlashProgress <= 10) return 0;
    OverlayProgress += 1;
    if (OverlayProgress >= 320) FadingOut = 1;
    if (OverlayProgress > ShowLogoTime) HandOver();
    return 0;
}

int SplashScreen::Render() {
    const Ref<TImage>& picture = Picture();
    int w = GraphicsWidth(), h = GraphicsHeight();
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(LerpSquareSquareClamped(0, 1, OverlayProgress / 40.0f));
    DrawGameImage(picture, w / 2.0f, h / 2.0f);
    SetColor(0, 0, 0);
    SetAlpha(LerpSquareClamped(0, 1, Normalise(static_cast<float>(OverlayProgress), 320, 340)));
    DrawRect(0, 0, w, h);
    return 0;
}

int LogoScreen::Load() {
    Image = LoadCentred("media/Load/Logo.jpg");
    return 0;
}

void LogoScreen::ExitLogo() {
    if (Exited) return;
    Exited = 1;
    RunGameLoop(New<Logo2Screen>());
}

int Logo2Screen::Load() {
    Image = LoadCentred("media/Load/Logo2.jpg");
    return 0;
}

void Logo2Screen::ExitLogo() {
    if (Exited) return;
    Exited = 1;
    RunGameLoop(New<ChannelScreen>());
}

int ChannelScreen::Load() {
    Image = FileSize("channel.jpg") != -1 ? LoadCentred("channel.jpg") : nullptr;
    return 0;
}

void ChannelScreen::ExitChannel() {
    if (Exited) return;
    PushScene(New<Loading>(), 0, 0);
    Exited = 1;
}

int ChannelScreen::Update() {
    if (!Image) ExitChannel();
    return SplashScreen::Update();
}

int ChannelScreen::Render() {
    if (!Image) return 0;
    return SplashScreen::Render();
}

void ResetLogoScreens() {
    LogoScreen::Image = Logo2Screen::Image = ChannelScreen::Image = nullptr;
}

} // namespace wispwood
