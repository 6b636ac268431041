#pragma once
// The incidents chained after a foul (cards, injuries, penalties), sending a player off, and the
// fatigue that wears the players down during a match.

namespace tarvelon {

struct PlayerPair {
    int first = -1;   // the player (booked, injured, taken off, taker)
    int second = -1;  // card kind, substitute, player brought on, outcome
};

bool IsBooked(int player);

// Draws the card (if any) for a foul by the side of `lineup`: (player, card kind) or (-1, -1).
PlayerPair CardOnFoul(int lineup, int zone, int nextPlay, int tick);

// Takes a starter off the pitch (sent off, injured or substituted) and recomputes the line-up's ratings.
void SendOff(int lineup, int player);

// The engine's own penalty taker of the kicking line-up, or -1.
int ChoosePenaltyTaker(int lineup);

// A penalty without a human in it: (taker, outcome 1 scored / 2 missed), or (-1, -1) without a taker.
PlayerPair SetPieceOutcome(int lineup, int keeperRating, int taker);

// Energy lost by the club's starters on the pitch at match tick `tick`.
void ApplyFatigue(int club, int tick);

// Energy lost by a player of this age at one fatigue step.
int FatigueByAge(int age);

// Draws an injury of a player of the fouled side: (injured, substitute or -1) or (-1, -1).
PlayerPair InjuryCheck(int lineup, int zone, int match);

}  // namespace tarvelon
