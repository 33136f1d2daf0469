#include "tools/mediagen/pictures/comic_lettering.h"

#include <algorithm>
#include <cmath>

#include "tools/mediagen/core/canvas.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

// The narrator speaks in the tutorial's book face, the characters in the
// game's main face and the chapter titles in its heading face.
constexpr TypeStyle kTitleStyle{FontRole::Heading, 25};
constexpr TypeStyle kCaptionStyle{FontRole::Book, 15.5};
constexpr TypeStyle kSpeechStyle{FontRole::Compact, 18};
constexpr double kMargin = 8;     // from the panel's edges
constexpr double kPadding = 8;    // inside boxes and bubbles
constexpr double kLineGap = 1.25; // line height as a share of the size
constexpr double kTailRoom = 22;  // between a bubble and the head below it

double LineHeight(const TypeStyle& s) {
    return s.size * kLineGap;
}

// Sets wrapped lines from (x, y) down, left-aligned or centred on the widest.
void SetLines(LetteredBox& out, const TypeStyle& style, const std::string& text, double width, double& y) {
    for (const std::string& line : WrapText(style, text, width)) {
        SetLine set{line, style, 0, y + Ascent(style), LineWidth(style, line)};
        out.lines.push_back(set);
        y += LineHeight(style);
    }
}

// Sizes the box round its lines and places the lines inside it.
void FitBox(LetteredBox& box, double x, double y, bool centred) {
    double widest = 0, height = 0;
    for (const SetLine& l : box.lines) {
        widest = std::max(widest, l.width);
        height = l.baseline - Ascent(l.style) + LineHeight(l.style);
    }
    box.padding = kPadding;
    box.box = {x, y, widest + 2 * kPadding, height + 2 * kPadding - 3};
    for (SetLine& l : box.lines) {
        l.x = x + kPadding + (centred ? (widest - l.width) / 2 : 0);
        l.baseline += y + kPadding;
    }
}

void MoveBox(LetteredBox& box, double dx, double dy) {
    box.box.x += dx;
    box.box.y += dy;
    for (SetLine& l : box.lines) {
        l.x += dx;
        l.baseline += dy;
    }
}

double SlotX(Slot slot, double width) {
    const double wide = width > 500;
    switch (slot) {
    case Slot::Left:
        return width * (wide ? 0.17 : 0.22);
    case Slot::Middle:
        return width * 0.5;
    case Slot::Right:
        return width * (wide ? 0.83 : 0.78);
    }
    return width / 2;
}

// From the top of the head (the hat for the guide) to the feet, per unit of size.
double HeadRise(const StoryFigure& f) {
    return f.who == "guide" ? 0.76 : 0.47;
}

bool IsFairy(const StoryFigure& f) {
    return IsCharacter(f.who) && f.who != "gloom";
}

void ShapePath(cairo_t* cr, const PlacedBubble& b) {
    const Box& r = b.text.box;
    RoundedRect(cr, r.x, r.y, r.w, r.h, std::min(14.0, r.h / 2));
    // the tail: a narrow wedge from the bottom edge to the speaker
    const double half = 8;
    cairo_move_to(cr, b.tail_x - half, r.Bottom() - 1);
    cairo_line_to(cr, b.tip_x, b.tip_y);
    cairo_line_to(cr, b.tail_x + half, r.Bottom() - 1);
    cairo_close_path(cr);
}

void PaintLines(cairo_t* cr, const LetteredBox& box, Colour ink, Colour title_ink) {
    for (const SetLine& l : box.lines) {
        LinePath(cr, l.style, l.text, l.x, l.baseline);
        Fill(cr, l.style.role == FontRole::Heading ? title_ink : ink);
    }
}

// The caption box in the top left, the title above the narration.
void PlaceCaption(PanelLayout& out, const StoryPanel& panel, const std::string& title, bool wide) {
    const double width = out.width;
    if (!title.empty() || !panel.caption.empty()) {
        const double text_width = (wide ? width * 0.6 : width - 2 * kMargin) - 2 * kPadding;
        double y = 0;
        if (!title.empty()) SetLines(out.caption, kTitleStyle, title, text_width, y);
        if (!panel.caption.empty()) SetLines(out.caption, kCaptionStyle, panel.caption, text_width, y);
        FitBox(out.caption, kMargin, kMargin, false);
        out.has_caption = true;
    }
}

// The bubbles, over their speakers, kept clear of the caption and of each
// other: the first line of a panel sits highest.
void PlaceBubbles(PanelLayout& out, const StoryPanel& panel, bool wide) {
    const double width = out.width;
    // a lone bubble may spread wider, so that it stays low on the figures
    const bool lone = panel.speech.size() == 1;
    const double bubble_text = wide ? (lone ? 300 : 230) : (lone ? 200 : 150);
    for (const StoryLine& said : panel.speech) {
        PlacedBubble b;
        b.who = said.who;
        double y = 0;
        SetLines(b.text, kSpeechStyle, said.text, bubble_text, y);
        FitBox(b.text, 0, 0, true);
        const double speaker_x = SlotX(panel.Find(said.who)->slot, width);
        const double bx = std::clamp(speaker_x - b.text.box.w / 2, kMargin, width - kMargin - b.text.box.w);
        MoveBox(b.text, bx, kMargin);
        for (bool moved = true; moved;) {
            moved = false;
            auto push_below = [&](const Box& other) {
                if (!b.text.box.Overlaps(other, 6)) return;
                MoveBox(b.text, 0, other.Bottom() + 8 - b.text.box.y);
                moved = true;
            };
            if (out.has_caption) push_below(out.caption.box);
            for (const PlacedBubble& other : out.bubbles) push_below(other.text.box);
        }
        b.tail_x = std::clamp(speaker_x, b.text.box.x + 18, b.text.box.Right() - 18);
        out.bubbles.push_back(b);
    }
}

// The figures on the ground, all of one size: as tall as the lowest box
// above them allows, at most half the panel.
void PlaceFigures(PanelLayout& out, const StoryPanel& panel) {
    const double width = out.width, height = out.height;
    const double ground = height - 6;
    double size = height * 0.5;
    for (const StoryFigure& f : panel.figures) {
        if (!IsFairy(f)) continue;
        const double x = SlotX(f.slot, width);
        double top = kMargin;
        auto above = [&](const Box& box) {
            if (x > box.x - 20 && x < box.Right() + 20) top = std::max(top, box.Bottom() + kTailRoom);
        };
        if (out.has_caption) above(out.caption.box);
        for (const PlacedBubble& b : out.bubbles) above(b.text.box);
        const double scale = f.small ? 0.6 : 1.0;
        size = std::min(size, (ground - top) / ((0.5 + HeadRise(f)) * scale));
    }
    for (const StoryFigure& f : panel.figures) {
        PlacedFigure p;
        p.figure = f;
        p.cx = SlotX(f.slot, width);
        const int temple = TempleKind(f.who);
        if (temple >= 0) {
            // temples stand behind, larger than the fairies
            p.size = std::min(height * 0.62, width * 0.4) * (f.small ? 0.6 : 1.0);
            p.cy = ground - p.size / 2;
            p.head_y = p.cy - p.size / 2;
        } else if (f.who == "gloom") {
            p.size = height * (f.small ? 0.22 : 0.42);
            p.cy = height * (f.small ? 0.68 : 0.58);
            p.head_y = p.cy - p.size / 2;
        } else {
            p.size = size * (f.small ? 0.6 : 1.0);
            p.cy = ground - p.size * 0.5;
            p.head_y = p.cy - p.size * HeadRise(f);
        }
        p.head_x = p.cx;
        out.figures.push_back(p);
    }
}

// Each tail points at its speaker's head.
void AimTails(PanelLayout& out) {
    for (PlacedBubble& b : out.bubbles)
        for (const PlacedFigure& p : out.figures)
            if (p.figure.who == b.who) {
                b.tip_x = p.head_x;
                b.tip_y = p.head_y - 4;
            }
}

} // namespace

bool Box::Overlaps(const Box& o, double gap) const {
    return x < o.Right() + gap && o.x < Right() + gap && y < o.Bottom() + gap && o.y < Bottom() + gap;
}

PanelLayout LayOutPanel(const StoryPanel& panel, const std::string& title, double width, double height) {
    PanelLayout out;
    out.width = width;
    out.height = height;
    const bool wide = width > 500;
    PlaceCaption(out, panel, title, wide);
    PlaceBubbles(out, panel, wide);
    PlaceFigures(out, panel);
    AimTails(out);
    return out;
}

void LetterPanel(cairo_t* cr, const PanelLayout& layout, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (layout.has_caption) {
        const Box& r = layout.caption.box;
        // a soft shadow, then the parchment box with its ink rule
        RoundedRect(cr, r.x + 2, r.y + 3, r.w, r.h, 5);
        Fill(cr, kBlack, 0.3);
        RoundedRect(cr, r.x, r.y, r.w, r.h, 5);
        FillPreserve(cr, Lighten(kParchment, 0.3), 0.96);
        Stroke(cr, kInk, 2);
        PaintLines(cr, layout.caption, kInk, Rgb(140, 44, 30));
    }
    for (const PlacedBubble& b : layout.bubbles) {
        // outline first, twice as wide, then the fill covers its inner half
        // and the seam between the bubble and its tail
        ShapePath(cr, b);
        Stroke(cr, kInk, 4.4);
        ShapePath(cr, b);
        Fill(cr, kWhite);
        PaintLines(cr, b.text, kInk, kInk);
    }
    cairo_restore(cr);
}

} // namespace wispwood::mediagen
