#include "core/match/substitutions.h"

#include "core/basics/random.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/pitch_flags.h"
#include "core/match/pitch_tables.h"
#include "core/match/player_picks.h"

namespace tarvelon {

namespace {

// The first bench player of position `position` (and of tactical role `role` unless role is -2).
int FindOnBench(const TLineup& L, int position, int role)
{
    for (int b = 1; b <= 7; ++b) {
        const TPlayer* player = PlayerAt(L.bench[b - 1]);
        if (player == nullptr || player->Position != position)
            continue;
        if (role == -2 || player->Role == role)
            return L.bench[b - 1];
    }
    return -1;
}

constexpr int kAnyRole = -2;

// The replacement for pitch slot `slot`, over the first `positions` stand-in positions of its position.
int FindReplacement(const TLineup& L, int slot, int positions)
{
    if (!IsPitchSlot(slot))
        return -1;
    int position = SlotPosition(slot);
    int role = SlotRoleCode(slot);
    if (position < 0 || position > 4)
        return -1;
    for (int i = 0; i < positions; ++i) {
        int wanted = SubstitutePositionOrder[position][i];
        int found = FindOnBench(L, wanted, role);
        if (found <= 0)
            found = FindOnBench(L, wanted, kAnyRole);
        if (found > 0)
            return found;
    }
    return -1;
}

int CountHeldDefenceSlots(const TLineup& L)
{
    bool held[9] = {};
    for (int k = 1; k <= 11; ++k) {
        int slot = L.pitchSlots[k - 1];
        if (L.starters[k - 1] > 0 && slot >= 3 && slot <= 8)
            held[slot] = true;
    }
    int n = 0;
    for (int s = 3; s <= 8; ++s)
        n += held[s] ? 1 : 0;
    return n;
}

bool AnyStarterAtSlot(const TLineup& L, int slot)
{
    for (int k = 1; k <= 11; ++k)
        if (L.starters[k - 1] > 0 && L.pitchSlots[k - 1] == slot)
            return true;
    return false;
}

int FirstTiredStarter(const TLineup& L)
{
    for (int k = 1; k <= 11; ++k) {
        const TPlayer* player = StarterPlayer(L, k);
        if (player != nullptr && PlayerOnPitch(*player) && player->Energy < 80)
            return L.starters[k - 1];
    }
    return -1;
}

enum Placement { kNoPlacement = 0, kCoverDefence = 1, kNewKeeper = 2 };

void ApplyPlacement(TLineup& L, int on, Placement placement)
{
    int place = StarterPlaceOf(L, on);
    if (place == 0)
        return;
    if (placement == kCoverDefence) {
        int slot = AnyStarterAtSlot(L, 6) ? 8 : 6;
        L.pitchSlots[place - 1] = slot;
    } else if (placement == kNewKeeper) {
        L.pitchSlots[place - 1] = 1;
        L.starters[10] = on;
        if (place != 11)
            L.starters[place - 1] = 0;
    }
}

}  // namespace

int AutoSubstitute(int lineup, int player)
{
    const TLineup* L = LineupAt(lineup);
    int place = L ? StarterPlaceOf(*L, player) : 0;
    if (place == 0)
        return -1;
    return FindReplacement(*L, L->pitchSlots[place - 1], 5);
}

PlayerPair AutoSubstituteForSlot(int lineup, int player, int slot, int mode, PlayerPair current)
{
    const TLineup* L = LineupAt(lineup);
    if (L == nullptr)
        return current;
    PlayerPair result{player, -1};
    int target = slot;
    if (player > 0) {
        int place = StarterPlaceOf(*L, player);
        if (place == 0)
            return current;
        target = L->pitchSlots[place - 1];
    } else if (slot > 0) {
        if (mode == 1) {
            for (int s = 25; s >= 10 && result.first <= 0; --s)
                result.first = FindPlayerAtSlot(lineup, s);
        }
    } else {
        return current;
    }
    result.second = FindReplacement(*L, target, 4);
    return result;
}

PlayerPair AutoSubstitution(int lineup, int match, int side)
{
    TLineup* L = LineupAt(lineup);
    jogos& m = Matches[match];
    int& subsLeft = m.subsLeft[side - 1];
    if (L == nullptr || subsLeft <= 0)
        return {};
    PlayerPair pair;
    Placement placement = kNoPlacement;
    if (!PlayerOnPitch(L->starters[10])) {
        pair = AutoSubstituteForSlot(lineup, -1, 1, 1, pair);
        placement = kNewKeeper;
    }
    if (CountHeldDefenceSlots(*L) < 2) {
        pair = AutoSubstituteForSlot(lineup, -1, 3, 1, pair);
        placement = kCoverDefence;
    }
    if (m.tick >= 93 && subsLeft > 1 && Random(100) > 60) {
        int tired = FirstTiredStarter(*L);
        if (tired <= 0)
            tired = pair.first;
        pair = AutoSubstituteForSlot(lineup, tired, -1, -1, pair);
    }
    if (pair.first <= 0 || pair.second <= 0)
        return {};
    SendOff(lineup, pair.first);
    subsLeft -= 1;
    BringOn(lineup, pair.first, pair.second);
    ApplyPlacement(*L, pair.second, placement);
    return pair;
}

void BringOn(int lineup, int off, int on)
{
    TLineup* L = LineupAt(lineup);
    TPlayer* player = PlayerAt(on);
    if (L == nullptr || player == nullptr)
        return;
    int bench = BenchPlaceOf(*L, on);
    if (bench > 0)
        L->bench[bench - 1] = -1;
    int place = StarterPlaceOf(*L, off);
    if (place > 0)
        L->starters[place - 1] = on;
    PutOnPitch(on);
    player->PlayedThisRound = 1;
    LineupRatingInputsChanged(lineup);
}

}  // namespace tarvelon
