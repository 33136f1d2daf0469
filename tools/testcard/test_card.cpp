#include "tools/testcard/test_card.h"
#include "engine/draw/graphics.h"
#include "engine/draw/sdl_driver.h"
#include "engine/input/polled_input.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace wispwood::testcard {

namespace {

int Argb(int a, int r, int g, int b) {
    return static_cast<int>(uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b));
}

// An arrow pointing right with a soft shadow: shows the turn, the handle
// (a dot at its tail) and the scale at a glance.
Ref<TPixmap> PaintArrow() {
    auto p = TPixmap::Create(64, 32, PF_RGBA8888);
    p->ClearPixels(0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            int dy = std::abs(y - 16);
            bool shaft = x < 44 && dy <= 4;
            bool head = x >= 44 && dy <= 62 - x;
            if (shaft || head)
                p->WritePixel(x, y, Argb(255, 255, 220 - x * 2, 40));
            else if (dy <= 8 && x < 60)
                p->WritePixel(x, y, Argb(60, 0, 0, 0));
        }
    for (int y = 12; y < 20; ++y)
        for (int x = 0; x < 8; ++x) p->WritePixel(x, y, Argb(255, 30, 60, 255));
    return p;
}

// A disc whose edge fades out, coloured left to right.
Ref<TPixmap> PaintDisc(int size) {
    auto p = TPixmap::Create(size, size, PF_RGBA8888);
    float c = size / 2.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float d = std::hypot(x + 0.5f - c, y + 0.5f - c) / c;
            int a = static_cast<int>(std::clamp((1 - d) * 2.5f, 0.0f, 1.0f) * 255);
            p->WritePixel(x, y, Argb(a, 255 * x / size, 120, 255 - 255 * x / size));
        }
    return p;
}

Ref<TPixmap> PaintPanel(int w, int h) {
    auto p = TPixmap::Create(w, h, PF_RGBA8888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool light = (x / 10 + y / 10) % 2 == 0;
            int v = light ? 200 : 90;
            p->WritePixel(x, y, Argb(255, v, v, y < h / 2 ? v : 255 - v));
        }
    return p;
}

// Concentric rings over a diagonal gradient, 700 x 540: wider and taller
// than one texture, so it is drawn as tiles that must join seamlessly.
Ref<TPixmap> PaintPoster() {
    auto p = TPixmap::Create(700, 540, PF_RGB888);
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 700; ++x) {
            float d = std::hypot(x - 350.0f, y - 270.0f);
            bool ring = static_cast<int>(d) % 40 < 6;
            int r = (x * 255) / 700, g = (y * 255) / 540;
            p->WritePixel(x, y, ring ? Argb(255, 255, 255, 255) : Argb(255, r, g, 128));
        }
    return p;
}

void Label(const Text& text, float x, float y) {
    TDrawState::Push();
    SetBlend(ALPHABLEND);
    SetTransform(0, 1, 1);
    SetHandle(0, 0);
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawText(text, x, y);
    TDrawState::Pop();
}

void Box(float x, float y, float w, float h) {
    DrawRect(x, y, w, 1);
    DrawRect(x, y + h - 1, w, 1);
    DrawRect(x, y, 1, h);
    DrawRect(x + w - 1, y, 1, h);
}

} // namespace

TestCard::TestCard() {
    arrow_ = LoadGameImage(PaintArrow(), FILTEREDIMAGE);
    SetImageHandle(arrow_, 4, 16);
    disc_ = LoadGameImage(PaintDisc(56), FILTEREDIMAGE);
    CentreImageHandle(disc_);
    panel_ = LoadGameImage(PaintPanel(140, 90), 0);
    poster_ = LoadGameImage(PaintPoster(), FILTEREDIMAGE);
    SetImageHandleRelative(poster_, 0.5f, 0.5f);
}

void TestCard::Draw(int frame, float framesPerSecond) {
    TDrawState::Reset();
    DrawBackground();
    DrawBlendPanels();
    DrawTransforms(frame);
    DrawBrightening();
    DrawClipping(frame);
    char status[160];
    std::snprintf(status, sizeof status, "renderer %s  display %dx%d %s  %.0f fps  frame %d",
                  GraphicsRendererName(), GraphicsWidth(), GraphicsHeight(),
                  GraphicsIsFullScreen() ? "full screen" : "window", framesPerSecond, frame);
    Label(status, 8, 8);
    DrawPointer();
}

void TestCard::DrawBackground() {
    SetBlend(SOLIDBLEND);
    for (int y = 0; y < 600; y += 4) {
        SetColor(10, 14 + y / 12, 40 + y / 8);
        DrawRect(0, static_cast<float>(y), 800, 4);
    }
    SetColor(70, 80, 110);
    for (int x = 0; x <= 800; x += 50) DrawRect(static_cast<float>(x), 0, 1, 600);
    for (int y = 0; y <= 600; y += 50) DrawRect(0, static_cast<float>(y), 800, 1);
    // The outermost pixels of the picture: all four edges must be visible.
    SetColor(255, 255, 255);
    Box(0, 0, 800, 600);
    SetColor(255, 0, 0);
    DrawRect(0, 0, 12, 12);
    SetColor(0, 255, 0);
    DrawRect(788, 0, 12, 12);
    SetColor(0, 0, 255);
    DrawRect(0, 588, 12, 12);
    SetColor(255, 255, 0);
    DrawRect(788, 588, 12, 12);
    // Colour bars and a grey ramp.
    const int bars[8][3] = {{255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                            {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0}};
    for (int i = 0; i < 8; ++i) {
        SetColor(bars[i][0], bars[i][1], bars[i][2]);
        DrawRect(20 + i * 95.0f, 24, 95, 36);
    }
    for (int i = 0; i < 32; ++i) {
        int v = i * 255 / 31;
        SetColor(v, v, v);
        DrawRect(20 + i * 23.75f, 60, 24, 14);
    }
}

void TestCard::DrawBlendPanels() {
    const char* names[5] = {"1 mask", "2 solid", "3 alpha 0.6", "4 light", "5 shade"};
    for (int mode = 1; mode <= 5; ++mode) {
        float x = 20 + (mode - 1) * 156.0f, y = 96;
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawGameImage(panel_, x, y);
        TDrawState::Push();
        SetBlend(mode);
        SetAlpha(mode == ALPHABLEND ? 0.6f : 1.0f);
        DrawGameImage(disc_, x + 40, y + 45);
        SetColor(255, 160, 60);
        DrawGameImage(disc_, x + 100, y + 45);
        TDrawState::Pop();
        Label(names[mode - 1], x, y + 94);
    }
    Label("left: white, right: tinted orange", 20, 206);
}

void TestCard::DrawTransforms(int frame) {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    const float turns[6] = {0, 45, 90, 135, 180, 270};
    for (int i = 0; i < 6; ++i) {
        float x = 40 + i * 70.0f, y = 250;
        SetTransform(turns[i], 1, 1);
        DrawGameImage(arrow_, x, y);
        SetTransform(0, 1, 1);
        char text[16];
        std::snprintf(text, sizeof text, "%g", turns[i]);
        Label(text, x - 4, y + 34);
    }
    SetTransform(frame * 1.5f, 1.2f, 0.6f);
    DrawGameImage(arrow_, 470, 250);
    SetTransform(0, 1, 1);
    Label("turning, scale 1.2 x 0.6", 440, 284);
    Label("blue dot = handle; 0 points right, 90 points down", 20, 300);
}

void TestCard::DrawBrightening() {
    const float alphas[5] = {0.5f, 1.0f, 1.3f, 1.7f, 2.0f};
    SetBlend(ALPHABLEND);
    for (int i = 0; i < 5; ++i) {
        SetAlpha(alphas[i]);
        DrawGameImage(disc_, 50 + i * 64.0f, 350);
        SetAlpha(1);
        char text[16];
        std::snprintf(text, sizeof text, "a %.1f", alphas[i]);
        Label(text, 30 + i * 64.0f, 382);
    }
    Label("alpha above 1 brightens", 20, 398);
}

void TestCard::DrawClipping(int frame) {
    // The poster is tiled; turned and scaled it must still look whole.
    SetBlend(SOLIDBLEND);
    SetColor(255, 255, 255);
    TDrawState::Push();
    TDrawState::PushViewport(560, 320, 220, 200);
    SetTransform(std::sin(frame * 0.02f) * 20, 0.42f, 0.42f);
    DrawGameImage(poster_, 670, 420);
    TDrawState::Pop();
    SetColor(255, 255, 0);
    Box(559, 319, 222, 202);
    Label("viewport 560,320 220x200; tiled picture", 540, 526);
    // Clipped rows of a repeated picture.
    SetColor(255, 255, 255);
    DrawImageRowClipped(panel_, static_cast<float>(-frame % 140), 430, 20, 500, 440, 500);
    SetColor(255, 255, 0);
    Box(19, 439, 482, 62);
    Label("scrolling row clipped to the yellow frame", 20, 506);
}

void TestCard::DrawPointer() {
    float x = static_cast<float>(MouseX()), y = static_cast<float>(MouseY());
    SetBlend(SOLIDBLEND);
    SetColor(255, 255, 255);
    DrawRect(x - 10, y, 21, 1);
    DrawRect(x, y - 10, 1, 21);
    char text[32];
    std::snprintf(text, sizeof text, "%d,%d", MouseX(), MouseY());
    Label(text, x + 6, y + 6);
}

} // namespace wispwood::testcard
