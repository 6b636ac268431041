#include "core/season/competitions.h"

#include <algorithm>
#include <utility>

#include "core/records/cup_tie.h"
#include "core/records/state_championship.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/season/pairing.h"
#include "core/tables.h"

namespace tarvelon {

std::vector<TCompetition> Competitions;
int NationalCupLeague = -1;

namespace {
const GameTableReset competitionsReset([] {
    Competitions.clear();
    NationalCupLeague = -1;
});
}  // namespace

namespace {

constexpr int kHumanSlots = 6;

bool IsClubIndex(int club)
{
    return club >= 0 && static_cast<std::size_t>(club) < Clubs.size();
}

bool IsLeagueIndex(int league)
{
    return league >= 0 && static_cast<std::size_t>(league) < Leagues.size();
}

// True when `test` holds for one of the human-run clubs of the slots (empty slots skipped).
template <typename Test>
bool AnyHumanClub(Test test)
{
    for (int club : Game.HumanClubs)
        if (IsClubIndex(club) && test(Clubs[static_cast<std::size_t>(club)])) return true;
    return false;
}

// True when the league's national cup begins with a first stage of 32 clubs this season.
bool HasFirstCupStage(int league)
{
    return FindFixture(league, kKindNationalCup, 1) >= 0;
}

template <typename Test>
bool AnyLeague(Test test)
{
    for (std::size_t l = 0; l < Leagues.size(); ++l)
        if (test(static_cast<int>(l), Leagues[l])) return true;
    return false;
}

bool Followed(const TLeague& league)
{
    return league.shown != 0 || league.humanPresent != 0;
}

// Country ids of confederations 1 to 5; every other id is European.
struct ConfederationMembers {
    int confederation;
    std::vector<int> countries;
};

const std::vector<ConfederationMembers>& ConfederationTable()
{
    static const std::vector<ConfederationMembers> table = {
        {kConfSouthAmerica, {11, 26, 29, 42, 46, 60, 131, 150, 151, 195, 198}},
        {kConfAfrica, {1,   5,   10,  23,  28,  32,  33,  35,  36,  47,  50,  55,  57,  61,  67,  73,  74,
                       75,  81,  82,  83,  109, 113, 116, 117, 123, 126, 127, 129, 130, 133, 137, 140, 141,
                       156, 157, 161, 169, 170, 172, 175, 177, 178, 186, 187, 188, 190, 194, 200, 201}},
        {kConfAsia, {0,   9,   18,  19,  30,  34,  37,  39,  41,  43,  45,  48,  49,  59,  71,
                     87,  89,  95,  96,  98,  99,  107, 108, 111, 112, 115, 121, 124, 125, 132,
                     136, 138, 144, 146, 149, 155, 173, 174, 176, 182, 183, 185, 191, 196, 199}},
        {kConfNorthCentralAmerica, {6,  7,  8,  13, 17, 20, 22, 24, 38,  51,  53,  56,  58,  68,  77,  79,  80,
                                    84, 86, 90, 91, 93, 94, 106, 139, 147, 153, 158, 165, 166, 167, 168, 181, 189}},
        {kConfOceania, {14, 69, 143, 148, 163, 184, 197}},
    };
    return table;
}

using PlacesList = std::vector<std::pair<int, int>>;  // (country id, places)

const PlacesList& SouthAmericanPlaces()
{
    static const PlacesList places = {{11, 4},  {29, 4},  {42, 3},  {46, 3},  {60, 3}, {131, 3},
                                      {150, 3}, {195, 3}, {26, 2},  {151, 2}, {198, 2}};
    return places;
}

const PlacesList& EuropeanPlaces(int cupKind)
{
    static const PlacesList first = {{65, 4}, {97, 4},  {104, 4}, {3, 3},   {72, 3},  {85, 2},  {154, 2}, {21, 1},
                                     {62, 1}, {78, 1},  {159, 1}, {160, 1}, {162, 1}, {192, 1}, {193, 1}};
    static const PlacesList second = {{3, 3},   {65, 3},  {72, 3}, {97, 3}, {104, 3}, {85, 2},  {154, 2},
                                      {162, 2}, {192, 2}, {27, 1}, {21, 1}, {62, 1},  {76, 1},  {78, 1},
                                      {142, 1}, {152, 1}, {160, 1}, {180, 1}, {193, 1}};
    return cupKind == kKindFirstContinentalCup ? first : second;
}

// Looks for the club among ties first..last of a bracket: as first team it meets the second
// (side 1), as second team the first (side 0); the key is the tie number.
template <int N>
bool FindTieOpponent(const TCupTieTable<N>& ties, int first, int last, int club, int& opponent, int& side,
                     int& matchKey)
{
    for (int t = std::max(first, 1); t <= std::min(last, N); ++t) {
        const TCupTie& tie = ties[t];
        if (tie.firstTeam == club) {
            opponent = tie.secondTeam;
            side = 1;
        } else if (tie.secondTeam == club) {
            opponent = tie.firstTeam;
            side = 0;
        } else {
            continue;
        }
        matchKey = t;
        return true;
    }
    return false;
}

// A national team's group match of the day: the four-team table for the tournament stage and leg.
void FindGroupOpponent(int club, int& opponent, int& side, int& matchKey)
{
    const TClub& c = Clubs[static_cast<std::size_t>(club)];
    const int group = c.NationalTeamGroup;
    const int place = c.nationalTeamGroupPlace;
    if (group < 1 || group > 8) return;
    for (int match = 1; match <= 2; ++match) {
        const TPairing pair = GetPairing4(Game.TournamentStage, Game.tournamentLeg, match);
        if (pair.home < 1 || pair.away < 1) continue;
        if (pair.home == place) {
            opponent = Game.NationalGroups[group - 1][pair.away - 1];
            side = 0;
        } else if (pair.away == place) {
            opponent = Game.NationalGroups[group - 1][pair.home - 1];
            side = 1;
        } else {
            continue;
        }
        matchKey = group * match;
    }
}

// Knockout stages of a national-team tournament: stage 4 upwards, each with its range of ties.
void FindTournamentOpponent(const std::vector<std::pair<int, int>>& stageTies, int club, int& opponent, int& side,
                            int& matchKey)
{
    const int stage = Game.TournamentStage;
    if (stage >= 1 && stage <= 3) {
        FindGroupOpponent(club, opponent, side, matchKey);
        return;
    }
    const int k = stage - 4;
    if (k < 0 || static_cast<std::size_t>(k) >= stageTies.size()) return;
    FindTieOpponent(NationalCupTies, stageTies[k].first, stageTies[k].second, club, opponent, side, matchKey);
}

// Today's friendlies are counted 1, 2, ... in table order; the last one the club plays decides.
void FindFriendlyOpponent(int club, int& opponent, int& side, int& matchKey)
{
    const TDateTime today = TodayDate();
    int count = 0;
    for (const TFriendly& f : Friendlies) {
        if (f.date != today) continue;
        ++count;
        if (f.home == club) {
            opponent = f.away;
            side = 0;
            matchKey = count;
        } else if (f.away == club) {
            opponent = f.home;
            side = 1;
            matchKey = count;
        }
    }
}

void RenewStateHumanFlags()
{
    for (TStateChampionship& state : StateChampionships) {
        state.humanClubPresent = 0;
        const int tiers = std::clamp(state.groupCount + 1, 0, kStateTierCount);  // played tiers and the reserve
        for (int tier = 0; tier < tiers; ++tier)
            for (int club : state.groups[tier])
                if (IsClubIndex(club) && Clubs[static_cast<std::size_t>(club)].IsHuman != 0)
                    state.humanClubPresent = 1;
    }
}

}  // namespace

int FindCompetition(int kind, int country, int division, int stateLevel, int stateKey)
{
    int firstKey = -1;
    int secondKey = -1;
    switch (kind) {
    case kKindNationalLeague: firstKey = country, secondKey = division; break;
    case kKindNationalCup: firstKey = country; break;
    case kKindStateChampionship: firstKey = stateKey, secondKey = stateLevel; break;
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: secondKey = ConfederationOfCountry(country); break;
    case kKindClubWorldCup:
    case kKindWorldCup:
    case kKindCopaAmerica:
    case kKindEurocopa: break;
    default: return 0;
    }
    for (std::size_t i = 1; i < Competitions.size(); ++i) {
        const TCompetition& c = Competitions[i];
        if (c.kind == kind && c.firstKey == firstKey && c.secondKey == secondKey) return static_cast<int>(i);
    }
    return 0;
}

int ConfederationOfCountry(int country)
{
    for (const ConfederationMembers& members : ConfederationTable())
        if (std::find(members.countries.begin(), members.countries.end(), country) != members.countries.end())
            return members.confederation;
    return kConfEurope;
}

int GetContinentalCupPlaces(int country, int cupKind, int region)
{
    if (cupKind != kKindFirstContinentalCup && cupKind != kKindSecondContinentalCup) return 0;
    const PlacesList* list = nullptr;
    if (region == kRegionSouthAmerica) list = &SouthAmericanPlaces();
    else if (region == kRegionEurope) list = &EuropeanPlaces(cupKind);
    else return 0;
    for (const auto& [id, places] : *list)
        if (id == country) return places;
    return 0;
}

int FindLeagueByCountry(int country)
{
    for (std::size_t l = 0; l < Leagues.size(); ++l)
        if (Leagues[l].country == country) return static_cast<int>(l);
    return -1;
}

int CountHumanCoaches()
{
    return static_cast<int>(std::count_if(std::begin(Game.HumanCoachSlots), std::end(Game.HumanCoachSlots),
                                          [](int coach) { return coach >= 0; }));
}

bool HasHumanClubs()
{
    return Game.HumanClubCount > 0;
}

bool AnyHumanClubInFirstContinentalCup()
{
    return AnyHumanClub([](const TClub& c) { return c.FirstContinentalEntry != 0; });
}

bool AnyHumanClubInSecondContinentalCup()
{
    return AnyHumanClub([](const TClub& c) { return c.SecondContinentalEntry != 0; });
}

bool AnyHumanClubInFirstContinentalCupOf(int confederation)
{
    return AnyHumanClub([confederation](const TClub& c) {
        return c.FirstContinentalEntry != 0 && ConfederationOfCountry(c.Country) == confederation;
    });
}

bool AnyHumanClubInSecondContinentalCupOf(int confederation)
{
    return AnyHumanClub([confederation](const TClub& c) {
        return c.SecondContinentalEntry != 0 && ConfederationOfCountry(c.Country) == confederation;
    });
}

bool AnyHumanClubInStateChampionship()
{
    return AnyHumanClub([](const TClub& c) {
        return c.StateEntry != 0 && c.State >= 0 && c.State < kStateCount &&
               StateChampionships[static_cast<std::size_t>(c.State)].humanClubPresent != 0;
    });
}

namespace {

// The club plays the national cup's round of today: from the second stage on by its entry alone, in
// the first only where its country's cup has a first round.
bool PlaysNationalCupRound(const TClub& c)
{
    const int stage = Game.NationalCupStage;
    if (c.nationalCupEntry == 0 || stage < 1) return false;
    if (stage > 1) return true;
    const int league = FindLeagueByCountry(c.Country);
    return league >= 0 && HasFirstCupStage(league);
}

}  // namespace

bool AnyHumanClubInNationalCup() { return AnyHumanClub(PlaysNationalCupRound); }

bool ClubPlaysToday(int kind, int club)
{
    if (!IsClubIndex(club)) return false;
    const TClub& c = Clubs[static_cast<std::size_t>(club)];
    switch (kind) {
    case kKindFriendlies: return ClubHasFriendlyOnDate(Game.DayIndex, club);
    case kKindNationalLeague: return true;
    case kKindNationalCup: return PlaysNationalCupRound(c);
    case kKindStateChampionship: return c.StateEntry != 0;
    case kKindFirstContinentalCup: return c.FirstContinentalEntry != 0;
    case kKindClubWorldCup: return c.clubWorldCupEntry != 0;
    case kKindSecondContinentalCup: return c.SecondContinentalEntry != 0;
    default: return false;
    }
}

bool AnyHumanClubInClubWorldCupRound()
{
    const int stage = Game.ClubWorldCupStage;
    if (stage < 1 || stage > 3) return false;
    for (int club : Game.HumanClubs) {
        if (club < 0) continue;
        for (int t = 2 * stage - 1; t <= 2 * stage; ++t)
            if (ClubWorldCupTies[t].firstTeam == club || ClubWorldCupTies[t].secondTeam == club) return true;
    }
    return false;
}

bool AnyHumanNationInTournament()
{
    const int count = std::clamp(Game.HumanNationCount, 0, kHumanSlots);
    for (int i = 0; i < count; ++i) {
        const int nation = Game.HumanNations[i];
        if (IsClubIndex(nation) && Clubs[static_cast<std::size_t>(nation)].NationalTeamCupEntry != 0) return true;
    }
    return false;
}

bool AnyNationalCupScheduled()
{
    return AnyLeague([](int l, const TLeague&) { return HasFirstCupStage(l); });
}

bool AnyHumanLeagueNationalCup()
{
    return AnyLeague([](int l, const TLeague& league) { return league.humanPresent != 0 && HasFirstCupStage(l); });
}

int PickLeagueToShow()
{
    if (AnyLeague([](int, const TLeague& league) { return Followed(league); })) return -1;
    return IsLeagueIndex(NationalCupLeague) ? NationalCupLeague : 0;
}

int PickNationalCupLeagueToShow()
{
    const int stage = Game.NationalCupStage;
    if (stage == 1) {
        if (AnyLeague([](int l, const TLeague& league) { return Followed(league) && HasFirstCupStage(l); }))
            return -1;
        if (IsLeagueIndex(NationalCupLeague) && HasFirstCupStage(NationalCupLeague)) return NationalCupLeague;
        for (std::size_t l = 0; l < Leagues.size(); ++l)
            if (HasFirstCupStage(static_cast<int>(l))) return static_cast<int>(l);
        return -1;
    }
    if (stage >= 2) {
        if (AnyLeague([](int, const TLeague& league) { return Followed(league); })) return -1;
        return IsLeagueIndex(NationalCupLeague) ? NationalCupLeague : 0;
    }
    return -1;
}

void FindNextOpponent(int club, int& opponent, int& side, int& matchKey)
{
    // No club (-1) would otherwise meet the undrawn sides of the brackets and cancelled friendlies.
    if (!IsClubIndex(club)) return;
    switch (Game.DayKind) {
    case kKindWorldCup:
        FindTournamentOpponent({{1, 8}, {9, 12}, {13, 14}, {15, 16}}, club, opponent, side, matchKey);
        break;
    case kKindCopaAmerica:
    case kKindEurocopa: FindTournamentOpponent({{1, 4}, {5, 6}, {7, 8}}, club, opponent, side, matchKey); break;
    case kKindClubWorldCup: {
        const int stage = Game.ClubWorldCupStage;
        if (stage >= 1 && stage <= 3)
            FindTieOpponent(ClubWorldCupTies, 2 * stage - 1, 2 * stage, club, opponent, side, matchKey);
        break;
    }
    case kKindFriendlies: FindFriendlyOpponent(club, opponent, side, matchKey); break;
    default: break;
    }
}

void QuickSortInts(int* values, int low, int high)
{
    int i = low;
    int j = high;
    const int pivot = values[low + (high - low) / 2];
    do {
        while (values[i] < pivot) ++i;
        while (values[j] > pivot) --j;
        if (i <= j) {
            std::swap(values[i], values[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (low < j) QuickSortInts(values, low, j);
    if (i < high) QuickSortInts(values, i, high);
}

void SortInts(int* values, int count)
{
    if (count > 1) QuickSortInts(values, 0, count - 1);
}

void SortHumanClubSlots()
{
    constexpr int kEmptyLast = 5000;
    int slots[kHumanSlots];
    for (int i = 0; i < kHumanSlots; ++i) slots[i] = Game.HumanClubs[i] < 0 ? kEmptyLast : Game.HumanClubs[i];
    SortInts(slots, kHumanSlots);
    for (int i = 0; i < kHumanSlots; ++i) Game.HumanClubs[i] = slots[i] == kEmptyLast ? -1 : slots[i];
    if (Game.StateChampionshipsOn) RenewStateHumanFlags();
}

}  // namespace tarvelon
