#include "core/progression/national_invitations.h"

#include "core/season/competition_kind.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kTiers = 4;
constexpr int kHumanNationPlaces = 6;

bool IsOfferEntry(int club) { return club >= 1 && club < static_cast<int>(Clubs.size()); }

}  // namespace

int InvitationTier(int kind, int club)
{
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return 2;
    const TClub& c = Clubs[club];
    const int place = c.Place[kKindNationalLeague];
    switch (kind) {
    case kKindWorldCup:
        if (Game.Season < 2)
            return c.Division == 1 && place < 4 ? 1 : 2;
        return c.Division == 1 || place < 5 ? 1 : 2;
    case kKindCopaAmerica: return c.Division < 3 || Game.HumanClubCount > 4 ? 1 : 2;
    case kKindEurocopa: return c.Division == 1 || c.Division == 2 ? 1 : 2;
    default: return 2;
    }
}

std::array<InvitationOffer, 8> InvitationOffers(int tier)
{
    std::array<InvitationOffer, 8> offers{};
    if (tier < 1 || tier > kTiers)
        return offers;
    for (int slot = 0; slot < 8; ++slot) {
        const int club = Game.tournamentRows[tier - 1][slot];
        if (!IsOfferEntry(club))
            continue;
        offers[slot].club = club;
        offers[slot].enabled = !Clubs[club].IsHuman;
    }
    return offers;
}

bool AcceptInvitation(int club)
{
    const int coach = Game.CurrentHumanCoach;
    if (!IsOfferEntry(club) || Clubs[club].IsHuman || coach < 0 || coach >= static_cast<int>(Coaches.size()))
        return false;
    if (Game.HumanNationCount < 0 || Game.HumanNationCount >= kHumanNationPlaces)
        return false;
    Game.HumanNations[Game.HumanNationCount] = club;
    ++Game.HumanNationCount;
    Clubs[club].coach = coach;
    Clubs[club].IsHuman = 1;
    Coaches[coach].nationalTeamCoach = 1;
    return true;
}

}  // namespace tarvelon
