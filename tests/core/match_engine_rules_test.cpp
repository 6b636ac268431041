// Exact rules of open play, the step and the day's referees, with fixed seeds and a fixed clock.
#include <map>

#include "core/match/match_events_codes.h"
#include "core/match/referees.h"
#include "core/match/zone_play.h"
#include "tests/core/match_engine_fixture.h"

namespace tarvelon::testing {
namespace {

class OpenPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetTestGame(21);
        AddClub("Casa");
        AddClub("Fora");
        L1 = AddEmptyLineup();
        L2 = AddEmptyLineup();
        ResetMatchday(1);
    }
    void SetZones(int lineup, int attack, int defence, int keeper)
    {
        for (int z = 0; z < 12; ++z) {
            Lineups[lineup].attack[z] = attack;
            Lineups[lineup].defence[z] = defence;
        }
        Lineups[lineup].keeper = keeper;
    }
    int L1 = -1;
    int L2 = -1;
};

TEST_F(OpenPlay, RatingDifferenceMovesTheChanceOfTheDefendingOutcome)
{
    EXPECT_EQ(AdjustByRating(30, 50, 50, 0.5), 30);
    EXPECT_EQ(AdjustByRating(30, 60, 50, 0.5), 25);  // bad pass 5 less likely
    EXPECT_EQ(AdjustByRating(20, 60, 50, 0.3), 17);  // duel loss 3 less likely
    EXPECT_EQ(AdjustByRating(20, 50, 60, 0.3), 23);
    EXPECT_EQ(AdjustByRating(92, 55, 50, 0.5), 90);  // 89.5 rounds half to even
}

TEST_F(OpenPlay, ZonesAreMirroredForSideTwoAndRestartsHaveTheirPlaces)
{
    EXPECT_EQ(MirrorZone(1, 1), 1);
    EXPECT_EQ(MirrorZone(1, 2), 12);
    EXPECT_EQ(MirrorZone(11, 2), 2);
    EXPECT_EQ(KickOffZone(1), 5);
    EXPECT_EQ(KickOffZone(2), 8);
    EXPECT_EQ(GoalKickZone(1), 2);
    EXPECT_EQ(GoalKickZone(2), 11);
    EXPECT_EQ(OtherSide(1), 2);
    EXPECT_EQ(OtherSide(2), 1);
    EXPECT_EQ(OtherSide(0), 1);
    for (int i = 0; i < 200; ++i) {
        int c1 = CornerZone(1);
        int c2 = CornerZone(2);
        EXPECT_TRUE(c1 == 12 || c1 == 10);
        EXPECT_TRUE(c2 == 3 || c2 == 1);
    }
}

TEST_F(OpenPlay, ChanceTestReseedsFromTheClockBeforeDrawing)
{
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        InstallDeterministicClock(seed);
        std::uint32_t clock = static_cast<std::uint32_t>(Hooks().highResolutionClock());
        RandSeed = clock;
        bool expected = 37 >= Random(100) + 1;
        std::uint32_t seedAfter = RandSeed;
        InstallDeterministicClock(seed);
        RandSeed = 12345;  // whatever came before does not matter
        EXPECT_EQ(ChanceTest(37, 100), expected);
        EXPECT_EQ(RandSeed, seedAfter);
    }
    EXPECT_TRUE(ChanceTest(100, 100));
    EXPECT_FALSE(ChanceTest(0, 100));
}

TEST_F(OpenPlay, KeeperSaveChanceDependsOnTheKeepersClass)
{
    // Equal ratings: save when 92 >= Random(n) + 1, n = 112 / 110 / 100 by the keeper rating.
    for (int keeper : {5, 8, 10}) {
        int n = keeper < 6 ? 112 : (keeper <= 9 ? 110 : 100);
        for (std::uint64_t seed = 1; seed <= 30; ++seed) {
            InstallDeterministicClock(seed);
            RandSeed = static_cast<std::uint32_t>(Hooks().highResolutionClock());
            bool expected = 92 >= Random(n) + 1;
            InstallDeterministicClock(seed);
            EXPECT_EQ(KeeperTest(11, keeper, keeper), expected) << keeper;
        }
    }
}

TEST_F(OpenPlay, OpenGoalRowSendsEveryPassFromMidfieldToTheBox)
{
    SetZones(L1, 50, 50, 50);
    SetZones(L2, 50, 50, 50);
    Lineups[L2].defence[1] = 0;  // side 2 has nobody at the centre of its goal row
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(NextPassZone(5, 1, L1, L2), 11);
        EXPECT_EQ(NextPassZone(2, 1, L1, L2), 11);
    }
    Lineups[L2].defence[1] = 50;
    Lineups[L1].defence[2] = 0;  // side 1 open at its zone 3: side 2 passes from its midfield to its zone 10
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(NextPassZone(MirrorZone(6, 2), 2, L1, L2), MirrorZone(10, 2));
    std::map<int, int> seen;
    Lineups[L1].defence[2] = 50;
    for (int i = 0; i < 1000; ++i)
        seen[NextPassZone(5, 1, L1, L2)] += 1;
    EXPECT_EQ(seen.size(), 4u);  // 8, 7, 9, 11
    EXPECT_GT(seen[8], 400);
}

TEST_F(OpenPlay, RestartsAfterAShotWideLandMostlyInZonesFiveAndSix)
{
    std::map<int, int> seen;
    for (int i = 0; i < 10000; ++i)
        seen[RestartZone(0, 1)] += 1;
    EXPECT_NEAR((seen[5] + seen[6]) / 10000.0, 0.66, 0.03);
    EXPECT_NEAR(seen[7] / 10000.0, 0.09, 0.02);
    for (int i = 0; i < 100; ++i) {
        int z = RestartZone(0, 2);
        EXPECT_TRUE(z >= 4 && z <= 9) << z;
    }
}

TEST_F(OpenPlay, NoSideShootsFromTheRowInFrontOfItsOwnGoal)
{
    SetZones(L1, 300, 300, 100);
    SetZones(L2, 0, 1, 0);
    for (int i = 0; i < 3000; ++i) {
        int zone = 1 + i % 3;
        ZoneMove move = PlayZoneMove(zone, 1, -1, L1, L2, 1);
        EXPECT_NE(move.code, meGoal);
        EXPECT_NE(move.code, meCorner);
        EXPECT_NE(move.code, meShotWide);
        ZoneMove mirrored = PlayZoneMove(MirrorZone(zone, 2), 2, -1, L1, L2, 1);
        EXPECT_NE(mirrored.code, meGoal);
    }
}

TEST_F(OpenPlay, RestartAfterShotWideAndPassWithoutAttackers)
{
    SetZones(L1, 50, 50, 50);
    SetZones(L2, 50, 50, 50);
    ZoneMove restart = PlayZoneMove(11, 2, meShotWide, L1, L2, 1);
    EXPECT_EQ(restart.code, mePass);
    EXPECT_EQ(restart.side, 2);
    EXPECT_TRUE(restart.zone >= 4 && restart.zone <= 9);

    Lineups[L1].attack[6] = 0;  // side 1 has no attacker in zone 7
    ZoneMove lost = PlayZoneMove(7, 1, mePass, L1, L2, 1);
    EXPECT_EQ(lost.code, mePassLost);
    EXPECT_EQ(lost.side, 2);
    EXPECT_EQ(lost.zone, 7);
}

TEST_F(OpenPlay, InTheBoxAShotFollowsMostWonDuelsAndFoulsAreRare)
{
    SetZones(L1, 50, 50, 50);
    SetZones(L2, 50, 50, 50);
    int shots = 0, fouls = 0;
    const int plays = 20000;
    for (int i = 0; i < plays; ++i) {
        ZoneMove move = PlayZoneMove(11, 1, -1, L1, L2, 1);
        shots += (move.code == meGoal || move.code == meCorner || move.code == meShotWide) ? 1 : 0;
        fouls += move.code == meFoul ? 1 : 0;
    }
    // Foul 2 in 100 before the duel; the duel is lost 30 in 100 (2 in 100 of those a foul);
    // 85 in 100 of the won duels end in a shot.
    EXPECT_NEAR(fouls / double(plays), 0.02 + 0.98 * 0.30 * 0.02, 0.01);
    EXPECT_NEAR(shots / double(plays), 0.98 * 0.70 * 0.85, 0.02);
}

// A play in side 1's zone 11 drawn by hand, draw by draw: foul chance 2, duel loss 30 (moved by the
// ratings, reseeded), shot chance 85, keeper save 92 of 100 (reseeded), corner below 51.
ZoneMove BoxPlayByHand(int attack, int defence, int keeper)
{
    if (2 > Random(100))
        return {11, 1, meFoul};
    Randomize();
    bool duelLost = AdjustByRating(30, attack, defence, 0.3) >= Random(100) + 1;
    if (duelLost)
        return 2 <= Random(100) ? ZoneMove{11, 2, meLostBall} : ZoneMove{11, 1, meFoul};
    if (85 <= Random(100))
        return {-1, -1, -1};  // a pass: its target is drawn further, not followed here
    Randomize();
    bool saved = AdjustByRating(92, attack, keeper, 0.2) >= Random(100) + 1;
    if (!saved)
        return {11, 2, meGoal};
    return Random(100) < 51 ? ZoneMove{Random(100) < 51 ? 12 : 10, 1, meCorner} : ZoneMove{GoalKickZone(2), 2, meShotWide};
}

TEST_F(OpenPlay, AKnownPlayInTheBoxIsResolvedDrawByDraw)
{
    SetZones(L1, 70, 40, 60);
    SetZones(L2, 40, 55, 30);
    int checked = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        RandSeed = seed * 2654435761u;
        InstallDeterministicClock(seed);
        ZoneMove expected = BoxPlayByHand(70, 55, 30);
        RandSeed = seed * 2654435761u;
        InstallDeterministicClock(seed);
        ZoneMove move = PlayZoneMove(11, 1, -1, L1, L2, 1);
        if (expected.code == -1) {
            EXPECT_TRUE(move.code == mePass || move.code == meBadPass);
            continue;
        }
        checked += 1;
        EXPECT_EQ(move.code, expected.code) << seed;
        EXPECT_EQ(move.zone, expected.zone) << seed;
        EXPECT_EQ(move.side, expected.side) << seed;
    }
    EXPECT_GT(checked, 300);
}

TEST(MatchStepRules, GoalDamperLetsFewerGoalsStandTheMoreASideHas)
{
    EXPECT_EQ(GoalStandsUpTo(0, 10), 99);
    EXPECT_EQ(GoalStandsUpTo(1, 91), 99);
    EXPECT_EQ(GoalStandsUpTo(2, 91), 80);  // third goal before half time: 81 in 100
    EXPECT_EQ(GoalStandsUpTo(3, 50), 70);
    EXPECT_EQ(GoalStandsUpTo(7, 50), 5);
    EXPECT_EQ(GoalStandsUpTo(8, 50), 1);
    EXPECT_EQ(GoalStandsUpTo(30, 50), 1);
    EXPECT_EQ(GoalStandsUpTo(3, 92), 99);
    EXPECT_EQ(GoalStandsUpTo(4, 92), 80);  // fifth goal after half time: 81 in 100
    EXPECT_EQ(GoalStandsUpTo(5, 150), 60);
    EXPECT_EQ(GoalStandsUpTo(8, 150), 5);
    EXPECT_EQ(GoalStandsUpTo(9, 150), 1);
}

TEST(MatchStepRules, EndTickIsDrawnAtTickOneEightyWithTwoPerRedCard)
{
    ResetTestGame(3);
    ResetMatchday(1);
    std::map<int, int> seen;
    for (int i = 0; i < 400; ++i) {
        SetMatchEndTick(1);
        seen[Matches[1].endTick] += 1;
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen.begin()->first, 184);
    EXPECT_EQ(seen.rbegin()->first, 187);
    Matches[1].redCards[0] = 1;
    Matches[1].redCards[1] = 1;
    for (int i = 0; i < 100; ++i) {
        SetMatchEndTick(1);
        EXPECT_GE(Matches[1].endTick, 188);
        EXPECT_LE(Matches[1].endTick, 190);
    }
    Matches[1].redCards[0] = 5;
    SetMatchEndTick(1);
    EXPECT_EQ(Matches[1].endTick, 190);
}

TEST(MatchStepRules, MinuteOfTick)
{
    EXPECT_EQ(MatchMinuteOfTick(1), 1);
    EXPECT_EQ(MatchMinuteOfTick(2), 1);
    EXPECT_EQ(MatchMinuteOfTick(3), 2);
    EXPECT_EQ(MatchMinuteOfTick(4), 2);
    EXPECT_EQ(MatchMinuteOfTick(92), 46);
    EXPECT_EQ(MatchMinuteOfTick(93), 0);
    EXPECT_EQ(MatchMinuteOfTick(94), 1);
    EXPECT_EQ(MatchMinuteOfTick(182), 45);
}

TEST(MatchStepRules, FirstStepDrawsTheSideAndKicksOffFromItsZoneFive)
{
    ResetTestGame(5);
    AddClubWithSquad("A", 60);
    AddClubWithSquad("B", 60);
    KickOffPairs();
    const jogos& M = Matches[1];
    EXPECT_EQ(M.subsLeft[0], 3);
    EXPECT_EQ(M.subsLeft[1], 3);
    EXPECT_EQ(M.tick, 0);
    EXPECT_EQ(M.lineup[0], Clubs[0].LineupIndex);
    EXPECT_EQ(M.startingEleven[1][10], Lineups[M.lineup[1]].starters[10]);
    EXPECT_GE(M.kickoffDraw, 0);
    EXPECT_LE(M.kickoffDraw, 2);
    MatchStep(1);
    EXPECT_EQ(M.tick, 1);
    EXPECT_EQ(M.possession[0] + M.possession[1], 1);
}

TEST(MatchStepRules, TraceOfPlaysNamesOldAndNewBallStateAndThePlay)
{
    ResetTestGame(6);
    AddClubWithSquad("A", 60);
    AddClubWithSquad("B", 60);
    KickOffPairs();
    DebugTrace = true;
    const char* words[10] = {"", "perdeu bola<br>", "passou a bola<br>", "chute fora<br>", "chute certo<br>",
                             "sofreu falta<br>", "sofreu penalty<br>", "escanteio<br>", "tiro meta<br>", "errou passe<br>"};
    int traced = 0;
    for (int i = 0; i < 200; ++i) {
        PlayTraceText.clear();
        Matches[1].tick = 1 + 4 * i + 1;  // never a substitution tick
        PlayResult r = ResolvePlay(7, 2, -1, Matches[1].lineup[0], Matches[1].lineup[1], 1);
        if (r.event >= 1 && r.event <= 9) {
            traced += 1;
            EXPECT_EQ(PlayTraceText, "bc:2(7)>bc:" + std::to_string(r.side) + " (" + std::to_string(r.zone) + ") - " +
                                         words[r.event]);
        } else {
            EXPECT_EQ(PlayTraceText, "");
        }
    }
    EXPECT_GT(traced, 100);
}

TEST(Referees, MatchesTakeTheTwelveRefereesOfTheDayInTurn)
{
    ResetTestGame(9);
    for (int m = 0; m < 12; ++m)
        Game.MatchReferees[m] = 30 + m;
    EXPECT_EQ(RefereeOfMatch(1), 30);
    EXPECT_EQ(RefereeOfMatch(12), 41);
    EXPECT_EQ(RefereeOfMatch(13), 30);
    EXPECT_EQ(RefereeOfMatch(40), 33);
}

TEST(Referees, DayDrawTakesTheBestSixOfEachPool)
{
    ResetTestGame(9);
    DrawReferees();
    for (int e = 0; e < 12; ++e) {
        int r = Game.MatchReferees[e];
        ASSERT_GE(r, 1);
        ASSERT_LE(r, kRefereeCount);
        EXPECT_EQ(Referees[r].pool, e < 6 ? kRefereePoolNational : kRefereePoolInternational);
        if (e % 6 != 0) {
            EXPECT_LE(Referees[r].technique, Referees[Game.MatchReferees[e - 1]].technique);
        }
    }
    // Each pool has referees of technique 5, so all twelve of the day have it.
    for (int e = 0; e < 12; ++e)
        EXPECT_EQ(Referees[Game.MatchReferees[e]].technique, 5);
    std::map<int, int> firstPicks;
    for (int day = 0; day < 40; ++day) {
        DrawReferees();
        firstPicks[Game.MatchReferees[0]] += 1;
    }
    EXPECT_GT(firstPicks.size(), 1u);  // equal techniques are ordered by the random keys
}

}  // namespace
}  // namespace tarvelon::testing
