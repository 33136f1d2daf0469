#include "framework/scene/screen_fade.h"
#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include <algorithm>
#include <cstdlib>

namespace wispwood {

Ref<TImage> TransitionImages[4];

int ScreenFade::InProgress(int) {
    return 1;
}
int ScreenFade::MouseCoordsObscured(int, int) {
    return 0;
}

void ScreenFade::Finish() {
    CurrentTransition = nullptr;
    ClearActiveTunables();
}

namespace {

void DrawScene(const Ref<GameLoop>& scene, float alpha) {
    if (!scene) return;
    TDrawState::Push();
    SetBlend(ALPHABLEND);
    SetAlpha(alpha);
    scene->Render();
    TDrawState::Pop();
}

} // namespace

void TestScreenFade::Update() {
    Ticks += 1;
    if (Ticks > 40) Finish();
}

void TestScreenFade::Render(const Ref<GameLoop>& scene) {
    Ref<GameLoop> under = OldScene, over = scene;
    if (Popping == 1) std::swap(under, over);
    DrawScene(under, 1);
    float t = std::clamp(Ticks / 40.0f, 0.0f, 1.0f);
    DrawScene(over, t * t);
}

void FadeOnTop::Update() {
    Ticks += 2;
    if (Ticks > 40) Finish();
}

void FadeOnTop::Render(const Ref<GameLoop>& scene) {
    DrawScene(OldScene, 1);
    DrawScene(scene, Ticks / 40.0f);
}

int SlideScreenFade::Offset() const {
    if (Ticks <= 80) return static_cast<int>(-256 + 512 * std::min(Ticks / 100.0f, 1.0f));
    return static_cast<int>(256 - 512 * std::min((Ticks - 80) / 100.0f, 1.0f));
}

int SlideScreenFade::InProgress(int closingOnly) {
    if (closingOnly == 1 && Ticks >= 80) return 0;
    return 1;
}

int SlideScreenFade::MouseCoordsObscured(int x, int y) {
    if (Ticks <= 80) return 1;
    int e = Offset();
    const int corners[4][2] = {{0, 0}, {ScreenWidth, 0}, {0, ScreenHeight}, {ScreenWidth, ScreenHeight}};
    for (const auto& corner : corners)
        if (std::abs(x - corner[0]) + std::abs(y - corner[1]) < 512 + 2 * e) return 1;
    return 0;
}

void SlideScreenFade::Update() {
    Ticks += 1;
    if (Ticks > 180) Finish();
}

void SlideScreenFade::Render(const Ref<GameLoop>& scene) {
    TDrawState::Push();
    if (Ticks <= 80) {
        if (OldScene) OldScene->Render();
    } else if (scene) {
        scene->Render();
    }
    int e = Offset();
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawGameImage(TransitionImages[0], e, e);
    DrawGameImage(TransitionImages[1], ScreenWidth - e, e);
    DrawGameImage(TransitionImages[2], e, ScreenHeight - e);
    DrawGameImage(TransitionImages[3], ScreenWidth - e, ScreenHeight - e);
    if (e > 0) {
        int w = GraphicsWidth(), h = GraphicsHeight();
        SetColor(0, 0, 0);
        DrawRect(0, 0, e, h);
        DrawRect(w - e, 0, e, h);
        DrawRect(0, 0, w, e);
        DrawRect(0, h - e, w, e);
    }
    TDrawState::Pop();
}

void ResetTransitionImages() {
    for (Ref<TImage>& image : TransitionImages) image = nullptr;
}

void LoadTransitionImages() {
    const char* names[4] = {"topleft", "topright", "bottomleft", "bottomright"};
    for (int i = 0; i < 4; ++i)
        TransitionImages[i] = LoadGameImage(Text("media\\screenfade\\") + names[i] + ".png", -1);
    SetImageHandleRelative(TransitionImages[1], 1, 0);
    SetImageHandleRelative(TransitionImages[2], 0, 1);
    SetImageHandleRelative(TransitionImages[3], 1, 1);
}

} // namespace wispwood
