#include "framework/draw_state/draw_state.h"
#include "engine/draw/graphics.h"

namespace wispwood {

Ref<TStack<Ref<TDrawState>>> DrawStateStack;

namespace {

TStack<Ref<TDrawState>>& Stack() {
    if (!DrawStateStack) DrawStateStack = New<TStack<Ref<TDrawState>>>();
    return *DrawStateStack;
}

Ref<TDrawState> Top() {
    return DrawStateStack ? DrawStateStack->Peek() : nullptr;
}

int Pack(int red, int green, int blue) {
    return (red & 255) << 16 | (green & 255) << 8 | (blue & 255);
}

} // namespace

Ref<TDrawState> TDrawState::Capture() {
    auto state = New<TDrawState>();
    int r, g, b;
    GetColor(r, g, b);
    state->Color = Pack(r, g, b);
    GetMaskColor(r, g, b);
    state->MaskColor = Pack(r, g, b);
    state->Alpha = GetAlpha();
    state->Rotation = GetRotation();
    state->Blend = GetBlend();
    GetScale(state->ScaleX, state->ScaleY);
    GetViewport(state->ViewportX, state->ViewportY, state->ViewportWidth, state->ViewportHeight);
    GetOrigin(state->OriginX, state->OriginY);
    return state;
}

void TDrawState::Apply(const Ref<TDrawState>& parent) const {
    SetColor(Color >> 16 & 255, Color >> 8 & 255, Color & 255);
    SetMaskColor(MaskColor >> 16 & 255, MaskColor >> 8 & 255, MaskColor & 255);
    SetTransform(Rotation, ScaleX, ScaleY);
    SetViewport(ViewportX, ViewportY, ViewportWidth, ViewportHeight);
    SetOrigin(OriginX, OriginY);
    if (parent) {
        SetAlpha(parent->Alpha * Alpha);
        SetBlend(ChangeBlendOnPush(parent->Blend, Blend) ? Blend : parent->Blend);
    } else {
        SetAlpha(Alpha);
        SetBlend(Blend);
    }
}

Ref<TDrawState> TDrawState::Push() {
    auto state = Capture();
    Stack().Push(state);
    return state;
}

void TDrawState::Pop() {
    if (auto state = DrawStateStack ? DrawStateStack->Pop() : nullptr) state->Apply();
}

void ResetDrawStateStack() {
    DrawStateStack = nullptr;
}

void TDrawState::Reset() {
    if (DrawStateStack) DrawStateStack->Clear();
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetTransform(0, 1, 1);
    SetBlend(MASKBLEND);
    SetViewport(0, 0, DrawAreaWidth(), DrawAreaHeight());
    SetOrigin(0, 0);
}

int TDrawState::Size() {
    return DrawStateStack ? DrawStateStack->Size() : 0;
}

void TDrawState::PushBlend(int mode) {
    auto top = Top();
    SetBlend(!top || ChangeBlendOnPush(top->Blend, mode) ? mode : top->Blend);
}

void TDrawState::PushAlpha(float alpha) {
    auto top = Top();
    SetAlpha(top ? top->Alpha * alpha : alpha);
}

void TDrawState::PushRotation(float degrees) {
    SetRotation(degrees);
}
void TDrawState::PushScale(float scaleX, float scaleY) {
    SetScale(scaleX, scaleY);
}
void TDrawState::PushColor(int red, int green, int blue) {
    SetColor(red, green, blue);
}

void TDrawState::PushOrigin(float x, float y) {
    auto top = Top();
    if (top)
        SetOrigin(top->OriginX + x, top->OriginY + y);
    else
        SetOrigin(x, y);
}

void TDrawState::SetOriginAbsolute(float x, float y) {
    SetOrigin(x, y);
    if (auto top = Top()) {
        top->OriginX = x;
        top->OriginY = y;
    }
}

void TDrawState::PushViewport(float x, float y, float width, float height) {
    float ox, oy;
    GetOrigin(ox, oy);
    SetViewport(static_cast<int>(x + ox), static_cast<int>(y + oy), static_cast<int>(width),
                static_cast<int>(height));
}

int DrawAreaWidth() {
    return GraphicsWidth() > 0 ? GraphicsWidth() : ScreenWidth;
}

int DrawAreaHeight() {
    return GraphicsHeight() > 0 ? GraphicsHeight() : ScreenHeight;
}

int TDrawState::ChangeBlendOnPush(int current, int requested) {
    if (current == requested) return 0;
    switch (current) {
    case MASKBLEND:
        return requested == SOLIDBLEND ? 0 : 1;
    case SOLIDBLEND:
        return 1;
    case ALPHABLEND:
        return requested == LIGHTBLEND || requested == SHADEBLEND ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace wispwood
