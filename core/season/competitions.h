#pragma once
// The competitions of a game (what history records refer to), countries' confederations and
// continental-cup places, and the questions the matchday and hub screens ask before each day.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/season/competition_kind.h"

namespace tarvelon {

#pragma pack(push, 1)
struct TCompetition {
    std::int32_t kind = 0;        // 1..9
    std::int32_t firstKey = -1;   // kinds 1, 2: country id; kind 3: state key; -1 otherwise
    std::int32_t secondKey = -1;  // kind 1: division 1..5 (5 regional); kinds 4, 6: confederation
                                  // (1 South America, 0 Europe); kind 3: state level; -1 otherwise
};
#pragma pack(pop)

static_assert(sizeof(TCompetition) == 12);
static_assert(offsetof(TCompetition, kind) == 0);
static_assert(offsetof(TCompetition, firstKey) == 4);
static_assert(offsetof(TCompetition, secondKey) == 8);

// Filled by the new-game set-up; element 0 holds no competition (index 0 means none).
extern std::vector<TCompetition> Competitions;

// League whose national cup the matchday screen follows; -1 at a new game.
extern int NationalCupLeague;

// Confederations (results of ConfederationOfCountry).
enum Confederation : int {
    kConfEurope = 0,
    kConfSouthAmerica = 1,
    kConfAfrica = 2,
    kConfAsia = 3,
    kConfNorthCentralAmerica = 4,
    kConfOceania = 5,
};

// Lookups.

// 1-based index of the first competition (from element 1) matching the kind and the keys the
// kind uses: kind 1 (country, division); 2 (country, -1); 3 (stateKey, stateLevel);
// 4 and 6 (-1, confederation of the country); 5, 7, 8, 9 (-1, -1). 0 when none, for kind 0, and
// when the table holds fewer than two elements.
int FindCompetition(int kind, int country, int division, int stateLevel, int stateKey);

// 0 Europe (also ids above 201: the custom country), 1 South America (with México), 2 Africa,
// 3 Asia, 4 North and Central America and the Caribbean, 5 Oceania.
int ConfederationOfCountry(int country);

// Places of a country in a continental cup (kind 4 or 6) of a region (1 South America, 2 Europe).
int GetContinentalCupPlaces(int country, int cupKind, int region);

// Index of the first league of that country; -1 when none.
int FindLeagueByCountry(int country);

// Human-coach slots in use.
int CountHumanCoaches();

// Presence questions: does a human side take part today?
bool HasHumanClubs();
bool AnyHumanClubInFirstContinentalCup();
bool AnyHumanClubInSecondContinentalCup();
bool AnyHumanClubInFirstContinentalCupOf(int confederation);
bool AnyHumanClubInSecondContinentalCupOf(int confederation);
bool AnyHumanClubInStateChampionship();
bool AnyHumanClubInNationalCup();
// The club plays on a day of competition kind `kind`: an unplayed friendly today (0), the league
// (1), the national cup by its stage and entry (2), the state, continental and club world cup
// entries (3..6). Never for an unused slot (-1) or another kind.
bool ClubPlaysToday(int kind, int club);
bool AnyHumanClubInClubWorldCupRound();
bool AnyHumanNationInTournament();
bool AnyNationalCupScheduled();
bool AnyHumanLeagueNationalCup();

// Screen choices: the league whose matchday is shown when no human club plays (-1: follow the
// leagues with a human club or the shown flag).
int PickLeagueToShow();
int PickNationalCupLeagueToShow();

// The club's opponent today, by the competition kind of the day: side 0 at home / first, 1 away.
// Outputs are left as they are when the club has no match of a kind this search knows.
void FindNextOpponent(int club, int& opponent, int& side, int& matchKey);

// Sorts the human-club slots ascending with empty slots (-1) last; then, when the state
// championships are on, renews every state's human-club flag.
void SortHumanClubSlots();

// Plain recursive quicksort of integers, middle element as pivot.
void SortInts(int* values, int count);
void QuickSortInts(int* values, int low, int high);

}  // namespace tarvelon
