#include "tools/mediagen/pictures/sheet.h"

namespace wispwood::mediagen {

Raster FramedSheet(int cw, int ch, int frames, int columns, const std::function<void(cairo_t*, int)>& paint) {
    int rows = (frames + columns - 1) / columns;
    Canvas canvas(cw * columns, ch * rows);
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < frames; ++f) {
        cairo_save(cr);
        cairo_translate(cr, cw * (f % columns), ch * (f / columns));
        cairo_rectangle(cr, 0, 0, cw, ch);
        cairo_clip(cr);
        paint(cr, f);
        cairo_restore(cr);
    }
    return canvas.ToRaster();
}

Raster Single(int w, int h, const std::function<void(cairo_t*)>& paint) {
    Canvas canvas(w, h);
    paint(canvas.Cr());
    return canvas.ToRaster();
}

} // namespace wispwood::mediagen
