// The comic pages of the story (data/story.txt) and the collection's framed
// thumbnails: each page is three painted panels with the chapter's
// figures, lettered with its captions and speech.
#include <cmath>
#include <filesystem>

#include "tools/mediagen/core/canvas.h"
#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/comic_lettering.h"
#include "tools/mediagen/pictures/comic_pages.h"
#include "tools/mediagen/pictures/paint_kit.h"
#include "tools/mediagen/pictures/sheet.h"
#include "tools/mediagen/pictures/story_text.h"

namespace wispwood::mediagen {

namespace {

using namespace palette;

const char* BoardFor(const std::string& setting) {
    if (setting == "brook") return "lantern_brook";
    if (setting == "glen") return "toadstool_glen";
    if (setting == "pines") return "whispering_pines";
    if (setting == "rise") return "starfall_rise";
    if (setting == "dawn") return "dawn_glade";
    return "mossy_hollow";
}

FairyLook LookOf(const std::string& who) {
    if (who == "guide") return GuideLook();
    if (who == "pip") return GirlLook();
    if (who == "fern") return SpriteLook(0);
    if (who == "ember") return SpriteLook(1);
    return SpriteLook(2); // bluebell
}

// The Gloom: a cold grey-violet cloud with pale eyes; once warmed, a small
// golden wisp with a smile.
void Gloom(cairo_t* cr, double cx, double cy, double size, bool lit) {
    const double r = size / 2;
    if (lit) {
        Glow(cr, cx, cy, r * 1.6, kLanternHot, 0.6);
        Glow(cr, cx, cy, r * 0.9, kGoldLight, 0.9, 0.4);
    } else {
        Glow(cr, cx, cy, r * 1.5, Rgb(40, 10, 60), 0.8);
        const double puffs[5][3] = {
            {-0.45, 0.1, 0.5}, {0.45, 0.1, 0.5}, {0, -0.2, 0.62}, {-0.2, 0.3, 0.45}, {0.25, 0.32, 0.42}};
        for (const auto& p : puffs) {
            cairo_arc(cr, cx + p[0] * r, cy + p[1] * r, p[2] * r, 0, 2 * M_PI);
            Fill(cr, Rgb(58, 46, 82), 0.92);
        }
        // a wispy tail trailing down
        cairo_move_to(cr, cx - r * 0.3, cy + r * 0.6);
        cairo_curve_to(cr, cx - r * 0.1, cy + r * 1.1, cx + r * 0.5, cy + r * 0.9, cx + r * 0.4,
                       cy + r * 1.3);
        Stroke(cr, Rgb(58, 46, 82), r * 0.22, 0.8);
    }
    for (int s = -1; s <= 1; s += 2) {
        cairo_save(cr);
        cairo_translate(cr, cx + s * r * 0.22, cy - r * 0.08);
        cairo_scale(cr, r * 0.09, r * (lit ? 0.05 : 0.13));
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        Fill(cr, lit ? kInk : Rgb(210, 230, 255));
    }
    if (lit) {
        cairo_arc(cr, cx, cy + r * 0.12, r * 0.18, 20 * M_PI / 180, 160 * M_PI / 180);
        Stroke(cr, kInk, std::max(1.5, r * 0.05));
    }
}

void PaintFigure(cairo_t* cr, const PlacedFigure& p, const StoryPanel& panel, double width, int index) {
    const StoryFigure& f = p.figure;
    const int temple = TempleKind(f.who);
    if (temple >= 0) {
        cairo_save(cr);
        cairo_translate(cr, p.cx - p.size / 2, p.cy - p.size / 2);
        cairo_scale(cr, p.size / 64, p.size / 64);
        Temple(cr, temple, f.lit ? 1 : 0);
        cairo_restore(cr);
        return;
    }
    if (f.who == "gloom") {
        Gloom(cr, p.cx, p.cy, p.size, f.lit);
        return;
    }
    bool speaks = false;
    for (const StoryLine& l : panel.speech) speaks = speaks || l.who == f.who;
    // figures turn towards the middle of the panel
    const double facing = p.cx > width * 0.55 ? -1 : 1;
    Fairy(cr, p.cx, p.cy, p.size, LookOf(f.who),
          {.wing = 0.15 + 0.3 * index, .arm = speaks ? 75.0 : 30.0, .facing = facing});
}

void PaintPanel(cairo_t* cr, double x, double y, double w, double h, const StoryPanel& panel,
                const std::string& title, uint32_t seed) {
    const PanelLayout layout = LayOutPanel(panel, title, w, h);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    Canvas scene{int(w), int(h)};
    SceneRecipe recipe = BoardRecipe(BoardFor(panel.setting));
    recipe.seed = seed;
    recipe.fireflies = 12;
    Landscape(scene, recipe);
    cairo_set_source_surface(cr, scene.Surface(), x, y);
    cairo_paint(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    // temples stand behind the fairies
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < layout.figures.size(); ++i)
            if ((TempleKind(layout.figures[i].figure.who) >= 0) == (pass == 0))
                PaintFigure(cr, layout.figures[i], panel, w, int(i));
    if (panel.setting == "dawn") Fireflies(cr, 0, 0, w, h * 0.6, 24, seed, 1.4);
    cairo_restore(cr);
    LetterPanel(cr, layout, x, y);
    cairo_restore(cr);
    RoundedRect(cr, x, y, w, h, 6);
    Stroke(cr, kInk, 5);
}

Raster PaintComicPage(const StoryChapter& chapter, int page_index) {
    Canvas canvas(800, 600);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, 800, 600);
    Fill(cr, kParchment);
    const StoryPage& page = chapter.pages[page_index];
    const uint32_t seed = chapter.number * 100 + page_index * 10;
    for (int i = 0; i < kPanelsPerPage; ++i) {
        const PanelBox box = ComicPanelBox(i);
        const std::string title = page_index == 0 && i == 0 ? chapter.title : "";
        PaintPanel(cr, box.x, box.y, box.w, box.h, page.panels[i], title, seed + i);
    }
    canvas.Grain(chapter.number * 2 + page_index, 0.02);
    return canvas.ToRaster();
}

const StoryChapter& ChapterOf(const PictureInputs& in, int number) {
    return in.story->chapters[number - 1];
}

} // namespace

PanelBox ComicPanelBox(int index) {
    static constexpr PanelBox kBoxes[kPanelsPerPage] = {
        {24, 24, 752, 270}, {24, 310, 364, 266}, {412, 310, 364, 266}};
    return kBoxes[index];
}

std::string ComicPageName(int chapter, int page) {
    return "media/comics/Scene-" + std::to_string(chapter) + (page ? "b" : "") + ".jpg";
}

void RemoveUnusedComicPages(const Story& story, const std::filesystem::path& media_dir) {
    // a chapter that lost its second page must not leave the old one behind
    for (const StoryChapter& chapter : story.chapters)
        if (chapter.pages.size() < 2) {
            std::error_code ignored;
            std::filesystem::remove(
                media_dir / "comics" / ("Scene-" + std::to_string(chapter.number) + "b.jpg"), ignored);
        }
}

void AddComicPictures(Catalogue& out, const Story& story) {
    for (const StoryChapter& chapter : story.chapters) {
        const int n = chapter.number;
        for (int p = 0; p < int(chapter.pages.size()); ++p)
            out.push_back({ComicPageName(n, p), 0, 0, 0,
                           [n, p](const PictureInputs& in) { return PaintComicPage(ChapterOf(in, n), p); }});
        // the collection's frame shows the chapter's first page
        out.push_back(
            {"media/comicsmenu/frame" + std::to_string(n) + ".png", 0, 0, 0, [n](const PictureInputs& in) {
                 Raster page = PaintComicPage(ChapterOf(in, n), 0);
                 return Single(150, 110, [&page](cairo_t* cr) {
                     cairo_surface_t* s = SurfaceFrom(page);
                     Plate(cr, 0, 0, 149, 109, 8, PlateKind::Wood);
                     cairo_save(cr);
                     cairo_translate(cr, 9, 9);
                     cairo_scale(cr, 130.0 / 800, 90.0 / 600);
                     cairo_set_source_surface(cr, s, 0, 0);
                     cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
                     cairo_paint(cr);
                     cairo_restore(cr);
                     cairo_surface_destroy(s);
                 });
             }});
    }
}

} // namespace wispwood::mediagen
