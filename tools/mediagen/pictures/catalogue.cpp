#include "tools/mediagen/pictures/catalogue.h"

#include "tools/mediagen/pictures/sheet.h"

namespace wispwood::mediagen {

void AddPicture(Catalogue& out, std::string path, std::function<Raster()> paint) {
    out.push_back(
        {std::move(path), 0, 0, 0, [paint = std::move(paint)](const PictureInputs&) { return paint(); }});
}

void AddSingle(Catalogue& out, std::string path, int w, int h, std::function<void(cairo_t*)> paint) {
    AddPicture(out, std::move(path), [w, h, paint = std::move(paint)] { return Single(w, h, paint); });
}

void AddFramed(Catalogue& out, std::string path, int cw, int ch, int frames, int columns,
               std::function<void(cairo_t*, int)> paint) {
    out.push_back({std::move(path), cw, ch, frames, [=, paint = std::move(paint)](const PictureInputs&) {
                       return FramedSheet(cw, ch, frames, columns, paint);
                   }});
}

Catalogue FullCatalogue(const Story& story) {
    Catalogue out;
    AddScreenPictures(out);
    AddPiecePictures(out);
    AddEffectPictures(out);
    AddInterfacePictures(out);
    AddCharacterPictures(out);
    AddGamePictures(out);
    AddAdventurePictures(out);
    AddStoryPictures(out);
    AddComicPictures(out, story);
    return out;
}

} // namespace wispwood::mediagen
