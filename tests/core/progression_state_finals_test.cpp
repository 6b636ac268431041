// The end of the state championships: finals decided, records, prizes booked in the accounts, the
// work done once per season, the regional fourth division drawn from the state results, and the
// human coaches left without a division dismissed.
#include <gtest/gtest.h>

#include "core/draws/state_championship.h"
#include "core/hooks.h"
#include "core/progression/state_finals.h"
#include "tests/core/progression_world.h"

namespace tarvelon {
namespace {

using namespace progtest;

constexpr int kSP = 25;
constexpr int kMG = 10;

class StateFinalsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildClubs(60, 60);
        for (TStateChampionship& s : StateChampionships)
            s = TStateChampionship{};
        Competitions.push_back(TCompetition{kKindStateChampionship, kSP, 1});
        spCompetition = static_cast<int>(Competitions.size()) - 1;
        Competitions.push_back(TCompetition{kKindStateChampionship, kMG, 1});
        // SP: club 0 beats club 1 in one leg and draws the other.
        SetFinal(kSP, 0, 1, {1, 0, 2, 2});
        // MG: one leg each, club 3 (finalist B) better on aggregate.
        SetFinal(kMG, 2, 3, {1, 0, 0, 3});
        // The SP top scorer plays for the runner-up.
        TPlayer scorer{};
        scorer.Name.set("Artilheiro");
        scorer.Club = 1;
        Players.push_back(scorer);
        GoalTallies.push_back(TGoalTally{static_cast<int>(Players.size()) - 1, 9, spCompetition, 1});
    }

    void SetFinal(int state, int a, int b, std::array<int, 4> goals)
    {
        TStateChampionship& s = StateChampionships[state];
        s.active = 1;
        s.groupCount = 1;
        s.finalists[0] = a;
        s.finalists[1] = b;
        for (int i = 0; i < 4; ++i)
            s.finalGoals[i] = goals[i];
    }

    int spCompetition = 0;
};

TEST(StateFinal, LegsThenAggregateWithTiesToTheFirstFinalist)
{
    EXPECT_EQ(DecideStateFinal(1, 0, 2, 2), 1);
    EXPECT_EQ(DecideStateFinal(0, 1, 0, 0), 2);
    EXPECT_EQ(DecideStateFinal(1, 0, 0, 3), 2);  // one leg each: aggregate 1-3
    EXPECT_EQ(DecideStateFinal(2, 0, 1, 3), 1);  // one leg each, 3-3: finalist A
}

TEST_F(StateFinalsTest, RecordsPrizesAndTableRows)
{
    ASSERT_TRUE(DecideStateFinals());
    EXPECT_EQ(StateChampionsTitle(), "Campeões Estaduais 2010");
    ASSERT_EQ(StateChampionRows.size(), 2u);
    EXPECT_EQ(StateChampionRows[0].state, kMG);
    EXPECT_EQ(StateChampionRows[0].champion, "Clube 3");
    EXPECT_EQ(StateChampionRows[1].stateCode, "SP");
    EXPECT_EQ(StateChampionRows[1].champion, "Clube 0");
    EXPECT_EQ(StateChampionRows[1].runnerUp, "Clube 1");
    EXPECT_EQ(StateChampionRows[1].topScorer, "Artilheiro (Clube 1) - 9 gols");
    EXPECT_EQ(StateChampionRows[0].topScorer, "");

    EXPECT_EQ(Clubs[0].cash, CurrencyFromUnits(1000000));
    EXPECT_EQ(Clubs[1].cash, CurrencyFromUnits(500000 + 500000));  // runner-up and top scorer's club
    EXPECT_EQ(Clubs[3].cash, CurrencyFromUnits(1000000));
    EXPECT_EQ(Clubs[2].cash, CurrencyFromUnits(500000));
    EXPECT_TRUE(CashMatchesPrizeLedger());

    EXPECT_EQ(Clubs[0].stateTitles, 1);
    EXPECT_EQ(Clubs[1].stateTitles, 0);
    EXPECT_EQ(Clubs[0].honourPoints[kKindStateChampionship - 1], 5);
    EXPECT_EQ(Clubs[1].honourPoints[kKindStateChampionship - 1], 3);
    EXPECT_EQ(Coaches[0].nationalRankingPoints, 15);
    EXPECT_EQ(CountClubPlacings(3, kKindStateChampionship), 1);
    bool honoured = false;
    for (const TCoachHonour& h : CoachHonours)
        honoured |= h.club == 0 && h.coach == 0 && h.division == kSP && h.place == 1 && h.region == kStateCountry;
    EXPECT_TRUE(honoured);
    ASSERT_FALSE(Scorers.empty());
    EXPECT_EQ(Scorers[0].competition, spCompetition);
}

TEST_F(StateFinalsTest, RunsOncePerSeasonHoweverOftenAsked)
{
    ASSERT_TRUE(DecideStateFinals());
    const Currency cash = Clubs[0].cash;
    const std::size_t placings = ClubPlacings.size();
    EXPECT_FALSE(DecideStateFinals());
    EXPECT_FALSE(DecideStateFinals());
    EXPECT_EQ(Clubs[0].cash, cash);
    EXPECT_EQ(ClubPlacings.size(), placings);
    EXPECT_EQ(Clubs[0].stateTitles, 1);
    EXPECT_EQ(StateChampionRows.size(), 2u);  // the table stays for the screen

    ++Game.Season;  // a new season has new finals
    EXPECT_TRUE(DecideStateFinals());
    EXPECT_EQ(Clubs[0].stateTitles, 2);
}

class FourthDivisionTest : public StateFinalsTest {
protected:
    void SetUp() override
    {
        StateFinalsTest::SetUp();
        Game.RegionalFourthDivision = 1;
        Leagues[0].divisionCount = 3;
        for (int c = 30; c < 60; ++c)
            Clubs[c].Division = 0;
    }

    // Club c of state s, tier t, place p, points.
    void AddResult(int club, int state, int tier, int place, int points, bool human = false)
    {
        StateResults.push_back(TStateResult{club, state, place, tier, points, points / 2, static_cast<std::uint8_t>(human)});
    }
};

TEST_F(FourthDivisionTest, TwentyQualifiersFillDivisionFour)
{
    const int states[] = {22, 10, 18, 25, 3, 4};
    int club = 30;
    for (int i = 0; i < 24; ++i, ++club)
        AddResult(club, states[i % 6], 1 + i / 12, 1 + (i / 6) % 2, 30 - i);
    const std::vector<int> qualified = RegionalFourthDivisionDraw();
    ASSERT_GE(qualified.size(), 20u);
    // The best of SP, RJ, MG and PE go first, in that order.
    EXPECT_EQ(qualified[0], 33);
    EXPECT_EQ(qualified[1], 32);
    EXPECT_EQ(qualified[2], 31);
    EXPECT_EQ(qualified[3], 30);
    EXPECT_EQ(Leagues[0].divisionCount, 4);
    for (int slot = 0; slot < 20; ++slot) {
        EXPECT_EQ(Leagues[0].divisions[3][slot], qualified[slot]);
        EXPECT_EQ(Leagues[0].finalOrder[3][slot], qualified[slot]);
        EXPECT_EQ(Clubs[qualified[slot]].Division, 4);
    }
    for (std::size_t i = 20; i < qualified.size(); ++i)
        EXPECT_EQ(Clubs[qualified[i]].Division, 0);
}

TEST_F(FourthDivisionTest, HumanClubsFirstAmongEqualsAndTooFewFormNoDivision)
{
    StateChampionships[3].active = StateChampionships[4].active = 1;
    AddResult(40, 3, 1, 1, 10);
    AddResult(41, 4, 1, 1, 5, true);
    AddResult(42, 3, 1, 2, 50);
    const std::vector<int> qualified = RegionalFourthDivisionDraw();
    ASSERT_EQ(qualified.size(), 3u);
    EXPECT_EQ(qualified[0], 41);  // the human club leads the first pass
    EXPECT_EQ(qualified[1], 40);
    EXPECT_EQ(qualified[2], 42);  // state 3's second qualifies in the second pass
    EXPECT_EQ(Leagues[0].divisionCount, 3);
    EXPECT_EQ(Clubs[40].Division, 0);
}

TEST_F(FourthDivisionTest, FinalsMarkTheFinalistsAndEmptyTheResults)
{
    Clubs[0].Division = Clubs[1].Division = 0;
    AddResult(1, kSP, 1, 2, 20);
    AddResult(0, kSP, 1, 1, 18);
    ASSERT_TRUE(DecideStateFinals());
    EXPECT_TRUE(StateResults.empty());

    // Without the regional fourth division the results stay.
    Game.RegionalFourthDivision = 0;
    ++Game.Season;
    AddResult(40, 3, 1, 1, 10);
    ASSERT_TRUE(DecideStateFinals());
    EXPECT_EQ(StateResults.size(), 1u);
    EXPECT_EQ(Clubs[40].Division, 0);
}

TEST_F(FourthDivisionTest, HumanCoachesWithoutDivisionAreDismissed)
{
    Clubs[40].IsHuman = 1;
    Coaches[40].human = 1;
    Clubs[5].IsHuman = 1;  // in a division: stays
    std::vector<int> dismissed;
    Hooks().showCoachDismissal = [&dismissed](int club, int, int) { dismissed.push_back(club); };
    ExpectDismissalsWithoutDivision();
    DismissCoachesWithoutDivision();
    DismissCoachesWithoutDivision();  // the season's own call after the screen's: no second notice
    Hooks().showCoachDismissal = nullptr;
    EXPECT_EQ(dismissed, std::vector<int>{40});
    EXPECT_EQ(Clubs[40].IsHuman, 0);
    EXPECT_EQ(Clubs[5].IsHuman, 1);
}

}  // namespace
}  // namespace tarvelon
