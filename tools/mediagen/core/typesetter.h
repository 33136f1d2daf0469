#pragma once
// Lines of text set with the game's font files: shaped by HarfBuzz (so the
// fonts' own kerning and spacing hold), measured, wrapped to a width, and
// laid into a cairo path as glyphs. Safe to call from the painters' threads.
#include <cairo.h>

#include <string>
#include <vector>

#include "tools/mediagen/core/font_files.h"

namespace wispwood::mediagen {

struct TypeStyle {
    FontRole role = FontRole::Text;
    double size = 16; // pixels per em
};

// The advance width of one line of UTF-8 text.
double LineWidth(const TypeStyle& style, const std::string& text);
// Breaks the text at blanks into lines no wider than width; a single word
// wider than that stands on a line of its own (the caller checks).
std::vector<std::string> WrapText(const TypeStyle& style, const std::string& text, double width);
// The font's ascent and descent in pixels (from its metrics).
double Ascent(const TypeStyle& style);
double Descent(const TypeStyle& style);
// Adds the line's glyph outlines to the current path, starting at x on the baseline y.
void LinePath(cairo_t* cr, const TypeStyle& style, const std::string& text, double x, double y);

} // namespace wispwood::mediagen
