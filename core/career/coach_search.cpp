#include "core/career/coach_search.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/basics/index_check.h"
#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/economy/table_access.h"
#include "core/season/competitions.h"

namespace tarvelon {

// The coaches of [0, walked) that were free when the list was made, plus those let go since, in
// table order. Entries hired since stay: every entry is checked against its record when asked.
struct FreeCoachList {
    bool made = false;
    int walked = 0;
    std::vector<int> coaches;
};

namespace {

bool IsFree(const TCoach& coach)
{
    return coach.club < 0 && coach.active == 0 && coach.human == 0;
}

bool IsWanted(const TCoach& coach, int country, bool anyDivision, int division)
{
    return IsFree(coach) && (country == -1 || coach.country == country) && (anyDivision || coach.division == division);
}

int WalkForFreeCoach(int from, int country, bool anyDivision, int division)
{
    for (int i = from; i < static_cast<int>(Coaches.size()); ++i)
        if (IsWanted(Coaches[i], country, anyDivision, division))
            return i;
    return -1;
}

FreeCoachList* openList = nullptr;

void MakeFreeCoachList(FreeCoachList& list)
{
    list.coaches.clear();
    list.walked = static_cast<int>(Coaches.size());
    for (int i = 0; i < list.walked; ++i)
        if (IsFree(Coaches[i]))
            list.coaches.push_back(i);
    list.made = true;
}

// The list's entries first, then the coaches added to the table after it was made: table order.
int FindInFreeCoachList(FreeCoachList& list, int country, bool anyDivision, int division)
{
    if (!list.made)
        MakeFreeCoachList(list);
    for (const int i : list.coaches)
        if (i < static_cast<int>(Coaches.size()) && IsWanted(Coaches[i], country, anyDivision, division))
            return i;
    return WalkForFreeCoach(list.walked, country, anyDivision, division);
}

int FindFreeCoach(int country, bool anyDivision, int division)
{
    if (openList == nullptr)
        return WalkForFreeCoach(0, country, anyDivision, division);
    const int found = FindInFreeCoachList(*openList, country, anyDivision, division);
#ifdef TARVELON_CHECK_INDEXES
    if (SampledIndexCheck() && found != WalkForFreeCoach(0, country, anyDivision, division)) {
        std::fprintf(stderr, "the free coaches are out of date: a coach was freed other than by DismissCoach\n");
        std::abort();
    }
#endif
    return found;
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

FreeCoachSearch::FreeCoachSearch() : list_(std::make_unique<FreeCoachList>()), outer_(openList)
{
    openList = list_.get();
}

FreeCoachSearch::~FreeCoachSearch() { openList = outer_; }

void NoteCoachLetGo(int coach)
{
    if (openList == nullptr || !openList->made || coach < 0 || coach >= openList->walked)
        return;
    std::vector<int>& coaches = openList->coaches;
    const auto at = std::lower_bound(coaches.begin(), coaches.end(), coach);
    if (at == coaches.end() || *at != coach)
        coaches.insert(at, coach);
}

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
