#pragma once
// What the sample database holds: how many clubs each country gets and at which levels, Brazil's
// clubs per state, and which countries field a national team. The numbers follow what a new game
// asks of the club files:
//  - the game-mode chooser offers a country with at least 22 playable club files; a league of
//    divisions of 20 needs 82 clubs for four divisions (42 for two), so the big countries get 82;
//  - every country of the continental cups' extra-club list supplies its quota (14 for Brazil, 12 for
//    the next ten, 10 for the rest) of clubs whose levels stand strictly above its other clubs, so
//    which clubs a new game takes never depends on a tie;
//  - Brazil's clubs fill the 27 state championships with a multiple of six clubs per state.
#include <array>
#include <vector>

#include "tools/sampledata/sample_random.h"

namespace tarvelon::sampledata {

// The 53 countries that supply extra clubs to the continental cups, in the new game's order.
extern const std::array<int, 53> kExtraClubCountries;

// The number of extra clubs a country at that list position (1-based) supplies.
int ExtraClubQuota(int position);

// The quota of a country, 0 when it is not in the list.
int ExtraClubQuotaOfCountry(int country);

struct CountryPlan {
    int country = 0;
    int clubCount = 0;
    int topLevel = 0;  // the level of its best club
    int quota = 0;     // extra clubs it supplies (0: none)
};

std::vector<CountryPlan> PlanCountries();

// The levels of a country's clubs, best first; levels drop strictly after the extra-club quota and
// at every multiple of ten places (the division limits of both league formats).
std::vector<int> PlanClubLevels(const CountryPlan& plan, SampleRandom& random);

// Brazil's clubs per state (index = state 0..26), each a multiple of six.
extern const std::array<int, 27> kBrazilClubsPerState;

// For each of Brazil's clubs, best first, its state: the big states hold more of the best clubs.
std::vector<int> PlanBrazilStates(SampleRandom& random);

// The countries with a national squad: every side that a World Cup (drawn or with the 2010 groups,
// hosts included), a Copa América or a Eurocopa can take, and enough of each confederation for the
// World Cup's quotas when a host is left out. Ascending.
std::vector<int> NationalTeamCountries();

// The level of a country's national team (1..25).
int NationalTeamLevel(int country);

// Countries whose national-team players play abroad (they have no club files of their own), with
// the countries whose best clubs take them.
struct Diaspora {
    int country;
    std::array<int, 4> hosts;
};
extern const std::array<Diaspora, 10> kDiasporas;

}  // namespace tarvelon::sampledata
