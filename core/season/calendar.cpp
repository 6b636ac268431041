#include "core/season/calendar.h"

#include <span>

#include "core/tables.h"

namespace tarvelon {

std::array<TCalendarEntry, kCalendarDays + 1> Calendar{};
std::vector<TFriendly> Friendlies;

namespace {
const GameTableReset friendliesReset([] { Friendlies.clear(); });
}  // namespace

namespace {

using DayList = std::span<const int>;

// The match days of each kind (kinds 0 to 6) in the two tables; no day stands under two kinds of
// one table, and day 148 is free.
constexpr int k20Friendlies[] = {3, 6, 37, 50, 104, 110, 116, 125, 142};
constexpr int k20League[] = {36,  39,  42,  45,  48,  51,  54,  57,  60,  63,  66,  69,  72,
                             75,  90,  93,  96,  99,  102, 105, 108, 111, 114, 117, 120, 121,
                             123, 126, 129, 130, 132, 133, 135, 136, 138, 139, 141, 144};
constexpr int k20Cup[] = {43, 49, 55, 64, 70, 76, 94, 100, 106, 112};
constexpr int k20State[] = {9, 10, 12, 13, 15, 16, 18, 21, 24, 27, 30, 33};
constexpr int k20FirstContinental[] = {19, 22, 25, 28, 34, 40, 46, 52, 58, 61, 67, 73, 92, 98};
constexpr int k20ClubWorldCup[] = {145, 146, 147};
constexpr int k20SecondContinental[] = {59, 62, 68, 74, 91, 97, 103, 109, 115, 118, 124, 127, 131, 137};

constexpr int k10Friendlies[] = {3, 6, 9, 31, 39, 42, 46, 50, 56, 62, 74, 92, 104, 117, 123, 129, 135, 141};
constexpr int k10League[] = {45, 48, 51, 54, 57, 60, 63, 66, 69, 72, 75, 90, 93, 96, 99, 102, 105, 108};
constexpr int k10Cup[] = {34, 37, 49, 55, 61, 67, 73, 91, 97, 103};
constexpr int k10State[] = {12, 13, 15, 16, 18, 19, 21, 24, 27, 30, 33, 36};
constexpr int k10FirstContinental[] = {23, 26, 29, 41, 44, 53, 59, 65, 71, 77, 95, 101, 107, 110};
constexpr int k10ClubWorldCup[] = {144, 145, 147};
constexpr int k10SecondContinental[] = {22, 25, 28, 40, 43, 52, 58, 64, 70, 76, 94, 100, 106, 109};

constexpr DayList kDaysOf20[] = {k20Friendlies, k20League, k20Cup, k20State,
                                 k20FirstContinental, k20ClubWorldCup, k20SecondContinental};
constexpr DayList kDaysOf10[] = {k10Friendlies, k10League, k10Cup, k10State,
                                 k10FirstContinental, k10ClubWorldCup, k10SecondContinental};

DayList ClubDays(const DayList (&table)[7], int kind)
{
    if (kind < kKindFriendlies || kind > kKindSecondContinentalCup) return {};
    return table[kind];
}

// The national-team tournaments take the same days in both tables. The World Cup plays seven
// days; the 12- and 16-team tournaments play six and leave their seventh day to friendlies.
constexpr int kTournamentDays[] = {78, 79, 81, 82, 84, 85};
constexpr int kWorldCupLastDay = 87;

using CalendarDays = std::array<TCalendarEntry, kCalendarDays + 1>;

bool MarkTournamentDays(CalendarDays& calendar, int kind)
{
    if (kind < kKindWorldCup || kind > kKindEurocopa) return false;
    for (int day : kTournamentDays) calendar[day].dayKind = kind;
    calendar[kWorldCupLastDay].dayKind = kind == kKindWorldCup ? kKindWorldCup : kKindFriendlies;
    return true;
}

void MarkDays(CalendarDays& calendar, DayList days, int kind)
{
    for (int day : days) calendar[day].dayKind = kind;
}

void MarkDays20(CalendarDays& calendar, int kind)
{
    if (!MarkTournamentDays(calendar, kind)) MarkDays(calendar, ClubDays(kDaysOf20, kind), kind);
}

void MarkDays10(CalendarDays& calendar, int kind)
{
    if (!MarkTournamentDays(calendar, kind)) MarkDays(calendar, ClubDays(kDaysOf10, kind), kind);
}

int SeasonYear(int season)
{
    return 2009 + season;
}

// Non-negative remainder, so a season number below 1 still gives a year class.
int YearClass(int season)
{
    return ((SeasonYear(season) % 4) + 4) % 4;
}

void MarkKind(CalendarDays& calendar, int kind)
{
    if (Game.LeagueFormat == kDivisionsOf20) MarkDays20(calendar, kind);
    else if (Game.LeagueFormat == kDivisionsOf10) MarkDays10(calendar, kind);
}

bool IsClubIndex(int club)
{
    return club >= 0 && static_cast<std::size_t>(club) < Clubs.size();
}

bool IsCalendarDay(int day)
{
    return day >= 1 && day <= kCalendarDays;
}

// Calls `visit` for each pending friendly dated on calendar entry `day`; stops when it returns true.
template <typename Visit>
bool AnyPendingFriendlyOn(int day, Visit visit)
{
    if (!IsCalendarDay(day)) return false;
    const TDateTime date = Calendar[day].date;
    for (const TFriendly& f : Friendlies)
        if (f.done == 0 && f.date == date && visit(f)) return true;
    return false;
}

}  // namespace

void MarkCalendarDays20(int kind)
{
    MarkDays20(Calendar, kind);
}

void MarkCalendarDays10(int kind)
{
    MarkDays10(Calendar, kind);
}

bool IsWorldCupYear()
{
    return YearClass(Game.Season) == 2;
}

bool IsCopaAmericaYear()
{
    return YearClass(Game.Season) == 3;
}

bool IsEurocopaYear()
{
    return YearClass(Game.Season) == 0;
}

void BuildCalendar()
{
    Calendar = CalendarOfSeason(Game.Season);
}

std::array<TCalendarEntry, kCalendarDays + 1> CalendarOfSeason(int season)
{
    CalendarDays calendar{};
    // Day 1 is the first Wednesday of the year; then Wednesday, Thursday, Sunday, Wednesday ...
    // Counted rather than stepped to: past the last calendar year every date reads as 31/12/9999,
    // whose weekday never changes.
    TDateTime date = EncodeDate(SeasonYear(season), 1, 1);
    constexpr int kWednesday = 4;
    date += (kWednesday - DayOfWeek(date) + 7) % 7;
    for (int i = 1; i <= kCalendarDays; ++i) {
        if (i > 1) date += (i % 3 == 2) ? 1 : 3;
        calendar[i] = TCalendarEntry{i, date, kNoMatchDay};
    }

    MarkKind(calendar, kKindFriendlies);
    MarkKind(calendar, kKindNationalLeague);
    if (Game.nationalCupOn) MarkKind(calendar, kKindNationalCup);
    if (Game.StateChampionshipsOn) MarkKind(calendar, kKindStateChampionship);
    if (Game.firstContinentalPairOn && season >= 2) {
        MarkKind(calendar, kKindFirstContinentalCup);
        MarkKind(calendar, kKindClubWorldCup);
    }
    if (Game.secondContinentalPairOn && season >= 2) MarkKind(calendar, kKindSecondContinentalCup);
    if (Game.worldCupOn && YearClass(season) == 2) MarkKind(calendar, kKindWorldCup);
    // The 12- and 16-team tournaments keep their days whatever the league format.
    if (Game.copaAmericaOn && YearClass(season) == 3) MarkDays10(calendar, kKindCopaAmerica);
    if (Game.eurocopaOn && YearClass(season) == 0) MarkDays10(calendar, kKindEurocopa);
    return calendar;
}

void AdvanceToNextMatchDate()
{
    for (int i = Game.DayIndex + 1; i <= kCalendarDays; ++i) {
        if (i < 1) continue;
        const int kind = Calendar[i].dayKind;
        const bool playing = kind > kKindFriendlies || (kind == kKindFriendlies && AnyFriendlyOnDate(i));
        if (playing || i == kCalendarDays) {
            Game.DayIndex = i;
            return;
        }
    }
}

TDateTime TodayDate()
{
    return IsCalendarDay(Game.DayIndex) ? Calendar[Game.DayIndex].date : 0;
}

int CountFriendliesToday()
{
    int count = 0;
    AnyPendingFriendlyOn(Game.DayIndex, [&count](const TFriendly&) {
        ++count;
        return false;
    });
    return count;
}

bool AnyFriendlyOnDate(int day)
{
    return AnyPendingFriendlyOn(day, [](const TFriendly&) { return true; });
}

bool HumanFriendlyOnDate(int day)
{
    auto human = [](int club) { return IsClubIndex(club) && Clubs[club].IsHuman != 0; };
    return AnyPendingFriendlyOn(day, [&](const TFriendly& f) { return human(f.home) || human(f.away); });
}

bool ClubHasFriendlyOnDate(int day, int club)
{
    return AnyPendingFriendlyOn(day, [club](const TFriendly& f) { return f.home == club || f.away == club; });
}

void CancelClubFriendlies(int club)
{
    for (TFriendly& f : Friendlies) {
        if (f.done != 0 || (f.home != club && f.away != club)) continue;
        f.done = 1;
        f.home = -1;
        f.away = -1;
    }
}

}  // namespace tarvelon
