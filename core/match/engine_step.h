#pragma once
// The match engine's step: one call advances one match by one tick, resolves one play, updates the
// statistics and the event list and recomputes both line-ups' ratings.

namespace tarvelon {

// The result of one play, handed from ResolvePlay to MatchStep; -1 where not set.
struct PlayResult {
    int zone = -1;
    int side = -1;
    int nextPlay = -1;
    int event = -1;
    int eventSide = -1;
    int player = -1;
    int second = -1;
    int spare = -1;
};

// Prepares match m for kick-off: competition, clubs, their current line-ups, 3 substitutions a side,
// the referee of the day, the kick-off draw Random(3), the provisional end tick Random(4), zero
// statistics, the starting elevens with their pitch slots, no ball state yet (zone, side, code -1).
void KickOffMatch(int m, int competition, int homeClub, int awayClub);

// Match m keeps the two sides' current starters and their pitch slots as its kick-off line-ups,
// the ones its report shows.
void KeepKickOffLineups(int m);

// One step of match m; returns the index in MatchEvents of the event it recorded, or -1.
int MatchStep(int m);

PlayResult ResolvePlay(int zone, int side, int nextPlay, int lineup1, int lineup2, int m);

// Fixes the end tick at tick 180: 184..187 plus 2 per red card, at most 190.
void SetMatchEndTick(int m);

// The goal damper: an open-play goal of a side that has `goalsBefore` goals stands when a draw of
// Random(100) is at most this (99: always). Before half time the goals beyond the second stand less
// and less often, after it those beyond the fourth.
int GoalStandsUpTo(int goalsBefore, int tick);

// The minute shown for a tick (tick 1 shows 1, tick 92 shows 46, tick 93 shows 0).
int MatchMinuteOfTick(int tick);

}  // namespace tarvelon
