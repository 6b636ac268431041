#include "core/match/fouls_cards.h"

#include <algorithm>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events_codes.h"
#include "core/match/match_flags.h"
#include "core/match/player_picks.h"
#include "core/match/substitutions.h"

namespace tarvelon {

namespace {

int SideOfLineup(const jogos& match, int lineup)
{
    return match.lineup[0] == lineup ? 1 : 2;
}

int InjuryOddsByEnergy(int energy)
{
    static const int bandTop[8] = {10, 20, 30, 40, 50, 60, 80, 100};
    for (int band = 0; band < 8; ++band)
        if (energy >= 0 && energy <= bandTop[band])
            return 19 + band;
    return 550;
}

// The human coach's pick for the injured player: a bench player, -1 when he chose nobody, or
// kInjuryLeftToEngine when nobody was asked (a pick not on his bench is left to the engine too).
int AskInjurySubstitute(int lineup, int club, int injured, int match)
{
    InjurySubstitute = -1;
    InjuredClub = club;
    InjuredPlayer = injured;
    ActiveMatch = match;
    if (!Hooks().injurySubstitutionDialog)
        return kInjuryLeftToEngine;
    InjurySubstitute = Hooks().injurySubstitutionDialog(club, injured, match);
    if (InjurySubstitute < 0)
        return -1;
    const TLineup* L = LineupAt(lineup);
    if (L != nullptr && InjurySubstitute >= 1 && BenchPlaceOf(*L, InjurySubstitute) > 0)
        return InjurySubstitute;
    return kInjuryLeftToEngine;
}

}  // namespace

bool IsBooked(int player)
{
    return std::find(BookedPlayers.begin(), BookedPlayers.end(), player) != BookedPlayers.end();
}

PlayerPair CardOnFoul(int lineup, int zone, int nextPlay, int tick)
{
    if (Random(100) > 92) {
        int player = PickFouler(lineup, -1);
        if (player <= 0)
            return {};
        if (IsBooked(player)) {
            SendOff(lineup, player);
            return {player, ckSecondYellow};
        }
        BookedPlayers.push_back(player);
        return {player, ckYellow};
    }
    int limit = tick < 90 ? 99 : 98;
    if (Random(100) <= limit)
        return {};
    int player = PickFouler(lineup, -1);
    if (player <= 0)
        return {};
    SendOff(lineup, player);
    return {player, ckRed};
}

void SendOff(int lineup, int player)
{
    const TLineup* L = LineupAt(lineup);
    if (L == nullptr || StarterPlaceOf(*L, player) == 0)
        return;
    PlayerAt(player)->OnPitch = 0;
    ComputeLineupRatings(lineup);
}

int ChoosePenaltyTaker(int lineup)
{
    const TLineup* L = LineupAt(lineup);
    if (L == nullptr)
        return -1;
    for (int k = 11; k >= 1; --k) {
        const TPlayer* player = StarterPlayer(*L, k);
        if (player == nullptr || player->Club < 0)
            continue;
        const TClub* club = ClubAt(player->Club);
        int taker = club ? club->SetPieceTaker : -1;
        const TPlayer* t = PlayerAt(taker);
        if (t != nullptr && PlayerOnPitch(*t) && t->Club == player->Club)
            return taker;
        break;
    }
    for (int k = 10; k >= 1; --k) {
        const TPlayer* player = StarterPlayer(*L, k);
        if (player != nullptr && PlayerOnPitch(*player))
            return L->starters[k - 1];
    }
    return -1;
}

PlayerPair SetPieceOutcome(int lineup, int keeperRating, int taker)
{
    if (taker <= 0)
        taker = ChoosePenaltyTaker(lineup);
    const TPlayer* kicker = PlayerAt(taker);
    if (kicker == nullptr)
        return {};
    int limit = kicker->Strength > keeperRating ? 85 : 75;
    return {taker, Random(100) <= limit ? 1 : 2};
}

int FatigueByAge(int age)
{
    static const int bandTop[9] = {26, 33, 36, 42, 55, 60, 70, 80, 90};
    for (int band = 0; band < 9; ++band)
        if (age <= bandTop[band])
            return band + 1;
    return 10;
}

void ApplyFatigue(int club, int tick)
{
    const TClub* c = ClubAt(club);
    const TLineup* L = c ? LineupAt(c->LineupIndex) : nullptr;
    if (L == nullptr)
        return;
    for (int k = 1; k <= 11; ++k) {
        TPlayer* player = StarterPlayer(*L, k);
        if (player == nullptr || !PlayerOnPitch(*player))
            continue;
        if (L->pitchSlots[k - 1] != 1 || tick >= 91)
            player->Energy -= FatigueByAge(player->Age);
        if (player->Star != 0 && player->Age >= 34)
            player->Energy += 1;
        player->Energy = std::clamp<int>(player->Energy, 1, 100);
    }
    LineupRatingInputsChanged(c->LineupIndex);
}

PlayerPair InjuryCheck(int lineup, int zone, int match)
{
    int injured = PickFouler(lineup, zone);
    const TPlayer* player = PlayerAt(injured);
    if (player == nullptr)
        return {};
    if (Random(InjuryOddsByEnergy(player->Energy)) != 1)
        return {};
    SendOff(lineup, injured);
    jogos& m = Matches[match];
    int side = SideOfLineup(m, lineup);
    int club = m.club[side - 1];
    int substitute = -1;
    if (m.subsLeft[side - 1] > 0) {
        const bool asked = IsHumanClub(club) && !SilentMatchday;
        substitute = asked ? AskInjurySubstitute(lineup, club, injured, match) : kInjuryLeftToEngine;
        if (substitute == kInjuryLeftToEngine)
            substitute = AutoSubstitute(lineup, injured);
    }
    if (substitute <= 0)
        return {injured, -1};
    m.subsLeft[side - 1] -= 1;
    BringOn(lineup, injured, substitute);
    return {injured, substitute};
}

}  // namespace tarvelon
