#include "game/app/comic_menu_handover.h"

namespace wispwood {

int ComicMenuExists() {
    return 0;
}

int OpenComicMenu() {
    return 0;
}

} // namespace wispwood
