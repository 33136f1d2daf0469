#include "tools/mediagen/pictures/catalogue.h"

namespace wispwood::mediagen {

Catalogue FullCatalogue() {
    Catalogue out;
    AddScreenPictures(out);
    return out;
}

} // namespace wispwood::mediagen
