#include "core/match/penalty_kick.h"

#include "core/basics/random.h"
#include "core/match/fouls_cards.h"
#include "core/match/lineup_access.h"

namespace tarvelon {

namespace {

constexpr int kTraitFinishing = 9;
constexpr int kTraitPenaltyStopper = 1;

const TLineup* LineupOfClub(int club)
{
    const TClub* c = ClubAt(club);
    return c ? LineupAt(c->LineupIndex) : nullptr;
}

// The first starter (place 1..11) on the pitch who passes `wanted`, or -1.
template <typename Wanted>
int FirstStarterOnPitch(const TLineup& L, Wanted wanted)
{
    for (int k = 1; k <= 11; ++k) {
        const TPlayer* p = StarterPlayer(L, k);
        if (p && PlayerOnPitch(*p) && wanted(*p))
            return L.starters[k - 1];
    }
    return -1;
}

}  // namespace

int PenaltyGoalkeeper(int defendingClub)
{
    const TLineup* L = LineupOfClub(defendingClub);
    if (!L)
        return -1;
    if (const TPlayer* eleventh = StarterPlayer(*L, 11); eleventh && PlayerOnPitch(*eleventh))
        return L->starters[10];
    const int keeper = FirstStarterOnPitch(*L, [](const TPlayer& p) { return p.Position == 0; });
    return keeper > 0 ? keeper : FirstStarterOnPitch(*L, [](const TPlayer&) { return true; });
}

int PenaltyTakerOf(int kickingClub)
{
    const TClub* club = ClubAt(kickingClub);
    if (!club)
        return -1;
    const int chosen = ChoosePenaltyTaker(club->LineupIndex);
    if (chosen > 0)
        return chosen;
    const TLineup* L = LineupAt(club->LineupIndex);
    return L ? FirstStarterOnPitch(*L, [](const TPlayer&) { return true; }) : -1;
}

int PenaltyScoringChance(int taker, int keeper)
{
    int chance = 70;
    if (const TPlayer* t = PlayerAt(taker)) {
        if (t->Trait1 == kTraitFinishing)
            chance = 80;
        if (t->Trait2 == kTraitFinishing)
            chance += 5;
        if (t->Star)
            chance += 5;
    }
    if (const TPlayer* k = PlayerAt(keeper)) {
        if (k->Trait1 == kTraitPenaltyStopper)
            chance -= 15;
        if (k->Trait2 == kTraitPenaltyStopper)
            chance -= 10;
        if (k->Star)
            chance -= 5;
    }
    return chance;
}

bool DrawPenaltyScored(int chance) { return !(chance < Random(100) + 1); }

}  // namespace tarvelon
