#include "game/board/fairy_tile_anim.h"
#include "game/board/fairy_glow_images.h"
#include "game/board/piece_images.h"

namespace wispwood {

namespace {

constexpr int kMiddleFrame = 12;
constexpr int kIdleRepeats = 3;

} // namespace

Ref<TAnim> NewFairyTileAnim() {
    auto idle = TAnimStretch::CreateFromFrameSequence(FairyGlowImages.FairyTileIdle, {0, 1, 2, 3, 4, 5, 6, 7});
    idle->FrameTickSpeed = 1; // 2 updates a frame
    idle->NumberOfRepeats = kIdleRepeats;
    for (int reach : {8, 10, 12})
        for (int side : {-1, 1}) {
            std::vector<int> frames;
            for (int i = 0; i <= reach; ++i) frames.push_back(kMiddleFrame + side * i);
            for (int i = reach - 1; i >= 0; --i) frames.push_back(kMiddleFrame + side * i);
            auto swing = TAnimStretch::CreateFromFrameSequence(BlockImages.FairyTile, frames);
            swing->FrameTickSpeed = 5; // 6 updates a frame
            swing->NumberOfRepeats = 1;
            swing->StretchProbability = 1;
            swing->Bridges.push_back(idle);
            idle->Bridges.push_back(swing);
        }
    auto anim = New<TAnim>();
    anim->SetAnimStretch(idle);
    return anim;
}

} // namespace wispwood
