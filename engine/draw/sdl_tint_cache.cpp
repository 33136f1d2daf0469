// Tinted copies of picture cells for the software renderer.
#include "engine/draw/sdl_driver_internal.h"
#include <functional>

namespace wispwood::sdl {

size_t TintCache::KeyHash::operator()(const Key& k) const {
    size_t h = std::hash<const void*>()(k.texture);
    for (uint64_t part : {uint64_t(k.x) << 32 | uint32_t(k.y), uint64_t(k.w) << 32 | uint32_t(k.h), uint64_t(k.rgb)})
        h = (h ^ std::hash<uint64_t>()(part)) * 0x9e3779b97f4a7c15ull;
    return h;
}

std::pair<TintCache::Entry*, bool> TintCache::Note(const Key& key, int frame) {
    auto [at, fresh] = entries_.try_emplace(key);
    if (fresh) at->second.firstFrame = frame;
    at->second.lastFrame = frame;
    return {&at->second, at->second.firstFrame != frame};
}

void TintCache::Drop(Entry& entry, const Key& key) {
    if (!entry.copy) return;
    bytes_ -= static_cast<size_t>(key.w) * key.h * 4;
    SDL_DestroyTexture(entry.copy);
    entry.copy = nullptr;
}

void TintCache::EndFrame(int frame) {
    for (auto at = entries_.begin(); at != entries_.end();) {
        Entry& entry = at->second;
        if (frame - entry.lastFrame < (entry.copy ? KeepFrames : 2)) {
            ++at;
            continue;
        }
        Drop(entry, at->first);
        at = entries_.erase(at);
    }
}

void TintCache::Forget(SDL_Texture* texture) {
    for (auto at = entries_.begin(); at != entries_.end();) {
        if (at->first.texture != texture) {
            ++at;
            continue;
        }
        Drop(at->second, at->first);
        at = entries_.erase(at);
    }
}

void TintCache::Clear() {
    for (auto& [key, entry] : entries_) Drop(entry, key);
    entries_.clear();
}

void TintCache::Added(SDL_Texture* copy, size_t bytes) {
    (void)copy;
    bytes_ += bytes;
}

SDL_Texture* Driver::TintedCopy(SDL_Texture* texture, const SDL_Rect& cell, SDL_Color tint) {
    if (tint.r == 255 && tint.g == 255 && tint.b == 255) return nullptr;
    TintCache::Key key{texture, cell.x, cell.y, cell.w, cell.h, uint32_t(tint.r) << 16 | uint32_t(tint.g) << 8 | tint.b};
    auto [entry, seenBefore] = tints_.Note(key, frame_);
    if (entry->copy || !seenBefore || tints_.Full()) return entry->copy;
    SDL_Texture* copy = SDL_CreateTexture(renderer_, TextureFormat, SDL_TEXTUREACCESS_TARGET, cell.w, cell.h);
    if (!copy) return nullptr;
    // The tint is applied once, by a plain copy; alpha is kept as it is.
    SDL_SetTextureBlendMode(copy, SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(texture, tint.r, tint.g, tint.b);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_Texture* target = SDL_GetRenderTarget(renderer_);
    SDL_SetRenderTarget(renderer_, copy);
    SDL_RenderCopy(renderer_, texture, &cell, nullptr);
    SDL_SetRenderTarget(renderer_, target);
    clipApplied_ = false;
    entry->copy = copy;
    tints_.Added(copy, static_cast<size_t>(cell.w) * cell.h * 4);
    return copy;
}

} // namespace wispwood::sdl
