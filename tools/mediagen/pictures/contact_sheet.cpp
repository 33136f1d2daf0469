#include "tools/mediagen/pictures/contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "tools/mediagen/core/canvas.h"

namespace wispwood::mediagen {

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 16;

// One picture laid out on a sheet: its frames as tiles of a given scale.
struct Item {
    const PictureEntry* entry;
    const Raster* raster;
    int frames = 1, cw = 0, ch = 0; // a single picture is one frame of its own size
    double scale = 1;
    int columns = 1, rows = 1; // frame tiles
    int width = 0, height = 0; // including the label
};

Item Layout(const PictureEntry& entry, const Raster& raster) {
    Item item{&entry, &raster};
    const bool framed = entry.frames > 0;
    const int frames = item.frames = framed ? entry.frames : 1;
    const int cw = item.cw = framed ? entry.cell_width : raster.width;
    const int ch = item.ch = framed ? entry.cell_height : raster.height;
    double target = frames > 1 ? 96.0 : (cw >= 400 ? 360.0 : 200.0);
    item.scale = std::min(target / std::max(cw, ch), cw <= 24 && ch <= 24 ? 3.0 : 2.0);
    if (frames == 1 && cw >= 400) item.scale = std::min(item.scale, 0.5);
    int tile = int(std::ceil(cw * item.scale)) + 2;
    item.columns = std::max(1, std::min(frames, (kSheetWidth - 2 * kMargin) / tile));
    item.rows = (frames + item.columns - 1) / item.columns;
    item.width = std::max(item.columns * tile, 150);
    item.height = item.rows * (int(std::ceil(ch * item.scale)) + 2) + kLabelHeight;
    return item;
}

void DrawItem(cairo_t* cr, const Item& item, double x, double y) {
    const PictureEntry& entry = *item.entry;
    const Raster& raster = *item.raster;
    const int frames = item.frames, cw = item.cw, ch = item.ch;
    const int cols = std::max(1, raster.width / cw); // the frames' columns in the picture itself
    cairo_surface_t* surface = SurfaceFrom(raster);
    double tw = std::ceil(cw * item.scale) + 2, th = std::ceil(ch * item.scale) + 2;
    for (int f = 0; f < frames; ++f) {
        double tx = x + (f % item.columns) * tw, ty = y + (f / item.columns) * th;
        // a checker under each frame shows where the picture is transparent
        for (int cy = 0; cy < int(th - 2); cy += 8)
            for (int cx = 0; cx < int(tw - 2); cx += 8) {
                double v = ((cx / 8 + cy / 8) % 2) ? 0.46 : 0.52;
                cairo_set_source_rgb(cr, v, v, v);
                cairo_rectangle(cr, tx + cx, ty + cy, std::min(8.0, tw - 2 - cx), std::min(8.0, th - 2 - cy));
                cairo_fill(cr);
            }
        cairo_save(cr);
        cairo_rectangle(cr, tx, ty, tw - 2, th - 2);
        cairo_clip(cr);
        cairo_translate(cr, tx, ty);
        cairo_scale(cr, item.scale, item.scale);
        cairo_set_source_surface(cr, surface, -double(cw * (f % cols)), -double(ch * (f / cols)));
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_surface_destroy(surface);
    std::string label =
        entry.path.substr(6) + "  " + std::to_string(raster.width) + "x" + std::to_string(raster.height);
    if (entry.frames > 0)
        label += " / " + std::to_string(frames) + "@" + std::to_string(cw) + "x" + std::to_string(ch);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
    cairo_move_to(cr, x, y + item.height - 4);
    cairo_show_text(cr, label.c_str());
}

std::string SheetName(const std::string& path) {
    // "media/blocks/big/red.png" -> "blocks"; files directly in media/ -> "misc"
    size_t first = path.find('/');
    size_t second = path.find('/', first + 1);
    if (second == std::string::npos) return "misc";
    std::string folder = path.substr(first + 1, second - first - 1);
    if (folder == "Load" || folder == "load" || folder == "screenfade" || folder == "smoke.png")
        return "screens";
    if (folder == "options" || folder == "profilemenu" || folder == "help" || folder == "tutorial")
        return "gui";
    if (folder == "crumble" || folder == "path") return "blocks";
    if (folder == "medals" || folder == "ranks" || folder == "bonus") return "rewards";
    if (folder == "comicsmenu") return "comics";
    return folder;
}

} // namespace

bool WriteContactSheets(const Catalogue& catalogue, const std::vector<Raster>& pictures,
                        const std::filesystem::path& folder) {
    std::map<std::string, std::vector<Item>> sheets;
    for (size_t i = 0; i < catalogue.size(); ++i)
        sheets[SheetName(catalogue[i].path)].push_back(Layout(catalogue[i], pictures[i]));
    for (auto& [name, items] : sheets) {
        // Flow layout: left to right, wrapping at the sheet width.
        std::vector<std::pair<double, double>> at;
        double x = kMargin, y = kMargin + 24, row = 0;
        for (const Item& item : items) {
            if (x + item.width > kSheetWidth - kMargin && x > kMargin) {
                x = kMargin;
                y += row + kMargin;
                row = 0;
            }
            at.emplace_back(x, y);
            x += item.width + kMargin;
            row = std::max(row, double(item.height));
        }
        int height = int(y + row + kMargin);
        Canvas sheet(kSheetWidth, height);
        cairo_t* cr = sheet.Cr();
        cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
        cairo_paint(cr);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 16);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
        cairo_move_to(cr, kMargin, kMargin + 12);
        cairo_show_text(cr, ("media: " + name).c_str());
        for (size_t i = 0; i < items.size(); ++i) DrawItem(cr, items[i], at[i].first, at[i].second);
        if (!WriteFileIfChanged(folder / (name + ".png"), EncodePng(sheet.ToRaster(), 3))) return false;
    }
    return true;
}

} // namespace wispwood::mediagen
