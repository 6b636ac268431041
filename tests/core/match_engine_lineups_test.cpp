// The computer clubs' line-ups, tactics and squad choices.
#include <algorithm>
#include <map>
#include <set>

#include "core/records/cup_tie.h"
#include "core/draws/state_championship.h"
#include "core/match/computer_lineups.h"
#include "core/season/calendar.h"
#include "core/vocab/tactics_board.h"
#include "tests/core/match_engine_fixture.h"

namespace tarvelon::testing {
namespace {

class ComputerLineups : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetTestGame(61);
        BuildCalendar();
        club = AddClubWithSquad("Clube", 60);
    }
    const TLineup& lineup() const { return Lineups[Clubs[club].LineupIndex]; }
    int FirstOfClub(int position) const
    {
        for (std::size_t p = 1; p < Players.size(); ++p)
            if (Players[p].Club == club && Players[p].Position == position)
                return static_cast<int>(p);
        return -1;
    }
    bool Picked(int player) const
    {
        const TLineup& L = lineup();
        return std::count(L.starters, L.starters + 11, player) + std::count(L.bench, L.bench + 7, player) > 0;
    }
    int club = -1;
};

TEST_F(ComputerLineups, FullSquadGivesElevenDistinctStartersAKeeperInGoalAndABench)
{
    for (int round = 0; round < 30; ++round) {
        ClearMatchdayTables();
        BuildCpuLineup(club);
        const TLineup& L = lineup();
        std::set<int> seen;
        for (int k = 0; k < 11; ++k) {
            ASSERT_GT(L.starters[k], 0);
            EXPECT_EQ(Players[L.starters[k]].Club, club);
            EXPECT_TRUE(Players[L.starters[k]].OnPitch);
            EXPECT_TRUE(seen.insert(L.starters[k]).second);
        }
        // A bench row looks only for its own position, so a formation that uses every full back
        // leaves the full back's bench place empty.
        int benched = 0;
        for (int b = 0; b < 7; ++b) {
            if (L.bench[b] == 0)
                continue;
            benched += 1;
            EXPECT_FALSE(Players[L.bench[b]].OnPitch);
            EXPECT_TRUE(seen.insert(L.bench[b]).second);
        }
        EXPECT_GE(benched, 5);
        EXPECT_EQ(Players[L.starters[10]].Position, 0);
        EXPECT_EQ(L.pitchSlots[10], 1);
        EXPECT_EQ(Players[L.bench[0]].Position, 0);
        EXPECT_GT(L.keeper, 0);
        EXPECT_EQ(Clubs[club].AvailablePlayers, 22);
        bool named = false;
        for (int f = 1; f <= FormationCount; ++f)
            named = named || FormatFormation(Clubs[club].LineupIndex) == FormationNames[f];
        EXPECT_TRUE(named) << FormatFormation(Clubs[club].LineupIndex);
    }
}

TEST_F(ComputerLineups, TheBestRestedPlayersStart)
{
    int keeper = FirstOfClub(0);
    Players[keeper].Strength = 99;
    BuildCpuLineup(club);
    EXPECT_EQ(lineup().starters[10], keeper);
    ClearMatchdayTables();
    Players[keeper].Energy = 20;  // key 50 + 10: another keeper is preferred
    for (std::size_t p = keeper + 1; p < Players.size(); ++p)
        if (Players[p].Club == club && Players[p].Position == 0)
            Players[p].Strength = 90;
    BuildCpuLineup(club);
    EXPECT_NE(lineup().starters[10], keeper);
}

TEST_F(ComputerLineups, ExhaustedCandidateEntersWithThirtyToThirtyNineEnergy)
{
    int tired = FirstOfClub(3);
    Players[tired].Energy = 15;
    BuildCpuLineup(club);
    EXPECT_GE(Players[tired].Energy, 30);
    EXPECT_LE(Players[tired].Energy, 39);
}

TEST_F(ComputerLineups, ThreeYellowCardsKeepAPlayerOutOfOneMatchOfThatKind)
{
    int player = FirstOfClub(4);
    Players[player].YellowCards[1] = 3;
    Players[player].YellowCards[2] = 1;
    BuildCpuLineup(club);
    EXPECT_FALSE(Picked(player));
    EXPECT_EQ(Clubs[club].AvailablePlayers, 21);
    ServeSuspensions();
    EXPECT_EQ(Players[player].YellowCards[1], 0);
    EXPECT_EQ(Players[player].YellowCards[2], 1);  // another kind is not touched
    ClearMatchdayTables();
    BuildCpuLineup(club);
    EXPECT_EQ(Clubs[club].AvailablePlayers, 22);
}

TEST_F(ComputerLineups, SuspendedAndInjuredPlayersAreLeftOut)
{
    int banned = FirstOfClub(2);
    int injured = FirstOfClub(1);
    Players[banned].Bans[1] = 2;
    Players[injured].InjuredUntil = TodayDate() + 1;
    BuildCpuLineup(club);
    EXPECT_FALSE(Picked(banned));
    EXPECT_FALSE(Picked(injured));
    ServeSuspensions();
    EXPECT_EQ(Players[banned].Bans[1], 1);
    Players[injured].InjuredUntil = TodayDate();
    EXPECT_TRUE(IsAvailableToday(injured));
}

TEST_F(ComputerLineups, ShortSquadFillsWhatItCanWithStandIns)
{
    for (std::size_t p = 1; p < Players.size(); ++p)
        if (Players[p].Club == club && (Players[p].Position == 0 || p % 3 == 0))
            Players[p].Club = -1;  // no keepers, a third of the others gone
    BuildCpuLineup(club);
    const TLineup& L = lineup();
    EXPECT_GT(L.starters[10], 0);  // someone stands in goal
    EXPECT_NE(Players[L.starters[10]].Position, 0);
    int starters = 0;
    for (int k = 0; k < 11; ++k)
        starters += L.starters[k] > 0 ? 1 : 0;
    EXPECT_EQ(starters, 11);
}

TEST_F(ComputerLineups, FormationDraw)
{
    EXPECT_EQ(FormationOfDraw(1), 1);
    EXPECT_EQ(FormationOfDraw(2), 1);
    EXPECT_EQ(FormationOfDraw(4), 2);
    EXPECT_EQ(FormationOfDraw(5), 4);  // the default
    EXPECT_EQ(std::string(FormationNames[FormationOfDraw(5)]), "4-4-2");
    EXPECT_EQ(FormationOfDraw(7), 3);
    EXPECT_EQ(FormationOfDraw(38), 4);
    EXPECT_EQ(FormationOfDraw(39), 5);
    EXPECT_EQ(FormationOfDraw(60), 6);
    EXPECT_EQ(FormationOfDraw(65), 7);
    EXPECT_EQ(FormationOfDraw(72), 8);
    EXPECT_EQ(FormationOfDraw(98), 9);
    EXPECT_EQ(FormationOfDraw(100), 10);
}

TEST_F(ComputerLineups, CandidatesWithEqualKeysAreOrderedByEnergy)
{
    TLineupCandidate a{1, 50, 90, 0, 0, 0, 0};
    TLineupCandidate b{2, 50, 80, 0, 0, 0, 0};
    TLineupCandidate c{3, 60, 10, 0, 0, 0, 0};
    EXPECT_LT(CompareLineupCandidates(&a, &b), 0);
    EXPECT_GT(CompareLineupCandidates(&a, &c), 0);
    EXPECT_EQ(CompareLineupCandidates(&a, &a), 0);
}

TEST_F(ComputerLineups, TacticalRoleFromPositionAndTraits)
{
    auto role = [](int position, int t1, int t2) {
        int p = AddTestPlayer(position, 50);
        Players[p].Trait1 = t1;
        Players[p].Trait2 = t2;
        return ChooseTacticalRole(p);
    };
    EXPECT_EQ(role(0, 13, 13), 0);
    EXPECT_EQ(role(2, 13, 13), 0);
    EXPECT_EQ(role(1, 13, 7), 1);
    EXPECT_EQ(role(1, 7, 13), 0);
    EXPECT_EQ(role(1, 5, 6), 1);
    EXPECT_EQ(role(1, 5, 10), 0);
    EXPECT_EQ(role(1, 8, 5), 1);
    EXPECT_EQ(role(1, 5, 5), 0);
    EXPECT_EQ(role(3, 9, 7), 1);
    EXPECT_EQ(role(3, 10, 9), 0);
    EXPECT_EQ(role(3, 5, 7), 0);
    EXPECT_EQ(role(3, 5, 5), 1);
    EXPECT_EQ(role(4, 10, 5), 0);
    EXPECT_EQ(role(4, 6, 5), 2);
    EXPECT_EQ(role(4, 5, 6), 1);
}

TEST_F(ComputerLineups, TacticsDrawsStayInTheirRanges)
{
    std::map<int, int> styles, markings, sides;
    for (int i = 0; i < 2000; ++i) {
        ChooseCpuTactics(club);
        styles[Clubs[club].PlayingStyle] += 1;
        markings[Clubs[club].Pressing] += 1;
        sides[Clubs[club].AttackFocus] += 1;
    }
    EXPECT_EQ(styles.size(), 3u);
    EXPECT_NEAR(styles[0] / 2000.0, 0.70, 0.04);
    EXPECT_NEAR(markings[2] / 2000.0, 0.05, 0.02);
    EXPECT_EQ(sides.size(), 2u);
}

TEST_F(ComputerLineups, CaptainAndSetPieceTakerAmongTheRegulars)
{
    std::vector<int> regulars;
    for (std::size_t p = 1; p < Players.size(); ++p)
        if (Players[p].Club == club && Players[p].LineupStatus == 1)
            regulars.push_back(static_cast<int>(p));
    ChooseCaptain(club);
    EXPECT_EQ(Clubs[club].Captain, regulars[0]);
    for (int p : regulars)
        Players[p].Trait1 = 5;
    Players[regulars[4]].Trait1 = 11;
    Players[regulars[6]].Trait1 = 4;
    ChooseFreeKickTaker(club);
    EXPECT_EQ(Clubs[club].SetPieceTaker, regulars[6]);
    Players[regulars[8]].Trait1 = 9;
    ChooseFreeKickTaker(club);
    EXPECT_EQ(Clubs[club].SetPieceTaker, regulars[8]);
    for (int p : regulars)
        Players[p].LineupStatus = 0;
    ChooseFreeKickTaker(club);
    EXPECT_EQ(Clubs[club].SetPieceTaker, regulars[8]);  // no regular: left as it was
    ChooseCaptain(club);
    EXPECT_EQ(Players[Clubs[club].Captain].Club, club);
}

TEST_F(ComputerLineups, ClampKeepsStrengthAndAgeInRange)
{
    int p = FirstOfClub(3);
    Players[p].Strength = 130;
    Players[p].Age = 12;
    Players[p].BlockedThisRound = 1;
    ClampPlayerAttributes();
    EXPECT_EQ(Players[p].Strength, 100);
    EXPECT_EQ(Players[p].Age, 16);
    EXPECT_EQ(Players[p].BlockedThisRound, 0);
}

TEST_F(ComputerLineups, MatchdayPreparationBuildsComputerClubsOnlyAfterTheHumanLineups)
{
    int human = AddClubWithSquad("Humano", 60, true);
    int third = AddClubWithSquad("Terceiro", 60);
    Clubs[third].Division = 0;  // not in a national division: no league match today
    Game.LeagueClubCount = static_cast<int>(Clubs.size());
    AddEmptyLineup();  // the human coach's line-up, built by the line-up screen
    Clubs[human].LineupIndex = 0;
    PrepareMatchdayLineups();
    EXPECT_EQ(LineupCount, 2);
    EXPECT_EQ(Clubs[club].LineupIndex, 1);
    EXPECT_EQ(Clubs[human].LineupIndex, 0);

    ClearMatchdayTables();
    Game.DayKind = 5;  // club world cup: the clubs of the stage's two ties, tactics kept
    Game.ClubWorldCupStage = 2;
    ClubWorldCupTies[3].firstTeam = third;
    ClubWorldCupTies[3].secondTeam = club;
    ClubWorldCupTies[4].firstTeam = -1;
    ClubWorldCupTies[4].secondTeam = human;
    Clubs[third].PlayingStyle = 2;
    PrepareMatchdayLineups();
    EXPECT_EQ(LineupCount, 2);
    EXPECT_EQ(Clubs[third].PlayingStyle, 2);
}

TEST_F(ComputerLineups, FriendliesOfTodayAndPlayedStateTiersGetTheirLineups)
{
    int guest = AddClubWithSquad("Visitante", 60);
    int other = AddClubWithSquad("Outro", 60);
    Game.DayKind = 0;
    TFriendly today{};
    today.home = club;
    today.away = guest;
    today.date = TodayDate();
    TFriendly played = today;
    played.home = other;
    played.done = 1;
    Friendlies = {today, played};
    PrepareMatchdayLineups();
    EXPECT_EQ(LineupCount, 2);
    EXPECT_EQ(Clubs[other].LineupIndex, -1);

    ClearMatchdayTables();
    Game.DayKind = 3;
    for (TStateChampionship& state : StateChampionships)
        state = TStateChampionship{};
    TStateChampionship& state = StateChampionships[25];
    for (auto& tier : state.groups)
        std::fill(std::begin(tier), std::end(tier), -1);
    state.active = 1;
    state.groupCount = 1;
    state.groups[0][0] = guest;
    state.groups[0][3] = club;
    state.groups[1][0] = other;  // the reserve tier plays no match
    PrepareMatchdayLineups();
    EXPECT_EQ(LineupCount, 2);
    EXPECT_EQ(Clubs[guest].LineupIndex, 0);
    EXPECT_EQ(Clubs[club].LineupIndex, 1);
}

}  // namespace
}  // namespace tarvelon::testing
