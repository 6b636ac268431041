#pragma once
// The records of one matchday (line-ups, live matches, the event list, booked players) and of the
// archive of played matches (reports and their events), plus the referees.
// Match reports and report events are written raw into saved games: their layouts are file formats.
// Arrays inside the records are 0-based: starter k (1..11) is starters[k - 1], zone z is attack[z - 1],
// and a per-side field of side s (1 home, 2 away) is field[s - 1].
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelon {

#pragma pack(push, 1)

// One team's line-up for one match. Starter 11 is the goalkeeper.
struct TLineup {
    std::int32_t starters[11];    // player indexes; 0 or below = empty place
    std::int32_t spare[5];        // cleared when a computer line-up is built
    std::int32_t bench[7];        // player indexes; -1 or 0 = empty or used
    std::int32_t pitchSlots[11];  // pitch slot 1..25 of each starter (1 = goal)
    std::int32_t attack[12];      // attack rating per zone of the line-up's own numbering
    std::int32_t defence[12];     // defence rating per zone
    std::int32_t keeper;          // keeper rating
};
static_assert(sizeof(TLineup) == 236);
static_assert(offsetof(TLineup, starters) == 0);
static_assert(offsetof(TLineup, spare) == 44);
static_assert(offsetof(TLineup, bench) == 64);
static_assert(offsetof(TLineup, pitchSlots) == 92);
static_assert(offsetof(TLineup, attack) == 136);
static_assert(offsetof(TLineup, defence) == 184);
static_assert(offsetof(TLineup, keeper) == 232);

// A substitution the coach made during a match: who came on and when (0 or 45 plus the minute
// within the half).
struct TSubstitutionRecord {
    std::int32_t player;
    std::int32_t minute;
};

// One match of the current matchday, with its live ball state and statistics.
struct jogos {
    std::int32_t competition;            // competition index for the players' statistics
    std::int32_t spare0;
    std::int32_t club[2];                // side 1 (home), side 2 (away)
    std::int32_t lineup[2];              // index into Lineups of each side
    std::int32_t subsLeft[2];            // substitutions left, 3 at kick-off
    std::int32_t referee;                // index into Referees
    std::int32_t gate;                   // gate receipts
    std::int32_t attendance;
    std::int32_t sectorAttendance[4];
    std::uint32_t venueRef;              // the venue text lives in MatchVenues at the match's index
    std::int32_t spare1[2];
    std::int32_t goals[2];
    std::int32_t subsMade[2];            // substitutions made by each side's coach, at most 3
    TSubstitutionRecord subs[2][3];      // those substitutions, in the order made
    std::int32_t possession[2];          // possession ticks
    std::int32_t shots[2];
    std::int32_t ballsWon[2];
    std::int32_t badPasses[2];
    std::int32_t fouls[2];               // fouls committed
    std::int32_t startingEleven[2][11];  // copied at kick-off for the archive
    std::int32_t startingSlots[2][11];
    std::int32_t penalties[2];
    std::int32_t passes[2];              // passes completed
    std::uint8_t shootout;
    std::uint8_t pad0[3];
    std::int32_t shootoutGoals[2];
    std::int32_t spare3;
    std::int32_t kickoffDraw;            // Random(3) drawn at kick-off
    std::int32_t endTick;                // Random(4) at kick-off, fixed at tick 180
    std::int32_t ballZone;               // 1..12 in side 1's numbering
    std::int32_t sideInPossession;       // 1 or 2
    std::int32_t nextPlay;               // next-play code (a TMatchEvent code) or -1
    std::int32_t tick;                   // 0 before kick-off
    std::int32_t yellowCards[2];
    std::int32_t redCards[2];            // second yellows included
    std::int32_t injuries[2];
};
static_assert(sizeof(jogos) == 432);
static_assert(offsetof(jogos, competition) == 0);
static_assert(offsetof(jogos, spare0) == 4);
static_assert(offsetof(jogos, club) == 8);
static_assert(offsetof(jogos, lineup) == 16);
static_assert(offsetof(jogos, subsLeft) == 24);
static_assert(offsetof(jogos, referee) == 32);
static_assert(offsetof(jogos, gate) == 36);
static_assert(offsetof(jogos, attendance) == 40);
static_assert(offsetof(jogos, sectorAttendance) == 44);
static_assert(offsetof(jogos, venueRef) == 60);
static_assert(offsetof(jogos, spare1) == 64);
static_assert(offsetof(jogos, goals) == 72);
static_assert(offsetof(jogos, subsMade) == 80);
static_assert(offsetof(jogos, subs) == 88);
static_assert(offsetof(jogos, possession) == 136);
static_assert(offsetof(jogos, shots) == 144);
static_assert(offsetof(jogos, ballsWon) == 152);
static_assert(offsetof(jogos, badPasses) == 160);
static_assert(offsetof(jogos, fouls) == 168);
static_assert(offsetof(jogos, startingEleven) == 176);
static_assert(offsetof(jogos, startingSlots) == 264);
static_assert(offsetof(jogos, penalties) == 352);
static_assert(offsetof(jogos, passes) == 360);
static_assert(offsetof(jogos, shootout) == 368);
static_assert(offsetof(jogos, pad0) == 369);
static_assert(offsetof(jogos, shootoutGoals) == 372);
static_assert(offsetof(jogos, spare3) == 380);
static_assert(offsetof(jogos, kickoffDraw) == 384);
static_assert(offsetof(jogos, endTick) == 388);
static_assert(offsetof(jogos, ballZone) == 392);
static_assert(offsetof(jogos, sideInPossession) == 396);
static_assert(offsetof(jogos, nextPlay) == 400);
static_assert(offsetof(jogos, tick) == 404);
static_assert(offsetof(jogos, yellowCards) == 408);
static_assert(offsetof(jogos, redCards) == 416);
static_assert(offsetof(jogos, injuries) == 424);

// One event of a match (goal, card, injury, substitution).
struct TMatchEventEntry {
    std::int32_t code;    // TMatchEvent; a goal by a player of the other club is stored as 8
    std::int32_t club;    // club of the side the event belongs to
    std::int32_t player;
    std::int32_t second;  // incoming player / substitute, or the card kind (1, 2, 3) of code 13; else -1
    std::int32_t tick;
    std::int32_t match;   // MatchEvents: index into Matches; ReportEvents: index into MatchReports
};
static_assert(sizeof(TMatchEventEntry) == 24);
static_assert(offsetof(TMatchEventEntry, code) == 0);
static_assert(offsetof(TMatchEventEntry, club) == 4);
static_assert(offsetof(TMatchEventEntry, player) == 8);
static_assert(offsetof(TMatchEventEntry, second) == 12);
static_assert(offsetof(TMatchEventEntry, tick) == 16);
static_assert(offsetof(TMatchEventEntry, match) == 20);

// The six per-side statistics of a report, in their stored order.
enum ReportStat { rsPossession = 0, rsBallsWon, rsShots, rsBadPasses, rsFouls, rsPasses };

// The archive record of one played match. Bytes no field covers stay zero.
struct TMatchReport {
    std::int32_t club[2];
    std::int32_t goals[2];
    std::int32_t gate;
    std::int32_t attendance;
    std::int32_t sectorAttendance[4];
    std::uint8_t reserved0[8];
    std::int32_t kind;                  // competition kind of the day
    std::int32_t round;                 // round or stage
    std::int32_t turn;
    std::int32_t region;                // CurrentState / CurrentLeague / 0
    double date;
    std::uint8_t shootout;
    std::uint8_t reserved1[3];
    std::int32_t shootoutGoals[2];
    std::int32_t startingEleven[2][11];
    std::uint8_t reserved2[176];
    std::int32_t startingSlots[2][11];
    std::uint8_t reserved3[88];
    std::int32_t stats[2][6];           // indexed by ReportStat
    std::int32_t playingStyle[2];
    std::int32_t attackSide[2];
    std::int32_t marking[2];
    std::uint8_t reserved4[4];
};
static_assert(sizeof(TMatchReport) == 600);
static_assert(offsetof(TMatchReport, club) == 0);
static_assert(offsetof(TMatchReport, goals) == 8);
static_assert(offsetof(TMatchReport, gate) == 16);
static_assert(offsetof(TMatchReport, attendance) == 20);
static_assert(offsetof(TMatchReport, sectorAttendance) == 24);
static_assert(offsetof(TMatchReport, reserved0) == 40);
static_assert(offsetof(TMatchReport, kind) == 48);
static_assert(offsetof(TMatchReport, round) == 52);
static_assert(offsetof(TMatchReport, turn) == 56);
static_assert(offsetof(TMatchReport, region) == 60);
static_assert(offsetof(TMatchReport, date) == 64);
static_assert(offsetof(TMatchReport, shootout) == 72);
static_assert(offsetof(TMatchReport, reserved1) == 73);
static_assert(offsetof(TMatchReport, shootoutGoals) == 76);
static_assert(offsetof(TMatchReport, startingEleven) == 84);
static_assert(offsetof(TMatchReport, reserved2) == 172);
static_assert(offsetof(TMatchReport, startingSlots) == 348);
static_assert(offsetof(TMatchReport, reserved3) == 436);
static_assert(offsetof(TMatchReport, stats) == 524);
static_assert(offsetof(TMatchReport, playingStyle) == 572);
static_assert(offsetof(TMatchReport, attackSide) == 580);
static_assert(offsetof(TMatchReport, marking) == 588);
static_assert(offsetof(TMatchReport, reserved4) == 596);

// One referee. The name is held in RefereeNames at nameIndex.
struct arbitro_ {
    std::int32_t nameIndex;
    std::int32_t technique;  // 3..5
    std::int32_t rigour;     // 2..5
    std::int32_t pool;       // 29 national pool, 1 international pool
};
static_assert(sizeof(arbitro_) == 16);
static_assert(offsetof(arbitro_, nameIndex) == 0);
static_assert(offsetof(arbitro_, technique) == 4);
static_assert(offsetof(arbitro_, rigour) == 8);
static_assert(offsetof(arbitro_, pool) == 12);

#pragma pack(pop)

constexpr int kRefereeCount = 42;
constexpr int kRefereePoolNational = 29;
constexpr int kRefereePoolInternational = 1;
constexpr int kMatchSlots = 41;  // Matches holds entries 0..40; 1..MatchCount are used

// The line-ups of the matchday; LineupCount entries are in use.
extern std::vector<TLineup> Lineups;
extern std::int32_t LineupCount;

// The matches of the matchday (entry 0 unused) and their venue texts (same index).
extern std::vector<jogos> Matches;
extern std::vector<std::string> MatchVenues;
extern std::int32_t MatchCount;

extern std::vector<TMatchEventEntry> MatchEvents;   // events of the current matchday, in order
extern std::vector<TMatchEventEntry> ReportEvents;  // events of archived matches
extern std::vector<TMatchReport> MatchReports;
extern std::vector<std::int32_t> BookedPlayers;     // booked (first yellow) in the current matchday

// Referees [1..42] (entry 0 unused) and the names they point to.
extern std::array<arbitro_, kRefereeCount + 1> Referees;
extern std::vector<std::string> RefereeNames;
std::string RefereeName(int referee);

// Side helpers: side 1 is home, side 2 away.
inline int OtherSide(int side) { return side == 1 ? 2 : 1; }
inline int SideIndex(int side) { return side == 2 ? 1 : 0; }

}  // namespace tarvelon
