// Textures of the SDL back end: the frames of an image share texture sheets.
#include "engine/draw/draw_memory.h"
#include "engine/draw/sdl_driver_internal.h"
#include <cmath>
#include <cstdint>
#include <cstring>
#include <zlib.h>

namespace wispwood::sdl {

namespace {

size_t gTextureBytes = 0;
// Frame pixels kept packed by sheets whose mask copy waits.
size_t gKeptBytes = 0;

uint64_t gSheetVersions = 0;
uint64_t NextSheetVersion() {
    return ++gSheetVersions;
}

size_t BytesOf(const TextureSheet& sheet) {
    return static_cast<size_t>(sheet.width) * sheet.height * 4 *
           ((sheet.main ? 1 : 0) + (sheet.mask ? 1 : 0));
}

int PowerOfTwo(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// Cells per row for the sheet with the least area, its sides powers of two;
// a sheet that cannot hold them all is filled whole.
int SmallestSheetRow(size_t cells, int cellW, int cellH, int mostPerRow, int mostPerColumn) {
    if (cells >= static_cast<size_t>(mostPerRow) * mostPerColumn) return mostPerRow;
    int best = mostPerRow;
    int64_t bestArea = INT64_MAX;
    for (int perRow = 1; perRow <= mostPerRow; ++perRow) {
        int64_t rows = (static_cast<int64_t>(cells) + perRow - 1) / perRow;
        if (rows > mostPerColumn) continue;
        int columns = static_cast<int>(std::min<int64_t>(perRow, static_cast<int64_t>(cells)));
        int64_t area = int64_t(PowerOfTwo(columns * cellW)) * PowerOfTwo(static_cast<int>(rows) * cellH);
        if (area < bestArea) best = perRow, bestArea = area;
        if (perRow >= static_cast<int64_t>(cells)) break;
    }
    return best;
}

AlphaKind KindOf(const TPixmap& pixmap) {
    if (!FormatHasAlpha(pixmap.format)) return AlphaKind::Opaque;
    int step = BytesPerPixel(pixmap.format), at = pixmap.format == PF_A8 ? 0 : 3;
    bool partial = false, transparent = false;
    for (int y = 0; y < pixmap.height && !partial; ++y) {
        const uint8_t* p = pixmap.PixelPtr(0, y) + at;
        for (int x = 0; x < pixmap.width; ++x, p += step) {
            transparent |= *p == 0;
            partial |= *p != 0 && *p != 255;
        }
    }
    return partial ? AlphaKind::Soft : transparent ? AlphaKind::Binary : AlphaKind::Opaque;
}

// The mask copy's alpha: fully opaque or fully clear, cut at one half.
void ThresholdAlpha(uint8_t* bgra, size_t pixels) {
    for (size_t i = 0; i < pixels; ++i) bgra[4 * i + 3] = bgra[4 * i + 3] >= 128 ? 255 : 0;
}

// The frame in texture layout, with a border of the given width repeating
// the edge rows and columns.
Ref<TPixmap> Bordered(const TPixmap& pixmap, int border, bool thresholdAlpha) {
    int w = pixmap.width, h = pixmap.height;
    auto out = TPixmap::Create(w + 2 * border, h + 2 * border, PF_BGRA8888);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = out->PixelPtr(border, y + border);
        ConvertRow(pixmap.PixelPtr(0, y), pixmap.format, row, PF_BGRA8888, w);
        for (int b = 1; b <= border; ++b) {
            std::memcpy(row - 4 * b, row, 4);
            std::memcpy(row + 4 * (w - 1 + b), row + 4 * (w - 1), 4);
        }
        if (thresholdAlpha) ThresholdAlpha(row - 4 * border, static_cast<size_t>(w + 2 * border));
    }
    size_t rowBytes = static_cast<size_t>(out->width) * 4;
    for (int b = 0; b < border; ++b) {
        std::memcpy(out->PixelPtr(0, b), out->PixelPtr(0, border), rowBytes);
        std::memcpy(out->PixelPtr(0, h + border + b), out->PixelPtr(0, h + border - 1), rowBytes);
    }
    return out;
}

} // namespace

TextureSheet::~TextureSheet() {
    // Textures that went with their renderer are counted out all the same.
    gTextureBytes -= BytesOf(*this);
    gKeptBytes -= keptBytes_;
    if (!*alive_) return;
    driver_->Flush();
    driver_->tints_.Forget(main);
    if (main) SDL_DestroyTexture(main);
    if (mask) SDL_DestroyTexture(mask);
}

void TextureSheet::Put(const TPixmap& pixmap, int x, int y) {
    if (!*alive_ || pixmap.width <= 0 || pixmap.height <= 0) return;
    driver_->SheetChanging(*this);
    version = NextSheetVersion();
    SDL_Rect cell{x - border, y - border, pixmap.width + 2 * border, pixmap.height + 2 * border};
    driver_->tints_.Forget(main);
    auto pixels = Bordered(pixmap, border, false);
    SDL_UpdateTexture(main, &cell, pixels->pixels, pixels->pitch);
    if (mask) {
        pixels = Bordered(pixmap, border, true);
        SDL_UpdateTexture(mask, &cell, pixels->pixels, pixels->pitch);
    } else if (maskWaits) {
        Keep(cell, *pixels);
    }
}

void TextureSheet::Keep(const SDL_Rect& cell, const TPixmap& pixels) {
    std::erase_if(kept_, [&](const KeptCell& k) {
        if (!SDL_RectEquals(&k.cell, &cell)) return false;
        keptBytes_ -= k.packed.size();
        gKeptBytes -= k.packed.size();
        return true;
    });
    const uLong bytes = static_cast<uLong>(pixels.pitch) * pixels.height;
    KeptCell kept{cell, std::vector<unsigned char>(compressBound(bytes))};
    uLongf packed = kept.packed.size();
    // The fastest level: generated art packs well at any level, and this
    // runs for every soft-edged picture at load.
    if (compress2(kept.packed.data(), &packed, static_cast<const Bytef*>(pixels.pixels), bytes, 1) == Z_OK) {
        kept.packed.resize(packed);
        kept.packed.shrink_to_fit();
        keptBytes_ += packed;
        gKeptBytes += packed;
        kept_.push_back(std::move(kept));
    }
}

SDL_Texture* TextureSheet::Mask() {
    if (mask || !maskWaits || !*alive_) return mask;
    maskWaits = false;
    mask = driver_->MakeTexture(width, height, smooth);
    if (mask) gTextureBytes += static_cast<size_t>(width) * height * 4;
    std::vector<uint8_t> pixels;
    for (const KeptCell& k : kept_) {
        uLongf bytes = static_cast<uLongf>(k.cell.w) * k.cell.h * 4;
        pixels.resize(bytes);
        if (!mask || uncompress(pixels.data(), &bytes, k.packed.data(), k.packed.size()) != Z_OK ||
            bytes != pixels.size())
            continue;
        ThresholdAlpha(pixels.data(), static_cast<size_t>(k.cell.w) * k.cell.h);
        SDL_UpdateTexture(mask, &k.cell, pixels.data(), k.cell.w * 4);
    }
    gKeptBytes -= keptBytes_;
    keptBytes_ = 0;
    kept_.clear();
    kept_.shrink_to_fit();
    return mask;
}

void Frame::Draw(float x0, float y0, float x1, float y1, float tx, float ty) {
    if (sheet_->Alive() && driver_ == gOpenDriver) driver_->DrawFrame(*this, x0, y0, x1, y1, tx, ty);
}

void Frame::Upload(const TPixmap& pixmap) {
    if (pixmap.width == width && pixmap.height == height) sheet_->Put(pixmap, x, y);
}

SDL_Texture* Driver::MakeTexture(int width, int height, bool smooth) {
    SDL_Texture* texture =
        SDL_CreateTexture(renderer_, TextureFormat, SDL_TEXTUREACCESS_STATIC, width, height);
    // The software renderer's smooth scaling makes temporary surfaces on
    // every draw; it samples nearest texels instead.
    if (texture)
        SDL_SetTextureScaleMode(texture, smooth && !software_ ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    return texture;
}

std::vector<Ref<TImageFrame>> Driver::CreateFrames(const std::vector<Ref<TPixmap>>& pixmaps, int flags) {
    std::vector<Ref<TImageFrame>> frames(pixmaps.size());
    if (!renderer_) return frames;
    int cellW = 1, cellH = 1;
    for (const auto& p : pixmaps)
        if (p) cellW = std::max(cellW, p->width), cellH = std::max(cellH, p->height);
    // A single picture fills its texture exactly, and texture edges need no
    // border. Sheets of frames get a one-texel border around each cell and
    // power-of-two sides, which make every cell edge an exact texture
    // coordinate so that texels map to pixels one to one.
    bool single = pixmaps.size() == 1;
    int border = single ? 0 : 1;
    cellW += 2 * border, cellH += 2 * border;
    int perRow = std::max(1, maxTextureSide_ / cellW), perColumn = std::max(1, maxTextureSide_ / cellH);
    // Of the ways to lay the cells out in rows, the one whose padded sheet
    // is smallest (the nearest square can waste three quarters of it).
    if (!single) perRow = SmallestSheetRow(pixmaps.size(), cellW, cellH, perRow, perColumn);
    int perSheet = perRow * perColumn;
    bool smooth = flags & FILTEREDIMAGE, dynamic = flags & DYNAMICIMAGE;

    for (size_t first = 0; first < pixmaps.size(); first += perSheet) {
        size_t count = std::min(pixmaps.size() - first, static_cast<size_t>(perSheet));
        std::vector<AlphaKind> kinds(count, AlphaKind::Opaque);
        bool anySoft = dynamic;
        for (size_t i = 0; i < count; ++i)
            if (pixmaps[first + i]) anySoft |= (kinds[i] = KindOf(*pixmaps[first + i])) == AlphaKind::Soft;
        auto sheet = std::make_shared<TextureSheet>(this, alive_);
        sheet->border = border;
        int columns = static_cast<int>(std::min(count, static_cast<size_t>(perRow)));
        int rows = static_cast<int>((count + perRow - 1) / perRow);
        sheet->width = single ? cellW : PowerOfTwo(columns * cellW);
        sheet->height = single ? cellH : PowerOfTwo(rows * cellH);
        sheet->main = MakeTexture(sheet->width, sheet->height, smooth);
        if (!sheet->main) continue;
        sheet->smooth = smooth;
        // Dynamic images may gain soft edges later, and are uploaded again
        // and again: they get the copy at once.
        if (dynamic)
            sheet->mask = MakeTexture(sheet->width, sheet->height, smooth);
        else
            sheet->maskWaits = anySoft;
        gTextureBytes += BytesOf(*sheet);
        for (size_t i = 0; i < count; ++i) {
            const Ref<TPixmap>& pixmap = pixmaps[first + i];
            if (!pixmap) continue;
            auto frame = New<Frame>(this, sheet);
            frame->x = static_cast<int>(i % perRow) * cellW + border;
            frame->y = static_cast<int>(i / perRow) * cellH + border;
            frame->width = pixmap->width, frame->height = pixmap->height;
            frame->u0 = float(frame->x) / sheet->width,
            frame->u1 = float(frame->x + frame->width) / sheet->width;
            frame->v0 = float(frame->y) / sheet->height,
            frame->v1 = float(frame->y + frame->height) / sheet->height;
            frame->kind = dynamic ? AlphaKind::Soft : kinds[i];
            sheet->Put(*pixmap, frame->x, frame->y);
            frames[first + i] = frame;
        }
    }
    return frames;
}

} // namespace wispwood::sdl

namespace wispwood {

size_t TextureBytesInUse() {
    size_t tinted = sdl::gOpenDriver ? sdl::gOpenDriver->TintedBytes() : 0;
    return sdl::gTextureBytes + sdl::gKeptBytes + tinted;
}

} // namespace wispwood
