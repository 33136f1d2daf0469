#include "framework/images/game_image.h"
#include "engine/core/runtime_error.h"
#include "engine/draw/graphics.h"
#include "engine/draw/message_box.h"
#include "engine/io/path.h"
#include "framework/draw_state/draw_state.h"
#include "framework/particles/calm_effects.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

const Text LoadFailure = "Could not load image: ";

Ref<TImage> ReportFailure(const PixmapSource& source) {
    // A message box cannot be seen over a full-screen display.
    if (GraphicsIsFullScreen()) OpenGraphics(GraphicsWidth(), GraphicsHeight(), 0, 60, 0);
    Notify(LoadFailure + source.Describe());
    return nullptr;
}

// Makes every texture now and draws once just right of the screen, so that
// nothing is prepared during play. The game reads no pixels of its loaded
// pictures (hit tests and outlines read pixmaps loaded for them), so the
// decoded copies go once the textures hold them.
Ref<TImage> Prepare(const Ref<TImage>& image) {
    for (int i = 0; i < image->FrameCount(); ++i) image->Frame(i);
    DrawGameImage(image, ScreenWidth, 0, 0);
    image->ReleasePixels();
    return image;
}

// Loads folder\name for every name with the loader; a picture that does not
// load is a run-time error.
template <class Loader>
std::vector<Ref<TImage>> LoadList(const TextArray& names, const Text& folder, Loader load) {
    Text base = NormalisePath(folder);
    std::vector<Ref<TImage>> images;
    for (const Text& name : names) {
        Text path = base + "\\" + name;
        Ref<TImage> image = load(path);
        if (!image) RaiseRuntimeError(LoadFailure + path);
        images.push_back(image);
    }
    return images;
}

// Repeats the image along x (or, alongY, along y) inside the clipped band:
// steps the position by the scaled size until the first copy covers the
// band's start, then draws copies up to its end.
void DrawRepeatedClipped(const Ref<TImage>& image, float x, float y, float left, float right, float top,
                         float bottom, int frame, bool alongY) {
    if (!image) return;
    TDrawState::Push();
    SetViewport(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                static_cast<int>(bottom - top));
    float scaleX, scaleY;
    GetScale(scaleX, scaleY);
    float& position = alongY ? y : x;
    const float size = alongY ? image->height * scaleY : image->width * scaleX;
    const float from = alongY ? top : left, to = alongY ? bottom : right;
    if (size > 0 && std::isfinite(position)) {
        while (position < from - size) position += size;
        while (position > from) position -= size;
        for (; position < to; position += size) DrawGameImage(image, x, y, frame);
    }
    TDrawState::Pop();
}

// Per column, the row of the first pixel from the top (or the bottom) whose
// alpha is 2 or more; 0 (the height) for a column without one.
std::vector<float> FirstOpaqueRows(const Ref<TPixmap>& pixmap, bool fromBottom) {
    std::vector<float> rows;
    if (!pixmap) return rows;
    const int height = pixmap->height;
    rows.assign(pixmap->width, fromBottom ? static_cast<float>(height) : 0);
    for (int x = 0; x < pixmap->width; ++x)
        for (int i = 0; i < height; ++i) {
            int y = fromBottom ? height - 1 - i : i;
            if ((static_cast<uint32_t>(pixmap->ReadPixel(x, y)) >> 24) >= 2) {
                rows[x] = static_cast<float>(y);
                break;
            }
        }
    return rows;
}

} // namespace

Ref<TImage> LoadGameImage(const PixmapSource& source, int flags) {
    Ref<TPixmap> pixmap = LoadPixmap(source);
    if (!pixmap) return ReportFailure(source);
    if (pixmap->width > SplitImageStep || pixmap->height > SplitImageStep)
        return Prepare(LoadSplitImage(pixmap, SplitImageStep));
    Ref<TImage> image = LoadImage(pixmap, flags);
    if (!image) return ReportFailure(source);
    return Prepare(image);
}

Ref<TImage> LoadGameFramedImage(const PixmapSource& source, int cellWidth, int cellHeight, int firstCell,
                                int cellCount, int flags) {
    Ref<TImage> image = LoadFramedImage(source, cellWidth, cellHeight, firstCell, cellCount, flags);
    if (!image) return ReportFailure(source);
    return Prepare(image);
}

Ref<TSplitImage> LoadSplitImage(const Ref<TPixmap>& pixmap, int step) {
    if (!pixmap || step <= 0) return nullptr;
    auto split = New<TSplitImage>();
    split->StepSize = step;
    split->width = pixmap->width;
    split->height = pixmap->height;
    split->im.assign(pixmap->width / step + 1, std::vector<Ref<TImage>>(pixmap->height / step + 1));
    for (int c = 0, x = 0; x < pixmap->width; ++c, x += step) {
        for (int r = 0, y = 0; y < pixmap->height; ++r, y += step) {
            auto tile =
                pixmap->Window(x, y, std::min(step, pixmap->width - x), std::min(step, pixmap->height - y));
            split->im[c][r] = LoadImage(tile, -1);
            if (split->im[c][r]) split->im[c][r]->ReleasePixels();
        }
    }
    return split;
}

void DrawGameImage(const Ref<TImage>& image, float x, float y, int frame) {
    if (!image) return;
    if (auto* split = dynamic_cast<TSplitImage*>(image.get())) {
        for (size_t c = 0; c < split->im.size(); ++c) {
            for (size_t r = 0; r < split->im[c].size(); ++r) {
                const Ref<TImage>& tile = split->im[c][r];
                if (!tile) continue;
                tile->handle_x = split->handle_x - static_cast<float>(c) * split->StepSize;
                tile->handle_y = split->handle_y - static_cast<float>(r) * split->StepSize;
                DrawGameImage(tile, x, y, 0);
            }
        }
        return;
    }
    float alpha = GetAlpha();
    int blend = GetBlend();
    DrawImage(image, x, y, frame);
    // Brightening is a flash; the calm mode leaves it out.
    if ((blend == ALPHABLEND || blend == MASKBLEND || blend == LIGHTBLEND) && alpha > 1 && !CalmEffects) {
        float left = std::min(alpha, 2.0f);
        SetBlend(LIGHTBLEND);
        while (left > 0.005f) {
            left -= 1.0f;
            SetAlpha(std::min(left, 1.0f));
            DrawImage(image, x, y, frame);
        }
        SetBlend(blend);
        SetAlpha(alpha);
    }
}

std::vector<Ref<TImage>> LoadImageList(const TextArray& names, const Text& folder, int flags) {
    return LoadList(names, folder, [&](const Text& path) { return LoadGameImage(path, flags); });
}

std::vector<Ref<TImage>> LoadFramedImageList(const TextArray& names, const Text& folder, int cellWidth,
                                             int cellHeight, int firstCell, int cellCount, int flags) {
    return LoadList(names, folder, [&](const Text& path) {
        return LoadGameFramedImage(path, cellWidth, cellHeight, firstCell, cellCount, flags);
    });
}

void SetImageHandleRelative(const Ref<TImage>& image, float fx, float fy) {
    if (image) SetImageHandle(image, fx * image->width, fy * image->height);
}

void DrawImageRowClipped(const Ref<TImage>& image, float x, float y, float left, float right, float top,
                         float bottom, int frame) {
    DrawRepeatedClipped(image, x, y, left, right, top, bottom, frame, false);
}

void DrawImageColumnClipped(const Ref<TImage>& image, float x, float y, float left, float right, float top,
                            float bottom, int frame) {
    DrawRepeatedClipped(image, x, y, left, right, top, bottom, frame, true);
}

std::vector<float> OpaqueTopRows(const Ref<TPixmap>& pixmap) {
    return FirstOpaqueRows(pixmap, false);
}

std::vector<float> OpaqueBottomRows(const Ref<TPixmap>& pixmap) {
    return FirstOpaqueRows(pixmap, true);
}

Ref<TImage> LoadCentredGameImage(const PixmapSource& source, int flags) {
    Ref<TImage> image = LoadGameImage(source, flags);
    if (image) CentreImageHandle(image);
    return image;
}

} // namespace wispwood
