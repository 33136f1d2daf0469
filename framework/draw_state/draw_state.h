#pragma once
// TDrawState: snapshots of the drawing state on a process-wide stack.
// Drawing routines bracket their work with Push and Pop and change state
// with the Push... setters, which combine the new value with the snapshot
// the enclosing Push saved: alpha multiplies, origin adds, and a blend mode
// replaces the saved one only when ChangeBlendOnPush allows it.
#include "engine/core/ref.h"
#include "framework/containers/stack.h"

namespace wispwood {

class TDrawState {
  public:
    int Color = 0;     // red << 16 | green << 8 | blue
    int MaskColor = 0; // same packing
    float Alpha = 0;
    float Rotation = 0;
    int Blend = 0;
    float ScaleX = 0;
    float ScaleY = 0;
    int ViewportX = 0;
    int ViewportY = 0;
    int ViewportWidth = 0;
    int ViewportHeight = 0;
    float OriginX = 0;
    float OriginY = 0;

    static Ref<TDrawState> Capture();
    // Restores this snapshot. With a parent, alpha is the product of both
    // and the blend is this one's only where it may replace the parent's.
    void Apply(const Ref<TDrawState>& parent = nullptr) const;

    static Ref<TDrawState> Push();
    static void Pop();
    static void Reset();
    static int Size();

    static void PushBlend(int mode);
    static void PushAlpha(float alpha);
    static void PushRotation(float degrees);
    static void PushScale(float scaleX, float scaleY);
    static void PushColor(int red, int green, int blue);
    static void PushOrigin(float x, float y);
    static void SetOriginAbsolute(float x, float y);
    static void PushViewport(float x, float y, float width, float height);
    static int ChangeBlendOnPush(int current, int requested);
};

// Created on first use.
extern Ref<TStack<Ref<TDrawState>>> DrawStateStack;
// No stack at all (start-up state; the first push makes one).
void ResetDrawStateStack();

// The open display's size, or the design size when none is open.
int DrawAreaWidth();
int DrawAreaHeight();

} // namespace wispwood
