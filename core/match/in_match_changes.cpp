#include "core/match/in_match_changes.h"

#include <algorithm>
#include <cmath>

#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events.h"
#include "core/match/match_events_codes.h"
#include "core/match/substitutions.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

namespace {

bool IsMatch(int m) { return m >= 1 && m < static_cast<int>(Matches.size()); }

int LineupOfSide(int m, int side)
{
    if (!IsMatch(m) || (side != 1 && side != 2))
        return -1;
    return Matches[m].lineup[side - 1];
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

constexpr int kKeptSubstitutions = 3;

// The side's count of substitutions grows (up to three) and the substitution of that number keeps
// who came on and when.
void KeepSubstitution(jogos& match, int side, int player, int minute)
{
    std::int32_t& made = match.subsMade[side - 1];
    made = std::min(made + 1, kKeptSubstitutions);
    match.subs[side - 1][made - 1] = TSubstitutionRecord{player, minute};
}

}  // namespace

SubstitutionResult MakeSubstitution(int m, int side, int starterPlace, int benchPlace, int minute, int* eventIndex)
{
    const int lineup = LineupOfSide(m, side);
    TLineup* L = LineupAt(lineup);
    if (!L || starterPlace < 1 || starterPlace > 11 || benchPlace < 1 || benchPlace > 7)
        return SubstitutionResult::Invalid;
    const int off = L->starters[starterPlace - 1];
    const int on = L->bench[benchPlace - 1];
    TPlayer* leaving = PlayerAt(off);
    TPlayer* coming = PlayerAt(on);
    if (!leaving || !coming || !PlayerOnPitch(*leaving) || PlayerOnPitch(*coming))
        return SubstitutionResult::Invalid;
    if (Matches[m].subsLeft[side - 1] <= 0)
        return SubstitutionResult::LimitReached;
    leaving->OnPitch = 0;
    BringOn(lineup, off, on);
    coming->MatchFlag = 0;
    coming->CameOn = 1;
    const int event = AddMatchEvent(side, off, m, meSubstitution, on);
    if (eventIndex)
        *eventIndex = event;
    KeepSubstitution(Matches[m], side, on, minute);
    Matches[m].subsLeft[side - 1] -= 1;
    ComputeLineupRatings(lineup);
    return SubstitutionResult::Made;
}

bool SwapStarters(int m, int side, int placeA, int placeB)
{
    const int lineup = LineupOfSide(m, side);
    TLineup* L = LineupAt(lineup);
    if (!L || placeA < 1 || placeA > 11 || placeB < 1 || placeB > 11 || placeA == placeB)
        return false;
    std::swap(L->starters[placeA - 1], L->starters[placeB - 1]);
    ComputeLineupRatings(lineup);
    return true;
}

bool MoveStarterToSlot(int m, int side, int place, int slot)
{
    const int lineup = LineupOfSide(m, side);
    TLineup* L = LineupAt(lineup);
    if (!L || place < 1 || place > 10 || slot < 1 || slot > PitchSlotCount)
        return false;
    L->pitchSlots[place - 1] = slot;
    ComputeLineupRatings(lineup);
    return true;
}

int ShownPossessionShare(int m)
{
    if (!IsMatch(m))
        return 50;
    const jogos& match = Matches[m];
    double p[2] = {static_cast<double>(match.possession[0]), static_cast<double>(match.possession[1])};
    for (int s = 0; s < 2; ++s) {
        if (match.goals[s] < match.goals[1 - s])
            p[s] = RoundHalfEven(p[s] * 0.9);
        const TClub* club = ClubAt(match.club[s]);
        if (club && club->PlayingStyle == 2)
            p[s] = RoundHalfEven(p[s] * 0.7);
    }
    if (p[0] == 0 && p[1] == 0)
        return 50;
    return RoundHalfEven(p[0] * 100 / (p[0] + p[1]));
}

}  // namespace tarvelon
