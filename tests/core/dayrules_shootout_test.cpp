// Penalty shoot-outs: the kick rules (checked kick by kick against the arithmetic of who can still
// catch up), the random result of unwatched club ties, the takers, and what the outcome writes.
#include <gtest/gtest.h>

#include <vector>

#include <algorithm>

#include "core/basics/random.h"
#include "core/records/cup_tie.h"
#include "core/hooks.h"
#include "core/match/match_day.h"
#include "core/matchday_rules/day_rules_services.h"
#include "core/matchday_rules/shootout.h"
#include "core/progression/progression_services.h"
#include "core/services/automatic_answers.h"
#include "tests/core/dayrules_world.h"
#include "core/match/match_flags.h"

namespace tarvelon {
namespace {

using namespace dayrules;

ShootoutTakerList Takers(std::initializer_list<int> players)
{
    ShootoutTakerList list{};
    int i = 0;
    for (int p : players)
        list[i++] = p;
    return list;
}

// Whether the side behind can no longer draw level with its kicks left in the first five rounds.
bool Decided(int a, int b, int leftA, int leftB) { return a > b + leftB || b > a + leftA; }

TEST(ShootoutKicksRules, EveryKickDecidesExactlyWhenTheOtherSideCanNoLongerCatchUp)
{
    bool sawFourToOneWonAtOnce = false;
    bool sawSuddenDeath = false;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        RandSeed = seed;
        ShootoutKicks kicks(Takers({1, 2, 3}), Takers({4, 5}));
        while (kicks.winner() == 0) {
            kicks.KickA();
            const int k = kicks.round();
            int a = kicks.goals(0), b = kicks.goals(1);
            if (k <= 5)
                ASSERT_EQ(kicks.winner() != 0, Decided(a, b, 5 - k, 5 - (k - 1))) << "seed " << seed;
            else
                ASSERT_EQ(kicks.winner(), 0) << "A's kick never ends sudden death";
            if (k == 4 && a == 4 && b == 1) {
                sawFourToOneWonAtOnce = true;  // B could reach only 3 with his two kicks left
                EXPECT_EQ(kicks.winner(), 1);
            }
            if (kicks.winner() != 0)
                break;
            kicks.KickB();
            a = kicks.goals(0), b = kicks.goals(1);
            if (k <= 5)
                ASSERT_EQ(kicks.winner() != 0, Decided(a, b, 5 - k, 5 - k)) << "seed " << seed;
            else
                ASSERT_EQ(kicks.winner() != 0, a != b);
        }
        const int a = kicks.goals(0), b = kicks.goals(1);
        EXPECT_EQ(kicks.winner(), a > b ? 1 : 2);
        if (kicks.round() > 5) {
            sawSuddenDeath = true;
            EXPECT_EQ(std::abs(a - b), 1);
        }
    }
    EXPECT_TRUE(sawFourToOneWonAtOnce);
    EXPECT_TRUE(sawSuddenDeath);
}

TEST(ShootoutKicksRules, FixedSeedGivesTheSameShootOut)
{
    std::vector<int> outcomes;
    for (std::uint32_t seed : {11u, 12u, 13u, 14u}) {
        RandSeed = seed;
        ShootoutKicks kicks(Takers({1}), Takers({2}));
        outcomes.push_back(KickOutShootout(kicks));
        outcomes.push_back(kicks.goals(0));
        outcomes.push_back(kicks.goals(1));
        outcomes.push_back(kicks.round());
    }
    EXPECT_EQ(outcomes, (std::vector<int>{1, 4, 1, 4, 1, 4, 2, 5, 1, 4, 2, 4, 1, 5, 4, 6}));
}

TEST(ShootoutKicksRules, AShortListStartsAgainWithItsFirstTaker)
{
    ShootoutKicks kicks(Takers({7, 8, 9}), Takers({}));
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) {
        order.push_back(kicks.NextTaker(0));
        kicks.KickA();
        kicks.KickB();
        if (kicks.winner() != 0)
            break;
    }
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(order[i], 7 + static_cast<int>(i % 3));
    EXPECT_EQ(kicks.NextTaker(1), 0);  // a side without takers still kicks
}

class Shootout : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildDayWorld(20, 5);
        matchdaytest::PrepareLineups();
        Hooks().shootoutDialog = nullptr;
        fixture_ = AppendFixture(2, 3, 2, kKindNationalCup, 0, 2, -1, TodayDate());
        ResetMatchday(1);
        Matches[1].club[0] = 2;
        Matches[1].club[1] = 3;
        Game.DayKind = kKindNationalCup;
    }
    void TearDown() override
    {
        Hooks().shootoutDialog = nullptr;
        Hooks().shootoutNotice = nullptr;
        SilentMatchday = false;
    }
    int fixture_ = -1;
};

TEST_F(Shootout, TheLiveMatchdayIsToldOfAClubTiesShootOutUnlessTheDayIsSilent)
{
    std::vector<int> told;
    Hooks().shootoutNotice = [&told](int milliseconds) { told.push_back(milliseconds); };
    SilentMatchday = false;
    PlayShootout(fixture_);
    EXPECT_EQ(told, std::vector<int>{30});
    SilentMatchday = true;
    PlayShootout(fixture_);
    EXPECT_EQ(told, std::vector<int>{30}) << "a day nobody watches says nothing";
}

TEST_F(Shootout, AnUnwatchedClubTieIsDrawnAtRandomAndTheWinnerIsOneKickAhead)
{
    RandSeed = 2024;
    const int x = Random(8) + 1;
    const int y = Random(8) + 1;
    RandSeed = 2024;
    const int result = PlayShootout(fixture_);
    EXPECT_EQ(result, y <= x ? 1 : 2);
    EXPECT_EQ(Fixtures[fixture_].homeShootout, y <= x ? x : y - 1);
    EXPECT_EQ(Fixtures[fixture_].awayShootout, y <= x ? x - 1 : y);
    EXPECT_EQ(Matches[1].shootout, 1);
    EXPECT_EQ(Matches[1].shootoutGoals[0], Fixtures[fixture_].homeShootout);
    bool oneNil = false;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        RandSeed = seed;
        const int winner = PlayShootout(fixture_);
        const TFixture& f = Fixtures[fixture_];
        EXPECT_EQ(winner == 1 ? f.homeShootout - f.awayShootout : f.awayShootout - f.homeShootout, 1);
        EXPECT_LE(std::max(f.homeShootout, f.awayShootout), 8);
        oneNil = oneNil || (f.homeShootout == 1 && f.awayShootout == 0);
    }
    EXPECT_TRUE(oneNil);
}

TEST_F(Shootout, WithoutTheDaysMatchNothingIsWrittenIntoAnotherMatch)
{
    ResetMatchday(0);
    const jogos empty = Matches[0];
    EXPECT_EQ(FindMatchOfClubs(2, 3), 0);
    PlayShootout(fixture_);
    EXPECT_EQ(Matches[0].shootout, empty.shootout);
    EXPECT_EQ(Matches[0].shootoutGoals[0], 0);
    EXPECT_NE(Fixtures[fixture_].homeShootout + Fixtures[fixture_].awayShootout, 0);
}

TEST_F(Shootout, AHumanClubsTieOpensTheTakersDialog)
{
    Clubs[3].IsHuman = 1;
    int opened = 0;
    Hooks().shootoutDialog = [&opened](bool humanTakers) {
        ++opened;
        EXPECT_TRUE(humanTakers);
        EXPECT_EQ(ShootoutClubA, 2);
        EXPECT_EQ(ShootoutUserTakers, 1);
        FinishShootout(2, 3, 4);
    };
    EXPECT_EQ(PlayShootout(fixture_), 2);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Fixtures[fixture_].homeShootout, 3);
    EXPECT_EQ(Fixtures[fixture_].awayShootout, 4);
    // with no dialog installed the same shoot-out is kicked out at once
    Hooks().shootoutDialog = nullptr;
    RandSeed = 8;
    const int winner = PlayShootout(fixture_);
    const TFixture& f = Fixtures[fixture_];
    EXPECT_EQ(winner, f.homeShootout > f.awayShootout ? 1 : 2);
    EXPECT_NE(f.homeShootout, f.awayShootout);
}

TEST_F(Shootout, TheAutomaticAnswerKicksItOutAsTheGameWithoutDialogs)
{
    Clubs[3].IsHuman = 1;
    RandSeed = 8;
    const int unasked = PlayShootout(fixture_);
    const TFixture withoutDialog = Fixtures[fixture_];
    const std::uint32_t seedAfter = RandSeed;
    Hooks().shootoutDialog = AutomaticAnswers().shootoutDialog;
    RandSeed = 8;
    EXPECT_EQ(PlayShootout(fixture_), unasked);
    EXPECT_EQ(Fixtures[fixture_].homeShootout, withoutDialog.homeShootout);
    EXPECT_EQ(Fixtures[fixture_].awayShootout, withoutDialog.awayShootout);
    EXPECT_EQ(RandSeed, seedAfter);
}

TEST_F(Shootout, WatchingTheLeaguesShootOutsShowsTheDisplayOnly)
{
    Game.ShowPenalties = 1;
    Leagues[0].humanPresent = 1;
    bool withTakers = true;
    Hooks().shootoutDialog = [&withTakers](bool humanTakers) {
        withTakers = humanTakers;
        FinishShootout(1, 5, 4);
    };
    EXPECT_EQ(PlayShootout(fixture_), 1);
    EXPECT_FALSE(withTakers);
    EXPECT_EQ(ActiveMatch, 1);
}

TEST_F(Shootout, ComputerTakersAttackersFirstGoalkeeperLastOnlyThoseOnThePitch)
{
    const TLineup& lineup = Lineups[Clubs[2].LineupIndex];
    for (int i = 0; i < 11; ++i)
        Players[lineup.starters[i]].OnPitch = 1;
    const int sentOff = lineup.starters[3];
    Players[sentOff].OnPitch = 0;
    const ShootoutTakerList takers = ComputerShootoutTakers(2);
    auto slotOf = [&lineup](int player) {
        for (int i = 0; i < 11; ++i)
            if (lineup.starters[i] == player)
                return lineup.pitchSlots[i];
        return -1;
    };
    for (int i = 0; i + 1 < 10; ++i)
        EXPECT_GE(slotOf(takers[i]), slotOf(takers[i + 1]));
    EXPECT_EQ(takers[10], 0);
    EXPECT_EQ(takers[9], lineup.starters[10]);  // the goalkeeper (slot 1) kicks last
    EXPECT_EQ(std::count(takers.begin(), takers.end(), sentOff), 0);
    EXPECT_EQ(ComputerShootoutTakers(-1), ShootoutTakerList{});
    // a human coach picks from the same ten, listed goalkeeper first in the order of the pitch slots
    const std::vector<int> candidates = ShootoutCandidates(2);
    ASSERT_EQ(candidates.size(), 10u);
    EXPECT_EQ(candidates.front(), lineup.starters[10]);
    int lastListed = -1;
    for (int player : candidates) {
        const int listed = static_cast<int>(
            std::find(PitchSlotListOrder.begin(), PitchSlotListOrder.end(), slotOf(player)) - PitchSlotListOrder.begin());
        EXPECT_GT(listed, lastListed);
        lastListed = listed;
    }
}

TEST_F(Shootout, ABracketShootOutNamesTheWinnerAndEliminatesTheLoserBeforeTheSemiFinals)
{
    Game.DayKind = kKindWorldCup;
    Game.TournamentStage = 6;
    NationalCupTies[9].firstTeam = 2;
    NationalCupTies[9].secondTeam = 3;
    NationalCupTies[9].scoreText.set("1x1");
    Clubs[2].NationalTeamCupEntry = Clubs[3].NationalTeamCupEntry = 1;
    ShootoutTie = 9;
    ShootoutClubA = 2;
    ShootoutClubB = 3;
    TMatchReport archived{};  // the day was archived before the bracket's shoot-outs
    archived.club[0] = 2;
    archived.club[1] = 3;
    archived.kind = kKindWorldCup;
    archived.date = TodayDate();
    MatchReports.push_back(archived);
    FinishShootout(1, 5, 4);
    EXPECT_EQ(MatchReports.back().shootout, 1);
    EXPECT_EQ(MatchReports.back().shootoutGoals[0], 5);
    EXPECT_EQ(NationalCupTies[9].winner, 2);
    EXPECT_EQ(NationalCupTies[9].scoreText.str(), "1x1;P:5x4");
    EXPECT_EQ(Clubs[3].NationalTeamCupEntry, 0);
    EXPECT_EQ(Matches[1].shootoutGoals[1], 4);
    // a semi-final loser stays in for the third-place match
    Game.TournamentStage = 7;
    ShootoutTie = 13;
    FinishShootout(2, 2, 3);
    EXPECT_EQ(Clubs[2].NationalTeamCupEntry, 1);
    // the club world cup: the loser is out before the last stage
    Game.DayKind = kKindClubWorldCup;
    Game.ClubWorldCupStage = 2;
    Clubs[3].clubWorldCupEntry = 1;
    ClubWorldCupTies[3].winner = -1;
    EXPECT_EQ(PlayShootoutInDialogs(3, 2, 3), ShootoutResult);
    EXPECT_EQ(ClubWorldCupTies[3].winner, ShootoutResult == 1 ? 2 : 3);
    EXPECT_EQ(ShootoutResult == 1 ? Clubs[3].clubWorldCupEntry : Clubs[2].clubWorldCupEntry, 0);
}

TEST_F(Shootout, TheProgressionReachesTheDaysRulesThroughItsServices)
{
    InstallDayRulesServices();
    RandSeed = 31;
    const int expected = PlayShootout(fixture_);
    const TFixture played = Fixtures[fixture_];
    RandSeed = 31;
    EXPECT_EQ(Progression().playShootout(fixture_), expected);
    EXPECT_EQ(Fixtures[fixture_].homeShootout, played.homeShootout);
    ASSERT_TRUE(Progression().closeStateGroups);
    ASSERT_TRUE(Progression().closeContinentalGroups);
    ASSERT_TRUE(Progression().closeNationalCupGroups);
    ASSERT_TRUE(Progression().prepareTournamentSquads);
    Game.DayKind = kKindClubWorldCup;
    ClubWorldCupTies[1].winner = -1;
    const int winner = Progression().playBracketShootout(1, 2, 3);
    EXPECT_EQ(ClubWorldCupTies[1].winner, winner == 1 ? 2 : 3);
    Progression() = ProgressionServices{};
}

}  // namespace
}  // namespace tarvelon
