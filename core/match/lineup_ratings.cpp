#include "core/match/lineup_ratings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/basics/rounding.h"
#include "core/match/lineup_access.h"
#include "core/records/match_records.h"
#include "core/match/pitch_tables.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

struct Ratings {
    int attack[13] = {};   // by zone 1..12
    int defence[13] = {};
    int keeper = 0;
    int slotCount[26] = {};  // by pitch slot 1..25
};

int Scaled(int value, double factor)
{
    return static_cast<int>(Round(value * factor));
}

void ScaleZones(int* zones, int first, int last, double factor)
{
    for (int z = first; z <= last; ++z)
        zones[z] = Scaled(zones[z], factor);
}

int HeldSlots(const Ratings& r, int first, int last)
{
    int held = 0;
    for (int s = first; s <= last; ++s)
        held += r.slotCount[s] > 0 ? 1 : 0;
    return held;
}

// An outfield player in goal: the keeper rating and the defence behind him collapse.
void CutForOutfieldKeeper(Ratings& r)
{
    r.keeper = Scaled(r.keeper, 0.1);
    r.defence[2] = Scaled(r.defence[2], 0.05);
    ScaleZones(r.defence, 3, 12, 0.2);
}

// What a starter place gives the ratings: the pitch slot and the player's position, strength and
// energy. A place that counts for nothing (empty, off the board, or its player left the pitch) has
// slot 0.
struct StarterInput {
    std::int32_t slot = 0;
    std::int32_t position = 0;
    std::int32_t strength = 0;
    std::int32_t energy = 0;
};

using RatingInputs = std::array<StarterInput, 11>;

// The ratings are made of these and of nothing else.
RatingInputs GatherInputs(const TLineup& L)
{
    RatingInputs inputs{};
    for (int k = 1; k <= 11; ++k) {
        const int slot = L.pitchSlots[k - 1];
        const TPlayer* player = StarterPlayer(L, k);
        // A player who left the pitch no longer counts, in goal or outfield.
        if (player != nullptr && IsPitchSlot(slot) && PlayerOnPitch(*player))
            inputs[k - 1] = {slot, player->Position, player->Strength, player->Energy};
    }
    return inputs;
}

void AddStarter(Ratings& r, const StarterInput& in)
{
    // Out of his position a player gives 70% of his strength, in each zone his slot covers.
    const int value = SlotPosition(in.slot) == in.position ? in.strength : Scaled(in.strength, 0.7);
    const int share = static_cast<int>(Round(in.energy / 100.0 * value));
    for (int z : PitchSlotZones[in.slot]) {
        if (z < 1)
            continue;
        r.attack[z] += share;
        r.defence[z] += share;
        r.slotCount[in.slot] += 1;
    }
    if (in.slot == 1) {
        r.keeper += static_cast<int>(Round(in.energy / 100.0 * in.strength));
        if (in.position != 0)
            CutForOutfieldKeeper(r);
    }
}

void ApplyDefenceLineCuts(Ratings& r)
{
    int n = HeldSlots(r, 3, 8);
    if (n == 1) {
        ScaleZones(r.attack, 1, 12, 0.7);
        ScaleZones(r.defence, 1, 12, 0.3);
        r.defence[2] = Scaled(r.defence[2], 0.2);
        r.keeper = Scaled(r.keeper, 0.2);
    } else if (n == 0) {
        r.keeper = Scaled(r.keeper, 0.1);
        ScaleZones(r.defence, 1, 12, 0.1);
        ScaleZones(r.attack, 1, 12, 0.1);
    } else if (n > 3) {
        r.keeper = Scaled(r.keeper, 0.9);
        ScaleZones(r.defence, 1, 3, 0.7);
        ScaleZones(r.attack, 1, 12, 0.7);
    }
}

void ApplyCrowdingCuts(Ratings& r)
{
    if (HeldSlots(r, 11, 16) > 4) {  // crowded central midfield
        r.defence[5] = Scaled(r.defence[5], 0.5);
        r.defence[8] = Scaled(r.defence[8], 0.5);
    }
    if (HeldSlots(r, 18, 25) > 3) {  // crowded attack
        ScaleZones(r.attack, 10, 12, 0.3);
        ScaleZones(r.attack, 1, 9, 0.7);
        ScaleZones(r.defence, 1, 12, 0.4);
    }
    if (HeldSlots(r, 10, 17) > 5)  // crowded midfield
        ScaleZones(r.defence, 4, 9, 0.5);
}

Ratings RatingsOf(const RatingInputs& inputs)
{
    Ratings r;
    for (const StarterInput& in : inputs)
        if (in.slot != 0)
            AddStarter(r, in);
    ApplyDefenceLineCuts(r);
    ApplyCrowdingCuts(r);
    return r;
}

void StoreRatings(TLineup& L, const Ratings& r)
{
    std::copy(r.attack + 1, r.attack + 13, L.attack);
    std::copy(r.defence + 1, r.defence + 13, L.defence);
    L.keeper = r.keeper;
}

#ifdef TARVELON_CHECK_INDEXES
bool StoredRatingsAre(const TLineup& L, const Ratings& r)
{
    return std::equal(r.attack + 1, r.attack + 13, L.attack) && std::equal(r.defence + 1, r.defence + 13, L.defence) &&
           L.keeper == r.keeper;
}
#endif

// What a line-up's stored ratings were computed from, besides the players' own numbers: the
// starters and their slots as they were, and the count of changes of any players at the time.
struct ComputedFrom {
    std::uint64_t changes = 0;  // 0: never computed, or a change of its players was reported since
    std::int32_t starters[11] = {};
    std::int32_t pitchSlots[11] = {};
};

std::uint64_t changesOfAnyPlayers = 1;

std::vector<ComputedFrom> computedLineups;  // by line-up index

ComputedFrom& ComputedFromOf(int lineup)
{
    if (computedLineups.size() <= static_cast<std::size_t>(lineup))
        computedLineups.resize(static_cast<std::size_t>(lineup) + 1);
    return computedLineups[static_cast<std::size_t>(lineup)];
}

// Eleven numbers compared without a branch each: this runs twice after every play.
bool SameEleven(const std::int32_t* a, const std::int32_t* b)
{
    std::int32_t differ = 0;
    for (int k = 0; k < 11; ++k)
        differ |= a[k] ^ b[k];
    return differ == 0;
}

bool StillComputedFrom(const ComputedFrom& from, const TLineup& L)
{
    return from.changes == changesOfAnyPlayers && SameEleven(L.starters, from.starters) &&
           SameEleven(L.pitchSlots, from.pitchSlots);
}

// A new game or a loaded one brings other line-ups and players.
const GameTableReset forgetComputed([] { AllLineupRatingInputsChanged(); });

}  // namespace

void ComputeLineupRatings(int lineup)
{
    TLineup* L = LineupAt(lineup);
    if (L == nullptr)
        return;
    StoreRatings(*L, RatingsOf(GatherInputs(*L)));
    ComputedFrom& from = ComputedFromOf(lineup);
    from.changes = changesOfAnyPlayers;
    std::copy(L->starters, L->starters + 11, from.starters);
    std::copy(L->pitchSlots, L->pitchSlots + 11, from.pitchSlots);
}

void RefreshLineupRatings(int lineup)
{
    const TLineup* L = LineupAt(lineup);
    if (L == nullptr)
        return;
    const bool known = static_cast<std::size_t>(lineup) < computedLineups.size();
    if (!known || !StillComputedFrom(computedLineups[static_cast<std::size_t>(lineup)], *L)) {
        ComputeLineupRatings(lineup);
        return;
    }
#ifdef TARVELON_CHECK_INDEXES
    if (!StoredRatingsAre(*L, RatingsOf(GatherInputs(*L)))) {
        std::fprintf(stderr, "line-up %d: its ratings are out of date: a change of their inputs was not reported\n", lineup);
        std::abort();
    }
#endif
}

void LineupRatingInputsChanged(int lineup)
{
    if (LineupAt(lineup) != nullptr)
        ComputedFromOf(lineup).changes = 0;
}

void AllLineupRatingInputsChanged() { ++changesOfAnyPlayers; }

std::string FormatFormation(int lineup)
{
    const TLineup* L = LineupAt(lineup);
    int lines[3] = {0, 0, 0};
    for (int k = 1; L != nullptr && k <= 10; ++k) {
        int slot = L->pitchSlots[k - 1];
        const TPlayer* player = StarterPlayer(*L, k);
        // Only the outfield players on the pitch make the formation. Read as "starters 1 to 10 at
        // pitch slots 1 to 9, 10 to 17, 18 to 25", a player sent off (he keeps his place and slot)
        // and a player put in goal (slot 1) once the goalkeeper is sent off would both count: a
        // "5-4-1" side of ten with one in goal, a plainly wrong formation.
        if (player == nullptr || !IsPitchSlot(slot) || slot == 1 || !PlayerOnPitch(*player))
            continue;
        lines[slot <= 9 ? 0 : (slot <= 17 ? 1 : 2)] += 1;
    }
    return std::to_string(lines[0]) + "-" + std::to_string(lines[1]) + "-" + std::to_string(lines[2]);
}

}  // namespace tarvelon
