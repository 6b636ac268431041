#pragma once
// The fixtures of the season: every scheduled match of the national leagues, national cups, state
// championships and continental cups, plus friendlies and ties appended later. Saved raw with the
// game. The n-th fixture round of a competition is played on the n-th calendar day of its kind.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/basics/datetime.h"
#include "core/season/competition_kind.h"
#include "core/season/pairing.h"

namespace tarvelon {

#pragma pack(push, 1)
struct TFixture {
    std::int32_t home = -1;          // club index; -1 while not yet drawn
    std::int32_t away = -1;
    std::int32_t homeGoals = 0;      // written by the results step
    std::int32_t awayGoals = 0;
    std::int32_t homeShootout = 0;   // penalty shoot-out of a tied knockout match
    std::int32_t awayShootout = 0;
    std::int32_t kind = 0;           // competition kind 0..9
    std::int32_t round = 0;          // round of a round robin, stage of a knockout competition
    std::int32_t leg = 0;            // 1 or 2; national cup: the tie number within its stage
    std::int32_t bracketSlot = -1;   // national cup: descending tie number; -1 otherwise
    std::uint8_t reserved40[4] = {};
    std::uint8_t played = 0;
    std::uint8_t reserved45[3] = {};
    TDateTime date = 0;
    std::int32_t region = 0;         // kinds 1, 2: league index; 3: state 0..26; 4, 6: 1 South America, 2 Europe
    std::int32_t gate = 0;           // written by the results step
    std::int32_t attendance = 0;     // written by the results step
    std::uint8_t reserved68[4] = {};
};
#pragma pack(pop)

static_assert(sizeof(TFixture) == 72);
static_assert(offsetof(TFixture, home) == 0);
static_assert(offsetof(TFixture, away) == 4);
static_assert(offsetof(TFixture, homeGoals) == 8);
static_assert(offsetof(TFixture, awayGoals) == 12);
static_assert(offsetof(TFixture, homeShootout) == 16);
static_assert(offsetof(TFixture, awayShootout) == 20);
static_assert(offsetof(TFixture, kind) == 24);
static_assert(offsetof(TFixture, round) == 28);
static_assert(offsetof(TFixture, leg) == 32);
static_assert(offsetof(TFixture, bracketSlot) == 36);
static_assert(offsetof(TFixture, reserved40) == 40);
static_assert(offsetof(TFixture, played) == 44);
static_assert(offsetof(TFixture, reserved45) == 45);
static_assert(offsetof(TFixture, date) == 48);
static_assert(offsetof(TFixture, region) == 56);
static_assert(offsetof(TFixture, gate) == 60);
static_assert(offsetof(TFixture, attendance) == 64);
static_assert(offsetof(TFixture, reserved68) == 68);

// Indexed from 0. Emptied by a new game and the season rollover; the builders only append.
extern std::vector<TFixture> Fixtures;

// Continental regions of kinds 4 and 6.
inline constexpr int kRegionSouthAmerica = 1;
inline constexpr int kRegionEurope = 2;

// Sets the length of `Fixtures` to n and fills record n (1-based: element n - 1); the caller
// writes the date afterwards. Builders pass the current length + 1, so it appends. n < 1 does nothing.
void SetFixture(int n, int home, int away, int round, int kind, int region, int leg, int bracketSlot);

// Appends one fixture with all these fields; returns its index. Friendlies use kind 0 and -1 for
// round, region, leg and bracket slot.
int AppendFixture(int home, int away, int round, int kind, int region, int leg, int bracketSlot, TDateTime date);

// Index of the first fixture with exactly that region (league, state or continental region),
// kind and round; -1 when none. Also tells whether a competition has that round at all.
int FindFixture(int region, int kind, int round);

// Index of the first fixture dated exactly `date` in which the club is home or away; -1 when none.
int FindClubFixtureOnDate(int club, TDateTime date);

// Appends the season fixtures of one competition: kind 1 national league and kind 2 national cup
// (index = league), kind 3 state championship (index = state 0..26), kinds 4 and 6 the continental
// cups (both regions at once; index unused). Other kinds build nothing.
void BuildCompetitionFixtures(int kind, int index);

// Appends the double round robin of division 4 of a league on the league days of divisions of 20;
// with divisions of 10 the calendar has too few league days and nothing is built.
void BuildFourthDivisionFixtures(int league);

// The dates of the calendar days of one kind, in calendar order.
std::vector<TDateTime> CompetitionDates(int kind);

}  // namespace tarvelon
