#pragma once
// The season calendar: 148 match days, each carrying at most one competition kind, rebuilt from
// the season number whenever it is needed (it is not saved). Friendlies booked by the coaches live
// in their own table and are played on the friendly days.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/basics/datetime.h"
#include "core/season/competition_kind.h"

namespace tarvelon {

inline constexpr int kCalendarDays = 148;
// The last season: its year, 2009 + season, is 9999, the last year of the calendar's dates. No season
// starts after it, and a saved game of a season outside 1 .. kLastSeason is refused.
inline constexpr int kLastSeason = 9999 - 2009;
inline constexpr int kNoMatchDay = -1;  // day kind of a day without matches

// League formats of `Game.LeagueFormat`.
inline constexpr int kDivisionsOf20 = 2;
inline constexpr int kDivisionsOf10 = 4;
// The clubs of a division in a league format.
inline constexpr int DivisionSizeOf(int format) { return format == kDivisionsOf10 ? 10 : 20; }

struct TCalendarEntry {
    std::int32_t ordinal = 0;       // the entry's own index 1..148
    TDateTime date = 0;
    std::int32_t dayKind = kNoMatchDay;  // competition kind played that day, -1 none
};

// Entries 1..148 (element 0 is unused): Calendar[Game.DayIndex] is today.
extern std::array<TCalendarEntry, kCalendarDays + 1> Calendar;

// Rebuilds all 148 days from the season number, league format and competition switches of `Game`.
void BuildCalendar();
// The calendar of any season as BuildCalendar makes it for the game's format and switches.
std::array<TCalendarEntry, kCalendarDays + 1> CalendarOfSeason(int season);

// Writes one kind into its fixed days of the table for divisions of 20 or of 10 clubs.
void MarkCalendarDays20(int kind);
void MarkCalendarDays10(int kind);

// Moves `Game.DayIndex` on to the next day on which something is played; 148 ends the season.
void AdvanceToNextMatchDate();

// The national-team tournament of the season's year (2009 + season number).
bool IsWorldCupYear();
bool IsCopaAmericaYear();
bool IsEurocopaYear();

// The date of today's calendar entry; 0 when the day index is outside 1..148.
TDateTime TodayDate();

// A friendly booked by a coach, saved raw with the game.
#pragma pack(push, 1)
struct TFriendly {
    std::int32_t home = -1;   // -1 once cancelled
    std::int32_t away = -1;   // -1 once cancelled
    std::uint8_t done = 0;    // played or cancelled; 0 while pending
    std::uint8_t reserved9[7] = {};
    TDateTime date = 0;
};
#pragma pack(pop)

static_assert(sizeof(TFriendly) == 24);
static_assert(offsetof(TFriendly, home) == 0);
static_assert(offsetof(TFriendly, away) == 4);
static_assert(offsetof(TFriendly, done) == 8);
static_assert(offsetof(TFriendly, reserved9) == 9);
static_assert(offsetof(TFriendly, date) == 16);

extern std::vector<TFriendly> Friendlies;

// Pending friendlies dated on today's calendar day.
int CountFriendliesToday();

// Questions about the pending friendlies on the date of calendar entry `day` (1..148; any other
// entry has no friendlies).
bool AnyFriendlyOnDate(int day);
bool HumanFriendlyOnDate(int day);
bool ClubHasFriendlyOnDate(int day, int club);

// Cancels every pending friendly of the club: done, and both clubs -1.
void CancelClubFriendlies(int club);

}  // namespace tarvelon
