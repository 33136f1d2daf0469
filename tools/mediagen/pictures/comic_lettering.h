#pragma once
// Where the words and the figures of a comic panel go, and the lettering
// itself: the narrator's caption box in the top left (with the chapter's
// title on its first panel), speech bubbles above their speakers with a
// tail towards each one, and the figures standing below them on the ground.
#include <cairo.h>

#include <string>
#include <vector>

#include "tools/mediagen/core/typesetter.h"
#include "tools/mediagen/pictures/story_text.h"

namespace wispwood::mediagen {

struct Box {
    double x = 0, y = 0, w = 0, h = 0;
    double Right() const { return x + w; }
    double Bottom() const { return y + h; }
    bool Overlaps(const Box& o, double gap = 0) const;
};

struct SetLine {
    std::string text;
    TypeStyle style;
    double x = 0, baseline = 0; // panel coordinates
    double width = 0;
};

struct LetteredBox {
    Box box;
    double padding = 0;
    std::vector<SetLine> lines;
};

struct PlacedFigure {
    StoryFigure figure;
    double cx = 0, cy = 0, size = 0; // the figure's centre and full height
    double head_x = 0, head_y = 0;   // the top of its head (or hat): where a tail points
};

struct PlacedBubble {
    LetteredBox text;
    std::string who;
    double tail_x = 0;           // where the tail leaves the bubble's bottom edge
    double tip_x = 0, tip_y = 0; // and where it points
};

struct PanelLayout {
    double width = 0, height = 0;
    bool has_caption = false;
    LetteredBox caption;
    std::vector<PlacedBubble> bubbles;
    std::vector<PlacedFigure> figures; // in the story's order
};

// Lays out a panel of the given size; title is the chapter's title for the
// chapter's first panel, else empty.
PanelLayout LayOutPanel(const StoryPanel& panel, const std::string& title, double width, double height);

// Paints the caption box and the bubbles of a laid-out panel at (x, y).
void LetterPanel(cairo_t* cr, const PanelLayout& layout, double x, double y);

} // namespace wispwood::mediagen
