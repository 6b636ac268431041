#pragma once
// A small made-up world for the progression tests: clubs of one played league (and guests or
// national teams after them), each with a coach, empty accounts and no money, the competitions the
// histories look up, and two-leg knockout stages written straight into the fixtures.
#include <string>
#include <utility>
#include <vector>

#include "core/basics/currency.h"
#include "core/basics/random.h"
#include "core/records/history_records.h"
#include "core/match/match_day.h"
#include "core/records/match_records.h"
#include "core/progression/progression_services.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "tests/core/test_world.h"

namespace tarvelon::progtest {

inline constexpr int kBrazil = 29;   // South America, the league played
inline constexpr int kSpain = 65;    // Europe
inline constexpr TDateTime kToday = 40000;

// `count` clubs; the first `leagueClubs` are of the played league of `leagueCountry`, the others of
// `guestCountry`. Club i is coached by coach i. Today is calendar day 10.
inline void BuildClubs(int count, int leagueClubs, int leagueCountry = kBrazil, int guestCountry = kSpain)
{
    testbuild::StartEmptyGame(1, kDivisionsOf20);
    Progression() = ProgressionServices{};
    Game.LeagueClubCount = leagueClubs;
    Game.DayIndex = 10;
    for (int d = 1; d <= kCalendarDays; ++d)
        Calendar[d] = TCalendarEntry{d, kToday + d - 10, kNoMatchDay};
    Leagues.assign(1, TLeague{});
    Leagues[0].country = leagueCountry;
    for (int c = 0; c < count; ++c) {
        TClub& club = Clubs[testbuild::AppendClub(c < leagueClubs ? leagueCountry : guestCountry, c < leagueClubs ? 1 : 0, 0)];
        club.coach = testbuild::AppendCoachOf(c);
        club.boardConfidence = 50;
        club.SupportersMood = 50;
    }
    Competitions.assign(1, TCompetition{});
    for (const TCompetition& c : {TCompetition{kKindNationalCup, leagueCountry, -1}, TCompetition{kKindFirstContinentalCup, -1, kConfSouthAmerica},
                                  TCompetition{kKindFirstContinentalCup, -1, kConfEurope}, TCompetition{kKindSecondContinentalCup, -1, kConfSouthAmerica},
                                  TCompetition{kKindClubWorldCup, -1, -1}, TCompetition{kKindWorldCup, -1, -1},
                                  TCompetition{kKindCopaAmerica, -1, -1}, TCompetition{kKindEurocopa, -1, -1}})
        Competitions.push_back(c);
}

// A stage of `ties` two-leg ties: the first legs of the given pairs (or clubs not yet known, -1),
// each followed by its return leg.
inline int AddTwoLegStage(int kind, int region, int stage, int ties, const std::vector<std::pair<int, int>>& pairs = {})
{
    const int first = static_cast<int>(Fixtures.size());
    for (int t = 0; t < ties; ++t) {
        const int home = t < static_cast<int>(pairs.size()) ? pairs[t].first : -1;
        const int away = t < static_cast<int>(pairs.size()) ? pairs[t].second : -1;
        AppendFixture(home, away, stage, kind, region, 1, -1, kToday);
        AppendFixture(away, home, stage, kind, region, 2, -1, kToday);
    }
    return first;
}

// Scores leg `leg` of every tie of the stage with random goals 0..3.
inline void PlayLeg(int kind, int region, int stage, int leg)
{
    for (TFixture& f : Fixtures)
        if (f.kind == kind && f.region == region && f.round == stage && f.leg == leg && f.home >= 0) {
            f.homeGoals = Random(4);
            f.awayGoals = Random(4);
            f.played = 1;
        }
}

// Every club's cash is exactly the prizes booked in its accounts (they start from nothing).
inline bool CashMatchesPrizeLedger()
{
    for (std::size_t c = 0; c < Clubs.size(); ++c)
        if (Clubs[c].cash != CurrencyFromUnits(ClubFinances[c].prizes))
            return false;
    return true;
}

inline int CountClubPlacings(int club, int kind)
{
    int n = 0;
    for (const TClubPlacing& p : ClubPlacings)
        if (p.club == club && p.kind == kind)
            ++n;
    return n;
}

// Today's matches: each (home, away, home goals, away goals).
struct DayMatch {
    int home;
    int away;
    int homeGoals;
    int awayGoals;
};

inline void SetDayMatches(const std::vector<DayMatch>& matches)
{
    ResetMatchday(static_cast<int>(matches.size()));
    for (int m = 1; m <= MatchCount; ++m) {
        const DayMatch& d = matches[m - 1];
        Matches[m].club[0] = d.home;
        Matches[m].club[1] = d.away;
        Matches[m].goals[0] = d.homeGoals;
        Matches[m].goals[1] = d.awayGoals;
    }
}

}  // namespace tarvelon::progtest
