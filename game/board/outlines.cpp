#include "game/board/outlines.h"
#include "engine/draw/image.h"
#include "game/board/board.h"
#include "game/board/effect_images.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include "game/board/selection.h"
#include <cmath>
#include <numbers>

namespace wispwood {

ParticleGroup SelectionOutline;
ParticleGroup HoverOutline;

namespace {

constexpr float kLasting = 5000;

ParticleGroup& Group(int group) {
    return group == 0 ? SelectionOutline : HoverOutline;
}

bool InSet(int set, int x, int y) {
    const Ref<Piece>& p = CellAt(x, y);
    if (!p) return false;
    return set == 1 ? p->MahjongOver != 0 : p->mover != 0;
}

bool Hovered(int x, int y) {
    const Ref<Piece>& p = CellAt(x, y);
    return p && p->mover != 0;
}

float EdgeWidth(const Ref<TImage>& image) {
    return image ? static_cast<float>(ImageWidth(image)) : 48.0f;
}

struct Sprite {
    ParticleGroup& group;
    int set, r, g, b;

    Ref<Particle> Add(const Ref<TImage>& image, float x, float y, float rotation) {
        Ref<Particle> p = group.AddParticle();
        p->Image = image;
        p->x = x;
        p->y = y;
        p->Rotation = rotation;
        p->Blend = 4;
        p->Frame = 0;
        p->StartAlpha = p->EndAlpha = 0;
        p->TotalLife = set == 0 ? 10 : 99999;
        p->r = r;
        p->g = g;
        p->b = b;
        return p;
    }
};

// One side of a cell: its middle, its rotation, the cell beyond it and the
// cells that decide whether its two ends continue along the region.
struct Side {
    int midX, midY; // in half cells from the cell's top-left corner
    float rotation;
    int outX, outY;     // the neighbour across the side
    int startX, startY; // the next cell along the side at the start end
    int finishX, finishY;
};

// Top, right, bottom, left; each edge runs from its start end to its finish
// end clockwise round the cell.
constexpr Side kSides[4] = {
    {1, 0, 0, 0, -1, -1, 0, 1, 0},
    {2, 1, 90, 1, 0, 0, -1, 0, 1},
    {1, 2, 180, 0, 1, 1, 0, -1, 0},
    {0, 1, 270, -1, 0, 0, 1, 0, -1},
};

void AddEdge(Sprite& sprite, Piece& p, const Side& side) {
    int px = p.x, py = p.y;
    bool start = Hovered(px + side.startX, py + side.startY) &&
                 !Hovered(px + side.startX + side.outX, py + side.startY + side.outY);
    bool finish = Hovered(px + side.finishX, py + side.finishY) &&
                  !Hovered(px + side.finishX + side.outX, py + side.finishY + side.outY);
    int ends = (start ? 1 : 0) + (finish ? 1 : 0);
    float x = static_cast<float>(p.GetX() + side.midX * (CellWidth / 2));
    float y = static_cast<float>(p.GetY() + side.midY * (CellHeight / 2));
    float r = side.rotation * std::numbers::pi_v<float> / 180;
    float c = std::round(std::cos(r)), s = std::round(std::sin(r));
    if (ends == 1) {
        float shift = start ? -4.0f : 4.0f;
        x += shift * c;
        y += shift * s;
    }
    float large = EdgeWidth(EffectImages.OutlineEdge);
    Ref<Particle> edge;
    if (CellWidth == 40) {
        float length = large + 8.0f * static_cast<float>(ends) - 7;
        if (ends == 2) length -= 1;
        if (start && !finish) length -= 1;
        if (start && !finish) {
            if (side.rotation == 180) x -= 1;
            if (side.rotation == 270) y -= 1;
        }
        if (ends == 2 && side.rotation == 180) x -= 1;
        edge = sprite.Add(EffectImages.OutlineEdgeSmall, x, y, side.rotation);
        edge->xscale = length / EdgeWidth(EffectImages.OutlineEdgeSmall);
    } else {
        edge = sprite.Add(EffectImages.OutlineEdge, x, y, side.rotation);
        edge->xscale = (large + 8.0f * static_cast<float>(ends)) / large;
    }
}

// Corners clockwise from the top right; each names its two side neighbours
// and the diagonal one.
struct Corner {
    int cornerX, cornerY; // 0 or 1: which corner point of the cell
    float rotation;
    int ax, ay, bx, by, cx, cy;
};
constexpr Corner kCorners[4] = {
    {1, 0, 0, 0, -1, 1, 0, 1, -1},
    {1, 1, 90, 1, 0, 0, 1, 1, 1},
    {0, 1, 180, 0, 1, -1, 0, -1, 1},
    {0, 0, 270, -1, 0, 0, -1, -1, -1},
};

void AddCorners(Sprite& sprite, Piece& p, int set) {
    bool small = CellWidth == 40;
    for (const Corner& k : kCorners) {
        bool a = InSet(set, p.x + k.ax, p.y + k.ay);
        bool b = InSet(set, p.x + k.bx, p.y + k.by);
        bool c = InSet(set, p.x + k.cx, p.y + k.cy);
        Ref<TImage> image;
        if (a && b && !c) {
            image = small ? EffectImages.OutlineCornerSmall : EffectImages.OutlineCorner; // inner corner
        } else if (!a && !b) {
            image = small ? EffectImages.OutlineSmallCornerSmall : EffectImages.OutlineSmallCorner; // outer
        } else {
            continue;
        }
        float x = static_cast<float>(p.GetX() + k.cornerX * CellWidth);
        float y = static_cast<float>(p.GetY() + k.cornerY * CellHeight);
        sprite.Add(image, x, y, k.rotation);
    }
}

} // namespace

void BuildOutline(int set, int group) {
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!InSet(set, p->x, p->y) || CellAt(p->x, p->y) != p) return;
        Ref<PieceDefinition> d = p->Definition();
        Sprite sprite{Group(group), set, d ? d->r : 255, d ? d->g : 255, d ? d->b : 255};
        for (const Side& side : kSides)
            if (!InSet(set, p->x + side.outX, p->y + side.outY)) AddEdge(sprite, *p, side);
        AddCorners(sprite, *p, set);
    });
}

void FadeOutline(int group, int remove) {
    ParticleGroup& g = Group(group);
    for (const Ref<Particle>& p : g.AllParticles) {
        if (p->TotalLife <= kLasting) continue;
        p->TotalLife = 10;
        p->CurrentLife = 0;
        if (remove) g.AllParticles.Remove(p);
    }
}

float OutlineAlpha(int group) {
    for (const Ref<Particle>& p : Group(group).AllParticles)
        if (p->TotalLife > kLasting) return p->StartAlpha;
    return 0;
}

void SetOutlineAlpha(int group, float alpha, int from) {
    int i = 0;
    for (const Ref<Particle>& p : Group(group).AllParticles)
        if (i++ >= from) p->StartAlpha = alpha;
}

void UpdateOutlines() {
    if (CountSelected() == 0) FadeOutline(0, 0);
    if (CountHovered() == 0) FadeOutline(1, 0);
    SelectionOutline.Update();
    HoverOutline.Update();
    for (const Ref<Particle>& p : SelectionOutline.AllParticles)
        p->StartAlpha = std::min(1.0f, p->StartAlpha + 0.1f);
    for (const Ref<Particle>& p : HoverOutline.AllParticles)
        p->StartAlpha = std::min(0.3f, p->StartAlpha + 0.03f);
}

void FadeSelectionIfIdle() {
    bool quotaDone = CurrentLevel && CurrentLevel->DoneQuotaBottleEffect;
    if (CountSelected() == 0 || quotaDone) FadeOutline(0, 0);
}

void UpdateHoverOutline() {
    if (HoveredPiece == LastHoveredPiece) return;
    float alpha = 0;
    for (const Ref<Particle>& p : HoverOutline.AllParticles) {
        if (p->CurrentLife < p->TotalLife) {
            alpha = p->StartAlpha;
            break;
        }
    }
    if (HoveredPiece && HoveredPiece->Normal() && CountSelected() > 0 &&
        SelectedColour() == HoveredPiece->Color) {
        FadeOutline(1, 1);
        int before = HoverOutline.AllParticles.Count();
        BuildOutline(2, 1);
        SetOutlineAlpha(1, alpha, before);
    } else {
        FadeOutline(1, 0);
    }
    LastHoveredPiece = HoveredPiece;
}

void ScrollOutlines(float v) {
    for (const Ref<Particle>& p : SelectionOutline.AllParticles) p->y += v;
    for (const Ref<Particle>& p : HoverOutline.AllParticles) p->y += v;
}

void RenderOutlines() {
    SelectionOutline.Render();
    HoverOutline.Render();
}

void ResetOutlines() {
    SelectionOutline.AllParticles.Clear();
    HoverOutline.AllParticles.Clear();
}

} // namespace wispwood
