#pragma once
// The painted scenes the locations are played in front of: a full-screen
// picture with cut-outs (plants, rocks, light shafts) placed over it, each
// with its position, rotation, scale, brightness, transparency, mirroring
// and blending. The scenes come from one text file read at start-up; their
// pictures load the first time a scene is drawn and are shared between
// scenes by path.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <array>
#include <map>
#include <vector>

namespace wispwood {

class TImage;
class TStream;

class BackgroundObject {
  public:
    Text Path;
    Ref<TImage> Image;
    float x = 0; // top-left corner of the unscaled, unrotated picture
    float y = 0;
    float rotation = 0;
    float alpha = 0;
    float Scale = 0;
    float brightness = 0; // 1: the standard grey 192
    // The factor on the scale for that axis: 1 normal, -1 mirrored; an
    // entry that never names it stays 0 and is drawn with no extent.
    int xflip = 0;
    int yflip = 0;
    int additive = 0;

    virtual ~BackgroundObject() = default;
};

class Background {
  public:
    Text BackgroundPath; // empty: no scene
    Ref<TImage> Background_;
    std::vector<Ref<BackgroundObject>> Objects;
    int Cached = 0;

    virtual ~Background() = default;
    virtual void Render();
    virtual void Cache();
};

class BackgroundImageCached {
  public:
    Text Path;
    Ref<TImage> Image;

    virtual ~BackgroundImageCached() = default;
};

constexpr int BackgroundCount = 100;

// Entry i is the scene of the header "[level" i + 1 "]".
extern std::array<Ref<Background>, BackgroundCount> Backgrounds;
extern std::map<Text, Ref<BackgroundImageCached>> BackgroundImages;

// Reads "media\background.txt"; a missing file leaves every scene empty.
void LoadBackgrounds();
// The scenes of a stream in the same format (kept apart from the file so
// the rules can be checked on small texts).
void ReadBackgrounds(const Ref<TStream>& stream);
// The picture of a path from the cache, loaded on first use; a path that
// does not exist is tried with "png" replaced by "jpg". Null when neither
// exists.
Ref<TImage> LoadCachedImage(const Text& path);
// The scene of the current location (location 99 wraps to the first).
void RenderLocationBackground();
// The scene index of a location.
int BackgroundIndexForLocation(int location);

// No scenes, nothing cached.
void ResetBackgrounds();

} // namespace wispwood
