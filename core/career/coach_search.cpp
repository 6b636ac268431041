#include "core/career/coach_search.h"

#include <algorithm>
#include <string>

#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/economy/table_access.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

bool IsFree(const TCoach& coach)
{
    return coach.club < 0 && coach.active == 0 && coach.human == 0;
}

int FindFreeCoach(int country, bool anyDivision, int division)
{
    for (int i = 0; i < static_cast<int>(Coaches.size()); ++i) {
        const TCoach& coach = Coaches[i];
        if (IsFree(coach) && (country == -1 || coach.country == country) && (anyDivision || coach.division == division))
            return i;
    }
    return -1;
}

struct PlaceBand {
    bool nextDivision = false;
    int from = 0;
    int to = 0;
};

// Next division or the club's own: a coin, or, on a league day, the club's league place.
bool ChooseNextDivisionMode(const TClub& club)
{
    bool next = Random(2) == 1;
    const int place = club.Place[1];
    if (Game.DayKind != 1 || place <= 5)
        return next;
    if (Game.LeagueFormat == 2) {
        if (place > 15)
            return Random(100) > 20;
        if (place > 10)
            return Random(100) > 50;
        return Random(100) > 70;
    }
    if (Game.LeagueFormat == 4)
        return Random(100) > 20;
    return false;
}

// The places scanned: upwards in the next division, downwards in the club's own.
PlaceBand DrawPlaceBand(bool nextDivision)
{
    PlaceBand band;
    band.nextDivision = nextDivision;
    if (Game.LeagueFormat == 2) {
        if (nextDivision) {
            band.from = 2 + Random(3);
            band.to = 17 + Random(3);
        } else {
            band.from = 17 + Random(3);
            band.to = 5;
        }
    } else if (nextDivision) {
        band.from = 2;
        band.to = 10;
    } else {
        band.from = 10;
        band.to = 3;
    }
    return band;
}

int ClubAtFinalPlace(const TLeague& league, int division, int place)
{
    if (division < 1 || division > kDivisions || place < 1 || place > kClubsPerDivision)
        return -1;
    return league.finalOrder[division - 1][place - 1];
}

bool CanGiveUpCoach(int candidate, int club)
{
    return candidate != club && IsClubIndex(candidate) && !Clubs[candidate].IsHuman && IsCoachIndex(Clubs[candidate].coach) &&
           Coaches[Clubs[candidate].coach].hireCounter == 0;
}

}  // namespace

int FindFreeCoachOfCountry(int country)
{
    return FindFreeCoach(country, true, 0);
}

int FindFreeCoachOfCountryDivision(int country, int division)
{
    return FindFreeCoach(country, false, division);
}

int FindCoachToPoach(int country, int division, int club)
{
    const int leagueIndex = FindLeagueByCountry(country);
    if (leagueIndex < 0 || !IsClubIndex(club))
        return -1;
    const TLeague& league = Leagues[leagueIndex];
    bool nextDivision = ChooseNextDivisionMode(Clubs[club]);
    if (division == Game.LeagueFormat || Game.LeagueFormat > league.divisionCount)
        nextDivision = false;
    const PlaceBand band = DrawPlaceBand(nextDivision);
    const int scanned = nextDivision ? std::min(division + 1, league.divisionCount) : division;
    const int step = band.from <= band.to ? 1 : -1;
    for (int place = band.from; place != band.to + step; place += step) {
        const int candidate = ClubAtFinalPlace(league, scanned, place);
        if (CanGiveUpCoach(candidate, club)) {
            ReplacementCoachOldClub = candidate;
            return Clubs[candidate].coach;
        }
    }
    return -1;
}

int FindRegionalClubWithCoach(int country)
{
    for (int c = 0; c < Game.LeagueClubCount && c < static_cast<int>(Clubs.size()); ++c) {
        const TClub& club = Clubs[c];
        if (club.Country == country && club.Division == 0 && !club.IsHuman && club.coach >= 0)
            return c;
    }
    return -1;
}

int FindReplacementCoach()
{
    if (!IsClubIndex(CoachChangeClub))
        return -1;
    const int country = Clubs[CoachChangeClub].Country;
    const int division = Clubs[CoachChangeClub].Division;
    int coach = FindFreeCoachOfCountryDivision(country, division);
    if (coach < 0)
        coach = FindFreeCoachOfCountry(country);
    if (coach < 0)
        coach = FindFreeCoachOfCountry(-1);
    if (coach >= 0)
        return coach;

    TCoach made{};
    std::string name;
    MakeRandomCoachName(name);
    made.name.set(name);
    made.club = -1;
    made.lastClub = -1;
    made.country = country;
    made.division = division;
    Coaches.push_back(made);
    return static_cast<int>(Coaches.size()) - 1;
}

bool FindReplacementForCpuClub()
{
    FiredCoach = -1;
    ReplacementCoach = -1;
    ReplacementCoachOldClub = -1;
    if (!IsClubIndex(CoachChangeClub))
        return false;
    const TClub& club = Clubs[CoachChangeClub];
    FiredCoach = club.coach;
    int coach = FindFreeCoachOfCountryDivision(club.Country, club.Division);
    if (coach < 0)
        coach = FindCoachToPoach(club.Country, club.Division, CoachChangeClub);
    if (coach < 0)
        coach = FindFreeCoachOfCountry(club.Country);
    if (coach < 0)
        coach = FindFreeCoachOfCountry(-1);
    if (coach < 0) {
        FiredCoach = -1;
        ReplacementCoachOldClub = -1;
        return false;
    }
    ReplacementCoach = coach;
    return true;
}

}  // namespace tarvelon
