#include "core/match/lineup_ratings.h"

#include <algorithm>

#include "core/basics/rounding.h"
#include "core/match/lineup_access.h"
#include "core/records/match_records.h"
#include "core/match/pitch_tables.h"

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

void AddStarter(Ratings& r, const TPlayer& player, int slot)
{
    if (!PlayerOnPitch(player))
        return;  // a player who left the pitch no longer counts, in goal or outfield
    // Out of his position a player gives 70% of his strength, in each zone his slot covers.
    const int value = SlotPosition(slot) == player.Position ? player.Strength : Scaled(player.Strength, 0.7);
    const int share = static_cast<int>(Round(player.Energy / 100.0 * value));
    for (int z : PitchSlotZones[slot]) {
        if (z < 1)
            continue;
        r.attack[z] += share;
        r.defence[z] += share;
        r.slotCount[slot] += 1;
    }
    if (slot == 1) {
        r.keeper += static_cast<int>(Round(player.Energy / 100.0 * player.Strength));
        if (player.Position != 0)
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

}  // namespace

void ComputeLineupRatings(int lineup)
{
    TLineup* L = LineupAt(lineup);
    if (L == nullptr)
        return;
    Ratings r;
    for (int k = 1; k <= 11; ++k) {
        const TPlayer* player = StarterPlayer(*L, k);
        int slot = L->pitchSlots[k - 1];
        if (player != nullptr && IsPitchSlot(slot))
            AddStarter(r, *player, slot);
    }
    ApplyDefenceLineCuts(r);
    ApplyCrowdingCuts(r);
    std::copy(r.attack + 1, r.attack + 13, L->attack);
    std::copy(r.defence + 1, r.defence + 13, L->defence);
    L->keeper = r.keeper;
}

std::string FormatFormation(int lineup)
{
    const TLineup* L = LineupAt(lineup);
    int lines[3] = {0, 0, 0};
    for (int k = 1; L != nullptr && k <= 10; ++k) {
        int slot = L->pitchSlots[k - 1];
        if (StarterPlayer(*L, k) == nullptr || !IsPitchSlot(slot))
            continue;
        lines[slot <= 9 ? 0 : (slot <= 17 ? 1 : 2)] += 1;
    }
    return std::to_string(lines[0]) + "-" + std::to_string(lines[1]) + "-" + std::to_string(lines[2]);
}

}  // namespace tarvelon
