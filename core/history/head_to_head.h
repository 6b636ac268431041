#pragma once
// Head-to-head record of two clubs from the past results.
#include <cstdint>

namespace tarvelon {

// Every meeting of the two clubs (a at home to b, b at home to a) in PastMatches, in table order.
// With no meeting every count is 0 and there is no last meeting (hasLastMeeting false, clubs -1).
struct HeadToHead {
    int games = 0;
    int draws = 0;
    int wins = 0;  // of club a
    int losses = 0;
    // Summed in 64 bits: the loader holds each result's goals to a match's range, but not how many
    // results two clubs have.
    std::int64_t goalsFor = 0;
    std::int64_t goalsAgainst = 0;
    bool hasLastMeeting = false;  // the fields below are the last meeting in table order
    int lastSeason = 0;
    int lastKind = 0;
    int lastHomeClub = -1;
    int lastAwayClub = -1;
    int lastHomeGoals = 0;
    int lastAwayGoals = 0;
};
HeadToHead SummarizeHeadToHead(int clubA, int clubB);

}  // namespace tarvelon
