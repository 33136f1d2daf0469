#pragma once
// Score flights: the level-complete bonus flying as a glowing ball with a
// sparkle trail to the score panel, where its points are added.
#include "engine/core/tlist.h"
#include <memory>

namespace wispwood {

class AddToScoreParticle : public std::enable_shared_from_this<AddToScoreParticle> {
  public:
    static constexpr int life = 130; // updates from the tally to the panel

    float realx = 0; // a free-flying point and its velocity
    float realy = 0;
    float realdx = 0;
    float realdy = 0;
    float x = 0; // where it is drawn
    float y = 0;
    float startx = 0; // the eased path
    float starty = 0;
    float destx = 0;
    float desty = 0;
    int ticks = 0;
    int offset = 0; // phase of the trail
    int value = 1000;

    AddToScoreParticle();
    virtual ~AddToScoreParticle() = default;

    virtual void Update();
    virtual void Render();
    // 1 once its points were added, by landing or by being cashed in; a
    // flight pays only once.
    int Paid() const { return paid_; }

    // Plays the launch sound and appends a new flight to ScoreFlights.
    static Ref<AddToScoreParticle> Create(int startx, int starty, int destx, int desty);

  private:
    friend int CashInScoreFlights();
    int paid_ = 0;
};

extern TList<Ref<AddToScoreParticle>> ScoreFlights;

// 1 while the level-complete tally is on screen (answered by the tally).
int ScoreTallyShowing();

// Every flight advances when onlyDuringTally is 0 or the tally is showing
// (the game scene passes its pause state).
void UpdateScoreFlights(int onlyDuringTally);
void RenderScoreFlights();
// Adds every flight still in the air to GameScore and removes it, for a
// tally that is left before its flights land. Returns the points added.
int CashInScoreFlights();
void ResetScoreFlights();

} // namespace wispwood
