#include "game/board/piece_effects.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/particles/particle_logic.h"
#include "framework/particles/shiny_effect.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/effect_images.h"
#include "game/board/piece.h"
#include "game/board/powerup.h"
#include "game/board/score_popups.h"

namespace wispwood {

namespace {

const char* const kGlintPrefix = "__Powerup";

void CellSparkles(Piece& piece, int count, const Ref<TImage>& image) {
    for (int i = 0; i < count; ++i) {
        float x = static_cast<float>(piece.GetX()) + RandomFloatF(5, static_cast<float>(CellWidth) - 5);
        float y = static_cast<float>(piece.GetY()) + RandomFloatF(5, static_cast<float>(CellHeight) - 5);
        AddTwinkle(BoardTwinkles, x, y, 0, image, 5, 1);
    }
}

} // namespace

void CreationSparkles(Piece& piece) {
    CellSparkles(piece, 4, EffectImages.Twinkle);
}

void PowerupTwinkle(Piece&, float x, float y) {
    Ref<Particle> p = AddTwinkle(BoardTwinkles, x, y, 0, EffectImages.Twinkle, 15, 1);
    p->StartAlpha = 0.6f;
}

void PowerupShine(Piece& piece) {
    auto* powerup = dynamic_cast<Powerup*>(&piece);
    if (!powerup) return;
    Text ident = kGlintPrefix + IntToText(powerup->id);
    Ref<ShinyEffect> glint = ShinyEffect::Singleton()->HandleEffectArea(
        24, 24, CellWidth - 48, CellHeight - 48, ident, EffectImages.Twinkle, BoardTwinkles);
    if (!glint) return;
    glint->Owner = piece.shared_from_this();
    glint->OwnerBaseX = static_cast<float>(piece.GetX());
    glint->OwnerBaseY = static_cast<float>(piece.GetY());
}

void GoldRemovalEffect(Piece& piece) {
    CellSparkles(piece, 8, EffectImages.TwinkleGold);
    ShowPoints(100, static_cast<float>(BoardLeft() + piece.GetX() + CellWidth / 2),
               static_cast<float>(piece.GetY() - CellHeight / 2), 1, 0, 100, 0);
}

Ref<Piece> PieceGlintOwner(const Effect& effect) {
    if (!effect.Owner || !effect.ident.starts_with(kGlintPrefix)) return nullptr;
    return std::static_pointer_cast<Piece>(effect.Owner);
}

} // namespace wispwood
