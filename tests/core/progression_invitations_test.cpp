// National-team invitations: the offers of a tier row, and a human coach taking one.
#include <gtest/gtest.h>

#include "core/progression/national_invitations.h"
#include "core/season/competition_kind.h"
#include "tests/core/progression_world.h"

namespace tarvelon {
namespace {

class InvitationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        progtest::BuildClubs(12, 2);
        for (int slot = 0; slot < 8; ++slot)
            Game.tournamentRows[1][slot] = 2 + slot;  // tier 2: national teams 2..9
        Game.tournamentRows[1][6] = 0;                 // empty slots: 0 and past the table
        Game.tournamentRows[1][7] = 12;
        for (int c = 2; c < 12; ++c)
            Clubs[c].coach = -1;
        Game.CurrentHumanCoach = 0;
    }
};

TEST_F(InvitationsTest, OffersHideEmptySlotsAndDisableHumanLedTeams)
{
    Clubs[4].IsHuman = 1;
    const auto offers = InvitationOffers(2);
    EXPECT_EQ(offers[0].club, 2);
    EXPECT_TRUE(offers[0].enabled);
    EXPECT_EQ(offers[2].club, 4);
    EXPECT_FALSE(offers[2].enabled);
    EXPECT_EQ(offers[6].club, -1);
    EXPECT_EQ(offers[7].club, -1);
    for (const InvitationOffer& offer : InvitationOffers(5))
        EXPECT_EQ(offer.club, -1);
}

TEST_F(InvitationsTest, AcceptingMakesTheCoachTheTeamsHumanCoach)
{
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = 9;
    ASSERT_TRUE(AcceptInvitation(3));
    EXPECT_EQ(Game.HumanNationCount, 2);
    EXPECT_EQ(Game.HumanNations[1], 3);
    EXPECT_EQ(Clubs[3].coach, 0);
    EXPECT_EQ(Clubs[3].IsHuman, 1);
    EXPECT_EQ(Coaches[0].nationalTeamCoach, 1);
    // A team already led by a human coach, or an empty slot, cannot be taken.
    Game.CurrentHumanCoach = 1;
    EXPECT_FALSE(AcceptInvitation(3));
    EXPECT_FALSE(AcceptInvitation(0));
    EXPECT_EQ(Clubs[3].coach, 0);
    EXPECT_EQ(Game.HumanNationCount, 2);
    // Six human national teams at the most.
    Game.HumanNationCount = 6;
    EXPECT_FALSE(AcceptInvitation(5));
}

TEST_F(InvitationsTest, TierByDivisionPlaceSeasonAndTournament)
{
    TClub& club = Clubs[0];
    club.Division = 1;
    club.Place[kKindNationalLeague] = 4;
    Game.Season = 1;
    EXPECT_EQ(InvitationTier(kKindWorldCup, 0), 2);  // the first seasons want a top-three club
    club.Place[kKindNationalLeague] = 3;
    EXPECT_EQ(InvitationTier(kKindWorldCup, 0), 1);
    Game.Season = 2;
    club.Division = 2;
    club.Place[kKindNationalLeague] = 4;
    EXPECT_EQ(InvitationTier(kKindWorldCup, 0), 1);  // later: division 1 or a top-four place
    club.Place[kKindNationalLeague] = 5;
    EXPECT_EQ(InvitationTier(kKindWorldCup, 0), 2);

    EXPECT_EQ(InvitationTier(kKindCopaAmerica, 0), 1);
    EXPECT_EQ(InvitationTier(kKindEurocopa, 0), 1);
    club.Division = 3;
    EXPECT_EQ(InvitationTier(kKindCopaAmerica, 0), 2);
    EXPECT_EQ(InvitationTier(kKindEurocopa, 0), 2);
    Game.HumanClubCount = 5;
    EXPECT_EQ(InvitationTier(kKindCopaAmerica, 0), 1);
    EXPECT_EQ(InvitationTier(kKindEurocopa, 0), 2);
}

}  // namespace
}  // namespace tarvelon
