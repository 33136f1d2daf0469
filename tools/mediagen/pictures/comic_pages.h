#pragma once
// Where the comic pages go and how they are laid out on the 800 x 600 page.
#include <filesystem>
#include <string>

namespace wispwood::mediagen {

struct Story;

struct PanelBox {
    double x, y, w, h;
};
// The wide top panel (0), the bottom left (1) and the bottom right (2).
PanelBox ComicPanelBox(int index);

// "media/comics/Scene-3.jpg", or "...Scene-3b.jpg" for a chapter's second page.
std::string ComicPageName(int chapter, int page);

// Deletes second pages the story no longer has from an earlier run's tree.
void RemoveUnusedComicPages(const Story& story, const std::filesystem::path& media_dir);

} // namespace wispwood::mediagen
