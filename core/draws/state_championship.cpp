#include "core/draws/state_championship.h"

#include <vector>

#include "core/basics/random.h"
#include "core/draws/draw_candidates.h"
#include "core/draws/draw_services.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kStateKind = 3;  // the state championship's competition kind
constexpr int kFourthDivisionClubs = 32;

// The state of a club that can play a state championship, or -1.
int StateOfClub(int club)
{
    const TClub& c = Clubs[club];
    if (c.Country != kStateCountry || c.State < 0 || c.State >= kStateCount)
        return -1;
    return c.State;
}

// Tiers 1..T+1 of a state: the played tiers and the reserve tier below them.
int DrawnTierCount(const TStateChampionship& state)
{
    return state.groupCount >= 1 ? state.groupCount + 1 : 0;
}

void ShuffleTiers(TStateChampionship& state)
{
    for (int t = 0; t < DrawnTierCount(state); ++t)
        ShuffleFilledPlaces(state.groups[t], kStateTierSize);
}

// Every club of tiers 1..T+1 learns its tier and its entry; a human-run club marks the state.
void MarkTierClubs(TStateChampionship& state)
{
    for (int t = 0; t < DrawnTierCount(state); ++t) {
        for (int club : state.groups[t]) {
            if (!IsDrawnClub(club))
                continue;
            Clubs[club].stateGroup = t + 1;
            Clubs[club].StateEntry = 1;
            if (Clubs[club].IsHuman)
                state.humanClubPresent = 1;
        }
    }
}

// Ranks a state's clubs by level (ties by a fresh random key) and deals them six a tier.
void DealStateClubs(int stateIndex, TStateChampionship& state)
{
    std::vector<DrawCandidate> list;
    for (int club = 0; club < ClubTableEnd(); ++club)
        if (StateOfClub(club) == stateIndex)
            list.push_back({club, Clubs[club].Level, Random(100)});
    SortCandidates(list, CompareStateCandidates);

    const int places = DrawnTierCount(state) * kStateTierSize;
    for (int i = 0; i < static_cast<int>(list.size()) && i < places; ++i)
        state.groups[i / kStateTierSize][i % kStateTierSize] = list[i].club;
}

// The club whose state-championship table place is `place` within a tier, or -1.
int ClubAtTablePlace(const TStateChampionship& state, int tier, int place)
{
    for (int club : state.groups[tier - 1])
        if (IsDrawnClub(club) && Clubs[club].Place[kStateKind] == place)
            return club;
    return -1;
}

bool ValidTier(int state, int tier)
{
    return state >= 0 && state < kStateCount && tier >= 1 && tier <= kStateTierCount;
}

// Finds where a club sits in a tier (0-based place), or -1.
int PlaceOfClub(const TStateChampionship& state, int tier, int club)
{
    for (int p = 0; p < kStateTierSize; ++p)
        if (state.groups[tier - 1][p] == club)
            return p;
    return -1;
}

// The champion of tier k + 1 goes up and the last of tier k comes down, each into the other's place.
void SwapTierBoundary(int stateIndex, int upperTier)
{
    TStateChampionship& state = StateChampionships[stateIndex];
    const int up = FindStateTierWinner(stateIndex, upperTier + 1);
    const int down = FindStateTierLast(stateIndex, upperTier);
    if (up < 0 || down < 0)
        return;
    const int upPlace = PlaceOfClub(state, upperTier + 1, up);
    const int downPlace = PlaceOfClub(state, upperTier, down);
    state.groups[upperTier - 1][downPlace] = up;
    state.groups[upperTier][upPlace] = down;
    Clubs[up].Place[kStateKind] = 0;
    Clubs[down].Place[kStateKind] = 0;
}

// A free computer coach for a state club without one: the last free, inactive, named coach who has
// worked above the second division.
int FindFreeStateCoach()
{
    for (int coach = static_cast<int>(Coaches.size()) - 1; coach >= 0; --coach) {
        const TCoach& c = Coaches[coach];
        if (!c.human && !c.active && c.club < 0 && c.division > 2 && !c.name.empty())
            return coach;
    }
    return -1;
}

}  // namespace

int CompareStateCandidates(const void* a, const void* b)
{
    return CompareLevelThenLowerKey(a, b);
}

int StateTierCountFor(int clubs)
{
    if (clubs < 6)
        return 0;
    if (clubs < 12)
        return 1;
    if (clubs < 18)
        return 2;
    if (clubs < 24)
        return 3;
    return 4;
}

void DrawStateChampionships()
{
    for (TStateChampionship& state : StateChampionships)
        ClearStateChampionship(state);

    // The state championships are Brazilian: without the Brazilian league there are none, whatever
    // Brazilian guest clubs the continental cups brought in.
    if (FindLeagueByCountry(kStateCountry) < 0) {
        Game.StateChampionshipsOn = 0;
        return;
    }

    int counts[kStateCount] = {};
    for (int club = 0; club < ClubTableEnd(); ++club)
        if (StateOfClub(club) >= 0)
            ++counts[StateOfClub(club)];

    bool anyActive = false;
    for (int s = 0; s < kStateCount; ++s) {
        StateChampionships[s].groupCount = StateTierCountFor(counts[s]);
        if (StateChampionships[s].groupCount < 1)
            continue;
        StateChampionships[s].active = 1;
        anyActive = true;
        DealStateClubs(s, StateChampionships[s]);
    }
    for (TStateChampionship& state : StateChampionships)
        if (state.active)
            ShuffleTiers(state);
    for (TStateChampionship& state : StateChampionships)
        MarkTierClubs(state);

    if (Game.StateChampionshipsOn && !anyActive)
        Game.StateChampionshipsOn = 0;
}

bool HasStateClubsForFourthDivision()
{
    int clubsWithoutDivision = 0;
    for (const TStateChampionship& state : StateChampionships) {
        if (!state.active)
            continue;
        for (int t = 0; t < state.groupCount && t < kStateTierCount; ++t)
            for (int club : state.groups[t])
                if (club > 0 && IsDrawnClub(club) && Clubs[club].Division == 0)
                    ++clubsWithoutDivision;
    }
    return clubsWithoutDivision >= kFourthDivisionClubs;
}

int FindStateTierWinner(int state, int tier)
{
    if (!ValidTier(state, tier))
        return -1;
    const TStateChampionship& s = StateChampionships[state];
    if (tier == s.groupCount + 1)
        return IsDrawnClub(s.groups[tier - 1][0]) ? s.groups[tier - 1][0] : -1;
    return ClubAtTablePlace(s, tier, 1);
}

int FindStateTierLast(int state, int tier)
{
    if (!ValidTier(state, tier))
        return -1;
    return ClubAtTablePlace(StateChampionships[state], tier, kStateTierSize);
}

void SwapStateChampionshipTiers()
{
    for (int s = 0; s < kStateCount; ++s) {
        const TStateChampionship& state = StateChampionships[s];
        if (!state.active || state.groupCount < 1)
            continue;
        for (int k = 1; k <= state.groupCount && k < kStateTierCount; ++k)
            SwapTierBoundary(s, k);
    }

    for (TStateChampionship& state : StateChampionships) {
        state.humanClubPresent = 0;
        state.roundDone = 0;
    }
    for (int club = 0; club < Game.LeagueClubCount && club < static_cast<int>(Clubs.size()); ++club)
        Clubs[club].StateEntry = 0;

    for (TStateChampionship& state : StateChampionships)
        if (state.active && state.groupCount >= 1)
            ShuffleTiers(state);
    for (TStateChampionship& state : StateChampionships)
        MarkTierClubs(state);

    const auto& hireCoach = Draws().hireCoach;
    if (!hireCoach)
        return;
    for (int club = 0; club < Game.LeagueClubCount && club < static_cast<int>(Clubs.size()); ++club) {
        if (!Clubs[club].StateEntry || Clubs[club].coach != -1)
            continue;
        const int coach = FindFreeStateCoach();
        if (coach >= 0)
            hireCoach(club, coach);
    }
}

}  // namespace tarvelon
