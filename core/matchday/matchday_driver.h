#pragma once
// Plays one matchday: sets up every match, steps them all once per clock tick and, after the last tick,
// applies the results and archives the matches. The live matchday screen calls the three steps from its
// clock; headless play (instant days, tests, the simulator) calls PlayWholeMatchday.
#include <functional>
#include <vector>

#include "core/basics/datetime.h"

namespace tarvelon {

inline constexpr int kFirstAddedTimeTick = 183;  // from here only matches still short of their end tick run
inline constexpr int kLastMatchdayTick = 190;

// One match to play: its competition index (for the players' statistics), the two clubs and the
// season's fixture it plays (-1 for a match without one). Both clubs' current line-ups must be built
// before the matchday begins.
struct MatchdayFixture {
    int competition = 0;
    int homeClub = -1;
    int awayClub = -1;
    int fixture = -1;
};

// What the archive stores of the day, and the caller's own result step.
struct MatchdayRecord {
    int kind = 0;       // competition kind of the day
    int round = 0;      // round or stage as the archive counts it
    int turn = 1;
    int region = 0;     // CurrentState / CurrentLeague / 0
    TDateTime date = 0;
    // Called for each match, in match order, after its fixture has its result and before the board's
    // reaction: the place where the competition code books the rest (standings, money). May be empty.
    std::function<void(int match)> bookResult;
    // Called once after every match of the day is booked and before the archive (the knockout ties
    // decided on a second leg: their shoot-outs belong in the archived matches). May be empty.
    std::function<void()> afterResults;
    // The board's and the supporters' reaction to each result right after it. The competitions'
    // end of matchday leaves it to the table close-outs, which react after ranking the tables.
    bool updateMorale = true;
    // The day's line-ups serve every league played on a league day one after another, so the end
    // of a league's matchday keeps them; the calendar advance empties them.
    bool keepLineups = false;
};

// The record of today's matchday as the game state says: kind of the day, its round or stage for the
// archive, the league turn, the region and today's date.
MatchdayRecord MatchdayRecordOfToday();

// Fills Matches 1..fixtures.size() and their starting elevens; every match stands at tick 0.
void BeginMatchday(const std::vector<MatchdayFixture>& fixtures);

// True while match m still plays at clock tick `tick` (1..190).
bool MatchPlaysAtTick(int m, int tick);

// Before the day's first tick every match keeps its sides' line-ups as they stand then (a coach may
// change his before the clock starts) as its kick-off line-ups.
void KeepTodaysKickOffLineups();

// Steps every match that plays at this clock tick once, in match order; tick 1 first keeps the
// kick-off line-ups. eventOfMatch (when given) gets,
// per match index, the index in MatchEvents of the event its step recorded, or -1.
void PlayMatchdayTick(int tick, std::vector<int>* eventOfMatch = nullptr);

// The season's fixture that match m of the day plays, or -1.
int FixtureOfMatch(int m);

// Writes the match's result into its fixture: the goals, the shoot-out goals when there was a
// shoot-out, the played flag, the gate and the attendance (the sum of the four sectors).
void RecordFixtureResult(int fixture, int m);

// After tick 190: writes each fixture's result, books the rest (record.bookResult), moves the boards' confidence and the supporters'
// mood (record.updateMorale), runs record.afterResults, archives each match with its events and
// appearance ratings, then empties MatchEvents, BookedPlayers and (unless record.keepLineups) Lineups.
void FinishMatchday(const MatchdayRecord& record);

// Begin, ticks 1..190, finish.
void PlayWholeMatchday(const std::vector<MatchdayFixture>& fixtures, const MatchdayRecord& record);

}  // namespace tarvelon
