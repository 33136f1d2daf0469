#pragma once
// The catalogue of every picture the pictures family writes: its path under
// media/, its frame layout (for the contact sheets) and the painter that
// makes it. Each area of the game adds its pictures from its own file.
#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/mediagen/core/raster.h"

namespace wispwood::mediagen {

struct Trail; // data/quest/trail.txt
struct Story; // data/story.txt

struct PictureInputs {
    const Trail* trail = nullptr;
    const Story* story = nullptr;
};

struct PictureEntry {
    std::string path;   // relative to the media folder, e.g. "media/gui/pointer.png"
    int cell_width = 0; // frame size of an animated or framed sheet; 0 = one picture
    int cell_height = 0;
    int frames = 0;
    std::function<Raster(const PictureInputs&)> paint;
};

using Catalogue = std::vector<PictureEntry>;

// Entry helpers for the painters' Add... functions: a picture painted by
// `paint` as it stands, one canvas of w x h, or a framed sheet of `frames`
// cells of cw x ch, `columns` to a row.
void AddPicture(Catalogue& out, std::string path, std::function<Raster()> paint);
void AddSingle(Catalogue& out, std::string path, int w, int h, std::function<void(cairo_t*)> paint);
void AddFramed(Catalogue& out, std::string path, int cw, int ch, int frames, int columns,
               std::function<void(cairo_t*, int)> paint);

void AddScreenPictures(Catalogue& out);    // transitions, loading, logos, title screen
void AddInterfacePictures(Catalogue& out); // gui, options, profile menu, help, cursors
void AddGamePictures(Catalogue& out);      // the game scene, quota bottle, clock, overlays
void AddPiecePictures(Catalogue& out);     // colour pieces, specials, vines, shards, path
void AddEffectPictures(Catalogue& out);    // particles, glows, confetti
void AddCharacterPictures(Catalogue& out); // the fairies and the guide
void AddAdventurePictures(Catalogue& out); // quest map, bonus, ranks, medals, high scores
void AddStoryPictures(Catalogue& out);     // board backgrounds, cut-outs, comics menu backdrop
void AddComicPictures(Catalogue& out, const Story& story); // the comic pages and their frames

// Every picture; the comic pages follow the story's chapters.
Catalogue FullCatalogue(const Story& story);

} // namespace wispwood::mediagen
