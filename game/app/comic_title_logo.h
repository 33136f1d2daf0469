#pragma once
// The title screen stays alive behind the comic collection: its logo, sign
// and sparkles go on moving over the collection's backdrop.
namespace wispwood {

void UpdateTitleLogoBehindComics();
void RenderTitleLogoBehindComics();

} // namespace wispwood
