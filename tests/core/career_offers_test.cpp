#include <gtest/gtest.h>

#include <set>

#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/career/coach_hiring.h"
#include "core/career/job_offer_walks.h"
#include "core/career/job_offers.h"
#include "core/hooks.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

int LeagueOf(int club)
{
    return FindLeagueByCountry(Clubs[club].Country);
}

// Division and final place of a club in its league; {0, 0} when it is in none.
std::pair<int, int> StandingOf(int club)
{
    const TLeague& league = Leagues[LeagueOf(club)];
    for (int d = 0; d < kDivisions; ++d) {
        for (int s = 0; s < kClubsPerDivision; ++s) {
            if (league.finalOrder[d][s] == club)
                return {d + 1, s + 1};
        }
    }
    return {0, 0};
}

std::vector<int> Offers()
{
    std::vector<int> offers;
    for (int club : JobOffers) {
        if (club >= 0)
            offers.push_back(club);
    }
    return offers;
}

class CareerOffersTest : public ::testing::Test {
protected:
    void TearDown() override { Hooks().showJobOffers = nullptr; }

    // Three leagues of two divisions of 10 ("Itália", "Brasil", "Espanha") or of 20.
    void BuildLeagues(int format) { Build({{104, 2}, {29, 2}, {65, 2}}, format); }

    // A human coach without a club, of the given country and division.
    int JoblessCoach(int country, int division, int lastClub = -1)
    {
        TCoach coach{};
        coach.name.set("Humano");
        coach.club = -1;
        coach.lastClub = lastClub;
        coach.country = country;
        coach.division = division;
        coach.human = 1;
        Coaches.push_back(coach);
        const int index = static_cast<int>(Coaches.size()) - 1;
        Game.HumanCoachSlots[1] = index;
        return index;
    }
};

TEST_F(CareerOffersTest, JoblessCoachGetsDistinctComputerClubsNearHisDivision)
{
    BuildLeagues(4);
    MakeHuman(3);
    const int coach = JoblessCoach(29, 1, 30);
    Game.DayKind = 1;
    int withOffers = 0;
    for (std::uint32_t seed = 1; seed <= 80; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersForJoblessCoach(29, coach);
        const std::vector<int> offers = Offers();
        ASSERT_LE(offers.size(), 4u);
        std::set<int> distinct(offers.begin(), offers.end());
        EXPECT_EQ(distinct.size(), offers.size());
        for (int club : offers) {
            EXPECT_FALSE(Clubs[club].IsHuman);
            EXPECT_NE(club, 30);
            const auto [division, place] = StandingOf(club);
            EXPECT_GE(division, 1);
            EXPECT_GE(place, 4);  // divisions of 10: places 10 - Random(7)
        }
        if (!offers.empty()) {
            ++withOffers;
            EXPECT_EQ(LeagueOf(offers[0]), 1);  // the first from his own league
        }
    }
    EXPECT_EQ(withOffers, 80);
}

TEST_F(CareerOffersTest, JoblessRegionalCoachInDivisionsOfTwentyGetsAtMostTwoFromHisLeague)
{
    BuildLeagues(2);
    const int coach = JoblessCoach(65, 0);
    Game.DayKind = 1;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersForJoblessCoach(65, coach);
        const std::vector<int> offers = Offers();
        EXPECT_GE(offers.size(), 1u);
        EXPECT_LE(offers.size(), 2u);
        for (int club : offers) {
            EXPECT_EQ(LeagueOf(club), 2);
            EXPECT_GE(StandingOf(club).second, 10);  // 20 - Random(11)
        }
    }
}

TEST_F(CareerOffersTest, JoblessSearchGivesUpWhenNoClubFits)
{
    BuildLeagues(4);
    for (TClub& club : Clubs)
        club.IsHuman = 1;  // nobody can offer: every draw fails
    const int coach = JoblessCoach(104, 1);
    Game.DayKind = 1;
    RandSeed = 9;
    PickJobOffersForJoblessCoach(104, coach);
    EXPECT_TRUE(Offers().empty());
    Game.DayKind = 3;
    PickJobOffersForJoblessCoach(104, coach);
    EXPECT_TRUE(Offers().empty());
}

TEST_F(CareerOffersTest, StateDayOffersComeFromStateClubsOfHisLeague)
{
    BuildLeagues(4);
    const int coach = JoblessCoach(29, 1);
    for (int c = 22; c < 44; c += 2)
        Clubs[c].StateEntry = 1;
    Game.DayKind = 3;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersForJoblessCoach(29, coach);
        const std::vector<int> offers = Offers();
        EXPECT_GE(offers.size(), 1u);
        EXPECT_LE(offers.size(), 2u);
        for (int club : offers) {
            EXPECT_TRUE(Clubs[club].StateEntry);
            EXPECT_EQ(StandingOf(club).first, 1);
        }
    }
}

TEST_F(CareerOffersTest, SeasonEndOffersStartAtTheTopWhenNoMeritRuleApplies)
{
    BuildLeagues(2);
    const int club = 1;  // Itália, first division
    Clubs[club].boardConfidence = 90;
    Clubs[club].Place[1] = 3;
    Clubs[club].Place[2] = 5;
    Clubs[club].Place[3] = 7;  // no rule sets the range: the search starts at place 1 (2 on a 99)
    int offered = 0;
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersAfterSeason(club);
        const std::vector<int> offers = Offers();
        ASSERT_LE(offers.size(), 1u);
        if (offers.empty())
            continue;
        ++offered;
        EXPECT_NE(LeagueOf(offers[0]), 0);
        const auto [division, place] = StandingOf(offers[0]);
        EXPECT_EQ(division, 1);
        EXPECT_LE(place, 2);
    }
    EXPECT_GT(offered, 80);  // Random(100) > 10
    EXPECT_LT(offered, 100);
}

TEST_F(CareerOffersTest, SeasonEndOffersOfTheStateCountryReachIntoItsOwnLeague)
{
    Build({{29, 4}, {104, 1}}, 2);
    Game.StateChampionshipsOn = 1;
    const int club = 0;  // champion of the Brazilian first division
    Clubs[club].boardConfidence = 99;
    Clubs[club].Place[1] = 1;
    for (int c = 60; c < 80; c += 3)
        Clubs[c].stateGroup = 1;  // a few fourth-division clubs play a state group
    int fromOwnLeague = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersAfterSeason(club);
        for (int offered : Offers()) {
            if (LeagueOf(offered) == LeagueOf(club)) {
                ++fromOwnLeague;
                const auto [division, place] = StandingOf(offered);
                EXPECT_TRUE(division == 1 || division == 4);
                if (division == 4) {
                    EXPECT_NE(Clubs[offered].stateGroup, 0);
                    EXPECT_GE(place, 4);
                    EXPECT_LE(place, 14);
                } else {
                    EXPECT_GE(place, 2);
                }
            } else {
                EXPECT_EQ(StandingOf(offered).first, 1);
            }
        }
    }
    EXPECT_GT(fromOwnLeague, 60);
}

TEST_F(CareerOffersTest, SeasonEndOffersNeedAGoodSeason)
{
    BuildLeagues(2);
    Clubs[1].boardConfidence = 80;
    Clubs[1].Place[1] = 1;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersAfterSeason(1);
        EXPECT_TRUE(Offers().empty());
    }
    Clubs[1].boardConfidence = 81;
    Clubs[1].Place[1] = 5;
    PickJobOffersAfterSeason(1);
    EXPECT_TRUE(Offers().empty());
}

TEST_F(CareerOffersTest, MidSeasonOfferFromTheDivisionAbove)
{
    BuildLeagues(2);
    const int club = 50;  // Brasil... second division of "Itália" is clubs 20..39
    ASSERT_EQ(Clubs[25].Division, 2);
    MakeHuman(25);
    Clubs[25].boardConfidence = 85;
    Clubs[25].Place[1] = 4;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersMidSeason(25);
        const std::vector<int> offers = Offers();
        ASSERT_EQ(offers.size(), 1u);
        EXPECT_EQ(LeagueOf(offers[0]), 0);
        const auto [division, place] = StandingOf(offers[0]);
        EXPECT_EQ(division, 1);
        EXPECT_GE(place, 5);
    }
    (void)club;
}

TEST_F(CareerOffersTest, MidSeasonOfferInDivisionsOfTenForAFirstDivisionLeader)
{
    BuildLeagues(4);
    const int club = 2;
    Clubs[club].boardConfidence = 95;
    Clubs[club].Place[1] = 1;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        PickJobOffersMidSeason(club);
        const std::vector<int> offers = Offers();
        ASSERT_EQ(offers.size(), 1u);
        EXPECT_NE(LeagueOf(offers[0]), 0);
        const auto [division, place] = StandingOf(offers[0]);
        EXPECT_EQ(division, 1);
        EXPECT_GE(place, 2);  // the league leader at place 1 makes the search start at 3 (2 on a 99)
    }
}

TEST_F(CareerOffersTest, WalksRestoreTheCurrentCoachAndClearTheOffers)
{
    BuildLeagues(4);
    MakeHuman(2);
    const int employed = Clubs[2].coach;
    const int jobless = JoblessCoach(104, 1);
    Game.CurrentHumanCoach = employed;
    std::vector<int> shownFor;
    Hooks().showJobOffers = [&] {
        shownFor.push_back(Game.CurrentHumanCoach);
        EXPECT_GE(JobOffers[0], 0);
    };
    Game.DayKind = 1;
    int walks = 0;
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        OfferJoblessCoachJobs();
        EXPECT_EQ(Game.CurrentHumanCoach, employed);
        EXPECT_TRUE(Offers().empty());
        walks += !shownFor.empty();
    }
    EXPECT_GT(walks, 0);
    for (int coach : shownFor)
        EXPECT_EQ(coach, jobless);

    // Mid-season: second season, even round of the second turn; the employed coach's club leads.
    shownFor.clear();
    Game.Season = 2;
    Game.LeagueRound = 6;
    Game.LeagueTurn = 2;
    Clubs[2].boardConfidence = 95;
    Clubs[2].Place[1] = 1;
    Coaches[employed].OfferPending = 1;
    RandSeed = 4;
    OfferMidSeasonJobs();
    EXPECT_EQ(Game.CurrentHumanCoach, employed);
    ASSERT_EQ(shownFor.size(), 1u);
    EXPECT_EQ(shownFor[0], employed);
    EXPECT_EQ(Coaches[employed].OfferPending, 0);
    Game.LeagueRound = 5;  // odd rounds make no offers
    OfferMidSeasonJobs();
    EXPECT_EQ(shownFor.size(), 1u);

    // Season end only in divisions of 20.
    OfferSeasonEndJobs();
    EXPECT_EQ(shownFor.size(), 1u);
    EXPECT_EQ(Game.CurrentHumanCoach, employed);
}

TEST_F(CareerOffersTest, InstantPlayMakesNoJoblessOffers)
{
    BuildLeagues(4);
    JoblessCoach(104, 1);
    Game.InstantPlay = 1;
    int shown = 0;
    Hooks().showJobOffers = [&] { ++shown; };
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        OfferJoblessCoachJobs();
    }
    EXPECT_EQ(shown, 0);
}

TEST_F(CareerOffersTest, TakingAnOfferSwapsTheCoaches)
{
    BuildLeagues(4);
    MakeHuman(2);
    const int human = Clubs[2].coach;
    const int other = Clubs[30].coach;
    JobOffers = {30, -1, -1, -1};
    Game.CurrentHumanCoach = human;
    EXPECT_TRUE(AcceptJobOffer(0));
    EXPECT_EQ(Clubs[30].coach, human);
    EXPECT_EQ(Clubs[2].coach, other);
    EXPECT_TRUE(Clubs[30].IsHuman);
    EXPECT_FALSE(Clubs[2].IsHuman);
    EXPECT_EQ(Game.HumanClubs[0], 30);
    EXPECT_EQ(MailMessages.back().recipientClub, 30);
    EXPECT_TRUE(Offers().empty());
    for (const TPlayer& p : Players) {
        if (p.Club == 30) {
            EXPECT_EQ(p.Morale, 3);
        }
    }
    // A jobless coach simply takes over; an empty offer is refused.
    const int jobless = JoblessCoach(104, 1);
    Game.CurrentHumanCoach = jobless;
    JobOffers = {-1, 5, -1, -1};
    EXPECT_FALSE(AcceptJobOffer(0));
    JobOffers = {-1, 5, -1, -1};
    const int former = Clubs[5].coach;
    EXPECT_TRUE(AcceptJobOffer(1));
    EXPECT_EQ(Clubs[5].coach, jobless);
    EXPECT_EQ(Coaches[former].club, -1);
}

}  // namespace
}  // namespace tarvelon
