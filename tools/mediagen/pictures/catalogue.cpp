#include "tools/mediagen/pictures/catalogue.h"

namespace wispwood::mediagen {

Catalogue FullCatalogue() {
    Catalogue out;
    AddScreenPictures(out);
    AddPiecePictures(out);
    AddEffectPictures(out);
    AddInterfacePictures(out);
    AddCharacterPictures(out);
    AddGamePictures(out);
    AddAdventurePictures(out);
    AddStoryPictures(out);
    return out;
}

} // namespace wispwood::mediagen
