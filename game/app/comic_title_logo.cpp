#include "game/app/comic_title_logo.h"
#include "game/app/main_scene.h"

namespace wispwood {

void UpdateTitleLogoBehindComics() {
    if (ComicLogoScene) ComicLogoScene->LogoUpdate();
    MenuParticles.Update();
}

void RenderTitleLogoBehindComics() {
    if (ComicLogoScene) ComicLogoScene->RenderLogo();
    MenuParticles.Render();
}

} // namespace wispwood
