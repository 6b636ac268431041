#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/career/coach_hiring.h"
#include "core/career/coach_sacking.h"
#include "core/career/coach_search.h"
#include "core/draws/draw_services.h"
#include "core/hooks.h"
#include "core/mail/mail.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/services/rule_services.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

// Two leagues of two divisions of 10 ("Itália" clubs 0..21, "Brasil" 22..43); coaches 0..43 coach
// clubs 0..43 and the free coaches follow each league's clubs' coaches.
class CareerHiringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{104, 2}, {29, 2}}, 4);
        Game.DayIndex = 30;
        Hooks().showCoachDismissal = nullptr;
        Hooks().showCoachChange = nullptr;
    }
    void TearDown() override
    {
        Hooks().showCoachDismissal = nullptr;
        Hooks().showCoachChange = nullptr;
    }

    int FreeCoach(int country, int division)
    {
        for (int i = 0; i < static_cast<int>(Coaches.size()); ++i) {
            if (Coaches[i].club == -1 && Coaches[i].country == country && Coaches[i].division == division)
                return i;
        }
        return -1;
    }
};

TEST_F(CareerHiringTest, HiringAComputerCoach)
{
    const int club = 12;  // second division
    DismissCoach(club, Clubs[club].coach);
    const int coach = FreeCoach(104, 2);
    ClubFinances[club].bankLoan = 5000;
    Clubs[club].boardConfidence = 3;
    RandSeed = 1;
    const std::int64_t expectedCash = 4'000'000 + Random(1'000'000);
    RandSeed = 1;
    HireCoach(club, coach);
    EXPECT_EQ(Clubs[club].coach, coach);
    EXPECT_EQ(Coaches[coach].club, club);
    EXPECT_EQ(Coaches[coach].active, 1);
    EXPECT_EQ(Coaches[coach].hireCounter, 5);
    EXPECT_EQ(Clubs[club].boardConfidence, 100);
    EXPECT_EQ(Clubs[club].SupportersMood, 80);
    EXPECT_EQ(ClubFinances[club].bankLoan, 0);
    EXPECT_EQ(Clubs[club].cash, CurrencyFromUnits(expectedCash));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(Clubs[club].SectorPrices[s], DefaultTicketPrices[2].sectors[s]);
    ASSERT_FALSE(CoachHirings.empty());
    EXPECT_EQ(CoachHirings.back().coach, coach);
    EXPECT_EQ(CoachHirings.back().club, club);
    EXPECT_EQ(CoachHirings.back().season, Game.Season);
    EXPECT_FALSE(Clubs[club].IsHuman);
}

TEST_F(CareerHiringTest, CashByDivision)
{
    const std::pair<int, int> bands[] = {{500'000, 200'000}, {6'000'000, 2'000'000}, {4'000'000, 1'000'000},
                                         {2'000'000, 1'000'000}, {1'000'000, 500'000}};
    for (int division = 0; division <= 4; ++division) {
        Clubs[5].Division = division;
        HireCoach(5, Clubs[5].coach);
        const std::int64_t cash = CurrencyUnits(Clubs[5].cash);
        EXPECT_GE(cash, bands[division].first);
        EXPECT_LT(cash, bands[division].first + bands[division].second);
    }
}

TEST_F(CareerHiringTest, AHumanCoachTakesAndLeavesControl)
{
    const int club = 25;  // "Brasil", first division
    const int coach = FreeCoach(29, 1);
    Coaches[coach].human = 1;
    Clubs[club].coach = -1;
    int offered = 0;
    for (TPlayer& p : Players) {
        if (p.Club == club && offered < 2) {
            p.loanStatus = 1;
            p.ListedForSale = 1;
            ++offered;
        }
    }
    HireCoach(club, coach);
    EXPECT_TRUE(Clubs[club].IsHuman);
    EXPECT_EQ(Game.HumanClubCount, 1);
    EXPECT_EQ(Game.HumanClubs[0], club);
    EXPECT_EQ(Game.HumanClubs[1], -1);
    EXPECT_TRUE(Leagues[1].humanPresent);
    EXPECT_FALSE(Leagues[0].humanPresent);
    for (const TPlayer& p : Players) {
        if (p.Club != club)
            continue;
        EXPECT_EQ(p.loanStatus, 0);
        EXPECT_EQ(p.ListedForSale, 0);
        EXPECT_EQ(p.Morale, 3);
        EXPECT_EQ(p.playingTimeCounter, 1);
        EXPECT_GE(p.ContractEnd, TodayDate() + 70);
        EXPECT_LE(p.ContractEnd, TodayDate() + 39 * 7);
    }

    // He leaves: friendlies and inbox go with the club's human control.
    TFriendly friendly;
    friendly.home = club;
    friendly.away = 3;
    friendly.date = TodayDate() + 3;
    Friendlies.push_back(friendly);
    SendMail(club, mkWelcome, 0, 0, 0, 0);
    DismissCoach(club, coach);
    EXPECT_FALSE(Clubs[club].IsHuman);
    EXPECT_EQ(Game.HumanClubCount, 0);
    EXPECT_EQ(Game.HumanClubs[0], -1);
    EXPECT_FALSE(Leagues[1].humanPresent);
    EXPECT_EQ(Friendlies[0].done, 1);
    EXPECT_EQ(MailMessages.back().recipientClub, -1);
    EXPECT_EQ(Coaches[coach].club, -1);
    EXPECT_EQ(Coaches[coach].lastClub, club);
    EXPECT_EQ(Coaches[coach].division, 1);
    EXPECT_EQ(Coaches[coach].active, 0);
}

TEST_F(CareerHiringTest, TheLeagueKeepsItsHumanFlagWhileAHumanClubIsLeft)
{
    MakeHuman(23);
    MakeHuman(30);
    Leagues[1].humanPresent = 1;
    DismissCoach(23, Clubs[23].coach);
    EXPECT_TRUE(Leagues[1].humanPresent);
    EXPECT_EQ(Game.HumanClubCount, 1);
    EXPECT_EQ(Game.HumanClubs[0], 30);
}

TEST_F(CareerHiringTest, AHumanLeavingTheSecondOfTwoDivisionsOfTenWantsTheFourth)
{
    MakeHuman(15);  // division 2 of a two-division league
    const int coach = Clubs[15].coach;
    DismissCoach(15, coach);
    EXPECT_EQ(Coaches[coach].division, 4);
    const int computer = Clubs[16].coach;
    DismissCoach(16, computer);
    EXPECT_EQ(Coaches[computer].division, 2);
}

TEST_F(CareerHiringTest, StateDrawsHireThroughTheCareer)
{
    InstallRuleServices();
    ASSERT_TRUE(static_cast<bool>(Draws().hireCoach));
    Clubs[3].coach = -1;
    const int coach = FreeCoach(104, 1);
    Draws().hireCoach(3, coach);
    EXPECT_EQ(Clubs[3].coach, coach);
}

TEST_F(CareerHiringTest, FreeCoachSearches)
{
    EXPECT_EQ(FindFreeCoachOfCountryDivision(104, 2), FreeCoach(104, 2));
    EXPECT_EQ(FindFreeCoachOfCountry(29), FreeCoach(29, 1));
    EXPECT_EQ(FindFreeCoachOfCountry(-1), FreeCoach(104, 1));
    Coaches[FreeCoach(104, 1)].human = 1;  // a human is never free for a club
    EXPECT_EQ(FindFreeCoachOfCountry(-1), FreeCoach(104, 2));
    EXPECT_EQ(FindFreeCoachOfCountry(3), -1);
    EXPECT_EQ(FindRegionalClubWithCoach(104), 20);
    Clubs[20].coach = -1;
    EXPECT_EQ(FindRegionalClubWithCoach(104), 21);
}

// The day's one list of free coaches answers as the walk does while coaches are hired, let go and
// added: the first free coach in table order.
TEST_F(CareerHiringTest, OneFreeCoachListForTheDayAnswersAsTheWalk)
{
    FreeCoachSearch day;
    const int first = FreeCoach(104, 2);
    ASSERT_GE(first, 0);
    EXPECT_EQ(FindFreeCoachOfCountryDivision(104, 2), first);
    HireCoach(3, first);  // hired after the list was made: passed over
    EXPECT_EQ(FindFreeCoachOfCountryDivision(104, 2), FreeCoach(104, 2));
    // Let go during the day: found again, ahead of free coaches further down the table.
    const int lowest = Clubs[0].coach;
    Clubs[0].Division = 2;
    DismissCoach(0, lowest);
    EXPECT_EQ(FindFreeCoachOfCountryDivision(104, 2), lowest);
    // A coach added to the table is found after every listed one.
    for (TCoach& coach : Coaches)
        if (coach.club == -1)
            coach.active = 1;
    EXPECT_EQ(FindFreeCoachOfCountry(-1), -1);
    TCoach added{};
    added.club = -1;
    added.country = 29;
    added.division = 2;
    Coaches.push_back(added);
    EXPECT_EQ(FindFreeCoachOfCountryDivision(29, 2), static_cast<int>(Coaches.size()) - 1);
}

TEST_F(CareerHiringTest, ReplacementCoachIsMadeUpWhenNobodyIsFree)
{
    for (TCoach& coach : Coaches) {
        if (coach.club == -1)
            coach.active = 1;
    }
    CoachChangeClub = 3;
    const std::size_t count = Coaches.size();
    const int made = FindReplacementCoach();
    ASSERT_EQ(made, static_cast<int>(count));
    const TCoach& coach = Coaches[made];
    EXPECT_FALSE(coach.name.empty());
    EXPECT_NE(coach.name.str().find(' '), std::string::npos);
    EXPECT_EQ(coach.club, -1);
    EXPECT_EQ(coach.lastClub, -1);
    EXPECT_EQ(coach.country, 104);
    EXPECT_EQ(coach.division, 1);
    // A computer club finds nobody (poaching fails too when every coach was just hired).
    for (TCoach& c : Coaches)
        c.hireCounter = 5;
    Coaches[made].active = 1;
    EXPECT_FALSE(FindReplacementForCpuClub());
    EXPECT_EQ(FiredCoach, -1);
    EXPECT_EQ(ReplacementCoach, -1);
    EXPECT_EQ(ReplacementCoachOldClub, -1);
    ResetCoachChange();
}

TEST_F(CareerHiringTest, ComputerClubFiresOnlyFromSixthPlaceDown)
{
    const int club = 4;
    const int coach = Clubs[club].coach;
    Clubs[club].boardConfidence = 9;
    Clubs[club].Place[1] = 5;
    SackFailingCoaches();
    EXPECT_EQ(Clubs[club].coach, coach);
    Clubs[club].Place[1] = 6;
    SackFailingCoaches();
    EXPECT_NE(Clubs[club].coach, coach);
    EXPECT_EQ(Coaches[coach].club, -1);
    EXPECT_EQ(Clubs[club].boardConfidence, 100);
    EXPECT_EQ(CoachChangeClub, -1);
    // Confidence 10 is enough to stay; regional clubs never fire.
    Clubs[7].boardConfidence = 10;
    Clubs[7].Place[1] = 10;
    Clubs[20].boardConfidence = 0;
    Clubs[20].Place[1] = 10;
    const int kept7 = Clubs[7].coach, kept20 = Clubs[20].coach;
    SackFailingCoaches();
    EXPECT_EQ(Clubs[7].coach, kept7);
    EXPECT_EQ(Clubs[20].coach, kept20);
}

TEST_F(CareerHiringTest, APoachedCoachLeavesTheFiredOneInHisPlace)
{
    // No free coach of the country and division: the next one is poached from the league.
    for (TCoach& coach : Coaches) {
        if (coach.club == -1)
            coach.active = 1;
    }
    const int club = 6;
    const int fired = Clubs[club].coach;
    Clubs[club].boardConfidence = 2;
    Clubs[club].Place[1] = 9;
    SackFailingCoaches();
    const int replacement = Clubs[club].coach;
    ASSERT_NE(replacement, fired);
    const int lostClub = Coaches[fired].club;
    ASSERT_GE(lostClub, 0);
    EXPECT_NE(lostClub, club);
    EXPECT_EQ(Clubs[lostClub].coach, fired);
    EXPECT_EQ(Coaches[replacement].lastClub, lostClub);
    EXPECT_EQ(Coaches[fired].lastClub, club);
}

TEST_F(CareerHiringTest, ChangeNoticeOnlyWhereAHumanClubPlays)
{
    int notices = 0;
    int seenClub = -1, seenFired = -1;
    Hooks().showCoachChange = [&] {
        ++notices;
        seenClub = CoachChangeClub;
        seenFired = FiredCoach;
    };
    Game.showCoachChanges = 1;
    Clubs[8].boardConfidence = 1;
    Clubs[8].Place[1] = 8;
    const int fired = Clubs[8].coach;
    SackFailingCoaches();
    EXPECT_EQ(notices, 0);  // no human club in the league
    MakeHuman(0);
    Leagues[0].humanPresent = 1;
    Clubs[9].boardConfidence = 1;
    Clubs[9].Place[1] = 9;
    const int fired9 = Clubs[9].coach;
    SackFailingCoaches();
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(seenClub, 9);
    EXPECT_EQ(seenFired, fired9);
    EXPECT_NE(fired, fired9);
}

TEST_F(CareerHiringTest, FiredHumanCoachSeesHisScreenBeforeTheChange)
{
    MakeHuman(24);
    Leagues[1].humanPresent = 1;
    const int coach = Clubs[24].coach;
    Clubs[24].boardConfidence = 5;
    Clubs[24].Place[1] = 2;  // a human coach goes whatever his place
    int shownReplacement = -2;
    Hooks().showCoachDismissal = [&](int club, int fired, int replacement) {
        EXPECT_EQ(club, 24);
        EXPECT_EQ(fired, coach);
        EXPECT_EQ(Clubs[24].coach, coach);  // not yet changed
        EXPECT_EQ(CoachChangeClub, 24);
        shownReplacement = replacement;
    };
    SackFailingCoaches();
    ASSERT_GE(shownReplacement, 0);
    EXPECT_EQ(Clubs[24].coach, shownReplacement);
    EXPECT_FALSE(Clubs[24].IsHuman);
    EXPECT_EQ(Coaches[coach].club, -1);
    EXPECT_EQ(Game.HumanClubCount, 0);
    EXPECT_FALSE(Leagues[1].humanPresent);
    EXPECT_EQ(Game.HumanCoachSlots[0], coach);  // still a human coach of the game, now jobless
}

}  // namespace
}  // namespace tarvelon
