#pragma once
// The gold coin a vine piece may carry. It rides on its piece, glinting;
// when the piece burns it is released and, a moment later, pays out: 150
// points for the first coin of a run of releases, 50 more for each next
// one, each with a higher chime.
#include "engine/core/tlist.h"
#include "framework/particles/particle.h"

namespace wispwood {

class TImage;
class ShinyEffect;

class VineCoin : public std::enable_shared_from_this<VineCoin> {
  public:
    // 0 while riding; 1 on release, then +1 per update.
    int OnMain = 0;
    // Position in board coordinates, kept by the carrying piece's drawing
    // while the coin rides.
    float drawx = 0;
    float drawy = 0;
    int id = 0;
    ParticleGroup Layer; // the coin's glints
    int MyCoinPop = 0;   // its place in the current run of releases
    // 0; 1 once its piece dropped off the board, then +1 per update.
    int InPieceParticle = 0;

    // 1 when some released coin is still on its way.
    static int AnyOnMain();
    // A new riding coin, in VineCoins.
    static Ref<VineCoin> Create();
    void PopToMain();
    void Update();
    void Render();
};

extern TList<Ref<VineCoin>> VineCoins;
// Coins released in the current run (while another is still on its way).
extern int CoinRun;
extern Ref<TImage> CoinImage;
// The template of the coins' glints.
extern Ref<ShinyEffect> CoinShine;

// The coin picture and its glint template.
void LoadVineCoinImages();
// Released coins count on; riding coins are moved by their pieces.
void UpdateVineCoins();
// Every coin, with the board origin.
void RenderVineCoins();
// Released coins go down with the board until they pay out.
void ScrollVineCoins(float d);
// No coins (start of a game).
void ResetVineCoins();
// The coins' shine and their ids from the start again (start-up state):
// coins name their glint tickers by id, so ids count on across games.
void ResetCoinShine();

} // namespace wispwood
