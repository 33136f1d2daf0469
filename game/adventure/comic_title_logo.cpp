#include "game/adventure/comic_title_logo.h"

namespace wispwood {

// MERGE NOTE: the title screen that opens the collection is built
// separately. It keeps itself as ComicLogoScene and owns MenuParticles;
// with both in the tree these become:
//     if (ComicLogoScene) ComicLogoScene->LogoUpdate();
//     if (MenuParticles) MenuParticles->Update();
// and
//     if (ComicLogoScene) ComicLogoScene->RenderLogo();
//     if (MenuParticles) MenuParticles->Render();
// Until then the collection shows its backdrop alone.
void UpdateTitleLogoBehindComics() {}

void RenderTitleLogoBehindComics() {}

} // namespace wispwood
