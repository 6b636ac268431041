#include "core/views/in_match_view.h"

#include "core/match/lineup_access.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/vocab/players.h"

namespace tarvelon {

namespace {

std::string TraitText(int trait)
{
    return trait >= 0 && trait < TraitCount ? TraitAbbreviations[static_cast<std::size_t>(trait)] : "";
}

constexpr int kStateFinalRound = 8;  // the two legs between the first group's winner and runner-up
constexpr int kContinentalKnockoutStage = 4;

bool ClosesATie(const TFixture& f)
{
    switch (f.kind) {
    case kKindNationalCup: return true;
    case kKindStateChampionship: return f.round == kStateFinalRound;
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: return f.round >= kContinentalKnockoutStage && f.leg == 2;
    default: return false;
    }
}

// A tie's two legs are consecutive fixtures of one stage, the second with home and away swapped.
bool IsFirstLegOf(const TFixture& first, const TFixture& second)
{
    return first.played && first.kind == second.kind && first.round == second.round && first.region == second.region
           && first.home == second.away && first.away == second.home;
}

std::string ClubNameOf(int club)
{
    const TClub* c = ClubAt(club);
    return c ? c->name.str() : std::string();
}

}  // namespace

std::string FirstLegText(int fixture)
{
    if (fixture < 1 || fixture >= static_cast<int>(Fixtures.size()))
        return "";
    const TFixture& second = Fixtures[static_cast<std::size_t>(fixture)];
    const TFixture& first = Fixtures[static_cast<std::size_t>(fixture - 1)];
    if (!ClosesATie(second) || !IsFirstLegOf(first, second))
        return "";
    return "Primeiro Jogo: " + ClubNameOf(first.home) + " " + std::to_string(first.homeGoals) + " x "
           + std::to_string(first.awayGoals) + " " + ClubNameOf(first.away);
}

std::string InMatchShirtHint(int player, bool substitute)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return "";
    std::string hint = "Energia:" + std::to_string(p->Energy) + "% Força:" + std::to_string(p->Strength) + " "
                       + TraitText(p->Trait1) + "/" + TraitText(p->Trait2);
    if (substitute)
        hint += p->Side == 1 ? " Lado:E" : " Lado:D";
    return hint;
}

}  // namespace tarvelon
